// Event properties and Tag: which Qt signals fire which handler, focus exits, selection
// changes split per row, lifetime of handlers, and hooks given back in any order.
#include <QApplication>
#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QRadioButton>
#include <QTableWidget>
#include <QTest>
#include <QTreeWidget>
#include <QVBoxLayout>
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "classlib/events.h"

namespace {

// Records each call as "<name>" with the sender's object name.
struct Calls {
    std::vector<std::string> list;
    TNotifyEvent Notify(const std::string& name)
    {
        return [this, name](QObject* sender) { list.push_back(name + ":" + sender->objectName().toStdString()); };
    }
};

TEST(Events, OnChangeFiresOnEditChangesAndOnUserComboChoicesOnly)
{
    Calls calls;
    QLineEdit edit;
    edit.setObjectName("E");
    SetOnChange(&edit, calls.Notify("change"));
    edit.setText("a");
    edit.setText("a"); // same text: no change
    edit.clear();
    EXPECT_EQ(calls.list, (std::vector<std::string>{"change:E", "change:E"}));

    calls.list.clear();
    QComboBox combo;
    combo.setObjectName("C");
    combo.addItems({"x", "y", "z"});
    SetOnChange(&combo, calls.Notify("change"));
    combo.setCurrentIndex(2); // a program change
    EXPECT_TRUE(calls.list.empty());
    combo.setCurrentIndex(0);
    QTest::keyClick(&combo, Qt::Key_Down); // the user's choice
    EXPECT_EQ(combo.currentIndex(), 1);
    EXPECT_EQ(calls.list, (std::vector<std::string>{"change:C"}));
}

TEST(Events, OnClickFiresOnEveryCheckChange)
{
    Calls calls;
    QCheckBox check;
    check.setObjectName("K");
    SetOnClick(&check, calls.Notify("click"));
    check.setChecked(true);
    check.setChecked(true);
    check.setChecked(false);
    EXPECT_EQ(calls.list, (std::vector<std::string>{"click:K", "click:K"}));

    calls.list.clear();
    // The radio group: a group box holding its buttons' QButtonGroup.
    QGroupBox group;
    group.setObjectName("R");
    auto* buttons = new QButtonGroup(&group);
    auto* layout = new QVBoxLayout(&group);
    for (int i = 0; i < 3; ++i) {
        auto* radio = new QRadioButton(&group);
        buttons->addButton(radio, i);
        layout->addWidget(radio);
    }
    SetOnClick(&group, calls.Notify("click"));
    buttons->button(1)->setChecked(true);
    buttons->button(2)->setChecked(true); // one click per change, not one per button toggled
    buttons->setExclusive(false);
    buttons->button(2)->setChecked(false); // checking none is no click
    buttons->setExclusive(true);
    buttons->button(0)->click();
    EXPECT_EQ(calls.list, (std::vector<std::string>{"click:R", "click:R", "click:R"}));
}

// A shown, active window with three edits in tab order.
class FocusWindow : public ::testing::Test {
protected:
    void SetUp() override
    {
        auto* layout = new QVBoxLayout(&window);
        for (const char* name : {"A", "B", "C"}) {
            auto* edit = new QLineEdit(&window);
            edit->setObjectName(name);
            layout->addWidget(edit);
            edits.push_back(edit);
        }
        window.show();
        window.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
        edits[0]->setFocus();
        ASSERT_EQ(QApplication::focusWidget(), edits[0]);
    }

    QWidget window;
    std::vector<QLineEdit*> edits;
    Calls calls;
};

TEST_F(FocusWindow, OnExitFiresWhenTheFocusLeaves)
{
    SetOnExit(edits[0], calls.Notify("exit"));
    SetOnExit(edits[1], calls.Notify("exit"));
    QTest::keyClick(edits[0], Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), edits[1]);
    edits[2]->setFocus();
    EXPECT_EQ(calls.list, (std::vector<std::string>{"exit:A", "exit:B"}));
}

TEST_F(FocusWindow, FocusTakenBackInAnExitHandlerIsNoExitOfTheOtherControl)
{
    SetOnExit(edits[0], [&](QObject* sender) {
        calls.list.push_back("exit:A");
        static_cast<QWidget*>(sender)->setFocus();
    });
    SetOnExit(edits[1], calls.Notify("exit"));
    QTest::keyClick(edits[0], Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), edits[0]);
    EXPECT_EQ(calls.list, (std::vector<std::string>{"exit:A"}));
    EXPECT_TRUE(edits[0]->hasFocus());
}

TEST_F(FocusWindow, DeletingTheFocusedControlIsNoExit)
{
    auto alive = std::make_shared<int>(0);
    SetOnExit(edits[0], [&calls = calls, alive](QObject*) { calls.list.push_back("exit"); });
    EXPECT_EQ(alive.use_count(), 2);
    delete edits[0];
    EXPECT_TRUE(calls.list.empty());
    EXPECT_EQ(alive.use_count(), 1); // the handler died with the control
}

TEST_F(FocusWindow, OnKeyDownSeesKeysAndMaySwallowThem)
{
    std::vector<int> keys;
    SetOnKeyDown(edits[0], [&](QObject*, int& key, Qt::KeyboardModifiers) {
        keys.push_back(key);
        if (key == Qt::Key_X)
            key = 0;
    });
    QTest::keyClicks(edits[0], "axb");
    EXPECT_EQ(edits[0]->text(), "ab");
    EXPECT_EQ(keys, (std::vector<int>{Qt::Key_A, Qt::Key_X, Qt::Key_B}));
}

TEST(Events, OnSelectItemGivesOneCallPerRowDeselectionsFirst)
{
    std::vector<std::pair<int, bool>> calls;
    const TLVSelectItemEvent record = [&](QObject*, int item, bool selected) { calls.emplace_back(item, selected); };
    using Calls = std::vector<std::pair<int, bool>>;

    QTreeWidget tree;
    tree.setColumnCount(3);
    for (int i = 0; i < 3; ++i)
        tree.addTopLevelItem(new QTreeWidgetItem(QStringList{"a", "b", "c"}));
    tree.setCurrentItem(tree.topLevelItem(2)); // selected before the handler exists
    SetOnSelectItem(&tree, record);
    tree.setCurrentItem(tree.topLevelItem(0));
    EXPECT_EQ(calls, (Calls{{2, false}, {0, true}}));
    calls.clear();
    tree.clearSelection();
    EXPECT_EQ(calls, (Calls{{0, false}}));

    calls.clear();
    QTableWidget table(3, 4);
    table.setSelectionBehavior(QAbstractItemView::SelectRows);
    table.setSelectionMode(QAbstractItemView::SingleSelection);
    SetOnSelectItem(&table, record);
    table.selectRow(1);
    table.selectRow(2);
    table.removeRow(2); // the selected row goes, and the table selects the new current row
    table.selectRow(0);
    EXPECT_EQ(calls, (Calls{{1, true}, {1, false}, {2, true}, {2, false}, {1, true}, {1, false}, {0, true}}));
}

TEST_F(FocusWindow, MaxLengthLimitsTypingButNeverCutsTheProgramsText)
{
    QLineEdit* edit = edits[0];
    SetMaxLength(edit, 3);
    EXPECT_EQ(GetMaxLength(edit), 3);
    QTest::keyClicks(edit, "abcd");
    EXPECT_EQ(edit->text(), "abc");
    edit->setText("(NOTDONE)");
    EXPECT_EQ(edit->text(), "(NOTDONE)");
    edit->selectAll();
    QTest::keyClicks(edit, "12345");
    EXPECT_EQ(edit->text(), "123");
    SetMaxLength(edit, 0);
    EXPECT_EQ(GetMaxLength(edit), 0);
    QTest::keyClicks(edit, "45");
    EXPECT_EQ(edit->text(), "12345");
}

TEST(Events, TagIsAnIntegerPropertyOfEveryComponent)
{
    QObject object;
    QLineEdit edit;
    EXPECT_EQ(GetTag(&object), 0);
    SetTag(&object, -1);
    SetTag(&edit, 7);
    EXPECT_EQ(GetTag(&object), -1);
    EXPECT_EQ(GetTag(&edit), 7);
}

// An owner that takes over a control's change handler, as the library's bindings do.
struct Taker {
    Taker(QWidget* control, std::string name, Calls& calls)
        : hook(control, GetOnChange, SetOnChange, [this, name, &calls](QObject* sender) {
              calls.list.push_back(name);
              hook.CallSaved(sender);
          })
    {
    }
    TNotifyHook hook;
};

TEST(Events, HooksCallTheKeptHandlerAndGiveItBackInAnyOrder)
{
    Calls calls;
    QLineEdit edit;
    edit.setObjectName("E");
    SetOnChange(&edit, calls.Notify("window"));

    auto first = std::make_unique<Taker>(&edit, "first", calls);
    auto second = std::make_unique<Taker>(&edit, "second", calls);
    edit.setText("1");
    EXPECT_EQ(calls.list, (std::vector<std::string>{"second", "first", "window:E"}));

    calls.list.clear();
    first.reset(); // not on top: its handler turns into a forward
    edit.setText("2");
    EXPECT_EQ(calls.list, (std::vector<std::string>{"second", "window:E"}));

    calls.list.clear();
    second.reset();
    edit.setText("3");
    EXPECT_EQ(calls.list, (std::vector<std::string>{"window:E"}));

    calls.list.clear();
    Taker only(&edit, "only", calls);
    only.hook.Release();
    edit.setText("4");
    EXPECT_EQ(calls.list, (std::vector<std::string>{"window:E"}));
}

TEST(Events, AHookOutlivingItsControlReleasesSafely)
{
    Calls calls;
    auto edit = std::make_unique<QLineEdit>();
    Taker taker(edit.get(), "taker", calls);
    edit.reset();
    taker.hook.Release();
    EXPECT_FALSE(taker.hook.Active());
}

} // namespace
