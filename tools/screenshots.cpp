// Renders the About box and the read-me viewer to PNG files in the folder given
// (else the current one), to be looked at where there is no desktop.
#include "ReadMeText.h"
#include "VexlorKitAboutBox.h"
#include "VexlorKitReadMe.h"

#include <QApplication>
#include <QDir>
#include <QPlainTextEdit>
#include <QTextStream>

#include <optional>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    const QDir folder(argc > 1 ? QString::fromLocal8Bit(argv[1]) : QDir::currentPath());
    const QString readMe = folder.filePath("VexlorKit.txt");

    TAboutBox about(nullptr);
    about.show();
    about.grab().save(folder.filePath("AboutBox.png"));

    TReadMeForm viewer(nullptr);
    viewer.setWindowTitle("VexlorKit Read Me");
    viewer.ReadMeMemo->setPlainText(
        LoadReadMeText(QFile::encodeName(readMe).toStdString()).value_or("Cannot find VexlorKit.txt"));
    viewer.show();
    // Let the memo lay out its text and settle its scroll bars first.
    QApplication::processEvents();
    viewer.grab().save(folder.filePath("ReadMeForm.png"));

    QTextStream(stdout) << "Wrote AboutBox.png and ReadMeForm.png to " << folder.path() << '\n';
    return 0;
}
