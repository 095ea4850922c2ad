// An owned file descriptor, and writing a whole byte string through one.
#pragma once

#include <string>
#include <sys/types.h>
#include <unistd.h>

class Fd {
public:
    explicit Fd(int fd = -1) : fd_(fd) {}
    ~Fd() { reset(); }
    Fd(const Fd &) = delete;
    Fd &operator=(const Fd &) = delete;
    int get() const { return fd_; }
    explicit operator bool() const { return fd_ >= 0; }
    void reset(int fd = -1)
    {
        if (fd_ >= 0)
            ::close(fd_);
        fd_ = fd;
    }
    int release()
    {
        const int fd = fd_;
        fd_ = -1;
        return fd;
    }

private:
    int fd_;
};

// Writes every byte from offset on, going on after short writes. 0, or the errno.
int WriteAll(int fd, const std::string &bytes, off_t offset);
