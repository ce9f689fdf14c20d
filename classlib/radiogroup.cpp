#include "classlib/radiogroup.h"

#include <algorithm>

#include <QGridLayout>
#include <QRadioButton>

TRadioGroup::TRadioGroup(QWidget* parent)
    : QGroupBox(parent), ButtonGroup(new QButtonGroup(this)), Layout(new QGridLayout(this))
{
}

QStringList TRadioGroup::Items() const
{
    QStringList items;
    const int count = static_cast<int>(ButtonGroup->buttons().size());
    for (int i = 0; i < count; ++i)
        items << ButtonGroup->button(i)->text();
    return items;
}

void TRadioGroup::SetItems(const QStringList& items)
{
    ClearItems();
    for (const QString& text : items)
        AddItem(text);
}

void TRadioGroup::AddItem(const QString& text)
{
    auto* button = new QRadioButton(text, this);
    ButtonGroup->addButton(button, static_cast<int>(ButtonGroup->buttons().size()));
    PlaceButtons();
}

void TRadioGroup::ClearItems()
{
    for (QAbstractButton* button : ButtonGroup->buttons()) {
        ButtonGroup->removeButton(button);
        delete button;
    }
}

void TRadioGroup::SetColumns(int columns)
{
    ColumnCount = columns < 1 ? 1 : columns;
    PlaceButtons();
}

void TRadioGroup::PlaceButtons()
{
    const int count = static_cast<int>(ButtonGroup->buttons().size());
    const int rows = (count + ColumnCount - 1) / ColumnCount;
    // Columns of one width, as many as asked.
    for (int c = 0; c < std::max(ColumnCount, Layout->columnCount()); ++c)
        Layout->setColumnStretch(c, c < ColumnCount ? 1 : 0);
    for (int i = 0; i < count; ++i) {
        QAbstractButton* button = ButtonGroup->button(i);
        Layout->removeWidget(button);
        Layout->addWidget(button, i % rows, i / rows);
    }
}

int TRadioGroup::ItemIndex() const { return ButtonGroup->checkedId(); }

void TRadioGroup::SetItemIndex(int index)
{
    if (QAbstractButton* button = ButtonGroup->button(index)) {
        button->setChecked(true);
        return;
    }
    // An exclusive group refuses to uncheck its checked button.
    if (QAbstractButton* checked = ButtonGroup->checkedButton()) {
        ButtonGroup->setExclusive(false);
        checked->setChecked(false);
        ButtonGroup->setExclusive(true);
    }
}
