// A framed, captioned group of radio buttons in one column, read as an item index.
#pragma once

#include <QGroupBox>
#include <QStringList>

class QButtonGroup;
class QRadioButton;

class RadioGroup : public QGroupBox {
    Q_OBJECT

public:
    RadioGroup(const QString &caption, const QStringList &items, QWidget *parent = nullptr);

    // The selected item, 0 for the first; -1 when none is selected.
    int ItemIndex() const;
    // Selects an item without raising Clicked; -1 selects none.
    void SetItemIndex(int index);
    QRadioButton *Item(int index) const;
    int Count() const;

signals:
    // The user selected an item.
    void Clicked();

private:
    QButtonGroup *buttons_;
};
