#include "Board.h"

#include "SolutionCheck.h"

#include <algorithm>
#include <cassert>
#include <cmath>
#include <numbers>

namespace pivo {
namespace {

constexpr double Pi = std::numbers::pi;

// Wedge at vertex a between the edges towards b and c, counter-clockwise; points on the edges pass.
bool inWedge(Point a, Point b, Point c, int X, int Y) {
    const double a1 = mouseAngle(b.x - a.x, b.y - a.y);
    double a2 = mouseAngle(c.x - a.x, c.y - a.y);
    double ap = mouseAngle(X - a.x, Y - a.y);
    if (a2 < a1) a2 += 2 * Pi;
    if (ap < a1) ap += 2 * Pi;
    return ap <= a2;
}

}  // namespace

double mouseAngle(int dx, int dy) {
    if (dx > 0) {
        const double a = std::atan(double(-dy) / dx);
        return a < 0 ? a + 2 * Pi : a;
    }
    if (dx < 0) return std::atan(double(-dy) / dx) + Pi;
    return dy > 0 ? 3 * Pi / 2 : Pi / 2;
}

int roundHalfEven(double v) {
    const double floor = std::floor(v);
    const double diff = v - floor;
    if (diff < 0.5) return static_cast<int>(floor);
    if (diff > 0.5) return static_cast<int>(floor) + 1;
    const int lower = static_cast<int>(floor);
    return lower % 2 == 0 ? lower : lower + 1;
}

GrabZone hitTest(int tan, TanPlacement at, int unit, int X, int Y) {
    std::array<Point, 4> v{};
    const int n = tanPolygon(tan, at, unit, v);
    const bool inside = n == 3 ? inWedge(v[0], v[1], v[2], X, Y) && inWedge(v[1], v[2], v[0], X, Y)
                               : inWedge(v[0], v[1], v[3], X, Y) && inWedge(v[2], v[3], v[1], X, Y);
    if (!inside) return GrabZone::Outside;
    const double d = std::hypot(double(X - at.x * unit), double(Y - at.y * unit));
    return d >= turnRadiusOf(shapeOf(tan)) * unit ? GrabZone::Turn : GrabZone::Move;
}

Board::Board(const Catalogue& catalogue, Progress& progress) : catalogue_(catalogue), progress_(progress) {}

void Board::setUnitSize(int unitSize) { unitSize_ = std::max(1, unitSize); }

Change Board::setUpTangram(int n) {
    tangram_ = n;
    const bool playable = catalogue_.isPlayable(n);
    pattern_ = playable ? std::optional<Placement>(catalogue_.entry(n).placement) : std::nullopt;
    silhouetteGrid_.clear();
    tansGrid_.clear();
    if (pattern_) silhouetteGrid_.addPlacement(*pattern_);
    tans_ = startPlacement();
    tansGrid_.addPlacement(tans_);
    const TangramStatus status = n >= 1 && n <= StatusTableSize ? progress_.status(n) : TangramStatus{};
    if (pattern_ && !status.finished()) {
        for (int tan = 1; tan <= status.tipLevel(); ++tan) {
            tansGrid_.removeTan(tan, tans_[tan - 1]);
            tans_[tan - 1] = (*pattern_)[tan - 1];
            tansGrid_.addTan(tan, tans_[tan - 1]);
        }
    }
    silhouetteFirst_ = silhouetteGrid_.firstFilledCell().value_or(Point{0, 0});
    lifted_ = 0;
    playState_ = PlayState::Playing;
    tipEnabled_ = pattern_ && !status.finished();
    Change change;
    change.tans = Change::AllTans;
    change.outline = change.playState = change.silhouette = true;
    return change;
}

TanFill Board::lyingFill() const {
    switch (playState_) {
        case PlayState::Playing: return TanFill::Black;
        case PlayState::Solved: return TanFill::Green;
        case PlayState::GivenUp: return TanFill::Red;
    }
    return TanFill::Black;
}

int Board::turnStepAt(int X, int Y) const {
    const TanPlacement& at = tans_[lifted_ - 1];
    return roundHalfEven(mouseAngle(X - at.x * unitSize_, Y - at.y * unitSize_) * 8 / Pi);
}

// Remembers how the lifted tan was grabbed, so that the drag that follows moves or turns it.
void Board::grab(int X, int Y) {
    const TanPlacement& at = liftedPlacement();
    grabZone_ = hitTest(lifted_, at, unitSize_, X, Y);
    if (grabZone_ == GrabZone::Move)
        dragOffset_ = Point{at.x - X / unitSize_, at.y - Y / unitSize_};
    else if (grabZone_ == GrabZone::Turn)
        turnAnchor_ = turnStepAt(X, Y) + at.orientation;
}

void Board::putDown(Change& change) {
    if (!tansGrid_.fits(lifted_, liftedPlacement())) {
        change.addSound(RefusedSound);
        return;
    }
    change.addSound(PutDownSound);
    tansGrid_.addTan(lifted_, liftedPlacement());
    change.addTan(lifted_);
    change.outline = true;
    lifted_ = 0;
    if (playState_ == PlayState::Playing) solveIfMatching(change);
}

void Board::lift(int tan, Change& change) {
    lifted_ = tan;
    change.addSound(PickUpSound);
    tansGrid_.removeTan(lifted_, liftedPlacement());
    change.addTan(lifted_);
    change.outline = true;
}

void Board::pickUp(int X, int Y, Change& change) {
    int found = 0;
    for (int tan = 1; tan <= TanCount; ++tan)
        if (hitTest(tan, tans_[tan - 1], unitSize_, X, Y) != GrabZone::Outside) found = tan;
    if (found == 0) return;
    lift(found, change);
    grab(X, Y);
}

Change Board::mouseDown(MouseButton button, int X, int Y) {
    Change change;
    if (playState_ != PlayState::Playing) return change;
    if (button == MouseButton::Right) return mirrorLifted();
    const int cx = X / unitSize_;
    const int cy = Y / unitSize_;
    dragOffset_ = Point{0, 0};
    if (cx < 0 || cx > MaxX || cy < 0 || cy > MaxY) return change;
    if (lifted_ != 0) {
        grab(X, Y);
        if (grabZone_ == GrabZone::Outside) putDown(change);
    }
    if (playState_ == PlayState::Playing && lifted_ == 0) pickUp(X, Y, change);
    return change;
}

void Board::turnTo(int orientation, Change& change) {
    liftedPlacement().orientation = static_cast<std::uint8_t>(orientation);
    change.outline = true;
}

Change Board::mouseMove(bool leftButtonHeld, int X, int Y) {
    Change change;
    if (lifted_ == 0) return change;
    const TanPlacement at = liftedPlacement();
    const GrabZone over = hitTest(lifted_, at, unitSize_, X, Y);
    const BoardCursor cursor = over == GrabZone::Move   ? BoardCursor::Move
                               : over == GrabZone::Turn ? BoardCursor::Turn
                                                        : BoardCursor::HandPoint;
    if (cursor != cursor_) {
        cursor_ = cursor;
        change.cursor = true;
    }
    if (!leftButtonHeld) return change;
    if (grabZone_ == GrabZone::Move) {
        const int x = X / unitSize_ + dragOffset_.x;
        const int y = Y / unitSize_ + dragOffset_.y;
        if (fitsBoard(lifted_, x, y, at.orientation) && (x != at.x || y != at.y)) {
            change.addSound(MoveSound);
            liftedPlacement().x = static_cast<std::uint8_t>(x);
            liftedPlacement().y = static_cast<std::uint8_t>(y);
            change.outline = true;
        }
    } else if (grabZone_ == GrabZone::Turn) {
        const int mirror = at.orientation / 16;
        int o = turnAnchor_ - turnStepAt(X, Y);
        while (o < 0) o += 16;
        o = o % 16 + 16 * mirror;
        if (fitsBoard(lifted_, at.x, at.y, o) && o != at.orientation) {
            change.addSound(TurnSound);
            turnTo(o, change);
        }
    }
    return change;
}

Change Board::liftTan(int tan) {
    assert(tan >= 1 && tan <= TanCount);
    Change change;
    if (playState_ != PlayState::Playing || tan == lifted_) return change;
    if (lifted_ != 0) putDown(change);
    if (playState_ != PlayState::Playing || lifted_ != 0) return change;
    lift(tan, change);
    // Without a grab, a mouse button still held from before drags nothing.
    grabZone_ = GrabZone::Outside;
    return change;
}

Change Board::liftNextTan(bool forward) {
    if (lifted_ == 0) return liftTan(forward ? 1 : TanCount);
    return liftTan(forward ? lifted_ % TanCount + 1 : (lifted_ + TanCount - 2) % TanCount + 1);
}

Change Board::moveLifted(int dx, int dy) {
    Change change;
    if (playState_ != PlayState::Playing || lifted_ == 0) return change;
    const TanPlacement at = liftedPlacement();
    const int x = at.x + dx;
    const int y = at.y + dy;
    if ((dx == 0 && dy == 0) || !fitsBoard(lifted_, x, y, at.orientation)) return change;
    change.addSound(MoveSound);
    liftedPlacement().x = static_cast<std::uint8_t>(x);
    liftedPlacement().y = static_cast<std::uint8_t>(y);
    change.outline = true;
    return change;
}

Change Board::turnLifted(int steps) {
    Change change;
    if (playState_ != PlayState::Playing || lifted_ == 0) return change;
    const TanPlacement at = liftedPlacement();
    const int o = ((at.orientation % 16 + steps) % 16 + 16) % 16 + at.orientation / 16 * 16;
    if (o == at.orientation || !fitsBoard(lifted_, at.x, at.y, o)) return change;
    change.addSound(TurnSound);
    turnTo(o, change);
    return change;
}

Change Board::mirrorLifted() {
    Change change;
    if (playState_ != PlayState::Playing || lifted_ != 7) return change;
    const int mirrored = mirroredOrientation(liftedPlacement().orientation);
    if (fitsBoard(lifted_, liftedPlacement().x, liftedPlacement().y, mirrored)) turnTo(mirrored, change);
    return change;
}

Change Board::putDownLifted(Refusal refusal) {
    Change change;
    if (playState_ != PlayState::Playing || lifted_ == 0) return change;
    if (refusal == Refusal::Quiet && !tansGrid_.fits(lifted_, liftedPlacement())) return change;
    putDown(change);
    return change;
}

Change Board::takeTip() {
    Change change;
    if (playState_ != PlayState::Playing || !tipEnabled_ || !pattern_) return change;
    for (int tan = 1; tan <= TanCount; ++tan)
        if (tan != lifted_) tansGrid_.removeTan(tan, tans_[tan - 1]);
    change.outline = lifted_ != 0;
    lifted_ = 0;
    tans_ = startPlacement();
    tansGrid_.addPlacement(tans_);

    const int level = std::min(progress_.status(tangram_).tipLevel() + 1, MaxTipLevel);
    progress_.setStatus(tangram_, static_cast<std::uint8_t>(level == MaxTipLevel ? level + FinishedFlag : level));
    if (level == MaxTipLevel) {
        playState_ = PlayState::GivenUp;
        change.playState = true;
    }
    for (int tan = 1; tan <= level; ++tan) {
        tansGrid_.removeTan(tan, tans_[tan - 1]);
        tans_[tan - 1] = (*pattern_)[tan - 1];
        tansGrid_.addTan(tan, tans_[tan - 1]);
    }
    change.tans = Change::AllTans;
    progress_.gameModified = true;
    change.progress = true;
    return change;
}

void Board::solveIfMatching(Change& change) {
    if (!matchesSilhouette(tansGrid_, silhouetteGrid_, silhouetteFirst_)) return;
    playState_ = PlayState::Solved;
    change.playState = true;
    const TangramStatus status = progress_.status(tangram_);
    if (!status.finished()) {
        progress_.setStatus(tangram_, static_cast<std::uint8_t>(status.value | FinishedFlag));
        progress_.gameModified = true;
    }
    change.addSound(SolvedSound);
    change.solved = true;
    change.progress = true;
}

Change Board::checkSolved() {
    Change change;
    solveIfMatching(change);
    return change;
}

}  // namespace pivo
