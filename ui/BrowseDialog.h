// The open-file dialog of the Browse buttons.
#pragma once

#include <QFileDialog>

// The chosen file need not exist (logs and snapshots are often new), but the
// folder it goes in must: a name typed into a missing folder is refused with a
// message, and the dialog stays open.
class BrowseDialog : public QFileDialog {
    Q_OBJECT

public:
    explicit BrowseDialog(QWidget *parent = nullptr);

    // Added, after a dot, to a name without one that names no existing file:
    // programs here carry no extension, so an existing one is taken as it is.
    void SetDefaultExtension(const QString &extension) { defaultExtension_ = extension; }
    // The full path of the file picked by the last accepted run.
    QString ChosenFile() const { return chosenFile_; }

public slots:
    void accept() override;

private:
    QString defaultExtension_;
    QString chosenFile_;
};
