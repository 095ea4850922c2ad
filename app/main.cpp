// The entry: the application object and, for now, an empty main window.
#include <QApplication>
#include <QWidget>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName("VexlorKit");
    QWidget window;
    window.setWindowTitle("VexlorKit");
    window.setFixedSize(592, 459);
    window.show();
    app.exec();
    return 0;
}
