#include "classlib/radiogroup.h"

#include <QRadioButton>
#include <QVBoxLayout>

TRadioGroup::TRadioGroup(QWidget* parent)
    : QGroupBox(parent), ButtonGroup(new QButtonGroup(this)), Layout(new QVBoxLayout(this))
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
    Layout->addWidget(button);
}

void TRadioGroup::ClearItems()
{
    for (QAbstractButton* button : ButtonGroup->buttons()) {
        ButtonGroup->removeButton(button);
        delete button;
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
