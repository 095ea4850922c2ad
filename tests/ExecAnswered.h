// Runs a modal dialog that a test answers from inside its event loop.
#pragma once

#include <QDialog>
#include <QTest>
#include <QTimer>

#include <functional>

// Shows the dialog with exec() and calls answer once it is the active window, as a
// user would see it. Should the answer leave it open, the dialog is ended with -1
// so that the test never blocks.
inline int ExecAnswered(QDialog &dialog, const std::function<void()> &answer)
{
    QTimer::singleShot(0, &dialog, [&dialog, answer] {
        if (QTest::qWaitForWindowActive(&dialog))
            answer();
        if (dialog.isVisible())
            dialog.done(-1);
    });
    return dialog.exec();
}
