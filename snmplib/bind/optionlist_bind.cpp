// The widget side of VhOptionList: filling and selecting in combo boxes and radio groups.
#include <QComboBox>

#include "classlib/radiogroup.h"
#include "platform/sysutils.h"
#include "snmplib/optionlist.h"

namespace {

QStringList Labels(const VhOptionList& list)
{
    QStringList labels;
    for (int i = 0; i < list.Count(); ++i)
        labels << toQt(list.ItemAt(i)->Text);
    return labels;
}

} // namespace

void VhOptionList::FillComboBox(QComboBox* comboBox) const
{
    comboBox->clear();
    comboBox->addItems(Labels(*this));
}

void VhOptionList::FillRadioGroup(TRadioGroup* radioGroup) const { radioGroup->SetItems(Labels(*this)); }

void VhOptionList::SelectInComboBox(QComboBox* comboBox, const std::string& text) const
{
    comboBox->setCurrentIndex(IndexOfText(text));
    if (comboBox->currentIndex() < 0)
        comboBox->setCurrentIndex(IndexOfValue(text));
}

void VhOptionList::SelectInRadioGroup(TRadioGroup* radioGroup, const std::string& text) const
{
    radioGroup->SetItemIndex(IndexOfText(text));
    if (radioGroup->ItemIndex() < 0)
        radioGroup->SetItemIndex(IndexOfValue(text));
}
