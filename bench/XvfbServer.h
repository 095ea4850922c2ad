// An X server of the benchmark's own: Xvfb on a display that it picks itself.
#pragma once

#include <string>
#include <sys/types.h>

class XvfbServer {
public:
    // Starts Xvfb and waits until it takes connections; throws std::runtime_error
    // when it does not.
    XvfbServer();
    // Stops it and waits for it.
    ~XvfbServer();
    XvfbServer(const XvfbServer &) = delete;
    XvfbServer &operator=(const XvfbServer &) = delete;

    // ":<number>", for DISPLAY.
    const std::string &Display() const { return display_; }

private:
    void Stop();

    pid_t pid_ = -1;
    std::string display_;
};
