#pragma once

#include <array>
#include <cstdint>
#include <span>

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

/// Fill of the lying tans: black while playing, green when solved, red when given up.
enum class TanFill { Black, Green, Red };

/// The board's cursors: the hand pointer, and the screen cursor slots 1 (turn) and 2 (move).
enum class BoardCursor { HandPoint, Turn, Move };

/// What one command of the game did, for the windows to show, sound and say. It tells only where to
/// look: what the tans, the outline or the caption now are, the windows read from the model.
struct Change {
    /// Tans laid down, lifted or moved on the board: bit t - 1 for tan t.
    std::uint8_t tans = 0;
    /// The lifted tan's outline appeared, moved, turned or went.
    bool outline = false;
    /// The play state changed, and with it the fill of every lying tan.
    bool playState = false;
    /// Another silhouette is set up, so the whole board is new.
    bool silhouette = false;
    /// Another tangram (or the same one afresh) is current: tip button, pattern window and caption follow.
    bool position = false;
    /// The progress changed (a tip, a solved tangram, the game's name or saved state): caption and
    /// pattern window title follow.
    bool progress = false;
    /// The board's cursor changed.
    bool cursor = false;
    /// The cheer for a solved tangram is due.
    bool solved = false;
    /// The unsolved commands found no other unfinished tangram in the category.
    bool noneUnfinished = false;

    static constexpr std::uint8_t AllTans = 0x7f;

    void addTan(int tan) { tans = static_cast<std::uint8_t>(tans | 1u << (tan - 1)); }
    bool hasTan(int tan) const { return (tans >> (tan - 1) & 1u) != 0; }
    /// Effects are played in the order they were asked for; a click can lay one tan down and lift another.
    void addSound(SoundEffect effect) { sounds_.at(soundCount_++) = effect; }
    std::span<const SoundEffect> sounds() const { return {sounds_.data(), soundCount_}; }
    bool empty() const {
        return tans == 0 && !outline && !playState && !silhouette && !position && !progress && !cursor && !solved &&
               !noneUnfinished && soundCount_ == 0;
    }

private:
    std::array<SoundEffect, 2> sounds_{};
    std::size_t soundCount_ = 0;
};

/// Receives what each command did, once per command that changed anything, after the change is whole.
class ChangeListener {
public:
    virtual ~ChangeListener() = default;
    virtual void changed(const Change& change) = 0;
};

}  // namespace pivo
