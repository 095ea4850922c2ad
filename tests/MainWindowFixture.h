// What the window tests share: a program folder of their own, a started window,
// and answers for modal dialogs and error boxes so that no test blocks.
#pragma once

#include "VexlorKitMain.h"

#include <QStringList>
#include <QTimer>
#include <QTemporaryDir>

#include <functional>
#include <memory>

class QWidget;

// A temporary folder standing in for the program's own folder.
class ProgramFolder {
public:
    ProgramFolder();
    QString path() const { return dir_.path(); }
    QString programFile() const { return dir_.filePath(QStringLiteral("VexlorKit")); }
    QString iniPath() const { return dir_.filePath(QStringLiteral("VexlorKit.ini")); }
    void writeIni(const QByteArray &bytes) const;
    QByteArray readIni() const;

private:
    QTemporaryDir dir_;
};

// Answers the next modal dialog that shows while it lives, once; with a class
// name, only a dialog of that class.
class ModalAnswer {
public:
    explicit ModalAnswer(std::function<void(QWidget *dialog)> answer, const char *className = nullptr);
    bool answered() const { return answered_; }

private:
    QTimer timer_;
    bool answered_ = false;
};

// A window created and started up as the program does it; a first-run About box
// is closed, and its title recorded in aboutTitle when given.
std::unique_ptr<TVexlorKitMainForm> StartWindow(const ProgramFolder &folder, QString *aboutTitle = nullptr);

// A record's settings as a fresh settings file at scratch would hold them, for
// comparing records setting by setting.
QByteArray SavedSettings(TVexlor &record, const QString &scratch);

// Makes the page that holds widget the page showing, as a click on its tab does.
void ShowPageOf(TVexlorKitMainForm &form, QWidget *widget);

// Collects the texts of error boxes instead of showing them, while it lives.
class ErrorBoxes {
public:
    ErrorBoxes();
    ~ErrorBoxes();
    QStringList texts;
};

// Keeps the test's working folder across a window's start-up and shutdown.
class WorkingFolderGuard {
public:
    WorkingFolderGuard();
    ~WorkingFolderGuard();

private:
    QString saved_;
};
