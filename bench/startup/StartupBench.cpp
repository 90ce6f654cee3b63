// Starts a bare Qt window and the game in turn on an Xvfb of its own and measures, for each start, the time
// from launching the program to its first paint into a top-level window (seen through the X Damage extension,
// so that both programs are timed alike and neither's own clock counts) and its resident memory three seconds
// after launch; then it ends the program. The game runs twice a round, with the music off and on, each time
// with a fresh settings store: language chosen (English), sound effects off.
//
//   bench_startup BARE GAME [runs]     runs counted per program (default 10), after two uncounted warm-ups
//
// It prints per program the median, minimum and maximum of both figures, the game's first frame as a multiple
// of the bare window's and the game's memory over the bare window's.

#include "FirstPaintWatch.h"
#include "XvfbServer.h"

#include <fcntl.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <optional>
#include <sstream>
#include <stdexcept>
#include <string>
#include <thread>
#include <vector>

extern char** environ;

namespace {

namespace fs = std::filesystem;
using Clock = FirstPaintWatch::Clock;
using namespace std::chrono_literals;

constexpr int WarmUps = 2;
constexpr auto MemoryAfter = 3s;
constexpr auto PaintTimeout = 10s;
constexpr const char* ScreenSize = "1920x1080x24";

struct Program {
    std::string label;
    fs::path path;
    int music;  // the settings' music switch; the bare window reads no settings
};

struct Sample {
    double firstPaintMs;
    double residentMib;
    int width, height;
};

struct Spread {
    double median, min, max;
};

Spread spreadOf(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    const std::size_t n = values.size();
    const double median = n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
    return {median, values.front(), values.back()};
}

std::string loadAverage() {
    std::ifstream file("/proc/loadavg");
    double one = 0, five = 0, fifteen = 0;
    file >> one >> five >> fifteen;
    char text[64];
    std::snprintf(text, sizeof text, "%.2f %.2f %.2f", one, five, fifteen);
    return text;
}

// The resident set of a running process in MiB, or none once it has gone.
std::optional<double> residentMib(pid_t pid) {
    std::ifstream status("/proc/" + std::to_string(pid) + "/status");
    for (std::string line; std::getline(status, line);)
        if (line.rfind("VmRSS:", 0) == 0) return std::stod(line.substr(6)) / 1024.0;
    return std::nullopt;
}

bool exited(pid_t pid) { return waitpid(pid, nullptr, WNOHANG) == pid; }

void end(pid_t pid) {
    kill(pid, SIGTERM);
    const auto deadline = Clock::now() + 2s;
    while (Clock::now() < deadline) {
        if (exited(pid)) return;
        std::this_thread::sleep_for(10ms);
    }
    kill(pid, SIGKILL);
    waitpid(pid, nullptr, 0);
}

std::string tail(const fs::path& log) {
    std::ifstream file(log);
    std::stringstream text;
    text << file.rdbuf();
    const std::string all = text.str();
    return all.size() > 2000 ? all.substr(all.size() - 2000) : all;
}

class Bench {
public:
    Bench(const XvfbServer& server, FirstPaintWatch& watch, const fs::path& work)
        : server_(server), watch_(watch), work_(work) {}

    Sample measure(const Program& program) {
        writeSettings(program.music);
        const fs::path log = work_ / "program.log";
        watch_.settle(150ms);
        const Clock::time_point start = Clock::now();
        const pid_t pid = launch(program.path, log);
        const auto paint = watch_.waitForFirstPaint(start + PaintTimeout);
        if (!paint) {
            end(pid);
            throw std::runtime_error(program.label + ": no window painted within 10 s; its output:\n" + tail(log));
        }
        watch_.drainUntil(start + MemoryAfter);
        const bool ended = exited(pid);
        const auto memory = ended ? std::nullopt : residentMib(pid);
        if (!ended) end(pid);
        if (!memory)
            throw std::runtime_error(program.label + ": ended within " + std::to_string(MemoryAfter.count()) +
                                     " s; its output:\n" + tail(log));
        return {std::chrono::duration<double, std::milli>(paint->when - start).count(), *memory, paint->width,
                paint->height};
    }

private:
    void writeSettings(int music) {
        const fs::path config = work_ / "config";
        fs::remove_all(config);
        fs::create_directories(config / "Brambleworks/Pivolet");
        std::ofstream(config / "Brambleworks/Pivolet/V3.ini")
            << "[common]\ntongue=0\nsound=0\nmusic=" << music << "\n";
    }

    std::vector<std::string> environment() const {
        std::vector<std::string> variables;
        for (char** variable = environ; *variable; ++variable) {
            const std::string text = *variable;
            const std::string name = text.substr(0, text.find('='));
            if (name != "DISPLAY" && name != "WAYLAND_DISPLAY" && name != "XDG_CONFIG_HOME" &&
                name != "XDG_RUNTIME_DIR" && name != "QT_QPA_PLATFORM")
                variables.push_back(text);
        }
        variables.push_back("DISPLAY=" + server_.display());
        variables.push_back("XDG_CONFIG_HOME=" + (work_ / "config").string());
        variables.push_back("XDG_RUNTIME_DIR=" + work_.string());
        variables.push_back("QT_QPA_PLATFORM=xcb");
        return variables;
    }

    pid_t launch(const fs::path& path, const fs::path& log) const {
        std::vector<std::string> variables = environment();
        std::vector<char*> envp;
        for (std::string& variable : variables) envp.push_back(variable.data());
        envp.push_back(nullptr);
        std::string file = path.string();
        char* argv[] = {file.data(), nullptr};
        posix_spawn_file_actions_t actions;
        posix_spawn_file_actions_init(&actions);
        posix_spawn_file_actions_addopen(&actions, 0, "/dev/null", O_RDONLY, 0);
        posix_spawn_file_actions_addopen(&actions, 1, log.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
        posix_spawn_file_actions_adddup2(&actions, 1, 2);
        pid_t pid = 0;
        const int failure = posix_spawn(&pid, file.c_str(), &actions, nullptr, argv, envp.data());
        posix_spawn_file_actions_destroy(&actions);
        if (failure != 0) throw std::runtime_error("cannot start " + file + ": " + std::strerror(failure));
        return pid;
    }

    const XvfbServer& server_;
    FirstPaintWatch& watch_;
    fs::path work_;
};

void report(const std::vector<Program>& programs, const std::vector<std::vector<Sample>>& samples) {
    std::vector<Spread> times, memories;
    std::printf("\n%-16s %-28s %-28s %s\n", "", "first frame ms", "memory at 3 s MiB", "window");
    std::printf("%-16s %-28s %s\n", "", "median (min - max)", "median (min - max)");
    for (std::size_t p = 0; p < programs.size(); ++p) {
        std::vector<double> time, memory;
        for (const Sample& sample : samples[p]) {
            time.push_back(sample.firstPaintMs);
            memory.push_back(sample.residentMib);
        }
        times.push_back(spreadOf(time));
        memories.push_back(spreadOf(memory));
        const Spread& t = times.back();
        const Spread& m = memories.back();
        std::printf("%-16s %6.1f (%6.1f - %6.1f)     %6.1f (%6.1f - %6.1f)     %dx%d\n", programs[p].label.c_str(),
                    t.median, t.min, t.max, m.median, m.min, m.max, samples[p].front().width,
                    samples[p].front().height);
    }
    std::printf("\n");
    for (std::size_t p = 1; p < programs.size(); ++p)
        std::printf("%-16s first frame %.2f x bare, memory %+.1f MiB over bare\n", programs[p].label.c_str(),
                    times[p].median / times[0].median, memories[p].median - memories[0].median);
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 3 || argc > 4) {
        std::fprintf(stderr, "usage: %s BARE GAME [runs]\n", argv[0]);
        return 2;
    }
    const int runs = argc == 4 ? std::atoi(argv[3]) : 10;
    if (runs < 1) {
        std::fprintf(stderr, "runs must be at least 1\n");
        return 2;
    }
    const std::vector<Program> programs{{"bare", fs::absolute(argv[1]), 0},
                                        {"game, music off", fs::absolute(argv[2]), 0},
                                        {"game, music on", fs::absolute(argv[2]), 1}};
    char pattern[] = "/tmp/bench_startup.XXXXXX";
    if (!mkdtemp(pattern)) {
        std::perror("mkdtemp");
        return 1;
    }
    const fs::path work = pattern;
    int status = 0;
    try {
        XvfbServer server(ScreenSize);
        FirstPaintWatch watch(server.display());
        Bench bench(server, watch, work);
        std::printf("Xvfb %s on %s, no window manager; %d runs per program after %d warm-ups; load average %s\n",
                    ScreenSize, server.display().c_str(), runs, WarmUps, loadAverage().c_str());
        std::vector<std::vector<Sample>> samples(programs.size());
        for (int round = 0; round < WarmUps + runs; ++round)
            for (std::size_t p = 0; p < programs.size(); ++p) {
                const Sample sample = bench.measure(programs[p]);
                const bool counted = round >= WarmUps;
                std::printf("%-16s %s %2d: %6.1f ms  %5.1f MiB\n", programs[p].label.c_str(),
                            counted ? "run    " : "warm-up", counted ? round - WarmUps + 1 : round + 1,
                            sample.firstPaintMs, sample.residentMib);
                std::fflush(stdout);
                if (counted) samples[p].push_back(sample);
            }
        report(programs, samples);
        std::printf("load average at the end %s\n", loadAverage().c_str());
    } catch (const std::exception& error) {
        std::fprintf(stderr, "bench_startup: %s\n", error.what());
        status = 1;
    }
    fs::remove_all(work);
    return status;
}
