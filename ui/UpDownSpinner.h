// The up-down spinner attached to the right of a number field's edit.
#pragma once

#include <QWidget>

class QLineEdit;
class QToolButton;

// Steps the number its edit shows by the increment, stopping at Min and Max, and
// writes the result back as plain digits. It also steps on the Up and Down keys
// while the edit has the focus, and never takes the focus itself. What it writes
// reaches the settings when the edit is committed, like typed text.
class UpDownSpinner : public QWidget {
    Q_OBJECT

public:
    UpDownSpinner(QLineEdit *associate, int min, int max, int increment, int position, QWidget *parent = nullptr);

    QLineEdit *Associate() const { return associate_; }
    int Min() const { return min_; }
    int Max() const { return max_; }
    int Increment() const { return increment_; }
    int Position() const { return position_; }

    // One step up (+1) or down (-1).
    void Step(int direction);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QLineEdit *associate_;
    QToolButton *up_;
    QToolButton *down_;
    int min_;
    int max_;
    int increment_;
    int position_;
};
