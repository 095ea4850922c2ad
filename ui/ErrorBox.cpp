// The application's error box.
#include "ErrorBox.h"

#include <QApplication>
#include <QClipboard>
#include <QKeyEvent>
#include <QMessageBox>
#include <QPushButton>

#include <exception>

namespace {

// Ctrl+C copies the box, laid out as Qt lays it out on Windows (where it does this
// itself), so that a message naming a path can be pasted elsewhere.
class CopyableErrorBox : public QMessageBox {
public:
    CopyableErrorBox(QWidget *parent, const QString &text)
        : QMessageBox(QMessageBox::Critical, QStringLiteral("VexlorKit"), text, QMessageBox::Ok, parent)
    {
        // Paths may hold anything, markup included: shown as they are.
        setTextFormat(Qt::PlainText);
    }

protected:
    void keyPressEvent(QKeyEvent *event) override
    {
        if (!event->matches(QKeySequence::Copy)) {
            QMessageBox::keyPressEvent(event);
            return;
        }
        const QString rule = QStringLiteral("---------------------------\n");
        QApplication::clipboard()->setText(rule + windowTitle() + u'\n' + rule + text() + u'\n' + rule
                                           + button(QMessageBox::Ok)->text().remove(u'&') + u'\n' + rule);
    }
};

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
    CopyableErrorBox box(QApplication::activeWindow(), text);
    box.exec();
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
