// Start-up of VexlorKit against a minimal Qt Widgets program with one tabbed
// window, both built by the same build: the time from starting the process to its
// window being mapped in an X server of our own, and the resident memory once the
// window shows. The two take turns, so that a busy machine slows both alike; the
// figures are medians.
//
//   build/bench/bench_startup [runs]
#include "Median.h"
#include "XvfbServer.h"

#include <xcb/xcb.h>

#include <cerrno>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <poll.h>
#include <spawn.h>
#include <stdexcept>
#include <string>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>
#include <vector>

extern char **environ;

namespace {

namespace fs = std::filesystem;
using Clock = std::chrono::steady_clock;

constexpr auto MapTimeout = std::chrono::seconds(20);
// Long enough for the first paint to have happened: the memory "once shown".
constexpr auto PaintSettle = std::chrono::milliseconds(400);
constexpr int WarmUpRuns = 2;

struct Program {
    const char *name;
    fs::path file;
    fs::path folder; // its working folder
    std::vector<double> startMs;
    std::vector<double> residentMb;
};

// VexlorKit in a folder of its own: the copy finds its settings file and read-me
// beside itself, and the settings file has a working folder, so no About box
// shows on the way.
class ProgramFolder {
public:
    ProgramFolder()
    {
        char pattern[] = "/tmp/vexlorkit-bench-XXXXXX";
        if (!::mkdtemp(pattern))
            throw std::runtime_error("cannot make a temporary folder");
        path_ = pattern;
        const fs::path built(VEXLORKIT_PROGRAM);
        fs::copy_file(built, path_ / "VexlorKit");
        fs::copy_file(built.parent_path() / "VexlorKit.txt", path_ / "VexlorKit.txt");
        fs::create_directory(path_ / "runtime");
        fs::permissions(path_ / "runtime", fs::perms::owner_all);
        std::ofstream(path_ / "VexlorKit.ini") << "[VexlorKit]\ncwd=" << path_.string() << "\n";
    }
    ~ProgramFolder()
    {
        std::error_code ignored;
        fs::remove_all(path_, ignored);
    }
    ProgramFolder(const ProgramFolder &) = delete;
    ProgramFolder &operator=(const ProgramFolder &) = delete;

    const fs::path &Path() const { return path_; }

private:
    fs::path path_;
};

// The programs' environment: this display, and nothing of a desktop session.
std::vector<std::string> ChildEnvironment(const std::string &display, const fs::path &runtime)
{
    std::vector<std::string> environment;
    for (char **variable = environ; *variable; ++variable) {
        const std::string entry = *variable;
        const std::string name = entry.substr(0, entry.find('='));
        if (name.rfind("QT_", 0) != 0 && name.rfind("XDG_", 0) != 0 && name.rfind("DBUS_", 0) != 0
            && name != "DISPLAY" && name != "XAUTHORITY" && name != "SESSION_MANAGER" && name != "WAYLAND_DISPLAY")
            environment.push_back(entry);
    }
    environment.push_back("DISPLAY=" + display);
    environment.push_back("QT_QPA_PLATFORM=xcb");
    environment.push_back("XDG_RUNTIME_DIR=" + runtime.string());
    return environment;
}

// Watches the screen for top-level windows being mapped; no window manager runs,
// so a program's window is mapped straight on the root window.
class MapWatcher {
public:
    explicit MapWatcher(const std::string &display) : connection_(xcb_connect(display.c_str(), nullptr))
    {
        if (xcb_connection_has_error(connection_))
            throw std::runtime_error("cannot connect to " + display);
        root_ = xcb_setup_roots_iterator(xcb_get_setup(connection_)).data->root;
        const uint32_t mask = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
        xcb_change_window_attributes(connection_, root_, XCB_CW_EVENT_MASK, &mask);
        xcb_flush(connection_);
    }
    ~MapWatcher() { xcb_disconnect(connection_); }
    MapWatcher(const MapWatcher &) = delete;
    MapWatcher &operator=(const MapWatcher &) = delete;

    void Forget()
    {
        while (xcb_generic_event_t *event = xcb_poll_for_event(connection_))
            std::free(event);
    }

    // The moment the next top-level window was mapped, as this process saw it.
    Clock::time_point WaitForMap()
    {
        const Clock::time_point deadline = Clock::now() + MapTimeout;
        for (;;) {
            while (xcb_generic_event_t *event = xcb_poll_for_event(connection_)) {
                const bool mapped = (event->response_type & 0x7f) == XCB_MAP_NOTIFY
                    && reinterpret_cast<xcb_map_notify_event_t *>(event)->event == root_
                    && !reinterpret_cast<xcb_map_notify_event_t *>(event)->override_redirect;
                std::free(event);
                if (mapped)
                    return Clock::now();
            }
            const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now());
            if (left.count() <= 0 || xcb_connection_has_error(connection_))
                throw std::runtime_error("no window was mapped");
            pollfd ready{xcb_get_file_descriptor(connection_), POLLIN, 0};
            ::poll(&ready, 1, int(left.count()));
        }
    }

private:
    xcb_connection_t *connection_;
    xcb_window_t root_ = 0;
};

double ResidentMegabytes(pid_t pid)
{
    std::ifstream status("/proc/" + std::to_string(pid) + "/status");
    for (std::string line; std::getline(status, line);)
        if (line.rfind("VmRSS:", 0) == 0)
            return std::strtod(line.c_str() + 6, nullptr) / 1024;
    return 0;
}

// A started program, ended and reaped however the run goes.
class Child {
public:
    Child(const Program &program, const std::vector<std::string> &environment)
    {
        std::vector<char *> envp;
        for (const std::string &entry : environment)
            envp.push_back(const_cast<char *>(entry.c_str()));
        envp.push_back(nullptr);
        const std::string file = program.file.string();
        char *argv[] = {const_cast<char *>(file.c_str()), nullptr};
        posix_spawn_file_actions_t actions;
        posix_spawn_file_actions_init(&actions);
        posix_spawn_file_actions_addchdir_np(&actions, program.folder.c_str());
        posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, "/dev/null", O_WRONLY, 0);
        posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, "/dev/null", O_WRONLY, 0);
        const int error = posix_spawn(&pid_, file.c_str(), &actions, nullptr, argv, envp.data());
        posix_spawn_file_actions_destroy(&actions);
        if (error)
            throw std::runtime_error("cannot start " + file + ": " + std::strerror(error));
    }
    ~Child()
    {
        ::kill(pid_, SIGKILL);
        while (::waitpid(pid_, nullptr, 0) == -1 && errno == EINTR) {
        }
    }
    Child(const Child &) = delete;
    Child &operator=(const Child &) = delete;

    pid_t Pid() const { return pid_; }

private:
    pid_t pid_ = -1;
};

void MeasureOnce(Program &program, MapWatcher &watcher, const std::vector<std::string> &environment, bool keep)
{
    watcher.Forget();
    const Clock::time_point start = Clock::now();
    const Child child(program, environment);
    const Clock::time_point mapped = watcher.WaitForMap();
    std::this_thread::sleep_for(PaintSettle);
    if (!keep)
        return;
    program.startMs.push_back(std::chrono::duration<double, std::milli>(mapped - start).count());
    program.residentMb.push_back(ResidentMegabytes(child.Pid()));
}

} // namespace

int main(int argc, char *argv[])
{
    const int runs = argc > 1 ? std::atoi(argv[1]) : 40;
    if (runs < 1) {
        std::fprintf(stderr, "usage: %s [runs]\n", argv[0]);
        return 2;
    }
    try {
        const ProgramFolder folder;
        const XvfbServer server;
        MapWatcher watcher(server.Display());
        const std::vector<std::string> environment = ChildEnvironment(server.Display(), folder.Path() / "runtime");
        Program vexlorKit{"VexlorKit", folder.Path() / "VexlorKit", folder.Path(), {}, {}};
        Program minimal{"minimal Qt window", MINIMAL_PROGRAM, folder.Path(), {}, {}};
        for (int run = 0; run < WarmUpRuns + runs; ++run)
            for (Program *program : {&vexlorKit, &minimal})
                MeasureOnce(*program, watcher, environment, run >= WarmUpRuns);

        // Each round's two runs share the machine's state of the moment: the
        // figures that compare them are medians of the rounds' own comparisons.
        std::vector<double> ratios;
        std::vector<double> extraMb;
        for (int run = 0; run < runs; ++run) {
            ratios.push_back(vexlorKit.startMs[run] / minimal.startMs[run]);
            extraMb.push_back(vexlorKit.residentMb[run] - minimal.residentMb[run]);
        }
        std::printf("Start-up to the window mapped in Xvfb, and resident memory once shown\n");
        std::printf("(%d runs each, taking turns, on %u cores; medians)\n", runs, std::thread::hardware_concurrency());
        for (const Program *program : {&vexlorKit, &minimal})
            std::printf("  %-20s %7.1f ms  %7.1f MB\n", program->name, Median(program->startMs),
                        Median(program->residentMb));
        std::printf("  %-20s %7.2f x   %+7.1f MB\n", "VexlorKit vs minimal", Median(ratios), Median(extraMb));
    } catch (const std::exception &e) {
        std::fprintf(stderr, "bench_startup: %s\n", e.what());
        return 1;
    }
    return 0;
}
