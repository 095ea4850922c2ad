// Reading the stand-in emulator's report.
#include "StandinReport.h"

#include <QDeadlineTimer>
#include <QFile>
#include <QMultiMap>
#include <QThread>

namespace {

QList<int> Numbers(const QByteArray &text)
{
    QList<int> numbers;
    for (const QByteArray &word : text.split(' '))
        if (!word.isEmpty())
            numbers << word.toInt();
    return numbers;
}

// Fields are "<key> <byte count>\n<bytes>\n", in the order written.
bool ParseFields(const QByteArray &text, QList<QPair<QByteArray, QByteArray>> &fields)
{
    qsizetype at = 0;
    while (at < text.size()) {
        const qsizetype blank = text.indexOf(' ', at);
        const qsizetype end = text.indexOf('\n', at);
        if (blank < 0 || end < blank)
            return false;
        bool ok = false;
        const qsizetype length = text.mid(blank + 1, end - blank - 1).toLongLong(&ok);
        if (!ok || end + 1 + length + 1 > text.size() || text.at(end + 1 + length) != '\n')
            return false;
        fields.append({text.mid(at, blank - at), text.mid(end + 1, length)});
        at = end + 1 + length + 1;
    }
    return true;
}

} // namespace

QString standinPath()
{
    return QString::fromUtf8(VEXLOR_STANDIN_PATH);
}

std::optional<StandinReport> readStandinReport(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    QList<QPair<QByteArray, QByteArray>> fields;
    if (!ParseFields(file.readAll(), fields))
        return std::nullopt;
    StandinReport report;
    for (const auto &[key, value] : fields) {
        if (key == "time") {
            const QList<QByteArray> parts = value.split('.');
            report.startedSeconds = parts.value(0).toLongLong();
            report.startedNanoseconds = parts.value(1).toLongLong();
        } else if (key == "pid") {
            report.pid = value.toLongLong();
        } else if (key == "session") {
            report.ownSession = value == "own";
        } else if (key == "fds") {
            report.openDescriptors = Numbers(value);
        } else if (key == "blocked") {
            report.blockedSignals = Numbers(value);
        } else if (key == "ignored") {
            report.ignoredSignals = Numbers(value);
        } else if (key == "cwd") {
            report.workingDirectory = value;
        } else if (key == "arg") {
            report.arguments << value;
        } else if (key == "response") {
            report.response = value;
        } else if (key == "responseError") {
            report.responseError = value;
        }
    }
    return report;
}

std::optional<StandinReport> waitForStandinReport(const QString &path, int timeoutMs)
{
    const QDeadlineTimer deadline(timeoutMs);
    while (!QFile::exists(path)) {
        if (deadline.hasExpired())
            return std::nullopt;
        QThread::msleep(5);
    }
    return readStandinReport(path);
}
