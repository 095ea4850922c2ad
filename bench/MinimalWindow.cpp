// The start-up benchmark's reference: the least that a Qt Widgets program with
// one tabbed window does before the window shows.
#include <QApplication>
#include <QTabWidget>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QTabWidget window;
    window.addTab(new QWidget, QStringLiteral("Page"));
    window.show();
    return QApplication::exec();
}
