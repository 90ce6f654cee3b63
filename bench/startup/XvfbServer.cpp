#include "XvfbServer.h"

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <stdexcept>

XvfbServer::XvfbServer(const std::string& screen) {
    int pipeFds[2];
    if (pipe(pipeFds) != 0) throw std::runtime_error("cannot make a pipe for Xvfb");
    const std::string displayFd = std::to_string(pipeFds[1]);
    pid_ = fork();
    if (pid_ < 0) throw std::runtime_error("cannot fork Xvfb");
    if (pid_ == 0) {
        close(pipeFds[0]);
        const int devNull = open("/dev/null", O_RDWR);
        dup2(devNull, 0);
        dup2(devNull, 1);
        dup2(devNull, 2);
        execlp("Xvfb", "Xvfb", "-displayfd", displayFd.c_str(), "-screen", "0", screen.c_str(), "-nolisten", "tcp",
               "-noreset", static_cast<char*>(nullptr));
        _exit(127);
    }
    close(pipeFds[1]);
    // The server writes its display number once it accepts connections.
    std::string number;
    pollfd reader{pipeFds[0], POLLIN, 0};
    char c = 0;
    while (poll(&reader, 1, 10000) == 1 && read(pipeFds[0], &c, 1) == 1 && c != '\n') number += c;
    close(pipeFds[0]);
    if (number.empty()) {
        kill(pid_, SIGKILL);
        waitpid(pid_, nullptr, 0);
        throw std::runtime_error("Xvfb did not start (is the xvfb package installed?)");
    }
    display_ = ":" + number;
}

XvfbServer::~XvfbServer() {
    kill(pid_, SIGTERM);
    waitpid(pid_, nullptr, 0);
}
