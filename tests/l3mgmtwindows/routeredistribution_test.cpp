// Route redistribution window: the metric bounds per destination protocol, the Type
// buttons that each protocol pair allows, a set of the highlighted row (with "other" the
// type is not written), adding a row with createAndGo and deleting the highlighted one
// with its status alone, and the refusals before anything is sent.
#include <gtest/gtest.h>

#include <QRadioButton>
#include <QTreeWidget>

#include "classlib/dialogs.h"
#include "l3mgmtwindows/routeredistributformunit.h"
#include "windowworld.h"

using namespace wintest;

namespace {

const std::string Entry = "1.3.6.1.4.1.32473.11.78.1.3.5.1";
constexpr char Menu[] = "RouteRedistributionTable1";

int RowOf(TRouteRedistributForm& w, const std::string& source, const std::string& destination)
{
    return wintest::rowWithKeys(w.ListView1, {source, destination});
}

// The captions of the enabled Type buttons.
std::vector<std::string> EnabledTypes(TRouteRedistributForm& w)
{
    std::vector<std::string> names;
    for (int n = 1; n <= 10; ++n)
        if (w.TypeButton(n)->isEnabled())
            names.push_back(w.TypeButton(n)->text().toStdString());
    return names;
}

void Choose(QComboBox* box, const std::string& label)
{
    const int index = box->findText(QString::fromStdString(label));
    ASSERT_GE(index, 0) << label;
    box->setCurrentIndex(index);
    emit box->activated(index); // as the user's choice
}

TEST(RouteRedistributionRules, MetricBoundsFollowTheDestination)
{
    const std::tuple<const char*, long long, const char*> cases[] = {
        {"rip", 0, ""},
        {"rip", 16, ""},
        {"rip", 17, "Metric out of Bound [0..16]"},
        {"rip", -1, "Metric out of Bound [0..16]"},
        {"ospf", 16777214, ""},
        {"ospf", 16777215, "Metric out of Bound [0..16777214]"},
        {"ospf", -1, "Metric out of Bound [0..16777214]"},
    };
    for (const auto& [destination, metric, refusal] : cases)
        EXPECT_EQ(RedistributionMetricRefusal(destination, metric), refusal) << destination << " " << metric;
}

TEST(RouteRedistributionWindow, TheProtocolPairChoosesTheTypeButtonsAndSetWritesTheHighlightedRow)
{
    ASSERT_TRUE(withWindow<TRouteRedistributForm>(Menu, [](TRouteRedistributForm& w) {
        EXPECT_EQ(columnTexts(w.ListView1, 0).size(), 4u);
        EXPECT_FALSE(w.EditBtn->isEnabled());
        EXPECT_FALSE(w.DeleteBtn->isEnabled());

        selectRow(w.ListView1, RowOf(w, "static", "rip"));
        EXPECT_EQ(EnabledTypes(w), (std::vector<std::string>{"all"}));
        EXPECT_EQ(w.Label5->text(), "[0..16]");
        EXPECT_TRUE(w.TypeButton(2)->isChecked());
        EXPECT_FALSE(w.ComboBox1->isEnabled()) << "the keys are the highlighted row's";

        selectRow(w.ListView1, RowOf(w, "rip", "ospf"));
        EXPECT_EQ(EnabledTypes(w), (std::vector<std::string>{"type-1", "type-2"}));
        EXPECT_EQ(w.Label5->text(), "[0..16777214]");
        EXPECT_TRUE(w.TypeButton(8)->isChecked());

        selectRow(w.ListView1, RowOf(w, "ospf", "rip"));
        EXPECT_EQ(EnabledTypes(w), (std::vector<std::string>{"other", "all", "internal", "external", "extType1",
                                                             "extType2", "inter-E1", "inter-E2"}));
        EXPECT_TRUE(w.EditBtn->isEnabled());
        snapshot(&w, "routeredistribution");

        MessageRecorder boxes;
        clearLog();
        w.TypeButton(3)->setChecked(true); // internal
        w.Edit1->setText("16");
        w.EditBtn->click();
        ASSERT_TRUE(waitIdle(w));
        ASSERT_EQ(logged("set").size(), 1u);
        EXPECT_EQ(varbinds(logged("set")[0]),
                  (std::vector<std::string>{Entry + ".3.3.2 INTEGER 1", Entry + ".4.3.2 INTEGER 16",
                                            Entry + ".5.3.2 INTEGER 1"}));

        // "other" chooses no type: the type is left as the switch has it.
        selectRow(w.ListView1, RowOf(w, "ospf", "rip"));
        EXPECT_EQ(columnTexts(w.ListView1, 2)[static_cast<std::size_t>(RowOf(w, "ospf", "rip"))], "internal");
        clearLog();
        w.TypeButton(1)->setChecked(true);
        EXPECT_EQ(w.ComboBox3->currentIndex(), -1);
        w.Edit1->setText("5");
        w.EditBtn->click();
        ASSERT_TRUE(waitIdle(w));
        ASSERT_EQ(logged("set").size(), 1u);
        EXPECT_EQ(varbinds(logged("set")[0]),
                  (std::vector<std::string>{Entry + ".4.3.2 INTEGER 5", Entry + ".5.3.2 INTEGER 1"}));

        // Put the type back.
        selectRow(w.ListView1, RowOf(w, "ospf", "rip"));
        w.TypeButton(2)->setChecked(true);
        w.EditBtn->click();
        ASSERT_TRUE(waitIdle(w));
        EXPECT_TRUE(boxes.Shown.empty());
    }));
}

TEST(RouteRedistributionWindow, AddsARowAndDeletesTheHighlightedOneWithItsStatusAlone)
{
    ASSERT_TRUE(withWindow<TRouteRedistributForm>(Menu, [](TRouteRedistributForm& w) {
        MessageRecorder boxes;
        selectRow(w.ListView1, 0);
        selectRow(w.ListView1, -1);
        EXPECT_TRUE(w.ComboBox1->isEnabled());
        EXPECT_FALSE(w.EditBtn->isEnabled());
        Choose(w.ComboBox1, "static");
        Choose(w.ComboBox2, "ospf");
        EXPECT_EQ(EnabledTypes(w), (std::vector<std::string>{"type-1", "type-2"}));
        w.TypeButton(8)->setChecked(true);
        w.Edit1->setText("7");
        clearLog();
        w.AddBtn->click();
        ASSERT_TRUE(waitIdle(w));
        EXPECT_TRUE(boxes.Shown.empty());
        ASSERT_EQ(logged("set").size(), 1u);
        EXPECT_EQ(varbinds(logged("set")[0]),
                  (std::vector<std::string>{Entry + ".3.4.3 INTEGER 6", Entry + ".4.4.3 INTEGER 7",
                                            Entry + ".5.4.3 INTEGER 4"}));
        const int added = RowOf(w, "static", "ospf");
        ASSERT_GE(added, 0);
        EXPECT_EQ(columnTexts(w.ListView1, 4)[static_cast<std::size_t>(added)], "active");

        // Delete hits the highlighted row, whatever the key boxes show.
        selectRow(w.ListView1, added);
        w.ComboBox1->setCurrentIndex(w.ComboBox1->findText("ospf"));
        w.ComboBox2->setCurrentIndex(w.ComboBox2->findText("rip"));
        clearLog();
        w.DeleteBtn->click();
        ASSERT_TRUE(waitIdle(w));
        ASSERT_EQ(logged("set").size(), 1u);
        EXPECT_EQ(varbinds(logged("set")[0]), (std::vector<std::string>{Entry + ".5.4.3 INTEGER 6"}));
        EXPECT_EQ(RowOf(w, "static", "ospf"), -1);
        EXPECT_GE(RowOf(w, "ospf", "rip"), 0);
        EXPECT_EQ(columnTexts(w.ListView1, 0).size(), 4u);
        EXPECT_TRUE(boxes.Shown.empty());
    }));
}

TEST(RouteRedistributionWindow, RefusesBeforeSendingAndWhileBusy)
{
    ASSERT_TRUE(withWindow<TRouteRedistributForm>(Menu, [](TRouteRedistributForm& w) {
        struct Case {
            const char* source;
            const char* destination;
            const char* metric;
            const char* message;
        };
        const Case cases[] = {
            {"static", "", "1", "Please set destination protocol."},
            {"", "rip", "1", "Please set source protocol."},
            {"static", "rip", "", "Please set metric value."},
            {"static", "rip", "17", "Metric out of Bound [0..16]"},
            {"static", "ospf", "16777215", "Metric out of Bound [0..16777214]"},
            {"ospf", "ospf", "5", "You should not choose the same protocol for source and destination."},
            {"static", "rip", "-", "'-' is not a valid integer value"}, // a lone minus sign is no number
        };
        MessageRecorder boxes;
        clearLog();
        for (const Case& c : cases) {
            boxes.Shown.clear();
            w.ComboBox1->setCurrentIndex(w.ComboBox1->findText(c.source));
            w.ComboBox2->setCurrentIndex(w.ComboBox2->findText(c.destination));
            w.Edit1->setText(c.metric);
            w.AddBtn->click();
            EXPECT_EQ(boxTexts(boxes), (std::vector<std::string>{c.message})) << c.source << ">" << c.destination;
        }
        // Refusals are no results of a read: no "Get:" line.
        EXPECT_EQ(w.Memo1->toPlainText().toStdString().find("valid integer"), std::string::npos);
        EXPECT_TRUE(logged("set").empty());

        // A highlighted row exists: Add is not usable for it.
        selectRow(w.ListView1, RowOf(w, "ospf", "rip"));
        EXPECT_FALSE(w.AddBtn->isEnabled());
        w.Edit1->setText("5");
        boxes.Shown.clear();
        w.RunHandler([&w] { w.AddBtnClick(); });
        ASSERT_TRUE(waitIdle(w));
        EXPECT_TRUE(logged("set").empty());
        selectRow(w.ListView1, -1);
        EXPECT_TRUE(w.AddBtn->isEnabled());

        // While a read runs: Refresh is ignored, Delete refuses and leaves the words alone.
        selectRow(w.ListView1, 0);
        w.RefreshBtn->click();
        ASSERT_FALSE(w.Request->IsIdle());
        const int reads = w.Request->ReadCount;
        w.RunHandler([&w] { w.RefreshBtnClick(); });
        EXPECT_EQ(w.Request->ReadCount, reads);
        const TAccessWords before(w.Request->Request.VarList);
        boxes.Shown.clear();
        w.RunHandler([&w] { w.DeleteBtnClick(); });
        EXPECT_EQ(boxTexts(boxes), (std::vector<std::string>{"Get data not complete"}));
        const TAccessWords after(w.Request->Request.VarList);
        for (int column = 0; column < 5; ++column)
            EXPECT_EQ(after.At(column), before.At(column));
        ASSERT_TRUE(waitIdle(w));
        EXPECT_TRUE(logged("set").empty());
    }));
}

} // namespace
