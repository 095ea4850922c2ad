// An X server of the benchmark's own.
#include "XvfbServer.h"

#include <cerrno>
#include <csignal>
#include <fcntl.h>
#include <poll.h>
#include <spawn.h>
#include <stdexcept>
#include <sys/wait.h>
#include <unistd.h>

extern char **environ;

namespace {

constexpr int StartTimeoutMs = 20000;

// Xvfb writes the display number it took, and a line feed, once it takes
// connections.
std::string ReadDisplayNumber(int fd)
{
    std::string number;
    while (number.empty() || number.back() != '\n') {
        pollfd ready{fd, POLLIN, 0};
        if (::poll(&ready, 1, StartTimeoutMs) <= 0)
            throw std::runtime_error("Xvfb gave no display number");
        char buffer[16];
        const ssize_t n = ::read(fd, buffer, sizeof buffer);
        if (n <= 0)
            throw std::runtime_error("Xvfb ended before it took connections");
        number.append(buffer, std::size_t(n));
    }
    number.pop_back();
    return number;
}

} // namespace

XvfbServer::XvfbServer()
{
    int pipeFds[2];
    if (::pipe(pipeFds) != 0)
        throw std::runtime_error("no pipe for Xvfb");
    const std::string fd = std::to_string(pipeFds[1]);
    const char *argv[] = {"Xvfb", "-displayfd", fd.c_str(), "-screen", "0", "1024x768x24", "-nolisten", "tcp", nullptr};
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addclose(&actions, pipeFds[0]);
    posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, "/dev/null", O_WRONLY, 0);
    const int error = posix_spawnp(&pid_, "Xvfb", &actions, nullptr, const_cast<char **>(argv), environ);
    posix_spawn_file_actions_destroy(&actions);
    ::close(pipeFds[1]);
    if (error) {
        ::close(pipeFds[0]);
        pid_ = -1;
        throw std::runtime_error("cannot start Xvfb");
    }
    try {
        display_ = ":" + ReadDisplayNumber(pipeFds[0]);
    } catch (...) {
        ::close(pipeFds[0]);
        Stop();
        throw;
    }
    ::close(pipeFds[0]);
}

XvfbServer::~XvfbServer()
{
    Stop();
}

void XvfbServer::Stop()
{
    if (pid_ <= 0)
        return;
    ::kill(pid_, SIGTERM);
    while (::waitpid(pid_, nullptr, 0) == -1 && errno == EINTR) {
    }
    pid_ = -1;
}
