// Measures the game window: start to first frame, memory at the first frame and once settled, and idle
// CPU (each in a fresh process), a full board repaint at a 1920 x 1080 client area, and one drag step
// with its repaint.
//
//   bench_window [runs]          runs every measurement and prints median, minimum and maximum
//   bench_window --child MODE    one game process, reporting to the parent (start, idle)
//
// Needs a display large enough for 1920 x 1080 (bench/window/run.sh starts one under Xvfb) and a
// settings store with a language chosen (run.sh points XDG_CONFIG_HOME at one, music off unless asked).

#include "mainwindow/BoardBox.h"
#include "app/Game.h"
#include "mainwindow/TMainForm.h"

#include <QApplication>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QTimer>

#include <sys/resource.h>
#include <sys/wait.h>
#include <spawn.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <functional>
#include <string>
#include <vector>

extern char** environ;

namespace {

using Clock = std::chrono::steady_clock;

double nowMs() { return std::chrono::duration<double, std::milli>(Clock::now().time_since_epoch()).count(); }

double cpuMs() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    const auto ms = [](timeval t) { return t.tv_sec * 1000.0 + t.tv_usec / 1000.0; };
    return ms(usage.ru_utime) + ms(usage.ru_stime);
}

double residentMb() {
    std::ifstream status("/proc/self/status");
    for (std::string line; std::getline(status, line);)
        if (line.rfind("VmRSS:", 0) == 0) return std::stod(line.substr(6)) / 1024.0;
    return 0;
}

void report(const char* name, const char* unit, std::vector<double> values) {
    std::sort(values.begin(), values.end());
    const std::size_t n = values.size();
    const double median = n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
    std::printf("%-34s median %9.3f  min %9.3f  max %9.3f %s  (%zu runs)\n", name, median, values.front(),
                values.back(), unit, n);
    std::fflush(stdout);
}

// Runs `task` once, from the event loop, after the widget's first paint has been put on the screen,
// with the time and the resident memory taken at that paint: other work queued behind the first frame
// (the music's synthesiser starts there) must not count as the frame's.
class FirstFrame : public QObject {
public:
    FirstFrame(QWidget* widget, std::function<void(double, double)> task) : task_(std::move(task)) {
        widget->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint) {
            watched->removeEventFilter(this);
            const double paintedMs = nowMs();
            const double rssMb = residentMb();
            // The frame is flushed right after the paint events of this round; a zero timer runs after it.
            QTimer::singleShot(0, [this, paintedMs, rssMb] { task_(paintedMs, rssMb); });
        }
        return false;
    }

private:
    std::function<void(double, double)> task_;
};

std::unique_ptr<pivo::Game> startGame() {
    auto game = std::make_unique<pivo::Game>(pivo::Game::programFolder(), pivo::Settings::openUserStore());
    if (!game->start()) std::exit(2);
    return game;
}

// The child: the game as main.cpp starts it, reporting when its first frame is out.
int child(int argc, char** argv, const std::string& mode) {
    QApplication app(argc, argv);
    auto game = startGame();
    pivo::BoardBox* box = game->mainForm().box();
    FirstFrame probe(box, [&](double frame, double rss) {
        if (mode == "start") {
            std::printf("%.3f %.3f\n", frame, rss);
            std::fflush(stdout);
            QCoreApplication::exit(0);
            return;
        }
        // Idle: let the start settle, then count the CPU time of ten quiet seconds.
        QTimer::singleShot(1000, [&] {
            const double cpu = cpuMs();
            const double wall = nowMs();
            QTimer::singleShot(10000, [&, cpu, wall] {
                std::printf("%.4f %.3f\n", 100.0 * (cpuMs() - cpu) / (nowMs() - wall), residentMb());
                std::fflush(stdout);
                QCoreApplication::exit(0);
            });
        });
    });
    game->mainForm().show();
    const int result = app.exec();
    // Leave without the close question and without writing the settings.
    std::fflush(stdout);
    std::_Exit(result);
}

// Starts a child and returns its spawn time and its one line of output.
std::pair<double, std::string> runChild(const char* self, const char* mode) {
    int pipeFds[2];
    if (pipe(pipeFds) != 0) std::exit(3);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, pipeFds[1], STDOUT_FILENO);
    posix_spawn_file_actions_addclose(&actions, pipeFds[0]);
    char* args[] = {const_cast<char*>(self), const_cast<char*>("--child"), const_cast<char*>(mode), nullptr};
    pid_t pid = 0;
    const double spawned = nowMs();
    if (posix_spawn(&pid, self, &actions, nullptr, args, environ) != 0) std::exit(3);
    close(pipeFds[1]);
    std::string out;
    char buffer[256];
    for (ssize_t n; (n = read(pipeFds[0], buffer, sizeof buffer)) > 0;) out.append(buffer, std::size_t(n));
    close(pipeFds[0]);
    int status = 0;
    waitpid(pid, &status, 0);
    posix_spawn_file_actions_destroy(&actions);
    return {spawned, out};
}

void measureProcesses(const char* self, int runs) {
    runChild(self, "start");  // warm the caches
    std::vector<double> start, memory;
    for (int i = 0; i < runs; ++i) {
        const auto [spawned, out] = runChild(self, "start");
        double frame = 0, rss = 0;
        if (std::sscanf(out.c_str(), "%lf %lf", &frame, &rss) != 2) std::exit(4);
        start.push_back(frame - spawned);
        memory.push_back(rss);
    }
    report("start to first frame", "ms", start);
    report("resident memory after start", "MB", memory);
    // The idle run also tells the memory once the start has settled: music starts after the first frame.
    std::vector<double> idle, settled;
    for (int i = 0; i < runs; ++i) {
        double cpu = 0, rss = 0;
        if (std::sscanf(runChild(self, "idle").second.c_str(), "%lf %lf", &cpu, &rss) != 2) std::exit(4);
        idle.push_back(cpu);
        settled.push_back(rss);
    }
    report("idle CPU over 10 s", "%", idle);
    report("resident memory after 11 s", "MB", settled);
}

// Sizes the main window to a 1920 x 1080 client area and times full board repaints and drag steps.
void measurePainting(int argc, char** argv, int runs) {
    QApplication app(argc, argv);
    auto game = startGame();
    pivo::TMainForm& form = game->mainForm();
    form.show();
    form.resize(1920, 1080);
    // The window opens from its centre; until it is open, a mask keeps most of the board from painting.
    for (const double until = nowMs() + 2000; !form.mask().isEmpty() && nowMs() < until;) app.processEvents();
    for (int i = 0; i < 20; ++i) app.processEvents();
    pivo::BoardBox* box = form.box();
    std::printf("client %dx%d, board %dx%d, unit %d\n", form.width(), form.height(), box->width(),
                box->height(), game->model().board().unitSize());

    std::vector<double> full;
    for (int i = 0; i < runs * 10; ++i) {
        const double t = nowMs();
        box->repaintBoard();
        box->repaint();
        full.push_back(nowMs() - t);
    }
    report("full board repaint", "ms", full);

    // Lift the square and drag it to and fro by one unit.
    const int unit = game->model().board().unitSize();
    const pivo::TanPlacement square = game->model().board().tans()[5];
    const QPoint grab((square.x + 2) * unit + unit / 2, (square.y + 2) * unit + unit / 2);
    QMouseEvent press(QEvent::MouseButtonPress, grab, box->mapToGlobal(grab), Qt::LeftButton, Qt::LeftButton,
                      Qt::NoModifier);
    QApplication::sendEvent(box, &press);
    app.processEvents();
    if (game->model().board().liftedTan() != 6) std::exit(5);

    struct PaintedArea : QObject {
        long pixels = 0;
        bool eventFilter(QObject*, QEvent* event) override {
            if (event->type() == QEvent::Paint)
                for (const QRect& r : static_cast<QPaintEvent*>(event)->region()) pixels += long(r.width()) * r.height();
            return false;
        }
    } painted;
    box->installEventFilter(&painted);
    std::vector<double> drag;
    for (int i = 0; i < runs * 10; ++i) {
        const QPoint to = grab + QPoint((i % 2 == 0 ? 1 : 0) * unit, 0);
        QMouseEvent move(QEvent::MouseMove, to, box->mapToGlobal(to), Qt::NoButton, Qt::LeftButton,
                         Qt::NoModifier);
        const double t = nowMs();
        QApplication::sendEvent(box, &move);
        app.processEvents();
        drag.push_back(nowMs() - t);
    }
    report("drag step with its repaint", "ms", drag);
    std::printf("%-34s %ld of %d pixels per step\n", "board area repainted per drag step",
                painted.pixels / (runs * 10), box->width() * box->height());
    std::fflush(stdout);
    std::_Exit(0);
}

}  // namespace

int main(int argc, char** argv) {
    if (argc >= 3 && std::strcmp(argv[1], "--child") == 0) return child(argc, argv, argv[2]);
    const int runs = argc >= 2 ? std::max(10, std::atoi(argv[1])) : 10;
    if (fork() == 0) measurePainting(argc, argv, runs);
    int status = 0;
    wait(&status);
    measureProcesses(argv[0], runs);
    return 0;
}
