#pragma once

#include "Tans.h"

namespace pivo {

/// The sound effects the board asks for, by effect number.
enum SoundEffect : int {
    PickUpSound = 1,
    PutDownSound = 2,
    TurnSound = 3,
    MoveSound = 4,
    SolvedSound = 5,
    RefusedSound = 6,
};

/// Fill of a tan as the board paints it; Silver erases it from the board.
enum class TanFill { Black, Green, Red, Silver };

/// The board's cursors: the hand pointer, and the screen cursor slots 1 (turn) and 2 (move).
enum class BoardCursor { HandPoint, Turn, Move };

/// Something the board did that its owner has to show, sound or ask.
struct BoardEvent {
    enum class Kind {
        DrawTan,         ///< tan `tan` at `at`, filled `fill`, edged dark grey (silver when erasing)
        DrawSilhouette,  ///< the current pattern again, where the board shows it
        ToggleOutline,   ///< the lifted tan's XOR outline at `at`, on or off
        Sound,           ///< sound effect `value` (1..6)
        SolvedMessage,   ///< the "solved" notice is due; the board waits for it
        RepaintPattern,  ///< the pattern window shows stale progress
        CaptionChanged,  ///< the window caption must be rebuilt
        CursorChanged,   ///< the board's cursor is now `cursor`
    };

    Kind kind;
    int tan = 0;
    TanPlacement at{};
    TanFill fill = TanFill::Black;
    int value = 0;
    BoardCursor cursor = BoardCursor::HandPoint;

    friend bool operator==(const BoardEvent&, const BoardEvent&) = default;
};

/// Receives the board's events in the order they happen.
class BoardListener {
public:
    virtual ~BoardListener() = default;
    virtual void onBoardEvent(const BoardEvent& event) = 0;
};

}  // namespace pivo
