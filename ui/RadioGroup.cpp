// A framed group of radio buttons read as an item index.
#include "RadioGroup.h"

#include <QButtonGroup>
#include <QRadioButton>
#include <QVBoxLayout>

RadioGroup::RadioGroup(const QString &caption, const QStringList &items, QWidget *parent)
    : QGroupBox(caption, parent), buttons_(new QButtonGroup(this))
{
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(4, 2, 4, 2);
    layout->setSpacing(2);
    for (int i = 0; i < items.size(); ++i) {
        auto *button = new QRadioButton(items[i], this);
        buttons_->addButton(button, i);
        layout->addWidget(button);
    }
    layout->addStretch();
    connect(buttons_, &QButtonGroup::idClicked, this, &RadioGroup::Clicked);
}

int RadioGroup::ItemIndex() const
{
    return buttons_->checkedId();
}

void RadioGroup::SetItemIndex(int index)
{
    if (QAbstractButton *button = buttons_->button(index)) {
        button->setChecked(true);
        return;
    }
    // An exclusive group keeps one button checked; let go of it to select none.
    buttons_->setExclusive(false);
    for (QAbstractButton *button : buttons_->buttons())
        button->setChecked(false);
    buttons_->setExclusive(true);
}

QRadioButton *RadioGroup::Item(int index) const
{
    return qobject_cast<QRadioButton *>(buttons_->button(index));
}

int RadioGroup::Count() const
{
    return int(buttons_->buttons().size());
}
