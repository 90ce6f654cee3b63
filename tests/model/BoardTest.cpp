#include "model/Board.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <numbers>
#include <vector>

namespace pivo {
namespace {

constexpr int U = 6;  // pixels per unit, as in the designed window size

// A figure whose tans lie apart from each other, so that any laying order fits.
constexpr Placement Figure{{{30, 25, 0}, {50, 25, 4}, {72, 25, 0}, {30, 55, 0}, {60, 55, 4}, {85, 55, 0}, {95, 25, 0}}};
// An asymmetric figure that needs the mirrored parallelogram and odd turn steps.
constexpr Placement Turned{{{30, 25, 3}, {50, 25, 9}, {72, 25, 2}, {30, 55, 5}, {60, 55, 12}, {85, 55, 1}, {95, 25, 19}}};

// The changes the board's commands returned, in order.
struct Recorder {
    std::vector<Change> changes;

    void clear() { changes.clear(); }
    std::vector<int> sounds() const {
        std::vector<int> s;
        for (const Change& c : changes) s.insert(s.end(), c.sounds().begin(), c.sounds().end());
        return s;
    }
    int solvedNotices() const {
        return static_cast<int>(std::count_if(changes.begin(), changes.end(), [](const Change& c) { return c.solved; }));
    }
    bool nothingChanged() const {
        return std::all_of(changes.begin(), changes.end(), [](const Change& c) { return c.empty(); });
    }
};

class BoardTest : public ::testing::Test {
protected:
    BoardTest() : board(catalogue, progress) {
        std::vector<std::uint8_t> bytes;
        for (const Placement& p : {Figure, Turned}) {
            bytes.push_back(0);
            for (const TanPlacement& at : p) bytes.insert(bytes.end(), {at.x, at.y, at.orientation});
        }
        catalogue.loadRecords(bytes);
        board.setUnitSize(U);
        board.setUpTangram(1);
    }

    static int px(int units) { return units * U; }
    const TanPlacement& tan(int t) const { return board.tans()[t - 1]; }

    // A pixel on the board that no tan covers, so that a click there only puts down.
    Point emptyPixel() const {
        for (int y = 2; y < 80; y += 3)
            for (int x = 2; x < 120; x += 3) {
                bool free = true;
                for (int t = 1; t <= TanCount; ++t)
                    free = free && hitTest(t, tan(t), U, px(x), px(y)) == GrabZone::Outside;
                if (free) return Point{px(x), px(y)};
            }
        ADD_FAILURE() << "no free pixel";
        return {};
    }

    void press(MouseButton button, int X, int Y) { recorder.changes.push_back(board.mouseDown(button, X, Y)); }
    void move(int X, int Y) { recorder.changes.push_back(board.mouseMove(true, X, Y)); }
    void tip() { recorder.changes.push_back(board.takeTip()); }
    void click(Point p, MouseButton button = MouseButton::Left) { press(button, p.x, p.y); }
    void lift(int t) { press(MouseButton::Left, px(tan(t).x), px(tan(t).y)); }
    void dragTo(int x, int y) { move(px(x), px(y)); }

    // Grabs the lifted tan near a corner and swings the mouse round its centre to the wanted step.
    void turnTo(int orientation) {
        const int t = board.liftedTan();
        std::array<Point, 4> v{};
        const int n = tanPolygon(t, tan(t), U, v);
        int cx = 0, cy = 0;
        for (int i = 0; i < n; ++i) cx += v[i].x, cy += v[i].y;
        const Point grip{(v[0].x * 85 + cx / n * 15) / 100, (v[0].y * 85 + cy / n * 15) / 100};
        press(MouseButton::Left, grip.x, grip.y);
        ASSERT_EQ(board.grabZone(), GrabZone::Turn);
        const int step = ((board.turnAnchor() - orientation) % 16 + 16) % 16;
        const double angle = step * std::numbers::pi / 8;
        const int radius = px(30);
        move(px(tan(t).x) + int(std::lround(radius * std::cos(angle))),
             px(tan(t).y) - int(std::lround(radius * std::sin(angle))));
    }

    // Lays tan t at a place the way a player does: lift, carry to the middle, mirror and turn, carry on.
    void lay(int t, TanPlacement target) {
        lift(t);
        ASSERT_EQ(board.liftedTan(), t);
        dragTo(60, 40);
        if (t == 7 && tan(t).orientation / 16 != target.orientation / 16) click({0, 0}, MouseButton::Right);
        if (tan(t).orientation != target.orientation) turnTo(target.orientation);
        ASSERT_EQ(tan(t).orientation, target.orientation);
        press(MouseButton::Left, px(tan(t).x), px(tan(t).y));
        ASSERT_EQ(board.grabZone(), GrabZone::Move);
        dragTo(target.x, target.y);
        ASSERT_EQ(tan(t), target);
        click(emptyPixel());
    }

    Catalogue catalogue;
    Progress progress;
    Recorder recorder;
    Board board;
};

// A whole tangram laid with the mouse is recognised as solved: green, effect 5, the notice, progress kept;
// the last click says the play state changed, so that every lying tan is painted green.
TEST_F(BoardTest, LayingTheWholeFigureSolvesIt) {
    for (int t = 1; t <= TanCount; ++t) {
        lay(t, Figure[t - 1]);
        EXPECT_EQ(board.liftedTan(), 0) << "tan " << t << " was put down";
    }
    EXPECT_EQ(board.playState(), PlayState::Solved);
    EXPECT_EQ(board.lyingFill(), TanFill::Green);
    EXPECT_EQ(recorder.sounds().back(), SolvedSound);
    EXPECT_EQ(recorder.solvedNotices(), 1);
    EXPECT_TRUE(progress.status(1).finished());
    EXPECT_EQ(progress.status(1).tipLevel(), 0);
    EXPECT_TRUE(progress.gameModified);
    const Change& last = recorder.changes.back();
    EXPECT_TRUE(last.playState && last.progress && last.hasTan(7) && last.outline);
}

// Odd turn steps and the mirrored parallelogram are reached with the mouse and count like any other.
TEST_F(BoardTest, TurnedAndMirroredFigureIsSolvedAnywhereOnTheBoard) {
    board.setUpTangram(2);
    for (int t = 1; t <= TanCount; ++t) {
        TanPlacement target = Turned[t - 1];
        target.x = static_cast<std::uint8_t>(target.x + 3);  // one shift for the whole figure
        target.y = static_cast<std::uint8_t>(target.y - 4);
        lay(t, target);
    }
    EXPECT_EQ(board.playState(), PlayState::Solved);
}

// Putting down onto a lying tan is refused with effect 6 and the tan stays lifted where it is.
TEST_F(BoardTest, OverlappingPutDownIsRefused) {
    lift(1);
    const TanPlacement square = tan(6);
    dragTo(square.x, square.y);
    recorder.clear();
    click(emptyPixel());
    EXPECT_EQ(recorder.sounds(), std::vector<int>{RefusedSound});
    EXPECT_EQ(recorder.changes.back().tans, 0);
    EXPECT_EQ(board.liftedTan(), 1);
    EXPECT_EQ(tan(1).x, square.x);
}

// A click on a lying tan lifts it; a click inside the lifted tan only grabs it again.
TEST_F(BoardTest, PickUpAndRegrab) {
    CoverageGrid withoutTanFive;
    for (int t = 1; t <= TanCount; ++t)
        if (t != 5) withoutTanFive.addTan(t, tan(t));
    lift(5);
    EXPECT_EQ(board.liftedTan(), 5);
    EXPECT_EQ(recorder.sounds(), std::vector<int>{PickUpSound});
    EXPECT_EQ(board.tansGrid(), withoutTanFive) << "the lifted tan leaves the grid";
    EXPECT_TRUE(recorder.changes.back().hasTan(5) && recorder.changes.back().outline);
    recorder.clear();
    lift(5);
    EXPECT_EQ(board.liftedTan(), 5);
    EXPECT_TRUE(recorder.nothingChanged());
}

// One click beside the lifted tan on another tan puts the first down and lifts the second.
TEST_F(BoardTest, PutDownAndPickUpInOneClick) {
    lift(1);
    dragTo(60, 40);
    recorder.clear();
    lift(6);
    EXPECT_EQ(recorder.sounds(), (std::vector<int>{PutDownSound, PickUpSound}));
    EXPECT_EQ(recorder.changes.back().tans, (1 << 0) | (1 << 5)) << "the tan laid down and the tan lifted";
    EXPECT_EQ(board.liftedTan(), 6);
    EXPECT_EQ(tan(1), (TanPlacement{60, 40, 6}));
}

// The right button mirrors only the parallelogram, silently.
TEST_F(BoardTest, RightButtonMirrorsTheParallelogram) {
    lift(4);
    const TanPlacement before = tan(4);
    click({0, 0}, MouseButton::Right);
    EXPECT_EQ(tan(4), before);
    click(emptyPixel());
    lift(7);
    dragTo(60, 40);
    turnTo(3);
    recorder.clear();
    click({0, 0}, MouseButton::Right);
    EXPECT_EQ(tan(7).orientation, 29);
    EXPECT_TRUE(recorder.sounds().empty());
    EXPECT_TRUE(recorder.changes.back().outline);
    EXPECT_EQ(recorder.changes.back().tans, 0) << "only the outline turns over";
}

// The keyboard's commands keep the mouse's rules: a tan is lifted by number or in tan order (from
// none the first or the last, wrapping), a put-down refused on the way lifts nothing else, a step is
// refused whole where any of the tan would leave the board, a turn keeps the mirror half, and the
// quiet put-down refuses without a sound. The mouse held down meanwhile drags nothing.
TEST_F(BoardTest, KeyCommands) {
    const auto keep = [&](Change change) { recorder.changes.push_back(change); };
    lift(5);  // by the mouse, grabbed in its middle; the button stays held
    keep(board.putDownLifted(Board::Refusal::Sounded));
    keep(board.liftNextTan(true));
    EXPECT_EQ(board.liftedTan(), 1) << "from none, the first";
    move(px(60), px(40));
    EXPECT_EQ(tan(1), startPlacement()[0]) << "the button held since the mouse's lift drags nothing";
    recorder.clear();
    keep(board.liftNextTan(false));
    EXPECT_EQ(board.liftedTan(), 7) << "before the first, the last";
    EXPECT_EQ(recorder.sounds(), (std::vector<int>{PutDownSound, PickUpSound}));
    keep(board.putDownLifted(Board::Refusal::Sounded));
    keep(board.liftNextTan(false));
    EXPECT_EQ(board.liftedTan(), 7) << "from none, the last";
    keep(board.liftNextTan(true));
    EXPECT_EQ(board.liftedTan(), 1) << "after the last, the first";

    // Onto the square, where it cannot be put down: lifting another tan or Esc leaves it lifted.
    const TanPlacement square = tan(6);
    keep(board.moveLifted(square.x - tan(1).x, square.y - tan(1).y));
    ASSERT_EQ(tan(1).x, square.x);
    recorder.clear();
    keep(board.liftTan(2));
    EXPECT_EQ(board.liftedTan(), 1);
    EXPECT_EQ(recorder.sounds(), std::vector<int>{RefusedSound});
    recorder.clear();
    keep(board.putDownLifted(Board::Refusal::Quiet));
    EXPECT_EQ(board.liftedTan(), 1);
    EXPECT_TRUE(recorder.nothingChanged());

    // The square goes 5 units left of its centre at most: five more are refused, two are taken.
    keep(board.moveLifted(60 - tan(1).x, 40 - tan(1).y));
    keep(board.liftTan(6));
    ASSERT_EQ(board.liftedTan(), 6);
    recorder.clear();
    keep(board.moveLifted(-5, 0));
    EXPECT_EQ(tan(6), square);
    keep(board.moveLifted(-2, 0));
    EXPECT_EQ(tan(6).x, 5);
    EXPECT_EQ(recorder.sounds(), std::vector<int>{MoveSound});

    // Turns wrap within the mirror half; the mirror is the parallelogram's alone.
    keep(board.liftTan(7));
    keep(board.moveLifted(90 - tan(7).x, 40 - tan(7).y));
    keep(board.mirrorLifted());
    ASSERT_EQ(tan(7).orientation, 16 + 2);
    recorder.clear();
    keep(board.turnLifted(-3));
    EXPECT_EQ(tan(7).orientation, 16 + 15);
    keep(board.turnLifted(1));
    EXPECT_EQ(tan(7).orientation, 16);
    EXPECT_EQ(recorder.sounds(), (std::vector<int>{TurnSound, TurnSound}));
    keep(board.liftTan(4));
    const TanPlacement large = tan(4);
    keep(board.mirrorLifted());
    EXPECT_EQ(tan(4), large);
}

// A grab near a corner of the large triangle turns it, near its centre it moves it.
TEST_F(BoardTest, GrabZones) {
    const TanPlacement at{60, 40, 0};  // corners (46,46), (66,46), (66,26)
    EXPECT_EQ(hitTest(4, at, U, px(65), px(45)), GrabZone::Turn);
    EXPECT_EQ(hitTest(4, at, U, px(61), px(41)), GrabZone::Move);
    EXPECT_EQ(hitTest(4, at, U, px(50), px(30)), GrabZone::Outside);
    EXPECT_EQ(hitTest(4, at, U, px(66), px(36)), GrabZone::Turn) << "points on an edge belong to the tan";
}

// A drag towards the border stops at the last position that keeps every tile on the board, silently.
TEST_F(BoardTest, DragStopsAtTheBorder) {
    lift(6);
    dragTo(20, 42);
    recorder.clear();
    for (int x = 19; x >= -5; --x) dragTo(x, 42);
    EXPECT_EQ(tan(6).x, 5) << "the square reaches 5 units left of its centre";
    EXPECT_EQ(recorder.sounds().size(), 15u);
    EXPECT_EQ(board.cursor(), BoardCursor::HandPoint) << "the mouse left the tan";
}

// Clicks on the board's extra last pixel row or column are ignored.
TEST_F(BoardTest, ClickBeyondTheCellsIsIgnored) {
    press(MouseButton::Left, px(60), px(81));
    press(MouseButton::Left, px(121), px(40));
    EXPECT_TRUE(recorder.nothingChanged());
}

// Tips lay the solution tan by tan; the seventh gives the tangram up and freezes the board.
TEST_F(BoardTest, TipsUpToGivingUp) {
    for (int k = 1; k <= 6; ++k) {
        tip();
        EXPECT_EQ(progress.status(1).value, k);
        for (int t = 1; t <= TanCount; ++t)
            EXPECT_EQ(tan(t), t <= k ? Figure[t - 1] : startPlacement()[t - 1]) << "tip " << k << " tan " << t;
    }
    EXPECT_EQ(board.lyingFill(), TanFill::Black);
    tip();
    EXPECT_TRUE(recorder.changes.back().playState);
    EXPECT_EQ(progress.status(1).value, 15);
    EXPECT_EQ(board.playState(), PlayState::GivenUp);
    EXPECT_EQ(board.tans(), Figure);
    EXPECT_TRUE(progress.gameModified);
    recorder.clear();
    tip();
    lift(1);
    EXPECT_TRUE(recorder.nothingChanged()) << "a given-up board ignores tips and the mouse";
    EXPECT_TRUE(recorder.sounds().empty());
    EXPECT_EQ(progress.status(1).value, 15);
}

// A tip while a tan is lifted takes it back too, outline and all, and the grid then holds every tan
// exactly once.
TEST_F(BoardTest, TipWhileLifted) {
    lift(3);
    dragTo(60, 40);
    lift(5);  // puts 3 down in the middle, lifts 5
    tip();
    EXPECT_EQ(board.liftedTan(), 0);
    EXPECT_TRUE(recorder.changes.back().outline) << "the lifted outline goes";
    CoverageGrid expected;
    expected.addPlacement(board.tans());
    EXPECT_EQ(board.tansGrid(), expected);
    EXPECT_EQ(tan(1), Figure[0]);
    EXPECT_EQ(tan(3), startPlacement()[2]) << "the player's work on the other tans is lost";
}

// Tips taken are shown again at the next set-up; a finished tangram starts over without tips.
TEST_F(BoardTest, SetUpShowsTipsTaken) {
    progress.setStatus(2, 3);
    board.setUpTangram(2);
    for (int t = 1; t <= TanCount; ++t) EXPECT_EQ(tan(t), t <= 3 ? Turned[t - 1] : startPlacement()[t - 1]);
    EXPECT_TRUE(board.tipEnabled());
    progress.setStatus(2, 8 + 3);
    board.setUpTangram(2);
    EXPECT_EQ(board.tans(), startPlacement());
    EXPECT_FALSE(board.tipEnabled());
    EXPECT_EQ(board.playState(), PlayState::Playing);
}

// Solving a tangram again shows the notice but changes no progress; the tip level stays.
TEST_F(BoardTest, SolvingAFinishedTangramKeepsProgress) {
    progress.setStatus(1, 8 + 3);
    board.setUpTangram(1);
    for (int t = 1; t <= TanCount; ++t) lay(t, Figure[t - 1]);
    EXPECT_EQ(board.playState(), PlayState::Solved);
    EXPECT_EQ(recorder.solvedNotices(), 1);
    EXPECT_FALSE(progress.gameModified);
    EXPECT_EQ(progress.status(1).value, 11);
}

// A tangram solved after three tips keeps its level with the finished flag.
TEST_F(BoardTest, SolvingAfterTipsKeepsTheLevel) {
    for (int k = 0; k < 3; ++k) board.takeTip();
    for (int t = 4; t <= TanCount; ++t) lay(t, Figure[t - 1]);
    EXPECT_EQ(progress.status(1).value, 8 + 3);
    EXPECT_EQ(progress.status(1).points(), 4);
}

// A record the game cannot use sets up an empty board that never solves and offers no tips.
TEST_F(BoardTest, UnusableRecordIsHarmless) {
    std::vector<std::uint8_t> bytes(RecordSize, 0);
    bytes[0] = 9;  // category outside the catalogue
    catalogue.loadRecords(bytes);
    board.setUpTangram(1);
    EXPECT_FALSE(board.pattern().has_value());
    EXPECT_FALSE(board.tipEnabled());
    board.takeTip();
    EXPECT_EQ(progress.status(1).value, 0);
    EXPECT_FALSE(board.checkSolved().solved);
}

// Mouse angles grow counter-clockwise on the screen; halves round to the even neighbour.
TEST(BoardGeometry, AngleAndRounding) {
    constexpr double pi = std::numbers::pi;
    EXPECT_DOUBLE_EQ(mouseAngle(1, 0), 0);
    EXPECT_DOUBLE_EQ(mouseAngle(0, -1), pi / 2);
    EXPECT_DOUBLE_EQ(mouseAngle(-1, 0), pi);
    EXPECT_DOUBLE_EQ(mouseAngle(0, 1), 3 * pi / 2);
    EXPECT_DOUBLE_EQ(mouseAngle(0, 0), pi / 2);
    EXPECT_DOUBLE_EQ(mouseAngle(1, 1), 7 * pi / 4);
    EXPECT_EQ(roundHalfEven(2.5), 2);
    EXPECT_EQ(roundHalfEven(3.5), 4);
    EXPECT_EQ(roundHalfEven(-0.5), 0);
    EXPECT_EQ(roundHalfEven(15.5), 16);
    EXPECT_EQ(roundHalfEven(2.4999), 2);
    EXPECT_EQ(roundHalfEven(2.5001), 3);
}

}  // namespace
}  // namespace pivo
