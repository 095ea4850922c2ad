// Starting the emulator: a real process (the stand-in) reports what it received.
#include "ResponseFile.h"
#include "StandinReport.h"
#include "TVexlor.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

#include <fcntl.h>
#include <functional>
#include <memory>
#include <signal.h>
#include <sys/prctl.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

class tst_Launch : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void emulatorGetsArgumentsFolderAndList_data();
    void emulatorGetsArgumentsFolderAndList();
    void nextLaunchAndRecordEndDeleteResponseFile();
    void failedStartKeepsResponseFile_data();
    void failedStartKeepsResponseFile();
    void unusableTemporaryFolderStartsNothing_data();
    void unusableTemporaryFolderStartsNothing();
    void shortWriteLeavesNothing();
    void finishedEmulatorLeavesNoZombie();
    void emulatorOutlivesLauncher();

private:
    QString Path(const QString &withRoot) const { return QString(withRoot).replace("@root", root->path()); }
    QStringList TemporaryFiles() const { return QDir(temporary).entryList(QDir::Files | QDir::System); }

    // Each test gets fresh folders: the temporary folder (TMPDIR), the launcher's
    // current directory, and the emulator's folders.
    std::unique_ptr<QTemporaryDir> root;
    QString temporary;
    QString launcher;
    QString reportPath;
    QString savedDirectory;
    QByteArray savedTemporary;
    // The launcher is made as unfriendly as a real one can be: a descriptor
    // without close-on-exec, a blocked signal and an ignored one.
    int strayDescriptor = -1;
    sigset_t savedMask;
};

namespace {

QByteArray OptionList(const TVexlor &record)
{
    std::string list;
    return QByteArray::fromStdString(record.BuildOptionList(list));
}

QByteArray ReadAll(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<unreadable>");
}

// True once pid is no child of ours any more: it has been reaped. WNOWAIT leaves a
// zombie in place, so looking does not reap it.
bool Reaped(pid_t pid)
{
    siginfo_t info{};
    return waitid(P_PID, id_t(pid), &info, WEXITED | WNOHANG | WNOWAIT) == -1 && errno == ECHILD;
}

// Runs body in a forked child and gives its exit code.
int InChild(const std::function<int()> &body)
{
    const pid_t pid = fork();
    if (pid == 0)
        _exit(body());
    int status = 0;
    waitpid(pid, &status, 0);
    return WIFEXITED(status) ? WEXITSTATUS(status) : 200;
}

} // namespace

void tst_Launch::init()
{
    root = std::make_unique<QTemporaryDir>();
    QVERIFY(root->isValid());
    QDir folder(root->path());
    QVERIFY(folder.mkpath("tmp") && folder.mkpath("launcher/games") && folder.mkpath("emu/games"));
    QVERIFY(QFile::link(standinPath(), root->filePath("launcher/vexlor")));
    temporary = root->filePath("tmp");
    launcher = root->filePath("launcher");
    reportPath = root->filePath("report");

    savedTemporary = qgetenv("TMPDIR");
    qputenv("TMPDIR", temporary.toLocal8Bit());
    qputenv(standinReportVariable, reportPath.toLocal8Bit());
    savedDirectory = QDir::currentPath();
    QVERIFY(QDir::setCurrent(launcher));

    strayDescriptor = open("/dev/null", O_RDONLY);
    sigset_t usr1;
    sigemptyset(&usr1);
    sigaddset(&usr1, SIGUSR1);
    pthread_sigmask(SIG_BLOCK, &usr1, &savedMask);
    signal(SIGUSR2, SIG_IGN);
}

void tst_Launch::cleanup()
{
    signal(SIGUSR2, SIG_DFL);
    pthread_sigmask(SIG_SETMASK, &savedMask, nullptr);
    close(strayDescriptor);
    QDir::setCurrent(savedDirectory);
    qunsetenv(standinLingerVariable);
    qunsetenv(standinReportVariable);
    if (savedTemporary.isNull())
        qunsetenv("TMPDIR");
    else
        qputenv("TMPDIR", savedTemporary);
    root.reset();
}

void tst_Launch::emulatorGetsArgumentsFolderAndList_data()
{
    QTest::addColumn<QString>("program");
    QTest::addColumn<QString>("startup");
    QTest::addColumn<QString>("temporaryFolder");
    QTest::addColumn<QString>("workingDirectory");

    const QString standin = standinPath();
    QTest::newRow("no folder") << standin << "" << "@root/tmp" << "@root/launcher";
    QTest::newRow("folder with separator") << standin << "@root/emu/games/" << "@root/tmp" << "@root/emu/games";
    QTest::newRow("folder without separator") << standin << "@root/emu/games" << "@root/tmp" << "@root/emu";
    QTest::newRow("missing folder") << standin << "@root/nowhere/" << "@root/tmp" << "@root/launcher";
    QTest::newRow("relative folder") << standin << "games/" << "@root/tmp" << "@root/launcher/games";
    // Both count from the launcher's directory, not from the folder the emulator
    // runs in.
    QTest::newRow("relative program") << "./vexlor" << "@root/emu/games/" << "@root/tmp" << "@root/emu/games";
    QTest::newRow("relative TMPDIR") << standin << "@root/emu/games/" << "games" << "@root/emu/games";
}

void tst_Launch::emulatorGetsArgumentsFolderAndList()
{
    QFETCH(QString, program);
    QFETCH(QString, startup);
    QFETCH(QString, temporaryFolder);
    QFETCH(QString, workingDirectory);
    qputenv("TMPDIR", Path(temporaryFolder).toLocal8Bit());

    TVexlor record;
    record.SetVexlorPath(program.toStdString());
    record.SetStartupDirectory(Path(startup).toStdString());
    record.SetDiskA("/media/disk a.dsk");
    record.SetUserOptions("-extra\r\n");
    QCOMPARE(record.Launch(), 0);
    QCOMPARE(QDir::currentPath(), launcher);

    const QString response = QString::fromStdString(record.ResponseFileName);
    QCOMPARE(QFileInfo(response).absolutePath(), QFileInfo(Path(temporaryFolder)).absoluteFilePath());
    QVERIFY2(QRegularExpression("^m2b[0-9a-f]+\\.tmp$").match(QFileInfo(response).fileName()).hasMatch(),
             qPrintable(response));
    struct stat st;
    QCOMPARE(stat(record.ResponseFileName.c_str(), &st), 0);
    QCOMPARE(st.st_mode & 07777, mode_t(0600));

    const auto report = waitForStandinReport(reportPath);
    QVERIFY(report);
    QCOMPARE(report->arguments, QList<QByteArray>({program.toLocal8Bit(), "@" + response.toLocal8Bit()}));
    QCOMPARE(report->workingDirectory, QFileInfo(Path(workingDirectory)).canonicalFilePath().toLocal8Bit());
    QVERIFY2(report->response, report->responseError.constData());
    QCOMPARE(*report->response, OptionList(record));
    QVERIFY(report->ownSession);
    QCOMPARE(report->openDescriptors, QList<int>());
    QCOMPARE(report->blockedSignals, QList<int>());
    QCOMPARE(report->ignoredSignals, QList<int>());
}

void tst_Launch::nextLaunchAndRecordEndDeleteResponseFile()
{
    {
        TVexlor record;
        record.SetVexlorPath(standinPath().toStdString());
        QCOMPARE(record.Launch(), 0);
        QVERIFY(waitForStandinReport(reportPath));
        const QString first = QString::fromStdString(record.ResponseFileName);
        QVERIFY(QFile::remove(reportPath));

        record.SetVolume(12);
        QCOMPARE(record.Launch(), 0);
        const auto report = waitForStandinReport(reportPath);
        QVERIFY(report);
        const QString second = QString::fromStdString(record.ResponseFileName);
        QVERIFY(second != first);
        QCOMPARE(TemporaryFiles(), QStringList{QFileInfo(second).fileName()});
        QVERIFY(report->response->contains("\r\n-volume 12\r\n"));
    }
    QCOMPARE(TemporaryFiles(), QStringList());
}

void tst_Launch::failedStartKeepsResponseFile_data()
{
    QTest::addColumn<QString>("program");
    QTest::addColumn<int>("error");
    QTest::newRow("empty") << "" << ENOENT;
    QTest::newRow("missing") << "@root/emu/vexlor" << ENOENT;
    QTest::newRow("not executable") << "@root/emu/plain" << EACCES;
    QTest::newRow("a folder") << "@root/emu/games" << EACCES;
}

void tst_Launch::failedStartKeepsResponseFile()
{
    QFETCH(QString, program);
    QFETCH(int, error);
    QFile plain(root->filePath("emu/plain"));
    QVERIFY(plain.open(QIODevice::WriteOnly));
    plain.close();

    TVexlor record;
    record.SetVexlorPath(Path(program).toStdString());
    record.SetStartupDirectory(root->filePath("emu/").toStdString());
    QCOMPARE(record.Launch(), error);
    QCOMPARE(QDir::currentPath(), launcher);
    QVERIFY(!record.ResponseFileName.empty());
    QCOMPARE(ReadAll(QString::fromStdString(record.ResponseFileName)), OptionList(record));
}

void tst_Launch::unusableTemporaryFolderStartsNothing_data()
{
    QTest::addColumn<QString>("folder");
    QTest::newRow("missing") << "@root/nowhere";
    QTest::newRow("under a file") << "@root/emu/plain/tmp";
}

// The window names TemporaryDirectory() when this fails.
void tst_Launch::unusableTemporaryFolderStartsNothing()
{
    QFETCH(QString, folder);
    QFile plain(root->filePath("emu/plain"));
    QVERIFY(plain.open(QIODevice::WriteOnly));
    plain.close();

    TVexlor record;
    record.SetVexlorPath(standinPath().toStdString());
    QCOMPARE(record.Launch(), 0);
    QVERIFY(waitForStandinReport(reportPath));
    QVERIFY(QFile::remove(reportPath));

    qputenv("TMPDIR", Path(folder).toLocal8Bit());
    QCOMPARE(QString::fromStdString(TemporaryDirectory()), Path(folder) + "/");
    QCOMPARE(record.Launch(), -1);
    QCOMPARE(record.ResponseFileName, std::string());
    QCOMPARE(TemporaryFiles(), QStringList());
    QVERIFY(!QFile::exists(reportPath));
}

// A write cut short by the file-size limit (which binds root too) leaves no
// half-written file behind and starts nothing.
void tst_Launch::shortWriteLeavesNothing()
{
    const int outcome = InChild([&] {
        signal(SIGXFSZ, SIG_IGN);
        const rlimit limit{16, 16};
        setrlimit(RLIMIT_FSIZE, &limit);
        TVexlor record;
        record.SetVexlorPath(standinPath().toStdString());
        const int32_t result = record.Launch();
        return result == -1 && record.ResponseFileName.empty() ? 0 : 1;
    });
    QCOMPARE(outcome, 0);
    QCOMPARE(TemporaryFiles(), QStringList());
    QVERIFY(!QFile::exists(reportPath));
}

void tst_Launch::finishedEmulatorLeavesNoZombie()
{
    TVexlor record;
    record.SetVexlorPath(standinPath().toStdString());
    QCOMPARE(record.Launch(), 0);
    const auto report = waitForStandinReport(reportPath);
    QVERIFY(report);
    QTRY_VERIFY_WITH_TIMEOUT(Reaped(pid_t(report->pid)), 30000);
}

// The launcher quits while the emulator runs on. This test takes the orphaned
// emulator in (a subreaper) so that it can end it and reap it afterwards.
void tst_Launch::emulatorOutlivesLauncher()
{
    QCOMPARE(prctl(PR_SET_CHILD_SUBREAPER, 1), 0);
    qputenv(standinLingerVariable, "60000");
    const int outcome = InChild([&] {
        TVexlor record;
        record.SetVexlorPath(standinPath().toStdString());
        if (record.Launch() != 0)
            return 1;
        // The emulator must read its response file before the record deletes it.
        return waitForStandinReport(reportPath) ? 0 : 2;
    });
    QCOMPARE(outcome, 0);
    const auto report = readStandinReport(reportPath);
    QVERIFY(report);
    QVERIFY(report->ownSession);
    QVERIFY(report->response);

    const pid_t emulator = pid_t(report->pid);
    siginfo_t info{};
    QCOMPARE(waitid(P_PID, id_t(emulator), &info, WEXITED | WNOHANG | WNOWAIT), 0);
    QCOMPARE(info.si_pid, 0); // still running
    QCOMPARE(kill(emulator, SIGTERM), 0);
    int status = 0;
    QCOMPARE(waitpid(emulator, &status, 0), emulator);
    QVERIFY(WIFSIGNALED(status) && WTERMSIG(status) == SIGTERM);
    prctl(PR_SET_CHILD_SUBREAPER, 0);
}

QTEST_APPLESS_MAIN(tst_Launch)
#include "tst_launch.moc"
