// Writing a whole byte string through a file descriptor.
#include "FileDescriptor.h"

#include <cerrno>

int WriteAll(int fd, const std::string &bytes, off_t offset)
{
    std::size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t n = ::pwrite(fd, bytes.data() + done, bytes.size() - done, offset + off_t(done));
        if (n < 0) {
            if (errno == EINTR)
                continue;
            return errno;
        }
        done += std::size_t(n);
    }
    return 0;
}
