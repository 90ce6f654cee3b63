#pragma once

#include <string>
#include <sys/types.h>

// An Xvfb of the benchmark's own, on a display number the server picks itself, so that runs beside another
// Xvfb never collide. No window manager runs on it.
class XvfbServer {
public:
    // Starts the server with one screen of the given geometry ("1920x1080x24"); throws std::runtime_error when
    // it does not come up within ten seconds.
    explicit XvfbServer(const std::string& screen);
    ~XvfbServer();
    XvfbServer(const XvfbServer&) = delete;
    XvfbServer& operator=(const XvfbServer&) = delete;

    const std::string& display() const { return display_; }

private:
    pid_t pid_ = -1;
    std::string display_;
};
