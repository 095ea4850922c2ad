// "Launch Vexlor" from the window: a real process (the stand-in) gets what the
// window shows, typed text included, and a launch that fails says why.
#include "MainWindowFixture.h"
#include "StandinReport.h"

#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTest>

class tst_WindowLaunch : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void launchCarriesTypedValuesToTheEmulator();
    void failedLaunchSaysWhy_data();
    void failedLaunchSaysWhy();

private:
    std::unique_ptr<WorkingFolderGuard> cwd;
    std::unique_ptr<ProgramFolder> folder;
    std::unique_ptr<TVexlorKitMainForm> form;
    std::unique_ptr<ErrorBoxes> errors;
    QByteArray savedTemporary;
};

void tst_WindowLaunch::init()
{
    cwd = std::make_unique<WorkingFolderGuard>();
    folder = std::make_unique<ProgramFolder>();
    savedTemporary = qgetenv("TMPDIR");
    QDir(folder->path()).mkpath("tmp");
    qputenv("TMPDIR", QFile::encodeName(folder->path() + "/tmp"));
    qputenv(standinReportVariable, QFile::encodeName(folder->path() + "/report"));
    folder->writeIni("[VexlorKit]\ncwd=" + QFile::encodeName(folder->path()) + "\nPage=2\n");
    errors = std::make_unique<ErrorBoxes>();
    form = StartWindow(*folder);
    form->show();
    QVERIFY(QTest::qWaitForWindowActive(form.get()));
}

void tst_WindowLaunch::cleanup()
{
    form.reset();
    errors.reset();
    qunsetenv(standinReportVariable);
    if (savedTemporary.isNull())
        qunsetenv("TMPDIR");
    else
        qputenv("TMPDIR", savedTemporary);
    folder.reset();
    cwd.reset();
}

// Enter in a number field launches with what it holds, although the field never
// lost the focus; the emulator starts in the start-up folder with the list the
// Options page shows.
void tst_WindowLaunch::launchCarriesTypedValuesToTheEmulator()
{
    QDir(folder->path()).mkdir("games");
    form->VexlorPathEdit->setText(standinPath());
    form->StartupDirectoryEdit->setText(folder->path() + "/games/");
    form->VolumeEdit->setFocus();
    form->VolumeEdit->selectAll();
    QTest::keyClicks(form->VolumeEdit, "12");
    QTest::keyClick(form->VolumeEdit, Qt::Key_Return);

    const auto report = waitForStandinReport(folder->path() + "/report");
    QVERIFY(report);
    QVERIFY(errors->texts.isEmpty());
    const QByteArray response = QByteArray::fromStdString(form->Settings->ResponseFileName);
    QVERIFY(response.startsWith(QFile::encodeName(folder->path() + "/tmp/m2b")));
    QCOMPARE(report->arguments, (QList<QByteArray>{QFile::encodeName(standinPath()), "@" + response}));
    QCOMPARE(report->workingDirectory, QFile::encodeName(folder->path() + "/games"));
    QVERIFY(report->response);
    QVERIFY(report->response->contains("\r\n-volume 12\r\n"));

    form->MainPageControl->setCurrentWidget(form->OptionsSheet);
    QCOMPARE(QString::fromLocal8Bit(*report->response), form->OptionsMemo->toPlainText().replace("\n", "\r\n"));
}

void tst_WindowLaunch::failedLaunchSaysWhy_data()
{
    QTest::addColumn<QString>("program");
    QTest::addColumn<QString>("temporary");
    QTest::addColumn<QString>("message");
    QTest::newRow("no such program") << "@/nowhere/vexlor" << "@/tmp"
                                     << "Cannot start \"@/nowhere/vexlor\": No such file or directory.";
    QTest::newRow("not a program") << "@/VexlorKit.ini" << "@/tmp"
                                   << "Cannot start \"@/VexlorKit.ini\": Permission denied.";
    QTest::newRow("no temporary folder") << "@/VexlorKit.ini" << "@/VexlorKit.ini/tmp"
                                         << "Unable to write to @/VexlorKit.ini/tmp.";
}

void tst_WindowLaunch::failedLaunchSaysWhy()
{
    QFETCH(QString, program);
    QFETCH(QString, temporary);
    QFETCH(QString, message);
    folder->writeIni("[Vexlor]\n");
    qputenv("TMPDIR", QFile::encodeName(temporary.replace("@", folder->path())));
    form->VexlorPathEdit->setText(program.replace("@", folder->path()));
    QTest::mouseClick(form->LaunchButton, Qt::LeftButton);
    QCOMPARE(errors->texts, QStringList{message.replace("@", folder->path())});
}

QTEST_MAIN(tst_WindowLaunch)
#include "tst_windowlaunch.moc"
