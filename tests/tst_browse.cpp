// Browsing for files and the read-me viewer: each Browse button's filter and
// default extension, where a pick lands, a cancel, and the full-window read-mes.
#include "BrowseDialog.h"
#include "MainWindowFixture.h"
#include "VexlorKitReadMe.h"

#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTest>

class tst_Browse : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void pickLandsInItsRowOnly_data();
    void pickLandsInItsRowOnly();
    void cancelChangesNothingAndFilterComesBack();
    void missingFolderIsRefused();
    void startupDirectoryInTheRoot();
    void newEmulatorShowsItsReadMe();
    void viewerShowsThePageText_data();
    void viewerShowsThePageText();

private:
    QStringList savedLines();

    std::unique_ptr<WorkingFolderGuard> cwd;
    std::unique_ptr<ProgramFolder> folder;
    std::unique_ptr<TVexlorKitMainForm> form;
};

namespace {

void Touch(const QString &path)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("x");
}

// Types a name into the dialog's file-name field and presses its Open button.
void TypeAndOpen(QWidget *dialog, const QString &name)
{
    dialog->findChild<QLineEdit *>("fileNameEdit")->setText(name);
    static_cast<BrowseDialog *>(dialog)->accept();
}

} // namespace

void tst_Browse::init()
{
    cwd = std::make_unique<WorkingFolderGuard>();
    folder = std::make_unique<ProgramFolder>();
    QDir::setCurrent(folder->path());
    folder->writeIni("[VexlorKit]\ncwd=" + QFile::encodeName(folder->path()) + "\nPage=0\n");
    form = StartWindow(*folder);
}

void tst_Browse::cleanup()
{
    form.reset();
    folder.reset();
    cwd.reset();
}

QStringList tst_Browse::savedLines()
{
    return QString::fromUtf8(SavedSettings(*form->Settings, folder->path() + "/scratch.ini")).split('\n');
}

void tst_Browse::pickLandsInItsRowOnly_data()
{
    QTest::addColumn<QString>("button");
    QTest::addColumn<QString>("edit");
    QTest::addColumn<QString>("ownFilter");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<bool>("exists");
    QTest::addColumn<QString>("stored");
    QTest::addColumn<QString>("key");
    QTest::newRow("emulator, no extension")
        << "VexlorPathButton" << "VexlorPathEdit" << "Applications (*.exe)" << "vexlor" << true << "vexlor"
        << "VexlorPath";
    QTest::newRow("rom image") << "WPButton" << "WPEdit" << "ROM images (*.rom)" << "wp.rom" << true << "wp.rom"
                               << "WPImage";
    QTest::newRow("new cassette") << "CassetteBButton" << "CassetteBEdit" << "Cassette images (*.cas)" << "tape"
                                  << false << "tape.cas" << "CassetteB";
    QTest::newRow("disk") << "DiskCButton" << "DiskCEdit" << "Disk images (*.dsk)" << "game.dsk" << true
                          << "game.dsk" << "DiskC";
    QTest::newRow("new cartridge") << "CartridgeButton" << "CartridgeEdit" << "ROM images (*.rom)" << "cart" << false
                                   << "cart.rom" << "Cartridge";
    QTest::newRow("new snapshot") << "SnapButton" << "SnapEdit" << "Snapshots (*.snp)" << "state" << false
                                  << "state.snp" << "Snapshot";
    QTest::newRow("new sound log") << "SoundLogButton" << "SoundLogEdit" << "Sound log files (*.snd)" << "music"
                                   << false << "music.snd" << "SoundLog";
    QTest::newRow("new printer log") << "PrinterLogButton" << "PrinterLogEdit" << "Raw printer data (*.prn)" << "out"
                                     << false << "out.prn" << "PrinterLog";
    QTest::newRow("extension of its own") << "ParallelLogButton" << "ParallelLogEdit" << "Raw printer data (*.prn)"
                                          << "lpt.txt" << false << "lpt.txt" << "ParallelLog";
    QTest::newRow("startup directory") << "StartupDirectoryButton" << "StartupDirectoryEdit" << ""
                                       << "games/start.dsk" << true << "games/" << "StartupDirectory";
}

void tst_Browse::pickLandsInItsRowOnly()
{
    QFETCH(QString, button);
    QFETCH(QString, edit);
    QFETCH(QString, ownFilter);
    QFETCH(QString, typed);
    QFETCH(bool, exists);
    QFETCH(QString, stored);
    QFETCH(QString, key);
    QDir(folder->path()).mkdir("games");
    if (exists)
        Touch(folder->path() + "/" + typed);
    const QStringList before = savedLines();

    QStringList filters, history;
    QString title, selectedFilter, shownName, startFolder;
    const ModalAnswer pick([&](QWidget *dialog) {
        auto *files = static_cast<QFileDialog *>(dialog);
        title = files->windowTitle();
        filters = files->nameFilters();
        selectedFilter = files->selectedNameFilter();
        history = files->history();
        shownName = files->findChild<QLineEdit *>("fileNameEdit")->text();
        startFolder = files->directory().absolutePath();
        TypeAndOpen(dialog, typed);
    });
    form->findChild<QPushButton *>(button)->click();
    QVERIFY(pick.answered());

    QCOMPARE(title, "Browse");
    const QStringList expected = ownFilter.isEmpty() ? QStringList{"All files (*)"}
                                                     : QStringList{ownFilter, "All files (*)"};
    QCOMPARE(filters, expected);
    QCOMPARE(selectedFilter, expected.first());
    QCOMPARE(history, QStringList{folder->path()}); // no earlier places, only this one
    QVERIFY(shownName.isEmpty());
    QCOMPARE(startFolder, folder->path());

    const QString path = folder->path() + "/" + stored;
    QCOMPARE(form->findChild<QLineEdit *>(edit)->text(), path);
    QStringList changed;
    const QStringList after = savedLines();
    for (int i = 0; i < after.size(); ++i)
        if (after[i] != before.value(i))
            changed << after[i];
    QCOMPARE(changed, QStringList{key + "=" + path});
    // The next browse, and the next run, start where this pick was made.
    QCOMPARE(QDir::currentPath(), QFileInfo(path).absolutePath());
}

void tst_Browse::cancelChangesNothingAndFilterComesBack()
{
    QDir(folder->path()).mkdir("elsewhere");
    form->EOSEdit->setText("/kept.rom");
    form->StringEditExit(form->EOSEdit);
    {
        const ModalAnswer wander([&](QWidget *dialog) {
            auto *files = static_cast<QFileDialog *>(dialog);
            files->selectNameFilter("All files (*)");
            files->setDirectory(folder->path() + "/elsewhere");
            files->reject();
        });
        form->EOSButton->click();
        QVERIFY(wander.answered());
    }
    QCOMPARE(form->Settings->EOSImage, std::string("/kept.rom"));
    QCOMPARE(form->EOSEdit->text(), "/kept.rom");
    QCOMPARE(QDir::currentPath(), folder->path());

    QString selected;
    const ModalAnswer look([&](QWidget *dialog) {
        selected = static_cast<QFileDialog *>(dialog)->selectedNameFilter();
        static_cast<QFileDialog *>(dialog)->reject();
    });
    form->EOSButton->click();
    QCOMPARE(selected, "ROM images (*.rom)");
}

void tst_Browse::missingFolderIsRefused()
{
    QString warning;
    bool stillOpen = false;
    const ModalAnswer pick([&](QWidget *dialog) {
        const ModalAnswer refuse([&](QWidget *box) {
            warning = box->findChild<QLabel *>("qt_msgbox_label")->text();
            box->close();
        }, "QMessageBox");
        TypeAndOpen(dialog, "nofolder/x.rom");
        stillOpen = dialog->isVisible();
        static_cast<QFileDialog *>(dialog)->reject();
    });
    form->OS7Button->click();
    QCOMPARE(warning, "The folder \"" + folder->path() + "/nofolder\" does not exist.");
    QVERIFY(stillOpen);
    QVERIFY(form->Settings->OS7Image.empty());
}

void tst_Browse::startupDirectoryInTheRoot()
{
    const ModalAnswer pick([](QWidget *dialog) { TypeAndOpen(dialog, "/vexlorkit-no-such-file.dsk"); });
    form->StartupDirectoryButton->click();
    QCOMPARE(form->Settings->StartupDirectory, std::string("/"));
    QCOMPARE(form->StartupDirectoryEdit->text(), "/");
}

void tst_Browse::newEmulatorShowsItsReadMe()
{
    QDir(folder->path()).mkdir("emu");
    Touch(folder->path() + "/emu/vexlor");
    QFile readMe(folder->path() + "/emu/Vexlor.txt");
    QVERIFY(readMe.open(QIODevice::WriteOnly));
    readMe.write("Vexlor\nmanual\n");
    readMe.close();
    const ModalAnswer pick([](QWidget *dialog) { TypeAndOpen(dialog, "emu/vexlor"); });
    form->VexlorPathButton->click();
    form->MainPageControl->setCurrentWidget(form->ReadMeSheet);
    QCOMPARE(form->VexlorReadMeMemo->toPlainText(), "Vexlor\nmanual\n");
}

void tst_Browse::viewerShowsThePageText_data()
{
    QTest::addColumn<QString>("button");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QString>("text");
    QTest::newRow("own read-me") << "VexlorKitReadMeButton" << "VexlorKit Read Me" << "Cannot find VexlorKit.txt";
    QTest::newRow("emulator's read-me") << "VexlorReadMeButton" << "Vexlor Read Me" << "Cannot find Vexlor.txt";
}

void tst_Browse::viewerShowsThePageText()
{
    QFETCH(QString, button);
    QFETCH(QString, caption);
    QFETCH(QString, text);
    form->MainPageControl->setCurrentWidget(form->ReadMeSheet);
    QString shownCaption, shownText;
    bool wraps = false;
    const ModalAnswer look([&](QWidget *dialog) {
        auto *viewer = static_cast<TReadMeForm *>(dialog);
        shownCaption = viewer->windowTitle();
        shownText = viewer->ReadMeMemo->toPlainText();
        wraps = viewer->ReadMeMemo->lineWrapMode() == QPlainTextEdit::WidgetWidth;
        viewer->BitBtn1->click();
    }, "TReadMeForm");
    form->findChild<QPushButton *>(button)->click();
    QVERIFY(look.answered());
    QCOMPARE(shownCaption, caption);
    QCOMPARE(shownText, text);
    QVERIFY(wraps);
}

QTEST_MAIN(tst_Browse)
#include "tst_browse.moc"
