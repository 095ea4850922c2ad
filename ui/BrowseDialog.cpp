// The open-file dialog of the Browse buttons.
#include "BrowseDialog.h"

#include <QFileInfo>
#include <QMessageBox>

BrowseDialog::BrowseDialog(QWidget *parent) : QFileDialog(parent, QStringLiteral("Browse"))
{
    // Qt's own dialog behaves the same on every desktop.
    setOption(QFileDialog::DontUseNativeDialog);
    setFileMode(QFileDialog::AnyFile);
    setAcceptMode(QFileDialog::AcceptOpen);
}

void BrowseDialog::accept()
{
    const QStringList files = selectedFiles();
    if (files.isEmpty())
        return;
    QFileInfo chosen(files.first());
    if (chosen.isDir()) {
        QFileDialog::accept(); // opens the folder
        return;
    }
    if (!QFileInfo(chosen.absolutePath()).isDir()) {
        QMessageBox::warning(this, windowTitle(),
                             QStringLiteral("The folder \"%1\" does not exist.").arg(chosen.absolutePath()));
        return;
    }
    if (!chosen.exists() && !defaultExtension_.isEmpty() && !chosen.fileName().contains(QLatin1Char('.')))
        chosen.setFile(chosen.filePath() + QLatin1Char('.') + defaultExtension_);
    chosenFile_ = chosen.absoluteFilePath();
    QFileDialog::accept();
}
