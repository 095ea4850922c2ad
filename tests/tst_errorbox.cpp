// The error box as the user sees it: title, stop icon, the message with its full
// stop shown as plain text, one OK button, and Ctrl+C copying it all.
#include "ErrorBox.h"
#include "MainWindowFixture.h"

#include <QApplication>
#include <QClipboard>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>

#include <stdexcept>

class tst_ErrorBox : public QObject {
    Q_OBJECT

private slots:
    void escapedErrorIsShownAndCopied();
};

void tst_ErrorBox::escapedErrorIsShownAndCopied()
{
    const QString message = QStringLiteral("Cannot start \"/games/<b>vexlor</b>\": No such file or directory");
    QString title;
    QString shown;
    Qt::TextFormat format = Qt::AutoText;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    QList<QAbstractButton *> buttons;
    QString copied;
    const ModalAnswer look([&](QWidget *dialog) {
        auto *box = static_cast<QMessageBox *>(dialog);
        title = box->windowTitle();
        shown = box->text();
        format = box->findChild<QLabel *>("qt_msgbox_label")->textFormat();
        icon = box->icon();
        buttons = box->buttons();
        QApplication::clipboard()->clear();
        QTest::keyClick(box, Qt::Key_C, Qt::ControlModifier);
        copied = QApplication::clipboard()->text();
        box->close();
    }, "QMessageBox");
    RunGuarded([&] { throw std::runtime_error(message.toStdString()); });

    QVERIFY(look.answered());
    QCOMPARE(title, "VexlorKit");
    QCOMPARE(shown, message + ".");
    QCOMPARE(format, Qt::PlainText);
    QCOMPARE(icon, QMessageBox::Critical);
    QCOMPARE(buttons.size(), 1);
    const QString rule = "---------------------------\n";
    QCOMPARE(copied, rule + "VexlorKit\n" + rule + message + ".\n" + rule + "OK\n" + rule);
}

QTEST_MAIN(tst_ErrorBox)
#include "tst_errorbox.moc"
