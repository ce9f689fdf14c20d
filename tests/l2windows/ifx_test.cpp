// Interface extension table and its alias editor: the rows as served (the System interface
// without a link up/down trap setting), the alias written with the row's trap setting for
// the right ifIndex, the trap column left out where its cell holds no value, the alias
// rule, Close writing nothing, and the busy rules (a set refused during a walk, a double
// Refresh walking once).
#include <gtest/gtest.h>

#include <set>

#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTest>
#include <QTimer>

#include "classlib/dialogs.h"
#include "l2windows/ifxeditunit.h"
#include "l2windows/ifxtableunit.h"
#include "windowworld.h"

using namespace wintest;

namespace {

constexpr char Menu[] = "IFXTable1";
const std::string IfX = "1.3.6.1.2.1.31.1.1.1.";
constexpr int SystemRow = 66; // the 66 ports of the shipped chassis, then System (1025)

// Opens the editor on the selected row, lets edit() act on it once it is shown, and closes
// it when edit() left it open.
void RunEditor(TIfxForm& w, const std::function<void(TIfxEditForm&)>& edit)
{
    QTimer::singleShot(0, w.Editor, [&w, edit] {
        edit(*w.Editor);
        if (w.Editor->isVisible())
            w.Editor->btnClose->click();
    });
    w.btnEdit->click();
    ASSERT_TRUE(waitIdle(w));
}

void WriteAlias(TIfxForm& w, int row, const std::string& alias)
{
    selectRow(w.lvIfxInformation, row);
    RunEditor(w, [alias](TIfxEditForm& e) {
        e.edtAlias->setText(QString::fromStdString(alias));
        e.btnSetClick();
    });
}

TEST(IfxAlias, EmptyOrWithoutBlanks)
{
    const std::pair<const char*, bool> cases[] = {
        {"", true},       {"uplink-3", true}, {"a", true},     {"a b", false},
        {" lead", false}, {"trail ", false},  {"x\ty", false},
    };
    for (const auto& [alias, valid] : cases)
        EXPECT_EQ(IsValidAlias(alias), valid) << '"' << alias << '"';
}

TEST(IfxTable, WritesTheAliasWithTheRowsTrapSettingAndLeavesOutACellWithoutValue)
{
    ASSERT_TRUE(withWindow<TIfxForm>(Menu, [](TIfxForm& w) {
        EXPECT_EQ(w.ST_Count->text(), "67");
        EXPECT_FALSE(w.btnEdit->isEnabled());
        const auto index = columnTexts(w.lvIfxInformation, 0);
        ASSERT_EQ(index.size(), 67u);
        EXPECT_EQ(index[2], "3");
        EXPECT_EQ(index[24], "65"); // unit 2, port 1
        EXPECT_EQ(index[SystemRow], "1025");
        const auto trap = columnTexts(w.lvIfxInformation, TIfxForm::LinkUpDownTrapEnable);
        EXPECT_EQ(trap[0], "enabled");
        EXPECT_EQ(trap[2], "disabled");
        EXPECT_EQ(trap[SystemRow], "(NOTDONE)");
        EXPECT_EQ(columnTexts(w.lvIfxInformation, TIfxForm::ConnectorPresent)[0], "true");
        EXPECT_EQ(columnTexts(w.lvIfxInformation, TIfxForm::Alias)[SystemRow], "mgmt");
        snapshot(&w, "ifx");

        // Port 3: the alias and the trap setting as the row shows it, at ifIndex 3.
        selectRow(w.lvIfxInformation, 2);
        EXPECT_TRUE(w.btnEdit->isEnabled());
        clearLog();
        RunEditor(w, [](TIfxEditForm& e) {
            EXPECT_EQ(e.windowTitle().toStdString().rfind("Ifx Edit Table: ", 0), 0u);
            EXPECT_EQ(e.edtIfIndex->text(), "3");
            EXPECT_EQ(e.edtName->text(), "1:3");
            EXPECT_FALSE(e.edtIfIndex->isEnabled());
            EXPECT_FALSE(e.edtName->isEnabled());
            e.edtAlias->setText("uplink-3");
            snapshot(&e, "ifxedit");
            e.btnSetClick();
            EXPECT_FALSE(e.isVisible());
        });
        auto sets = logged("set");
        ASSERT_EQ(sets.size(), 1u);
        EXPECT_EQ(varbinds(sets[0]), (std::vector<std::string>{IfX + "14.3 INTEGER 2", IfX + "18.3 STRING uplink-3"}));
        EXPECT_FALSE(logged("getnext").empty()); // read again after the set
        EXPECT_EQ(columnTexts(w.lvIfxInformation, TIfxForm::Alias)[2], "uplink-3");
        EXPECT_EQ(columnTexts(w.lvIfxInformation, 0).size(), 67u);

        // System has no trap setting: the alias alone.
        clearLog();
        WriteAlias(w, SystemRow, "mgmt-1");
        sets = logged("set");
        ASSERT_EQ(sets.size(), 1u);
        EXPECT_EQ(varbinds(sets[0]), (std::vector<std::string>{IfX + "18.1025 STRING mgmt-1"}));
        EXPECT_EQ(columnTexts(w.lvIfxInformation, TIfxForm::Alias)[SystemRow], "mgmt-1");

        // The empty alias is written too; put both back.
        clearLog();
        WriteAlias(w, 2, "");
        WriteAlias(w, SystemRow, "mgmt");
        sets = logged("set");
        ASSERT_EQ(sets.size(), 2u);
        EXPECT_EQ(varbinds(sets[0]).back(), IfX + "18.3 STRING ");
        EXPECT_EQ(columnTexts(w.lvIfxInformation, TIfxForm::Alias)[2], "");
    }));
}

TEST(IfxTable, RefusesABlankAliasAndWritesNothingOnClose)
{
    ASSERT_TRUE(withWindow<TIfxForm>(Menu, [](TIfxForm& w) {
        selectRow(w.lvIfxInformation, 0);
        MessageRecorder boxes;
        clearLog();
        RunEditor(w, [](TIfxEditForm& e) {
            e.edtAlias->setText("core link");
            e.btnSetClick();
            EXPECT_TRUE(e.isVisible()); // stays open with the user's text
            EXPECT_EQ(e.edtAlias->text(), "core link");
            // Typing stops at 64 characters.
            e.edtAlias->clear();
            e.edtAlias->setFocus();
            QTest::keyClicks(e.edtAlias, QString(65, 'a'));
            EXPECT_EQ(e.edtAlias->text().size(), 64);
        });
        ASSERT_EQ(boxes.Shown.size(), 1u);
        EXPECT_EQ(boxes.Shown[0].text, "Alias is invalid.");
        EXPECT_TRUE(logged("set").empty());
        // Opened again on the same row, the editor shows the switch's alias, not the text
        // left unwritten.
        RunEditor(w, [](TIfxEditForm& e) { EXPECT_EQ(e.edtAlias->text(), ""); });
        selectRow(w.lvIfxInformation, SystemRow);
        RunEditor(w, [](TIfxEditForm& e) { EXPECT_EQ(e.edtAlias->text(), "mgmt"); });
        EXPECT_TRUE(logged("set").empty());
    }));
}

TEST(IfxTable, BusyRules)
{
    ASSERT_TRUE(withWindow<TIfxForm>(Menu, [](TIfxForm& w) {
        selectRow(w.lvIfxInformation, 0);
        MessageRecorder boxes;
        clearLog();
        wintest::sim().delay(10);
        // A fast double Refresh walks once: the rows are not doubled.
        w.btnRefresh->click();
        w.btnRefresh->click();
        EXPECT_FALSE(w.btnEdit->isEnabled());
        // The editor's Set during the walk: refused, the editor stays open.
        w.Editor->edtAlias->setText("x");
        w.Editor->btnSetClick();
        wintest::sim().delay(0);
        ASSERT_TRUE(waitIdle(w));
        ASSERT_EQ(boxes.Shown.size(), 1u);
        EXPECT_EQ(boxes.Shown[0].text, "Get data not complete");
        EXPECT_FALSE(w.Editor->WriteRequested);
        EXPECT_TRUE(logged("set").empty());
        const auto index = columnTexts(w.lvIfxInformation, 0);
        EXPECT_EQ(index.size(), 67u);
        EXPECT_EQ(std::set<std::string>(index.begin(), index.end()).size(), 67u);
        EXPECT_EQ(w.ST_Count->text(), "67");
        // One result line per walk in the memo.
        EXPECT_TRUE(w.Memo1->toPlainText().contains("Get: (VhSNMP++) Ok!"));
    }));
}

} // namespace
