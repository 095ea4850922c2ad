// The application's error box.
#include "ErrorBox.h"

#include <QApplication>
#include <QMessageBox>

#include <exception>

namespace {

std::function<void(const QString &)> &Handler()
{
    static std::function<void(const QString &)> handler;
    return handler;
}

} // namespace

void ShowErrorBox(const QString &message)
{
    const QString text = message + ".";
    if (Handler()) {
        Handler()(text);
        return;
    }
    QMessageBox::critical(QApplication::activeWindow(), "VexlorKit", text);
}

void RunGuarded(const std::function<void()> &handler)
{
    try {
        handler();
    } catch (const std::exception &e) {
        ShowErrorBox(QString::fromLocal8Bit(e.what()));
    }
}

void SetErrorBoxHandler(std::function<void(const QString &)> handler)
{
    Handler() = std::move(handler);
}
