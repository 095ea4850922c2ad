// Whole-file reads and crash-safe replacement of a file's contents.
#include "FileReplace.h"

#include "FileDescriptor.h"
#include "UniqueFile.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

std::string Folder(const std::string &path)
{
    const auto slash = path.find_last_of('/');
    if (slash == std::string::npos)
        return ".";
    return slash == 0 ? "/" : path.substr(0, slash);
}

// The file a chain of symbolic links ends at, so that the link itself survives.
int FollowLinks(std::string &path)
{
    for (int hops = 0; hops < 40; ++hops) {
        struct stat st;
        if (::lstat(path.c_str(), &st) != 0 || !S_ISLNK(st.st_mode))
            return 0;
        std::string target(std::size_t(st.st_size > 0 ? st.st_size : 4096) + 1, '\0');
        const ssize_t n = ::readlink(path.c_str(), target.data(), target.size());
        if (n < 0)
            return errno;
        if (std::size_t(n) >= target.size())
            return ENAMETOOLONG;
        target.resize(std::size_t(n));
        path = target.front() == '/' ? target : Folder(path) + "/" + target;
    }
    return ELOOP;
}

// A new file beside the target under a name no one else uses.
int CreateSibling(const std::string &target, mode_t mode, std::string &name, Fd &fd)
{
    const std::string folder = Folder(target);
    const std::string base = target.substr(target.find_last_of('/') + 1);
    return CreateUniqueFile(
        [&](uint64_t number) { return folder + "/." + base + "." + std::to_string(number % 1000000000) + ".new"; },
        mode, name, fd);
}

int RewriteInPlace(int fd, const std::string &bytes)
{
    if (const int error = WriteAll(fd, bytes, 0))
        return error;
    if (::ftruncate(fd, off_t(bytes.size())) != 0 || ::fsync(fd) != 0)
        return errno;
    return 0;
}

} // namespace

int ReadWholeFile(const std::string &path, std::string &out)
{
    Fd fd(::open(path.c_str(), O_RDONLY | O_CLOEXEC));
    if (!fd)
        return errno;
    struct stat st;
    if (::fstat(fd.get(), &st) != 0)
        return errno;
    if (S_ISDIR(st.st_mode))
        return EISDIR;
    out.clear();
    char buffer[65536];
    for (;;) {
        const ssize_t n = ::read(fd.get(), buffer, sizeof buffer);
        if (n < 0) {
            if (errno == EINTR)
                continue;
            return errno;
        }
        if (n == 0)
            return 0;
        out.append(buffer, std::size_t(n));
    }
}

int ReplaceFile(const std::string &path, const std::string &bytes)
{
    std::string target = path;
    if (const int error = FollowLinks(target))
        return error;

    // Opening the old file for writing is the permission check that a rename
    // would skip; the descriptor also serves a rewrite in place.
    struct stat old;
    const bool exists = ::stat(target.c_str(), &old) == 0;
    Fd oldFd;
    if (exists) {
        if (!S_ISREG(old.st_mode))
            return S_ISDIR(old.st_mode) ? EISDIR : EINVAL;
        oldFd.reset(::open(target.c_str(), O_WRONLY | O_CLOEXEC | O_NOCTTY));
        if (!oldFd)
            return errno;
    }

    std::string sibling;
    Fd fd;
    const int created = CreateSibling(target, exists ? 0600 : 0666, sibling, fd);
    if (created != 0) {
        if (exists && (created == EACCES || created == EPERM))
            return RewriteInPlace(oldFd.get(), bytes);
        return created;
    }

    int error = 0;
    if (exists) {
        // Best effort: only the owner or root may change these.
        (void)::fchown(fd.get(), old.st_uid, old.st_gid);
        if (::fchmod(fd.get(), old.st_mode & 07777) != 0)
            error = errno;
    }
    if (error == 0)
        error = WriteAll(fd.get(), bytes, 0);
    if (error == 0 && ::fsync(fd.get()) != 0)
        error = errno;
    if (::close(fd.release()) != 0 && error == 0)
        error = errno;
    if (error == 0 && ::rename(sibling.c_str(), target.c_str()) != 0)
        error = errno;
    if (error != 0) {
        ::unlink(sibling.c_str());
        return error;
    }
    // Make the rename itself last through a crash.
    Fd folder(::open(Folder(target).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (folder)
        (void)::fsync(folder.get());
    return 0;
}
