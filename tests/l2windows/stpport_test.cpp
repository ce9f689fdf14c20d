// Spanning tree port table and its editor: the rows as served, Edit following the selection,
// the editor writing the selected port's writable columns through the table's request, and
// a set refused while the table is walked.
#include <gtest/gtest.h>

#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTimer>

#include "classlib/dialogs.h"
#include "l2windows/stpportunit.h"
#include "windowworld.h"

using namespace wintest;

namespace {

TEST(StpPortTable, EditsTheSelectedPortThroughTheTablesRequest)
{
    ASSERT_TRUE(withFactory<TSTPPortForm>("TSTPPortForm", [](TSTPPortForm& w) {
        EXPECT_EQ(w.windowTitle(), "Spanning Tree Port Table: 127.0.0.1");
        EXPECT_FALSE(w.EditButton->isEnabled());
        const auto ports = columnTexts(w.ListView1, 0);
        ASSERT_GT(ports.size(), 10u);
        EXPECT_EQ(ports[0], "1");
        EXPECT_EQ(columnTexts(w.ListView1, 7)[0], "forwarding");
        selectRow(w.ListView1, 1);
        EXPECT_TRUE(w.EditButton->isEnabled());
        EXPECT_EQ(w.Editor->PortIndex->text(), "2");
        EXPECT_EQ(w.Editor->PathCost->text(), "20000");
        snapshot(&w, "stpport");

        clearLog();
        QTimer::singleShot(0, w.Editor, [&w] {
            EXPECT_FALSE(w.Editor->PortIndex->isEnabled());
            w.Editor->PathCost->setText("30000");
            w.Editor->ComboBoxEdge->setCurrentIndex(w.Editor->ComboBoxEdge->findText("true"));
            snapshot(w.Editor, "stpportedit");
            w.Editor->SetButton->click();
            ASSERT_TRUE(waitIdle(w));
            w.Editor->CloseButton->click();
        });
        w.EditButton->click();
        ASSERT_TRUE(waitIdle(w));
        const auto sets = logged("set");
        ASSERT_EQ(sets.size(), 1u);
        EXPECT_EQ(varbinds(sets.front()), (std::vector<std::string>{
                                              "1.3.6.1.2.1.17.2.15.1.4.2 INTEGER 1",
                                              "1.3.6.1.4.1.32473.11.78.1.2.16.4.1.6.2 INTEGER 30000",
                                              "1.3.6.1.2.1.17.2.15.1.2.2 INTEGER 128",
                                              "1.3.6.1.2.1.17.2.19.1.2.2 INTEGER 1",
                                              "1.3.6.1.2.1.17.2.19.1.4.2 INTEGER 2",
                                              "1.3.6.1.2.1.17.2.19.1.1.2 INTEGER 2",
                                          }));
        EXPECT_FALSE(logged("getnext").empty()); // the table read again after the set
        EXPECT_EQ(columnTexts(w.ListView1, 3)[1], "30000");
        EXPECT_FALSE(w.EditButton->isEnabled());
    }));
}

// "%u" edits on INTEGER columns: what the column's type cannot carry is refused before
// sending, naming the field (3000000000 once went out as -1294967296); its largest value
// goes out exactly.
TEST(StpPortTable, NumbersBeyondTheColumnsTypeAreRefusedBeforeSending)
{
    ASSERT_TRUE(withFactory<TSTPPortForm>("TSTPPortForm", [](TSTPPortForm& w) {
        selectRow(w.ListView1, 1);
        MessageRecorder boxes;
        std::vector<std::vector<std::string>> sent;
        QTimer::singleShot(0, w.Editor, [&] {
            for (const char* cost : {"3000000000", "2147483648", "2147483647"}) {
                w.Editor->PathCost->setText(cost);
                clearLog();
                w.Editor->SetButton->click();
                ASSERT_TRUE(waitIdle(w));
                const auto sets = logged("set");
                sent.push_back(sets.empty() ? std::vector<std::string>{} : varbinds(sets[0]));
                selectRow(w.ListView1, 1);
            }
            w.Editor->CloseButton->click();
        });
        w.EditButton->click();
        ASSERT_TRUE(waitIdle(w));
        ASSERT_EQ(sent.size(), 3u);
        EXPECT_TRUE(sent[0].empty());
        EXPECT_TRUE(sent[1].empty());
        EXPECT_NE(std::find(sent[2].begin(), sent[2].end(),
                            "1.3.6.1.4.1.32473.11.78.1.2.16.4.1.6.2 INTEGER 2147483647"),
                  sent[2].end());
        EXPECT_EQ(boxTexts(boxes), (std::vector<std::string>(2, "PathCost: Please enter a number between 0 and 2147483647!")));
    }));
    wintest::sim().setValue("1.3.6.1.4.1.32473.11.78.1.2.16.4.1.6.2", "INTEGER", "20000");
}

TEST(StpPortTable, TheEditorRefusesASetWhileTheTableIsWalked)
{
    ASSERT_TRUE(withFactory<TSTPPortForm>("TSTPPortForm", [](TSTPPortForm& w) {
        selectRow(w.ListView1, 0);
        MessageRecorder boxes;
        clearLog();
        wintest::sim().delay(20);
        w.RefreshButton->click();
        w.Editor->SetButton->click();
        w.StopButton->click();
        wintest::sim().delay(0);
        ASSERT_TRUE(waitIdle(w));
        ASSERT_EQ(boxes.Shown.size(), 1u);
        EXPECT_EQ(boxes.Shown.front().text, "Get data not complete");
        EXPECT_TRUE(logged("set").empty());
        EXPECT_GT(w.ListView1->topLevelItemCount(), 0); // the rows read before Stop stay
    }));
}

} // namespace
