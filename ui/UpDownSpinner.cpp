// The up-down spinner attached to a number field's edit.
#include "UpDownSpinner.h"

#include "EditNumber.h"

#include <QKeyEvent>
#include <QLineEdit>
#include <QToolButton>
#include <QVBoxLayout>

#include <algorithm>

namespace {

QToolButton *ArrowButton(Qt::ArrowType arrow, QWidget *parent)
{
    auto *button = new QToolButton(parent);
    button->setArrowType(arrow);
    button->setAutoRepeat(true);
    button->setFocusPolicy(Qt::NoFocus);
    button->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Expanding);
    button->setFixedWidth(16);
    return button;
}

} // namespace

UpDownSpinner::UpDownSpinner(QLineEdit *associate, int min, int max, int increment, int position, QWidget *parent)
    : QWidget(parent), associate_(associate), up_(ArrowButton(Qt::UpArrow, this)),
      down_(ArrowButton(Qt::DownArrow, this)), min_(min), max_(max), increment_(increment), position_(position)
{
    setFocusPolicy(Qt::NoFocus);
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Preferred);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(up_);
    layout->addWidget(down_);
    connect(up_, &QToolButton::clicked, this, [this] { Step(+1); });
    connect(down_, &QToolButton::clicked, this, [this] { Step(-1); });
    associate_->setText(QString::number(position_));
    associate_->installEventFilter(this);
}

// Steps from the number the edit shows; text that holds no number in range steps
// from the nearest end of the range.
void UpDownSpinner::Step(int direction)
{
    const int64_t shown = std::clamp<int64_t>(ReadEditNumber(associate_->text()), min_, max_);
    position_ = int(std::clamp<int64_t>(shown + int64_t(direction) * increment_, min_, max_));
    associate_->setText(QString::number(position_));
}

bool UpDownSpinner::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == associate_ && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent *>(event)->key();
        if (key == Qt::Key_Up || key == Qt::Key_Down) {
            Step(key == Qt::Key_Up ? +1 : -1);
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}
