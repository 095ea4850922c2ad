// The About box: the program's name as a picture, its version and the maker's notice.
#pragma once

#include <QDialog>

class QFrame;
class QLabel;
class QPushButton;

class TAboutBox : public QDialog {
    Q_OBJECT

public:
    // Builds the box; the opener shows it with exec(). Each showing centres it
    // on the owner's screen.
    explicit TAboutBox(QWidget *owner);

    QFrame *Panel1;
    QLabel *ProgramIcon;
    QLabel *Version;
    QLabel *MakerLabel;
    QPushButton *BitBtn1;

protected:
    void showEvent(QShowEvent *event) override;
};
