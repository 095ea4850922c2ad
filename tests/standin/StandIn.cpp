// A stand-in for the emulator: it writes down what it was started with, so that
// tests can start a real process and check what it received.
//
// The report goes to the file named by VEXLOR_STANDIN_REPORT, written beside it and
// renamed into place, so whoever polls for it never reads half of it. Each field is
// "<key> <byte count>\n<bytes>\n", in this order:
//   time      CLOCK_REALTIME when main began, "<seconds>.<nine digits>"
//   pid       the stand-in's process id
//   session   "own" when its session is not its parent's, else "shared"
//   fds       the descriptors open above 2, blank-separated
//   blocked   the signals blocked, blank-separated numbers
//   ignored   the signals ignored, blank-separated numbers
//   cwd       the working directory
//   arg       one field per argument, argv[0] first
//   response  the bytes of the file named after the first "@" argument, or
//   responseError  why that file could not be read
// VEXLOR_STANDIN_LINGER_MS, when set, keeps it running that long after the report.
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <dirent.h>
#include <signal.h>
#include <string>
#include <unistd.h>

namespace {

void AddField(std::string &report, const char *key, const std::string &value)
{
    report += std::string(key) + " " + std::to_string(value.size()) + "\n" + value + "\n";
}

std::string Joined(const std::string &list, int number)
{
    return list.empty() ? std::to_string(number) : list + " " + std::to_string(number);
}

std::string OpenDescriptors()
{
    DIR *dir = opendir("/proc/self/fd");
    if (!dir)
        return "?";
    std::string list;
    while (const dirent *entry = readdir(dir)) {
        const int fd = std::atoi(entry->d_name);
        if (entry->d_name[0] != '.' && fd > 2 && fd != dirfd(dir))
            list = Joined(list, fd);
    }
    closedir(dir);
    return list;
}

std::string Signals(bool ignored)
{
    sigset_t blocked;
    sigprocmask(SIG_BLOCK, nullptr, &blocked);
    std::string list;
    for (int sig = 1; sig <= SIGRTMAX; ++sig) {
        struct sigaction action;
        const bool hit = ignored ? sigaction(sig, nullptr, &action) == 0 && action.sa_handler == SIG_IGN
                                 : sigismember(&blocked, sig) == 1;
        if (hit)
            list = Joined(list, sig);
    }
    return list;
}

bool ReadFile(const char *path, std::string &bytes)
{
    FILE *file = std::fopen(path, "rb");
    if (!file)
        return false;
    char buffer[4096];
    size_t n;
    while ((n = std::fread(buffer, 1, sizeof buffer, file)) > 0)
        bytes.append(buffer, n);
    const bool ok = !std::ferror(file);
    std::fclose(file);
    return ok;
}

bool WriteAtomically(const std::string &path, const std::string &bytes)
{
    const std::string part = path + ".part";
    FILE *file = std::fopen(part.c_str(), "wb");
    if (!file)
        return false;
    const bool written = std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size();
    return std::fclose(file) == 0 && written && std::rename(part.c_str(), path.c_str()) == 0;
}

} // namespace

int main(int argc, char *argv[])
{
    timespec now;
    clock_gettime(CLOCK_REALTIME, &now);
    // Taken before anything here opens a descriptor of its own.
    const std::string fds = OpenDescriptors();

    const char *reportPath = std::getenv("VEXLOR_STANDIN_REPORT");
    if (!reportPath)
        return 2;

    std::string report;
    char time[40];
    std::snprintf(time, sizeof time, "%lld.%09ld", static_cast<long long>(now.tv_sec), now.tv_nsec);
    AddField(report, "time", time);
    AddField(report, "pid", std::to_string(getpid()));
    AddField(report, "session", getsid(0) != getsid(getppid()) ? "own" : "shared");
    AddField(report, "fds", fds);
    AddField(report, "blocked", Signals(false));
    AddField(report, "ignored", Signals(true));
    char *cwd = getcwd(nullptr, 0);
    AddField(report, "cwd", cwd ? cwd : "");
    std::free(cwd);
    for (int i = 0; i < argc; ++i)
        AddField(report, "arg", argv[i]);
    for (int i = 1; i < argc; ++i) {
        if (argv[i][0] != '@')
            continue;
        std::string bytes;
        if (ReadFile(argv[i] + 1, bytes))
            AddField(report, "response", bytes);
        else
            AddField(report, "responseError", std::strerror(errno));
        break;
    }
    if (!WriteAtomically(reportPath, report))
        return 3;

    if (const char *linger = std::getenv("VEXLOR_STANDIN_LINGER_MS")) {
        const long ms = std::atol(linger);
        timespec pause{ms / 1000, (ms % 1000) * 1000000};
        while (nanosleep(&pause, &pause) != 0 && errno == EINTR) {
        }
    }
    return 0;
}
