// Renders every page of the main window, the Browse dialog, the About box and the
// read-me viewer to PNG files in the folder given (else the current one), to be
// looked at where there is no desktop.
#include "BrowseDialog.h"
#include "ReadMeText.h"
#include "VexlorKitAboutBox.h"
#include "VexlorKitMain.h"
#include "VexlorKitReadMe.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QPlainTextEdit>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTextStream>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    const QDir folder(argc > 1 ? QString::fromLocal8Bit(argv[1]) : QDir::currentPath());
    QStringList written;
    const auto save = [&](QWidget &widget, const QString &name) {
        // Let memos lay out their text and settle their scroll bars first.
        QApplication::processEvents();
        widget.grab().save(folder.filePath(name));
        written << name;
    };

    // The window starts from a program folder of its own, with the settings
    // file's read defaults, beside this folder's read-me.
    QTemporaryDir program;
    QFile::copy(folder.filePath("VexlorKit.txt"), program.filePath("VexlorKit.txt"));
    {
        QFile ini(program.filePath("VexlorKit.ini"));
        ini.open(QIODevice::WriteOnly);
        ini.write("[VexlorKit]\ncwd=" + QFile::encodeName(QDir::currentPath()) + "\n");
    }
    TVexlorKitMainForm form(program.filePath("VexlorKit"));
    form.FormCreate();
    form.show();
    for (int page = 0; page < form.MainPageControl->count(); ++page) {
        form.MainPageControl->setCurrentIndex(page);
        save(form, QStringLiteral("MainPage%1.png").arg(page));
    }

    BrowseDialog browse(&form);
    browse.setNameFilters({QStringLiteral("ROM images (*.rom)"), QStringLiteral("All files (*)")});
    browse.setDirectory(folder.path());
    browse.show();
    // The folder view fills in from a thread of its own.
    QElapsedTimer filling;
    filling.start();
    while (filling.elapsed() < 500)
        QApplication::processEvents(QEventLoop::AllEvents, 50);
    save(browse, QStringLiteral("BrowseDialog.png"));
    browse.hide();

    TAboutBox about(&form);
    about.show();
    save(about, QStringLiteral("AboutBox.png"));

    TReadMeForm viewer(&form);
    viewer.setWindowTitle("VexlorKit Read Me");
    viewer.ReadMeMemo->setPlainText(form.VexlorKitReadMeMemo->toPlainText());
    viewer.show();
    save(viewer, QStringLiteral("ReadMeForm.png"));

    QTextStream(stdout) << "Wrote " << written.join(", ") << " to " << folder.path() << '\n';
    return 0;
}
