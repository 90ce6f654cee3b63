#include "model/Board.h"
#include "media/EffectPlayer.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

namespace pivo {
namespace {

/// Clips that write down what they were told: "start 4", "silence 4".
struct ClipLog : ClipDeck {
    std::vector<std::string> log;
    void start(int clip) override { log.push_back("start " + std::to_string(clip)); }
    void silence(int clip) override { log.push_back("silence " + std::to_string(clip)); }
};

struct EffectPlayerTest : ::testing::Test {
    Preferences preferences;
    ClipLog clips;
    EffectPlayer effects{preferences, clips};
};

// Effect n plays clip n - 1, and each new effect silences the one before it first.
TEST_F(EffectPlayerTest, NewEffectCutsOffTheLast) {
    effects.playSoundEffect(1);
    effects.playSoundEffect(4);
    effects.playSoundEffect(4);
    effects.playSoundEffect(5);
    EXPECT_EQ(clips.log, (std::vector<std::string>{"start 0", "silence 0", "start 3", "silence 3", "start 3",
                                                   "silence 3", "start 4"}));
}

// While sound is off nothing happens at all, the solved tune included, and the last clip is not cut.
TEST_F(EffectPlayerTest, SoundOffPlaysAndSilencesNothing) {
    effects.playSoundEffect(5);
    preferences.sound = false;
    for (int effect = 0; effect <= 6; ++effect) effects.playSoundEffect(effect);
    EXPECT_EQ(clips.log, std::vector<std::string>{"start 4"});
    preferences.sound = true;
    effects.playSoundEffect(6);
    EXPECT_EQ(clips.log.back(), "start 5");
}

// Effect 0 only silences; a number beyond the six clips is ignored rather than reaching past them.
TEST_F(EffectPlayerTest, NumbersOutsideTheClipsOnlySilence) {
    effects.playSoundEffect(2);
    effects.playSoundEffect(0);
    effects.playSoundEffect(7);
    effects.playSoundEffect(-1);
    EXPECT_EQ(clips.log, (std::vector<std::string>{"start 1", "silence 1"}));
}

// Handling a tan on the real board asks for pick-up, move steps, refusal and put-down, each cutting the last.
TEST_F(EffectPlayerTest, BoardActionsRequestTheirEffects) {
    constexpr int U = 6;
    Catalogue catalogue;
    std::vector<std::uint8_t> record{0, 30, 25, 0, 50, 25, 4, 72, 25, 0, 30, 55, 0, 60, 55, 4, 85, 55, 0, 95, 25, 0};
    catalogue.loadRecords(record);
    Progress progress;
    Board board(catalogue, progress);
    // Passes the sounds a command asks for on, the way the main window does.
    const auto play = [&](const Change& change) {
        for (SoundEffect effect : change.sounds()) effects.playSoundEffect(effect);
    };
    board.setUnitSize(U);
    board.setUpTangram(1);

    // A pixel that no tan covers, so that a click there only puts the lifted tan down.
    const auto emptyPixel = [&] {
        for (int y = 2; y < 80; y += 3)
            for (int x = 2; x < 120; x += 3) {
                bool free = true;
                for (int t = 1; t <= TanCount; ++t)
                    free = free && hitTest(t, board.tans()[t - 1], U, x * U, y * U) == GrabZone::Outside;
                if (free) return Point{x * U, y * U};
            }
        return Point{0, 0};
    };
    const TanPlacement start = board.tans()[0];
    const TanPlacement square = board.tans()[5];
    play(board.mouseDown(MouseButton::Left, start.x * U, start.y * U));  // lift tan 1
    play(board.mouseMove(true, (start.x + 1) * U, start.y * U));         // one unit to the right
    play(board.mouseMove(true, square.x * U, square.y * U));             // onto the square
    Point free = emptyPixel();
    play(board.mouseDown(MouseButton::Left, free.x, free.y));            // refused: it would overlap
    play(board.mouseDown(MouseButton::Left, square.x * U, square.y * U));
    play(board.mouseMove(true, 60 * U, 40 * U));                         // to the free middle
    free = emptyPixel();
    play(board.mouseDown(MouseButton::Left, free.x, free.y));            // put down

    ASSERT_EQ(board.liftedTan(), 0);
    std::vector<std::string> started;
    for (std::size_t i = 0; i < clips.log.size(); ++i) {
        if (clips.log[i].starts_with("start")) started.push_back(clips.log[i]);
        if (i > 0) {
            EXPECT_EQ(clips.log[i].starts_with("silence"), clips.log[i - 1].starts_with("start"))
                << "every start after the first is preceded by silencing the clip before";
        }
    }
    ASSERT_GE(started.size(), 5u);
    EXPECT_EQ(started.front(), "start 0") << "pick-up";
    EXPECT_EQ(started[1], "start 3") << "move step";
    EXPECT_NE(std::find(started.begin(), started.end(), "start 5"), started.end()) << "refused put-down";
    EXPECT_EQ(started.back(), "start 1") << "put-down";
}

}  // namespace
}  // namespace pivo
