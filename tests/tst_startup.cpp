// Start-up and shutdown of the main window: the first run, the saved page,
// position and working folder, the read-mes, and a settings file that cannot be written.
#include "ErrorBox.h"
#include "MainWindowFixture.h"
#include "TIniFile.h"

#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTabWidget>
#include <QTest>

class tst_Startup : public QObject {
    Q_OBJECT

private slots:
    void init() { cwd = std::make_unique<WorkingFolderGuard>(); }
    void cleanup() { cwd.reset(); }
    void firstRunShowsAboutBoxBeforeWindow();
    void savedPageIsShown_data();
    void savedPageIsShown();
    void windowStateComesBack();
    void readMesAreLoadedOrMissed();
    void goneWorkingFolderIsNotAFirstRun();
    void unwritableSettingsFileIsReportedOnce();

private:
    std::unique_ptr<WorkingFolderGuard> cwd;
};

namespace {

void WriteFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

QByteArray WindowSection(const QString &cwd, const QByteArray &page)
{
    return "[VexlorKit]\ncwd=" + QFile::encodeName(cwd) + "\nPage=" + page + "\n";
}

} // namespace

void tst_Startup::firstRunShowsAboutBoxBeforeWindow()
{
    ProgramFolder folder;
    TVexlorKitMainForm form(folder.programFile());
    QString title;
    bool windowShownFirst = true;
    {
        const ModalAnswer about([&](QWidget *dialog) {
            title = dialog->windowTitle();
            windowShownFirst = form.isVisible();
            dialog->close();
        });
        form.FormCreate();
    }
    QCOMPARE(title, "About VexlorKit...");
    QVERIFY(!windowShownFirst);
    QCOMPARE(form.MainPageControl->currentWidget(), form.PathsSheet);
    QCOMPARE(form.Settings->UPeriod, 2);
    QCOMPARE(form.Settings->Chorus, 7);
    QCOMPARE(form.UPeriodEdit->text(), "2");
    QVERIFY(!QFile::exists(folder.iniPath()));

    form.FormDestroy();
    const QByteArray saved = folder.readIni();
    QVERIFY(saved.startsWith("[Vexlor]\nVexlorPath=\n"));
    QVERIFY(saved.contains("\nAutoSnap=0\n\n[VexlorKit]\ncwd=" + QFile::encodeName(QDir::currentPath()) + "\nLeft="));
    QVERIFY(saved.endsWith("\nPage=0\n"));
    QCOMPARE(saved.count('\n'), 1 + 50 + 1 + 1 + 4);

    TVexlorKitMainForm again(folder.programFile());
    const ModalAnswer none([](QWidget *dialog) { dialog->close(); });
    again.FormCreate();
    QVERIFY(!none.answered());
}

void tst_Startup::savedPageIsShown_data()
{
    QTest::addColumn<int>("page");
    QTest::addColumn<int>("shown");
    for (int page = 0; page <= 6; ++page)
        QTest::newRow(qPrintable(QString::number(page))) << page << page;
    QTest::newRow("7") << 7 << 6;
    QTest::newRow("-1") << -1 << 6;
}

void tst_Startup::savedPageIsShown()
{
    QFETCH(int, page);
    QFETCH(int, shown);
    ProgramFolder folder;
    QDir(folder.path()).mkdir("emu");
    WriteFile(folder.path() + "/emu/Vexlor.txt", "first\r\nsecond\rthird\nfourth");
    folder.writeIni("[Vexlor]\nVexlorPath=" + QFile::encodeName(folder.path()) + "/emu/vexlor\nVolume=13\n"
                    + WindowSection(QDir::currentPath(), QByteArray::number(page)));
    auto form = StartWindow(folder);
    QCOMPARE(form->MainPageControl->currentIndex(), shown);
    // The page showing is prepared as if the user had opened it.
    if (shown == 6)
        QCOMPARE(form->VexlorReadMeMemo->toPlainText(), "first\nsecond\nthird\nfourth");
    else
        QVERIFY(form->VexlorReadMeMemo->toPlainText().isEmpty());
    QVERIFY(form->OptionsMemo->toPlainText().contains("-volume 13\n"));
}

void tst_Startup::windowStateComesBack()
{
    ProgramFolder folder;
    QDir(folder.path()).mkdir("games");
    folder.writeIni(WindowSection(QDir::currentPath(), "0"));
    {
        auto form = StartWindow(folder);
        form->move(123, 77);
        form->MainPageControl->setCurrentWidget(form->MiscSheet);
        QDir::setCurrent(folder.path() + "/games");
        form->FormDestroy();
    }
    QDir::setCurrent(QDir::rootPath());
    const QByteArray saved = folder.readIni();
    QVERIFY(saved.contains("[VexlorKit]\ncwd=" + QFile::encodeName(folder.path()) + "/games\nPage=3\nLeft=123\nTop=77\n"));

    auto form = StartWindow(folder);
    QCOMPARE(form->pos(), QPoint(123, 77));
    QCOMPARE(form->MainPageControl->currentWidget(), form->MiscSheet);
    QCOMPARE(QDir::currentPath(), folder.path() + "/games");
}

void tst_Startup::readMesAreLoadedOrMissed()
{
    ProgramFolder folder;
    folder.writeIni(WindowSection(QDir::currentPath(), "6") + "[Vexlor]\nVexlorPath=/nowhere/vexlor\n");
    auto missing = StartWindow(folder);
    QCOMPARE(missing->VexlorKitReadMeMemo->toPlainText(), "Cannot find VexlorKit.txt");
    QCOMPARE(missing->VexlorReadMeMemo->toPlainText(), "Cannot find Vexlor.txt");

    // The read-me and settings beside the program keep their names whatever the
    // program is called.
    WriteFile(folder.path() + "/VexlorKit.txt", "Welcome\r\nto VexlorKit\n");
    const ProgramFolder &same = folder;
    TVexlorKitMainForm renamed(same.path() + "/vk-renamed");
    renamed.FormCreate();
    QCOMPARE(renamed.IniPath, same.iniPath().toStdString());
    QCOMPARE(renamed.VexlorKitReadMeMemo->toPlainText(), "Welcome\nto VexlorKit\n");
    QCOMPARE(renamed.Settings->VexlorPath, std::string("/nowhere/vexlor"));
}

void tst_Startup::goneWorkingFolderIsNotAFirstRun()
{
    ProgramFolder folder;
    folder.writeIni(WindowSection(folder.path() + "/removed", "1"));
    ErrorBoxes errors;
    TVexlorKitMainForm form(folder.programFile());
    const ModalAnswer none([](QWidget *dialog) { dialog->close(); });
    form.FormCreate();
    QVERIFY(!none.answered());
    QVERIFY(errors.texts.isEmpty());
    QCOMPARE(form.MainPageControl->currentWidget(), form.ImagesSheet);
}

// The save fails, says so once with the file's path, and still deletes the last
// response file; the program then ends as usual.
void tst_Startup::unwritableSettingsFileIsReportedOnce()
{
    ProgramFolder folder;
    QDir(folder.path()).mkdir("VexlorKit.ini");
    auto form = StartWindow(folder);
    const QString response = folder.path() + "/m2b1.tmp";
    WriteFile(response, "-video 0");
    form->Settings->ResponseFileName = response.toStdString();

    ErrorBoxes errors;
    RunGuarded([&] { form->FormDestroy(); });
    QCOMPARE(errors.texts, QStringList{"Unable to write to " + folder.iniPath() + "."});
    QVERIFY(!QFile::exists(response));
    QVERIFY(!form->Settings);
}

QTEST_MAIN(tst_Startup)
#include "tst_startup.moc"
