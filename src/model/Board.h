#pragma once

#include "Catalogue.h"
#include "Change.h"
#include "CoverageGrid.h"
#include "MouseButton.h"
#include "Progress.h"
#include "Tans.h"

#include <cstdint>
#include <optional>

namespace pivo {

enum class PlayState : std::uint8_t { Playing = 0, Solved = 1, GivenUp = 2 };

/// Where on a lifted tan the mouse went down: beside it, in its middle (moves), near its corners (turns).
enum class GrabZone : std::uint8_t { Outside = 0, Move = 1, Turn = 2 };

/// Angle of the pixel offset (dx to the right, dy downwards) counter-clockwise from the right, in [0, 2*pi).
double mouseAngle(int dx, int dy);
/// The integer nearest to v, halves going to the even neighbour.
int roundHalfEven(double v);
/// Which zone of a tan at `at` the pixel (X, Y) hits, with `unit` pixels per board unit.
GrabZone hitTest(int tan, TanPlacement at, int unit, int X, int Y);

/// The play area and its rules: the tans lying and lifted, the silhouette of the current tangram,
/// and what mouse presses, drags, tips and the solution check do to them. Coordinates are board
/// pixels. Each command returns what it changed and which sounds and notices are due; the board
/// itself never draws.
class Board {
public:
    Board(const Catalogue& catalogue, Progress& progress);

    /// Pixels per board unit; at least 1.
    void setUnitSize(int unitSize);
    /// Prepares catalogue entry n: silhouette, tans on their start places, tips taken shown again.
    Change setUpTangram(int n);

    Change mouseDown(MouseButton button, int X, int Y);
    Change mouseMove(bool leftButtonHeld, int X, int Y);
    /// Lays one more tan of the solution; the seventh tip gives the tangram up.
    Change takeTip();
    /// Compares the laid figure with the silhouette; on a match the tangram is solved (`solved` is set).
    Change checkSolved();

    // The keyboard's commands: the mouse's rules without a pointer, each acting on the lifted tan.
    /// Lifts tan `tan` (1..7), first putting down the tan lifted; when that is refused, nothing more.
    Change liftTan(int tan);
    /// Lifts the tan after the lifted one in tan order, or before it; from none tan 1, or tan 7.
    Change liftNextTan(bool forward);
    /// Moves the lifted tan by whole units, when all of it stays on the board.
    Change moveLifted(int dx, int dy);
    /// Turns the lifted tan about its reference point by `steps` of 22.5 degrees, clockwise when
    /// positive, when all of it stays on the board; a mirrored tan stays mirrored.
    Change turnLifted(int steps);
    /// Turns the lifted parallelogram over, as the right button does.
    Change mirrorLifted();
    /// Puts the lifted tan down as a click beside it does; a quiet refusal plays no sound.
    enum class Refusal { Sounded, Quiet };
    Change putDownLifted(Refusal refusal);

    int unitSize() const { return unitSize_; }
    int currentTangram() const { return tangram_; }
    const CoverageGrid& tansGrid() const { return tansGrid_; }
    /// The live tans, lying or lifted.
    const Placement& tans() const { return tans_; }
    /// The current tangram's solution, or none when its record cannot be used.
    const std::optional<Placement>& pattern() const { return pattern_; }
    /// 0 when none, else the tan held by the mouse; it is not in the tans grid.
    int liftedTan() const { return lifted_; }
    GrabZone grabZone() const { return grabZone_; }
    int turnAnchor() const { return turnAnchor_; }
    PlayState playState() const { return playState_; }
    bool tipEnabled() const { return tipEnabled_; }
    BoardCursor cursor() const { return cursor_; }
    /// Fill of the lying tans for the play state: black, green when solved, red when given up.
    TanFill lyingFill() const;

private:
    void grab(int X, int Y);
    void putDown(Change& change);
    void pickUp(int X, int Y, Change& change);
    void lift(int tan, Change& change);
    void turnTo(int orientation, Change& change);
    void solveIfMatching(Change& change);
    int turnStepAt(int X, int Y) const;
    TanPlacement& liftedPlacement() { return tans_[lifted_ - 1]; }

    const Catalogue& catalogue_;
    Progress& progress_;

    int unitSize_ = 1;
    int tangram_ = 0;
    CoverageGrid tansGrid_;
    CoverageGrid silhouetteGrid_;
    Placement tans_{};
    std::optional<Placement> pattern_;
    Point silhouetteFirst_{};
    int lifted_ = 0;
    GrabZone grabZone_ = GrabZone::Outside;
    Point dragOffset_{};
    int turnAnchor_ = 0;
    PlayState playState_ = PlayState::Playing;
    bool tipEnabled_ = false;
    BoardCursor cursor_ = BoardCursor::HandPoint;
};

}  // namespace pivo
