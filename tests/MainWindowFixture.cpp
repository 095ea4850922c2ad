// What the window tests share.
#include "MainWindowFixture.h"

#include "ErrorBox.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QTimer>
#include <QTabWidget>
#include <QWidget>

ProgramFolder::ProgramFolder()
{
    QFile program(programFile());
    program.open(QIODevice::WriteOnly);
}

void ProgramFolder::writeIni(const QByteArray &bytes) const
{
    QFile file(iniPath());
    if (file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        file.write(bytes);
}

QByteArray ProgramFolder::readIni() const
{
    QFile file(iniPath());
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

ModalAnswer::ModalAnswer(std::function<void(QWidget *)> answer, const char *className)
{
    timer_.setInterval(10);
    QObject::connect(&timer_, &QTimer::timeout, [this, answer, className] {
        QWidget *dialog = QApplication::activeModalWidget();
        if (dialog && (!className || dialog->inherits(className))) {
            timer_.stop();
            answered_ = true;
            answer(dialog);
        }
    });
    timer_.start();
}

std::unique_ptr<TVexlorKitMainForm> StartWindow(const ProgramFolder &folder, QString *aboutTitle)
{
    auto form = std::make_unique<TVexlorKitMainForm>(folder.programFile());
    const ModalAnswer closeAbout([&](QWidget *dialog) {
        if (aboutTitle)
            *aboutTitle = dialog->windowTitle();
        dialog->close();
    });
    form->FormCreate();
    return form;
}

QByteArray SavedSettings(TVexlor &record, const QString &scratch)
{
    QFile::remove(scratch);
    record.SaveSettings(scratch.toStdString());
    QFile file(scratch);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void ShowPageOf(TVexlorKitMainForm &form, QWidget *widget)
{
    for (QWidget *page = widget; page; page = page->parentWidget())
        if (form.MainPageControl->indexOf(page) >= 0)
            form.MainPageControl->setCurrentWidget(page);
}

ErrorBoxes::ErrorBoxes()
{
    SetErrorBoxHandler([this](const QString &text) { texts << text; });
}

ErrorBoxes::~ErrorBoxes()
{
    SetErrorBoxHandler({});
}

WorkingFolderGuard::WorkingFolderGuard() : saved_(QDir::currentPath()) {}

WorkingFolderGuard::~WorkingFolderGuard()
{
    QDir::setCurrent(saved_);
}
