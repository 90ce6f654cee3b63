// Timing program, not a test: how much the background music costs the game's start-up.
//
//   media_start_timing on|off [file|default] [soundfont]
//
// Shows a window of the game's size in a program folder with MIDI pieces and prints, in one line:
// the time from main() to the end of the first frame, what startMusicAtStartup() took before it,
// when the music was sounding, the longest the event loop went without serving a 1 ms timer between
// the first frame and the end of the third second, and the resident memory after the first frame and
// at the end. With "file" FluidSynth renders into a temporary WAV instead of a sound card, so the
// synthesiser runs (and its memory counts) on a machine without audio. "soundfont" is the instrument
// file to load; without it the game's own choice is used.
#include "media/MidiMusic.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QPainter>
#include <QTimer>
#include <QWidget>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <string>

namespace {

/// A line of /proc/self/status in kB, e.g. "VmRSS".
long statusKb(const char* key) {
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line))
        if (line.rfind(key, 0) == 0) return std::stol(line.substr(std::strlen(key) + 1));
    return -1;
}

/// Stands for the main window: paints a full frame and notes when the first one is done.
class Frame : public QWidget {
public:
    explicit Frame(const QElapsedTimer& clock) : clock_(clock) { resize(909, 576); }
    qint64 firstFrameNs = -1;
    long rssFirstFrameKb = -1;

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter(this).fillRect(rect(), QColor(192, 192, 192));
        if (firstFrameNs >= 0) return;
        firstFrameNs = clock_.nsecsElapsed();
        rssFirstFrameKb = statusKb("VmRSS");
    }

private:
    const QElapsedTimer& clock_;
};

}  // namespace

int main(int argc, char** argv) {
    QElapsedTimer clock;
    clock.start();
    const bool musicOn = argc > 1 && std::strcmp(argv[1], "on") == 0;
    const bool toFile = argc > 2 && std::strcmp(argv[2], "file") == 0;
    QApplication app(argc, argv);

    pivo::Preferences preferences;
    preferences.programFolder = (QCoreApplication::applicationDirPath() + "/").toStdString();
    preferences.music = musicOn;
    std::vector<pivo::FluidSynthPlayer::Setting> settings;
    const std::string soundFont = argc > 3 ? std::string(argv[3]) : pivo::FluidSynthPlayer::defaultSoundFont();
    if (toFile) settings = {{"audio.driver", "file"}, {"audio.file.name", (QDir::tempPath() + "/pivo-timing.wav").toStdString()}};
    pivo::MidiMusic music(preferences, soundFont, settings);

    const qint64 before = clock.nsecsElapsed();
    music.startMusicAtStartup();
    const qint64 startCall = clock.nsecsElapsed() - before;

    Frame frame(clock);
    frame.show();
    qint64 soundingNs = -1;
    qint64 lastTickNs = -1;
    qint64 longestStallNs = 0;
    qint64 longestStallEndNs = 0;
    QTimer poll;
    poll.setTimerType(Qt::PreciseTimer);
    poll.setInterval(1);
    QObject::connect(&poll, &QTimer::timeout, [&] {
        const qint64 now = clock.nsecsElapsed();
        if (soundingNs < 0 && music.musicPlaying()) soundingNs = now;
        if (frame.firstFrameNs < 0) return;
        // From the end of the first frame on: the music starts right after it.
        const qint64 stall = now - (lastTickNs < 0 ? frame.firstFrameNs : lastTickNs);
        if (stall > longestStallNs) {
            longestStallNs = stall;
            longestStallEndNs = now;
        }
        lastTickNs = now;
    });
    poll.start();
    QTimer::singleShot(3000, &app, &QApplication::quit);
    app.exec();

    std::printf("music=%s output=%s soundfont=%s pieces=%d start_call_us=%.1f first_frame_ms=%.2f sounding_ms=%.1f "
                "longest_stall_ms=%.2f ending_at_ms=%.1f rss_first_frame_kb=%ld rss_after_3s_kb=%ld hwm_kb=%ld\n",
                musicOn ? "on" : "off", toFile ? "file" : "default", soundFont.c_str(), music.musicAvailable() ? 1 : 0,
                startCall / 1e3, frame.firstFrameNs / 1e6, soundingNs < 0 ? -1.0 : soundingNs / 1e6,
                longestStallNs / 1e6, longestStallEndNs / 1e6, frame.rssFirstFrameKb, statusKb("VmRSS"), statusKb("VmHWM"));
    return 0;
}
