#include "media/ClipModule.h"
#include "media/DeferredClipDeck.h"
#include "media/EffectPlayer.h"
#include "media/FirstFrameWatch.h"
#include "media/FluidSynthPlayer.h"
#include "media/MidiMusic.h"
#include "media/QtClipDeck.h"
#include "tests/model/TempFiles.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QWidget>
#include <QtEndian>

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <functional>
#include <string>
#include <vector>

namespace pivo {
namespace {

namespace fs = std::filesystem;

/// Runs the event loop until `done` holds or `ms` have passed; true when it holds.
bool waitFor(const std::function<bool()>& done, int ms) {
    QElapsedTimer clock;
    clock.start();
    while (!done() && clock.elapsed() < ms) QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
    return done();
}

// A quarter note of middle C at 120 beats a minute: a piece of a quarter of a second.
void writeShortPiece(const fs::path& path) {
    const unsigned char bytes[] = {'M', 'T', 'h', 'd', 0, 0, 0, 6, 0, 0, 0, 1, 0, 96,
                                   'M', 'T', 'r', 'k', 0, 0, 0, 16,
                                   0, 0xC0, 0, 0, 0x90, 60, 100, 48, 0x80, 60, 0, 0, 0xFF, 0x2F, 0, 0};
    std::ofstream(path, std::ios::binary).write(reinterpret_cast<const char*>(bytes), sizeof bytes);
}

// A folder named as a player's may be, blanks included, inside a scratch folder of its own, so that
// tests running side by side never share one.
struct NamedFolder {
    explicit NamedFolder(const char* name) : path(scratch.path() / name) { fs::create_directories(path); }

    scratch::TempFolder scratch;
    fs::path path;
};

// The six built-in clips are PCM WAVE, mono, 8 bit, 22 050 Hz, of the lengths their roles need.
TEST(SoundClips, ResourcesHaveTheGamesFormatAndLengths) {
    const double seconds[] = {0.10, 0.13, 0.03, 0.05, 2.3, 0.25};
    for (int n = 1; n <= 6; ++n) {
        QFile file(QStringLiteral(":/pivo/sounds/effect%1.wav").arg(n));
        ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << "effect " << n;
        const QByteArray wav = file.readAll();
        ASSERT_GE(wav.size(), 44);
        const auto u16 = [&](int at) { return qFromLittleEndian<quint16>(wav.constData() + at); };
        const auto u32 = [&](int at) { return qFromLittleEndian<quint32>(wav.constData() + at); };
        EXPECT_EQ(wav.left(4), "RIFF");
        EXPECT_EQ(wav.mid(8, 4), "WAVE");
        EXPECT_EQ(wav.mid(36, 4), "data");
        EXPECT_EQ(u16(20), 1) << "PCM";
        EXPECT_EQ(u16(22), 1) << "mono";
        EXPECT_EQ(u32(24), 22050u);
        EXPECT_EQ(u16(34), 8) << "bits per sample";
        EXPECT_EQ(u32(40), static_cast<quint32>(wav.size() - 44));
        EXPECT_NEAR(u32(40) / 22050.0, seconds[n - 1], seconds[n - 1] * 0.15) << "effect " << n;
    }
}

// Without an audio device the effects neither block nor fail: every clip still loads and plays silently.
TEST(SoundClips, PlayingWithoutAudioDeviceReturnsAtOnce) {
    Preferences preferences;
    QtClipDeck clips;
    EffectPlayer effects(preferences, clips);
    QElapsedTimer clock;
    clock.start();
    for (int n = 1; n <= 6; ++n) effects.playSoundEffect(n);
    EXPECT_LT(clock.elapsed(), 2000);
    for (int n = 0; n < 6; ++n)
        EXPECT_TRUE(waitFor([&] { return clips.clip(n).status() != QSoundEffect::Loading; }, 3000)) << n;
    for (int n = 0; n < 6; ++n) EXPECT_EQ(clips.clip(n).status(), QSoundEffect::Ready) << "clip " << n;
}

// The game's clip module, beside the executable, opens and hands out a deck of the six clips.
TEST(SoundClips, ModuleOpensBesideTheExecutable) {
    const std::string folder = QCoreApplication::applicationDirPath().toStdString() + "/";
    // Only opened: playing would start Qt's sample loader on a thread of its own, which the test's end
    // could cut short (the clips themselves are played by the tests above).
    EXPECT_NE(openClipModule(folder + ClipModuleName), nullptr);
    EXPECT_EQ(openClipModule(folder + "missing-clips.so"), nullptr);
}

/// Clips that write down what they were told.
struct ClipLog : ClipDeck {
    std::vector<int> started;
    void start(int clip) override { started.push_back(clip); }
    void silence(int) override {}
};

// The audio stack is opened after the first frame, once; an effect asked for before that (the first
// board action of a quick player) opens it at once and still sounds.
TEST(SoundClips, DeferredDeckOpensAfterTheFirstFrameOrAtTheFirstEffect) {
    ClipLog* log = nullptr;
    int opened = 0;
    const DeferredClipDeck::Opener opener = [&] {
        ++opened;
        auto deck = std::make_unique<ClipLog>();
        log = deck.get();
        return deck;
    };
    {
        DeferredClipDeck early(opener);
        early.openAfterFirstFrame();
        Preferences preferences;
        EffectPlayer effects(preferences, early);
        effects.playSoundEffect(1);
        ASSERT_EQ(opened, 1);
        EXPECT_EQ(log->started, std::vector<int>{0});
        QWidget window;
        window.show();
        waitFor([] { return false; }, 200);
        EXPECT_EQ(opened, 1) << "opened once only";
    }
    DeferredClipDeck idle(opener);
    idle.openAfterFirstFrame();
    QCoreApplication::processEvents();
    EXPECT_FALSE(idle.opened()) << "no window has painted yet";
    QWidget window;
    window.show();
    EXPECT_TRUE(waitFor([&] { return idle.opened(); }, 3000));
    EXPECT_EQ(opened, 2);
}

// The deferred task waits for the first frame of a window, then runs exactly once.
TEST(FirstFrame, TaskRunsOnceAfterTheFirstPaint) {
    int runs = 0;
    FirstFrameWatch watch([&] { ++runs; });
    watch.arm();
    QCoreApplication::processEvents();
    EXPECT_EQ(runs, 0) << "no window has painted yet";

    QWidget window;
    window.resize(100, 80);
    window.show();
    EXPECT_TRUE(waitFor([&] { return runs > 0; }, 3000));
    window.update();
    waitFor([] { return false; }, 100);
    EXPECT_EQ(runs, 1);
    EXPECT_FALSE(watch.armed());
}

struct FluidSynthPlayerTest : ::testing::Test {
    FluidSynthPlayerTest() { writeShortPiece(folder / "short.mid"); }

    NamedFolder named{"pivo fluidsynth"};
    const fs::path folder = named.path;
};

// A piece plays to its end and, asked again, plays again from its beginning; stop silences it.
TEST_F(FluidSynthPlayerTest, PlaysRestartsAndStops) {
    const std::string soundFont = FluidSynthPlayer::defaultSoundFont();
    if (soundFont.empty()) GTEST_SKIP() << "no General MIDI SoundFont installed";
    FluidSynthPlayer player(soundFont, {{"audio.driver", "file"}, {"audio.file.name", (folder / "out.wav").string()}});
    EXPECT_FALSE(player.play()) << "nothing is open";
    EXPECT_FALSE(player.started()) << "the SoundFont waits for the first piece";

    ASSERT_TRUE(player.open((folder / "short.mid").string()));
    ASSERT_TRUE(player.play());
    EXPECT_TRUE(player.started());
    EXPECT_TRUE(player.isPlaying());
    EXPECT_TRUE(waitFor([&] { return !player.isPlaying(); }, 10000)) << "a quarter-second piece ends";

    ASSERT_TRUE(player.play());
    EXPECT_TRUE(player.isPlaying()) << "an ended piece starts again";
    player.stop();
    EXPECT_FALSE(player.isPlaying());
    EXPECT_FALSE(player.play()) << "stop closes the piece";
}

// Files that are not MIDI are refused at open, so the music rules can move on.
TEST_F(FluidSynthPlayerTest, RefusesWhatIsNotMidi) {
    std::ofstream(folder / "fake.mid") << "not a MIDI file at all";
    FluidSynthPlayer player("/nonexistent.sf2");
    EXPECT_FALSE(player.open((folder / "fake.mid").string()));
    EXPECT_FALSE(player.open((folder / "missing.mid").string()));
    EXPECT_FALSE(player.play());
}

// Without a SoundFont or an audio output nothing sounds, nothing hangs, and the memory is given back.
TEST_F(FluidSynthPlayerTest, NoSoundFontOrNoOutputStaysSilent) {
    FluidSynthPlayer noFont("/nonexistent.sf2");
    ASSERT_TRUE(noFont.open((folder / "short.mid").string()));
    EXPECT_FALSE(noFont.play());
    EXPECT_FALSE(noFont.isPlaying());

    const std::string soundFont = FluidSynthPlayer::defaultSoundFont();
    if (soundFont.empty()) GTEST_SKIP() << "no General MIDI SoundFont installed";
    FluidSynthPlayer noOutput(soundFont, {{"audio.driver", "oss"}, {"audio.oss.device", "/nonexistent/dsp"}});
    ASSERT_TRUE(noOutput.open((folder / "short.mid").string()));
    QElapsedTimer clock;
    clock.start();
    EXPECT_FALSE(noOutput.play());
    EXPECT_FALSE(noOutput.started()) << "the SoundFont is unloaded again";
    EXPECT_FALSE(noOutput.play()) << "and not loaded a second time";
    EXPECT_LT(clock.elapsed(), 3000);
}

// The game's music with a folder of pieces but no SoundFont: the switches and names work, nothing sounds.
TEST(MidiMusicTest, WithoutSoundFontTheSwitchesStillWork) {
    const NamedFolder named("pivo program");
    const fs::path& folder = named.path;
    writeShortPiece(folder / "only.mid");
    Preferences preferences;
    preferences.programFolder = folder.string() + "/";
    MidiMusic music(preferences, "/nonexistent.sf2");
    music.startMusicAtStartup();
    EXPECT_TRUE(music.musicAvailable());
    EXPECT_EQ(music.currentMusicName(), "only.mid");

    QWidget window;
    window.show();
    waitFor([] { return false; }, 200);
    music.musicKeepAlive();
    EXPECT_TRUE(preferences.music);

    music.toggleMusic();
    EXPECT_FALSE(preferences.music);
    music.toggleMusic();
    EXPECT_TRUE(preferences.music);
    EXPECT_EQ(music.currentMusicName(), "only.mid");

    music.toggleSound();
    EXPECT_FALSE(preferences.sound);
    music.toggleSound();
    EXPECT_TRUE(preferences.sound);
}

// With a working output the music waits for the first frame, then plays; the button stops it and
// moves on to the next piece.
TEST(MidiMusicTest, StartsAfterTheFirstFrameAndCycles) {
    const std::string soundFont = FluidSynthPlayer::defaultSoundFont();
    if (soundFont.empty()) GTEST_SKIP() << "no General MIDI SoundFont installed";
    const NamedFolder named("pivo program with music");
    const fs::path& folder = named.path;
    writeShortPiece(folder / "first.mid");
    writeShortPiece(folder / "second.mid");
    Preferences preferences;
    preferences.programFolder = folder.string() + "/";
    MidiMusic music(preferences, soundFont, {{"audio.driver", "file"}, {"audio.file.name", (folder / "out.wav").string()}});
    music.startMusicAtStartup();
    music.musicKeepAlive();
    waitFor([] { return false; }, 100);
    EXPECT_FALSE(music.musicPlaying()) << "no window has drawn its first frame yet";

    QWidget window;
    window.show();
    EXPECT_TRUE(waitFor([&] { return music.musicPlaying(); }, 3000));
    const std::string first = music.currentMusicName();

    music.toggleMusic();
    EXPECT_FALSE(music.musicPlaying());
    EXPECT_FALSE(preferences.music);
    music.toggleMusic();
    EXPECT_TRUE(waitFor([&] { return music.musicPlaying(); }, 3000));
    EXPECT_NE(music.currentMusicName(), first);

    EXPECT_TRUE(waitFor([&] { return !music.musicPlaying(); }, 10000)) << "the short piece ends";
    music.musicKeepAlive();
    EXPECT_TRUE(waitFor([&] { return music.musicPlaying(); }, 3000)) << "the tick starts it again";
}

}  // namespace
}  // namespace pivo
