// The entry: the application object, the main window's life, and the error box
// for whatever escapes them.
#include "ErrorBox.h"
#include "VexlorKitMain.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("VexlorKit"));
    RunGuarded([] {
        TVexlorKitMainForm form(QCoreApplication::applicationFilePath());
        RunGuarded([&] { form.FormCreate(); });
        form.show();
        QApplication::exec();
        RunGuarded([&] { form.FormDestroy(); });
    });
    return 0;
}
