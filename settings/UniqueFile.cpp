// Making a new file under a name that no one else holds.
#include "UniqueFile.h"

#include <cerrno>
#include <fcntl.h>
#include <random>

int CreateUniqueFile(const std::function<std::string(uint64_t)> &nameFor, mode_t mode, std::string &name, Fd &fd)
{
    static std::mt19937_64 random{std::random_device{}()};
    for (int attempt = 0; attempt < 100; ++attempt) {
        name = nameFor(random());
        fd.reset(::open(name.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, mode));
        if (fd)
            return 0;
        if (errno != EEXIST)
            return errno;
    }
    return EEXIST;
}
