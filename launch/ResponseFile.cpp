// The response file: the option list, handed to the emulator in a temporary file.
#include "ResponseFile.h"

#include "FileDescriptor.h"
#include "UniqueFile.h"

#include <cinttypes>
#include <cstdio>
#include <cstdlib>
#include <filesystem>

std::string TemporaryDirectory()
{
    const char *fromEnvironment = std::getenv("TMPDIR");
    std::string folder = fromEnvironment && *fromEnvironment ? fromEnvironment : "/tmp";
    // The emulator runs in a folder of its own, where a relative name would miss.
    std::error_code error;
    const std::filesystem::path absolute = std::filesystem::absolute(folder, error);
    if (!error)
        folder = absolute.string();
    if (folder.back() != '/')
        folder += '/';
    return folder;
}

std::string WriteResponseFile(const std::string &bytes)
{
    const std::string folder = TemporaryDirectory();
    const auto nameFor = [&folder](uint64_t number) {
        char digits[9];
        std::snprintf(digits, sizeof digits, "%08" PRIx32, uint32_t(number));
        return folder + "m2b" + digits + ".tmp";
    };
    // Private, and made exclusively: in a shared /tmp a name can be guessed and
    // planted beforehand, as a link to somewhere else or as a file others can read.
    std::string name;
    Fd fd;
    if (CreateUniqueFile(nameFor, 0600, name, fd) != 0)
        return "";
    const bool written = WriteAll(fd.get(), bytes, 0) == 0;
    if (::close(fd.release()) != 0 || !written) {
        ::unlink(name.c_str());
        return "";
    }
    return name;
}
