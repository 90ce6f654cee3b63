#include "FakeMidiPlayer.h"
#include "media/MusicCycle.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace pivo {
namespace {

class MusicCycleTest : public ::testing::Test {
protected:
    MusicCycleTest() : cycle(preferences, player, [this](const std::string& folder) {
        listedFolders.push_back(folder);
        return files;
    }) {
        preferences.programFolder = "/games/pivo/";
    }

    void start() {
        cycle.findMusic();
        cycle.playAtStartup();
    }
    /// What is heard after one press of the music button: "off" or the name of the piece playing.
    std::string press() {
        cycle.toggleMusic();
        if (!preferences.music) return "off";
        EXPECT_TRUE(player.playing);
        return player.piece.substr(preferences.programFolder.size());
    }

    Preferences preferences;
    FakeMidiPlayer player;
    std::vector<std::string> files{"A.mid", "B.mid", "C.mid"};
    std::vector<std::string> listedFolders;
    MusicCycle cycle;
};

// Start-up plays the first piece; the button then goes off, next, off, next… and wraps to the first.
TEST_F(MusicCycleTest, ButtonCyclesOffAndNextPieceInListingOrder) {
    start();
    ASSERT_TRUE(cycle.musicAvailable());
    EXPECT_EQ(player.piece, "/games/pivo/A.mid");
    EXPECT_TRUE(player.playing);
    EXPECT_EQ(cycle.currentName(), "A.mid");

    std::vector<std::string> heard;
    for (int i = 0; i < 6; ++i) heard.push_back(press());
    EXPECT_EQ(heard, (std::vector<std::string>{"off", "B.mid", "off", "C.mid", "off", "A.mid"}));
    EXPECT_EQ(cycle.currentName(), "A.mid");
    EXPECT_EQ(listedFolders, (std::vector<std::string>{"/games/pivo/", "/games/pivo/"}))
        << "the folder is read at start-up and again after the last piece";
}

// With music stored off nothing plays at start-up, but the first piece is current: the first press plays B.
TEST_F(MusicCycleTest, StoredOffStandsOnTheFirstPieceSoTheFirstPressPlaysTheSecond) {
    preferences.music = false;
    start();
    EXPECT_TRUE(player.log.empty());
    EXPECT_TRUE(cycle.musicAvailable());
    EXPECT_EQ(cycle.currentName(), "A.mid");
    EXPECT_EQ(press(), "B.mid");
    EXPECT_TRUE(preferences.music);
}

// One piece only: the button alternates between silence and that piece, opened afresh from its start.
TEST_F(MusicCycleTest, OnePieceAlternatesWithSilence) {
    files = {"solo.mid"};
    start();
    EXPECT_EQ(press(), "off");
    player.log.clear();
    EXPECT_EQ(press(), "solo.mid");
    EXPECT_EQ(player.log, (std::vector<std::string>{"open /games/pivo/solo.mid", "play"}));
    EXPECT_EQ(press(), "off");
}

// No MIDI file: nothing plays, music stays on as stored, and the options dialog is told none exist.
TEST_F(MusicCycleTest, NoPiecesKeepTheStoredSwitch) {
    files.clear();
    start();
    EXPECT_FALSE(cycle.musicAvailable());
    EXPECT_TRUE(preferences.music);
    EXPECT_TRUE(player.log.empty());
    EXPECT_EQ(cycle.currentName(), "");
    cycle.keepAlive();
    EXPECT_TRUE(player.log.empty());
}

// A piece that has ended is started again by the next tick, only while music is on.
TEST_F(MusicCycleTest, KeepAliveRestartsAFinishedPiece) {
    start();
    cycle.keepAlive();
    EXPECT_EQ(player.log.size(), 2u) << "a playing piece is left alone";

    player.playing = false;  // the piece reaches its end
    cycle.keepAlive();
    EXPECT_TRUE(player.playing);
    EXPECT_EQ(player.log.back(), "play");
    EXPECT_EQ(player.piece, "/games/pivo/A.mid");

    press();  // off
    player.log.clear();
    cycle.keepAlive();
    EXPECT_TRUE(player.log.empty());
}

// The tick before the deferred start-up must not start anything on its own.
TEST_F(MusicCycleTest, KeepAliveBeforeTheStartIsSilent) {
    cycle.findMusic();
    cycle.keepAlive();
    EXPECT_TRUE(player.log.empty());
    cycle.playAtStartup();
    EXPECT_TRUE(player.playing);
}

// A piece the player refuses (unreadable file, no audio output) is not asked for every second;
// the button still moves on and tries the next.
TEST_F(MusicCycleTest, RefusedPieceIsNotAskedForAgain) {
    player.refusePlay = true;
    start();
    EXPECT_TRUE(preferences.music) << "the switch is the player's wish and stays";
    const auto asked = player.log.size();
    for (int i = 0; i < 3; ++i) cycle.keepAlive();
    EXPECT_EQ(player.log.size(), asked);

    player.refusePlay = false;
    EXPECT_EQ(press(), "off");
    EXPECT_EQ(press(), "B.mid");

    player.refuseOpen = true;
    press();
    cycle.toggleMusic();
    EXPECT_TRUE(preferences.music);
    EXPECT_FALSE(player.playing);
    player.log.clear();
    cycle.keepAlive();
    EXPECT_TRUE(player.log.empty());
}

// After the last piece the folder is read again, so a piece added meanwhile joins the cycle,
// and a folder emptied meanwhile switches the music off.
TEST_F(MusicCycleTest, WrapReadsTheFolderAgain) {
    start();
    files = {"new.mid"};
    EXPECT_EQ(press(), "off");
    EXPECT_EQ(press(), "B.mid");
    EXPECT_EQ(press(), "off");
    EXPECT_EQ(press(), "C.mid");
    EXPECT_EQ(press(), "off");
    EXPECT_EQ(press(), "new.mid");
    files.clear();
    EXPECT_EQ(press(), "off");
    EXPECT_EQ(press(), "off");
    EXPECT_TRUE(cycle.musicAvailable()) << "availability is decided once, at start-up";
}

}  // namespace
}  // namespace pivo
