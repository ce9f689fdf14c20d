#include <QComboBox>
#include <QRadioButton>
#include <gtest/gtest.h>

#include "classlib/radiogroup.h"
#include "snmplib/optionlist.h"

namespace {

constexpr VhOptionPair LevelPairs[] = {{1, "noAuthNoPriv"}, {2, "authNoPriv"}, {3, "authPriv"}, {0, nullptr}};
const VhOptionList LevelList(LevelPairs, OVT_INTEGER, false);

constexpr VhOptionPair OtherPairs[] = {{1, "yes"}, {2, "no"}, {0, nullptr}};
const VhOptionList OtherList(OtherPairs, OVT_INTEGER, false);

TEST(OptionListBind, ComboBoxFillAndSelect)
{
    QComboBox combo;
    combo.addItems({"stale 1", "stale 2", "stale 3", "stale 4"});
    LevelList.FillComboBox(&combo);
    ASSERT_EQ(combo.count(), 3);
    EXPECT_EQ(combo.itemText(0), "noAuthNoPriv");
    EXPECT_EQ(combo.itemText(2), "authPriv");

    const std::pair<const char*, int> cases[] = {
        {"AUTHPRIV", 2}, // by label, any case
        {"2", 1},        // by value
        {"7", -1},       // a value in no option selects nothing
        {"(NULL)", -1},
        {"noAuthNoPriv", 0},
        {"", -1},
    };
    for (const auto& [text, index] : cases) {
        LevelList.SelectInComboBox(&combo, text);
        EXPECT_EQ(combo.currentIndex(), index) << text;
    }

    OtherList.FillComboBox(&combo); // refilled from a shorter list
    EXPECT_EQ(combo.count(), 2);
    LevelList.SelectInComboBox(&combo, "authPriv"); // option 2 is past the control's items
    EXPECT_EQ(combo.currentIndex(), -1);
}

TEST(OptionListBind, RadioGroupFillAndSelect)
{
    TRadioGroup group;
    group.SetItems({"a", "b", "c", "d", "e"});
    group.SetItemIndex(4);
    LevelList.FillRadioGroup(&group);
    EXPECT_EQ(group.Items(), (QStringList{"noAuthNoPriv", "authNoPriv", "authPriv"}));
    EXPECT_EQ(group.findChildren<QRadioButton*>().size(), 3);
    EXPECT_EQ(group.ItemIndex(), -1);

    const std::pair<const char*, int> cases[] = {
        {"authnopriv", 1}, {"3", 2}, {"9", -1}, {"noAuthNoPriv", 0}, {"junk", -1},
    };
    for (const auto& [text, index] : cases) {
        LevelList.SelectInRadioGroup(&group, text);
        EXPECT_EQ(group.ItemIndex(), index) << text;
        int checked = 0;
        for (QRadioButton* b : group.findChildren<QRadioButton*>())
            checked += b->isChecked();
        EXPECT_EQ(checked, index < 0 ? 0 : 1) << text;
    }

    OtherList.FillRadioGroup(&group);
    LevelList.SelectInRadioGroup(&group, "authPriv");
    EXPECT_EQ(group.ItemIndex(), -1);
}

} // namespace
