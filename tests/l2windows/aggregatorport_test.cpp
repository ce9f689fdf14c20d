// Aggregator port table: every port's LACP row, the state octets decoded bit by bit onto
// the four pages (0x88 is lacpActivity and collecting), the boxes cleared by Refresh until
// a row is selected again, and a Refresh during a walk ignored.
#include <gtest/gtest.h>

#include <set>

#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <QTabWidget>
#include <QTreeWidget>

#include "l2windows/aggregatorporttableformunit.h"
#include "windowworld.h"

using namespace wintest;

namespace {

constexpr char Menu[] = "AggreatorPortTable1";
const std::string FirstColumn = "1.3.6.1.4.1.32473.11.78.1.2.3.1.1.2";

// The captions of a page's ticked boxes.
std::vector<std::string> Ticked(const TAggregatorPortTableForm& w, int column)
{
    std::vector<std::string> out;
    for (const QCheckBox* box : w.StateBoxes(column))
        if (box->isChecked())
            out.push_back(box->text().toStdString());
    return out;
}

bool NoneTicked(const TAggregatorPortTableForm& w)
{
    for (int column = TAggregatorPortTableForm::ActorAdminState; column <= TAggregatorPortTableForm::PartnerOperState;
         ++column)
        if (!Ticked(w, column).empty())
            return false;
    return true;
}

TEST(AggregatorPortTable, DecodesTheLacpStatesBitByBit)
{
    ASSERT_TRUE(withWindow<TAggregatorPortTableForm>(Menu, [](TAggregatorPortTableForm& w) {
        EXPECT_TRUE(w.windowTitle().startsWith("Aggregator Port Table: "));
        EXPECT_TRUE(w.Done);
        const auto ports = columnTexts(w.ListView1, 0);
        ASSERT_EQ(ports.size(), 66u);
        EXPECT_EQ(ports[24], "65");
        EXPECT_EQ(columnTexts(w.ListView1, 1)[24], "2:1");
        EXPECT_EQ(columnTexts(w.ListView1, TAggregatorPortTableForm::ActorOperState)[24], "88");
        EXPECT_EQ(columnTexts(w.ListView1, TAggregatorPortTableForm::AggregateOrIndividual)[24], "true");
        EXPECT_EQ(columnTexts(w.ListView1, TAggregatorPortTableForm::AggregateOrIndividual)[25], "false");
        EXPECT_EQ(w.StaticText1->text(), "66");
        EXPECT_TRUE(NoneTicked(w));
        EXPECT_TRUE(w.CheckBox9->isEnabled());

        selectRow(w.ListView1, 24);
        using V = std::vector<std::string>;
        EXPECT_EQ(Ticked(w, TAggregatorPortTableForm::ActorAdminState), (V{"lacpActivity", "lacpTimeout"}));
        EXPECT_EQ(Ticked(w, TAggregatorPortTableForm::ActorOperState), (V{"lacpActivity", "collecting"}));
        EXPECT_EQ(Ticked(w, TAggregatorPortTableForm::PartnerAdminState), (V{"expired"}));
        EXPECT_EQ(Ticked(w, TAggregatorPortTableForm::PartnerOperState),
                  (V{"aggregation", "synchronisation", "collecting", "distributing"}));
        w.PageControl1->setCurrentIndex(1);
        snapshot(&w, "aggregatorport");

        // Refresh clears every box; they stay clear until a row is selected again.
        w.GetBtn->click();
        EXPECT_TRUE(NoneTicked(w));
        ASSERT_TRUE(waitIdle(w));
        EXPECT_TRUE(NoneTicked(w));
        selectRow(w.ListView1, 0);
        EXPECT_EQ(Ticked(w, TAggregatorPortTableForm::ActorOperState), (V{"lacpActivity", "collecting"}));
    }));
}

TEST(AggregatorPortTable, RefreshDuringAWalkIsIgnored)
{
    ASSERT_TRUE(withWindow<TAggregatorPortTableForm>(Menu, [](TAggregatorPortTableForm& w) {
        clearLog();
        wintest::sim().delay(10);
        w.GetBtn->click();
        EXPECT_FALSE(w.Done);
        w.GetBtn->click();
        wintest::sim().delay(0);
        ASSERT_TRUE(waitIdle(w));
        EXPECT_TRUE(w.Done);
        int walks = 0;
        for (const auto& pdu : logged("getnext"))
            walks += !pdu.varbinds.empty() && pdu.varbinds.front().oid == FirstColumn;
        EXPECT_EQ(walks, 1);
        const auto ports = columnTexts(w.ListView1, 0);
        EXPECT_EQ(ports.size(), 66u);
        EXPECT_EQ(std::set<std::string>(ports.begin(), ports.end()).size(), 66u);
    }));
}

} // namespace
