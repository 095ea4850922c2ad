// Reading a plain-text read-me for a memo of the Read Me page.
#include "ReadMeText.h"

#include <QByteArray>

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// The file's bytes, at most one more than the limit; nothing on a read error.
std::optional<QByteArray> ReadUpToLimit(int fd)
{
    QByteArray bytes;
    char buffer[64 * 1024];
    while (bytes.size() <= MaxReadMeBytes) {
        const ssize_t got = read(fd, buffer, sizeof buffer);
        if (got == 0)
            return bytes;
        if (got < 0) {
            if (errno == EINTR)
                continue;
            return std::nullopt;
        }
        bytes.append(buffer, got);
    }
    return bytes;
}

} // namespace

std::optional<QString> LoadReadMeText(const std::string &path)
{
    if (path.empty())
        return std::nullopt;
    // Not blocking: a FIFO in the read-me's place must not hang the window.
    const int fd = open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    if (fd < 0)
        return std::nullopt;
    struct stat status;
    std::optional<QByteArray> bytes;
    // Only a regular file: a device could be endless, a directory has no text.
    if (fstat(fd, &status) == 0 && S_ISREG(status.st_mode) && status.st_size <= MaxReadMeBytes)
        bytes = ReadUpToLimit(fd);
    close(fd);
    // The size is checked again: the file may have grown since fstat.
    if (!bytes || bytes->size() > MaxReadMeBytes)
        return std::nullopt;

    QString text = QString::fromLocal8Bit(*bytes);
    text.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    text.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return text;
}
