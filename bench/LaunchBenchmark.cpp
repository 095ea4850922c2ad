// The launch: from the click on "Launch Vexlor" to the first instruction of the
// emulator (the stand-in, which notes CLOCK_REALTIME as its main begins), against
// a bare posix_spawn of the same stand-in from the same process. The two take
// turns; the figures are medians.
//
//   build/bench/bench_launch [launches]
#include "ErrorBox.h"
#include "Median.h"
#include "StandinReport.h"
#include "VexlorKitMain.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QPushButton>
#include <QTemporaryDir>

#include <cerrno>
#include <cstdio>
#include <ctime>
#include <spawn.h>
#include <stdexcept>
#include <string>
#include <sys/wait.h>
#include <thread>

extern char **environ;

namespace {

constexpr int WarmUpRuns = 5;

timespec Now()
{
    timespec now;
    clock_gettime(CLOCK_REALTIME, &now);
    return now;
}

// Milliseconds from since to the moment the stand-in noted as its start.
double MsUntilStarted(const timespec &since, const QString &reportPath)
{
    const std::optional<StandinReport> report = waitForStandinReport(reportPath);
    if (!report)
        throw std::runtime_error("the stand-in did not report");
    return double(report->startedSeconds - since.tv_sec) * 1e3
        + double(report->startedNanoseconds - since.tv_nsec) / 1e6;
}

double LaunchByClick(TVexlorKitMainForm &form, const QString &reportPath)
{
    QFile::remove(reportPath);
    const timespec clicked = Now();
    form.LaunchButton->click();
    return MsUntilStarted(clicked, reportPath);
}

double BareSpawn(const std::string &responseFile, const QString &reportPath)
{
    QFile::remove(reportPath);
    const std::string program = standinPath().toStdString();
    const std::string argument = "@" + responseFile;
    char *argv[] = {const_cast<char *>(program.c_str()), const_cast<char *>(argument.c_str()), nullptr};
    const timespec started = Now();
    pid_t pid = 0;
    if (const int error = posix_spawn(&pid, program.c_str(), nullptr, nullptr, argv, environ))
        throw std::runtime_error("posix_spawn: " + std::to_string(error));
    const double ms = MsUntilStarted(started, reportPath);
    while (::waitpid(pid, nullptr, 0) == -1 && errno == EINTR) {
    }
    return ms;
}

} // namespace

int main(int argc, char *argv[])
{
    const int runs = argc > 1 ? std::atoi(argv[1]) : 200;
    if (runs < 1) {
        std::fprintf(stderr, "usage: %s [launches]\n", argv[0]);
        return 2;
    }

    // A program folder whose settings start the stand-in in a folder of its own,
    // with the response files, the stand-in's report and Qt's runtime folder in it.
    const QTemporaryDir folder;
    QDir(folder.path()).mkpath("games");
    QDir(folder.path()).mkpath("tmp");
    QDir(folder.path()).mkpath("runtime");
    QFile::setPermissions(folder.filePath("runtime"), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    qputenv("TMPDIR", QFile::encodeName(folder.filePath("tmp")));
    qputenv("XDG_RUNTIME_DIR", QFile::encodeName(folder.filePath("runtime")));
    const QString reportPath = folder.filePath("report");
    qputenv(standinReportVariable, QFile::encodeName(reportPath));
    QFile ini(folder.filePath("VexlorKit.ini"));
    if (!ini.open(QIODevice::WriteOnly))
        return 1;
    ini.write("[Vexlor]\nVexlorPath=" + QFile::encodeName(standinPath()) + "\nStartupDirectory="
              + QFile::encodeName(folder.filePath("games")) + "/\n[VexlorKit]\ncwd="
              + QFile::encodeName(folder.path()) + "\n");
    ini.close();

    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);

    QStringList errors;
    SetErrorBoxHandler([&errors](const QString &text) { errors << text; });
    try {
        TVexlorKitMainForm form(folder.filePath("VexlorKit"));
        form.FormCreate();
        form.show();
        QApplication::processEvents();

        std::vector<double> clickMs;
        std::vector<double> spawnMs;
        std::vector<double> extraMs;
        std::vector<double> ratios;
        for (int run = 0; run < WarmUpRuns + runs; ++run) {
            const double click = LaunchByClick(form, reportPath);
            if (!errors.isEmpty())
                throw std::runtime_error(errors.first().toStdString());
            const double spawn = BareSpawn(form.Settings->ResponseFileName, reportPath);
            if (run < WarmUpRuns)
                continue;
            clickMs.push_back(click);
            spawnMs.push_back(spawn);
            extraMs.push_back(click - spawn);
            ratios.push_back(click / spawn);
        }
        form.close();
        form.FormDestroy();

        std::printf("Launch: the click on \"Launch Vexlor\" to the emulator's first instruction\n");
        std::printf("(%d launches each, taking turns, on %u cores; medians)\n", runs,
                    std::thread::hardware_concurrency());
        std::printf("  %-24s %7.3f ms\n", "click on Launch Vexlor", Median(clickMs));
        std::printf("  %-24s %7.3f ms\n", "bare posix_spawn", Median(spawnMs));
        std::printf("  %-24s %7.3f ms  (%.2f x)\n", "click vs spawn", Median(extraMs), Median(ratios));
    } catch (const std::exception &e) {
        std::fprintf(stderr, "bench_launch: %s\n", e.what());
        return 1;
    }
    return 0;
}
