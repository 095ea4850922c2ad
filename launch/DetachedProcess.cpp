// Starting a program that runs on by itself, and reaping it when it ends.
#include "DetachedProcess.h"

#include "FileDescriptor.h"

#include <cerrno>
#include <fcntl.h>
#include <filesystem>
#include <future>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <system_error>
#include <thread>
#include <unistd.h>

namespace {

// The spawn's attributes and file actions, released however the start goes.
struct SpawnSetup {
    SpawnSetup()
    {
        posix_spawnattr_init(&attributes);
        posix_spawn_file_actions_init(&actions);
    }
    ~SpawnSetup()
    {
        posix_spawn_file_actions_destroy(&actions);
        posix_spawnattr_destroy(&attributes);
    }
    SpawnSetup(const SpawnSetup &) = delete;
    SpawnSetup &operator=(const SpawnSetup &) = delete;

    posix_spawnattr_t attributes;
    posix_spawn_file_actions_t actions;
};

// The folder, opened, when it can be entered; -1 otherwise. The child enters it
// through this descriptor, so the folder checked is the folder entered.
int OpenEnterableFolder(const std::string &directory)
{
    if (directory.empty())
        return -1;
    Fd folder(::open(directory.c_str(), O_PATH | O_DIRECTORY | O_CLOEXEC));
    if (!folder || ::faccessat(folder.get(), ".", X_OK, 0) != 0)
        return -1;
    return folder.release();
}

// A new session keeps the program alive when the launcher's terminal closes;
// signals ignored or blocked in the launcher must not stay so in the program; and
// only the standard descriptors pass to it.
int Prepare(SpawnSetup &setup, int folder)
{
    sigset_t none;
    sigset_t all;
    sigemptyset(&none);
    sigfillset(&all);
    if (const int error = posix_spawnattr_setflags(
            &setup.attributes, POSIX_SPAWN_SETSID | POSIX_SPAWN_SETSIGMASK | POSIX_SPAWN_SETSIGDEF))
        return error;
    if (const int error = posix_spawnattr_setsigmask(&setup.attributes, &none))
        return error;
    if (const int error = posix_spawnattr_setsigdefault(&setup.attributes, &all))
        return error;
    if (folder >= 0)
        if (const int error = posix_spawn_file_actions_addfchdir_np(&setup.actions, folder))
            return error;
    return posix_spawn_file_actions_addclosefrom_np(&setup.actions, STDERR_FILENO + 1);
}

// Why a thread per start: it makes the spawn and then blocks in waitpid on that one
// pid, so the child is reaped the moment it ends without the window's event loop
// doing anything or ever blocking. Nothing process-wide changes: no SIGCHLD handler
// that Qt's or GLib's own child handling could replace or would have to chain
// through, no SIG_IGN and no waitpid(-1) that would take the exit status of
// children others started, no table of pids that can fill up. The spawn runs on
// that thread so that no child can exist without its reaper: when no thread can be
// made, nothing is started. The cost is one sleeping thread per running program.
int SpawnAndReap(const std::string &path, char *const argv[], const SpawnSetup &setup)
{
    std::promise<int> started;
    std::future<int> result = started.get_future();
    try {
        std::thread([&path, argv, &setup, started = std::move(started)]() mutable {
            // Signals sent to the launcher are for its own threads to handle.
            sigset_t all;
            sigfillset(&all);
            pthread_sigmask(SIG_BLOCK, &all, nullptr);
            pid_t pid = 0;
            const int error = posix_spawn(&pid, path.c_str(), &setup.actions, &setup.attributes, argv, environ);
            // The caller's path, argv and setup are gone once it has the result.
            started.set_value(error);
            if (error == 0)
                while (::waitpid(pid, nullptr, 0) == -1 && errno == EINTR) {
                }
        }).detach();
    } catch (const std::system_error &e) {
        return e.code().value();
    }
    return result.get();
}

} // namespace

int StartDetached(const std::string &program, const std::vector<std::string> &arguments,
                  const std::string &directory)
{
    Fd folder(OpenEnterableFolder(directory));
    // The child enters its folder before it looks the program up, so a relative
    // name is made absolute while it still counts from the caller's directory.
    std::string path = program;
    if (folder && !program.empty() && program.front() != '/') {
        std::error_code error;
        path = (std::filesystem::current_path(error) / program).string();
        if (error)
            return error.value();
    }

    SpawnSetup setup;
    if (const int error = Prepare(setup, folder.get()))
        return error;
    std::vector<char *> argv;
    for (const std::string &argument : arguments)
        argv.push_back(const_cast<char *>(argument.c_str()));
    argv.push_back(nullptr);
    return SpawnAndReap(path, argv.data(), setup);
}
