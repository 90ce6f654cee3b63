#include "FakeMidiPlayer.h"
#include "media/BackgroundMidiPlayer.h"

#include <gtest/gtest.h>

#include <chrono>
#include <future>
#include <memory>
#include <string>
#include <vector>

namespace pivo {
namespace {

/// A player whose open() takes as long as a large SoundFont: it waits until the test lets it go.
struct SlowPlayer : FakeMidiPlayer {
    std::promise<void> entered;
    std::future<void> opening = entered.get_future();
    std::promise<void> release;
    std::shared_future<void> released = release.get_future().share();
    /// Where the log goes when the player is freed; none when null.
    std::vector<std::string>* lastLog = nullptr;
    ~SlowPlayer() override {
        if (lastLog) *lastLog = log;
    }
    bool open(const std::string& path) override {
        if (log.empty()) entered.set_value();
        released.wait();
        return FakeMidiPlayer::open(path);
    }
};

class BackgroundMidiPlayerTest : public ::testing::Test {
protected:
    BackgroundMidiPlayerTest() {
        auto owned = std::make_unique<SlowPlayer>();
        slow = owned.get();
        player = std::make_unique<BackgroundMidiPlayer>(std::move(owned));
    }

    SlowPlayer* slow = nullptr;
    std::unique_ptr<BackgroundMidiPlayer> player;
};

// The calls return while the player is still busy with an earlier order; the orders are carried out
// in the order given, and until then the piece counts as playing (so the restart waits) without
// sounding yet.
TEST_F(BackgroundMidiPlayerTest, OrdersReturnAtOnceAndRunInTurn) {
    const auto begin = std::chrono::steady_clock::now();
    EXPECT_TRUE(player->open("/music/a.mid"));
    EXPECT_TRUE(player->play());
    EXPECT_TRUE(player->isPlaying());
    EXPECT_FALSE(player->sounding());
    EXPECT_LT(std::chrono::steady_clock::now() - begin, std::chrono::seconds(1)) << "nothing waited for open()";

    slow->release.set_value();
    player->waitUntilIdle();
    EXPECT_TRUE(player->sounding());
    EXPECT_TRUE(player->isPlaying());

    player->stop();
    player->waitUntilIdle();
    EXPECT_FALSE(player->isPlaying());
    EXPECT_EQ(slow->log, (std::vector<std::string>{"open /music/a.mid", "play", "stop"}));
}

// A piece the player refused is reported at the next play(), which then asks the player nothing, so
// the once-a-second restart gives up on it; a new piece is tried again.
TEST_F(BackgroundMidiPlayerTest, RefusalShowsAtTheNextPlay) {
    slow->release.set_value();
    slow->refusePlay = true;
    player->open("/music/broken.mid");
    EXPECT_TRUE(player->play());
    player->waitUntilIdle();
    EXPECT_FALSE(player->isPlaying());
    EXPECT_FALSE(player->play());
    player->waitUntilIdle();
    EXPECT_EQ(slow->log, (std::vector<std::string>{"open /music/broken.mid", "play"}));

    slow->refusePlay = false;
    player->open("/music/good.mid");
    EXPECT_TRUE(player->play());
    player->waitUntilIdle();
    EXPECT_TRUE(player->sounding());
}

// Ending the game while the player is busy waits for the order under way, so the player is never
// freed under its own thread.
TEST_F(BackgroundMidiPlayerTest, EndsWhileBusy) {
    std::vector<std::string> lastLog;
    slow->lastLog = &lastLog;
    player->open("/music/a.mid");
    player->play();
    slow->opening.wait();
    auto ended = std::async(std::launch::async, [this] { player.reset(); });
    EXPECT_EQ(ended.wait_for(std::chrono::milliseconds(50)), std::future_status::timeout) << "waits for open()";
    slow->release.set_value();
    ended.get();
    ASSERT_FALSE(lastLog.empty()) << "the order under way finished before the player was freed";
    EXPECT_EQ(lastLog.front(), "open /music/a.mid");
}

}  // namespace
}  // namespace pivo
