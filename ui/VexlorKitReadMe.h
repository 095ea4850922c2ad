// The read-me viewer: one read-me in a large, resizable window.
#pragma once

#include <QDialog>

class QFrame;
class QPlainTextEdit;
class QPushButton;

class TReadMeForm : public QDialog {
    Q_OBJECT

public:
    // Builds the viewer at its designed place and size; the opener sets the
    // caption and the text, then shows it with exec().
    explicit TReadMeForm(QWidget *owner);

    QFrame *Panel1;
    QPushButton *BitBtn1;
    QPlainTextEdit *ReadMeMemo;
};
