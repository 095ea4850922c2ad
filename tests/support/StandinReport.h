// What the stand-in emulator (tests/standin) saw when it was started.
#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

#include <optional>

// The stand-in's program file, built beside the tests.
QString standinPath();

// The environment variables the stand-in reads: where it writes its report, and
// how many milliseconds it keeps running after writing it.
inline constexpr char standinReportVariable[] = "VEXLOR_STANDIN_REPORT";
inline constexpr char standinLingerVariable[] = "VEXLOR_STANDIN_LINGER_MS";

struct StandinReport {
    qint64 startedSeconds = 0; // CLOCK_REALTIME when its main began
    qint64 startedNanoseconds = 0;
    qint64 pid = 0;
    bool ownSession = false; // in a session other than its parent's
    QList<int> openDescriptors; // above 2
    QList<int> blockedSignals;
    QList<int> ignoredSignals;
    QByteArray workingDirectory;
    QList<QByteArray> arguments;
    std::optional<QByteArray> response; // the file named after "@"
    QByteArray responseError;
};

// The report at path; nothing when it is missing or not a whole report.
std::optional<StandinReport> readStandinReport(const QString &path);

// Polls for the report until it appears; nothing when it has not come after
// timeoutMs, a bound generous enough to mean "never".
std::optional<StandinReport> waitForStandinReport(const QString &path, int timeoutMs = 30000);
