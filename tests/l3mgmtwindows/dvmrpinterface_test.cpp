// DVMRP interface window and its editor: the probe and time-out rule (no empty value is
// written as 0), the edit's one set of local address, metric, probe, time-out and state
// for the selected interface, and Edit without a row opening nothing.
#include <gtest/gtest.h>

#include <QTimer>
#include <QTreeWidget>

#include "classlib/dialogs.h"
#include "l3mgmtwindows/dvmrpinterfaceedit.h"
#include "l3mgmtwindows/dvmrpinterfaceunit.h"
#include "windowworld.h"

using namespace wintest;

namespace {

const std::string Entry = "1.3.6.1.4.1.32473.11.78.1.3.9.1";
constexpr char Menu[] = "DVMRPInterface1";

struct Entries {
    const char* metric;
    const char* probe;
    const char* timeout;
    int state; // combo item
};

// Edits the selected interface: the editor is filled and Set pressed once it shows; an
// editor still open afterwards (a refused rule) is closed without writing. False when no
// editor opened.
bool RunEditor(TDvmrpInterfaceForm& w, const Entries& in, const std::string& picture = {})
{
    bool opened = false;
    auto* poll = new QTimer(&w);
    poll->setInterval(1);
    QObject::connect(poll, &QTimer::timeout, &w, [&w, in, poll, picture, &opened] {
        TDvrmpInterfaceEditForm& e = *w.Editor;
        if (!e.isVisible())
            return;
        poll->stop();
        poll->deleteLater();
        opened = true;
        e.MetricEdit->setText(in.metric);
        e.ProbeEdit->setText(in.probe);
        e.TimeoutEdit->setText(in.timeout);
        e.StateComboBox->setCurrentIndex(in.state);
        if (!picture.empty())
            snapshot(&e, picture);
        e.ButtonSet->click();
        if (e.isVisible())
            e.reject();
    });
    poll->start();
    w.ButtonEdit->click();
    if (!opened) {
        poll->stop();
        poll->deleteLater();
    }
    return opened;
}

TEST(DvmrpRules, ProbeAndNeighborTimeout)
{
    const std::tuple<const char*, const char*, const char*> cases[] = {
        {"10", "11", ""},
        {"10", "10", "Neighbor Timeout should be larger than Probe"},
        {"10", "9", "Neighbor Timeout should be larger than Probe"},
        {"", "11", "Probe can not be null"},
        {"10", "", "Neighbor Timeout can not be null"},
        {"", "", "Probe can not be null"},
    };
    for (const auto& [probe, timeout, refusal] : cases)
        EXPECT_EQ(DvmrpTimerRefusal(probe, timeout), refusal) << probe << "/" << timeout;
}

TEST(DvmrpInterfaceWindow, EditsTheSelectedInterfaceInOneSet)
{
    ASSERT_TRUE(withWindow<TDvmrpInterfaceForm>(Menu, [](TDvmrpInterfaceForm& w) {
        EXPECT_EQ(columnTexts(w.ListView1, 0), (std::vector<std::string>{"1", "2", "3"}));
        EXPECT_EQ(columnTexts(w.ListView1, 5), (std::vector<std::string>{"active", "active", "notInService"}));
        EXPECT_EQ(w.StaticText1->text(), "3");
        EXPECT_FALSE(w.ButtonEdit->isEnabled());
        snapshot(&w, "dvmrpinterface");

        MessageRecorder boxes;
        clearLog();
        EXPECT_FALSE(RunEditor(w, {"3", "10", "11", 1})) << "no row, no editor";
        emit w.ListView1->itemDoubleClicked(nullptr, 0);
        EXPECT_FALSE(w.Editor->isVisible());

        selectRow(w.ListView1, 1);
        EXPECT_TRUE(w.ButtonEdit->isEnabled());
        ASSERT_TRUE(RunEditor(w, {"3", "20", "45", 1}, "dvmrpinterfaceedit"));
        EXPECT_EQ(w.Editor->windowTitle().toStdString().rfind("DVRMP Interface Edit: ", 0), 0u);
        ASSERT_TRUE(waitIdle(w));
        EXPECT_TRUE(boxes.Shown.empty());
        ASSERT_EQ(logged("set").size(), 1u);
        EXPECT_EQ(
            varbinds(logged("set")[0]),
            (std::vector<std::string>{Entry + ".2.2 IPADDRESS 192.168.2.1", Entry + ".3.2 INTEGER 3",
                                      Entry + ".4.2 INTEGER 20", Entry + ".5.2 INTEGER 45", Entry + ".6.2 INTEGER 2"}));
        EXPECT_FALSE(w.Editor->isVisible());
        EXPECT_EQ(columnTexts(w.ListView1, 5)[1], "notInService");

        // Put it back.
        selectRow(w.ListView1, 1);
        ASSERT_TRUE(RunEditor(w, {"2", "10", "35", 0}));
        ASSERT_TRUE(waitIdle(w));
        EXPECT_EQ(columnTexts(w.ListView1, 3)[1], "10");
        EXPECT_TRUE(boxes.Shown.empty());
    }));
}

TEST(DvmrpInterfaceWindow, RefusesEmptyValuesAndATimeoutNotAboveTheProbe)
{
    ASSERT_TRUE(withWindow<TDvmrpInterfaceForm>(Menu, [](TDvmrpInterfaceForm& w) {
        const std::pair<Entries, const char*> cases[] = {
            {{"", "10", "35", 0}, "Metric can not be null"},
            {{"1", "", "35", 0}, "Probe can not be null"},
            {{"1", "10", "", 0}, "Neighbor Timeout can not be null"},
            {{"1", "10", "10", 0}, "Neighbor Timeout should be larger than Probe"},
        };
        MessageRecorder boxes;
        clearLog();
        for (const auto& [entries, message] : cases) {
            boxes.Shown.clear();
            selectRow(w.ListView1, 0);
            ASSERT_TRUE(RunEditor(w, entries));
            EXPECT_EQ(boxTexts(boxes), (std::vector<std::string>{message})) << message;
        }
        EXPECT_TRUE(logged("set").empty());

        // Refresh during a read is ignored; the editor's Set refuses.
        w.GetButton->click();
        ASSERT_FALSE(w.Request->IsIdle());
        const int reads = w.Request->ReadCount;
        w.RunHandler([&w] { w.GetButtonClick(); });
        EXPECT_EQ(w.Request->ReadCount, reads);
        boxes.Shown.clear();
        w.Editor->MetricEdit->setText("1");
        w.Editor->ProbeEdit->setText("10");
        w.Editor->TimeoutEdit->setText("35");
        w.Editor->RunHandler([&w] { w.Editor->ButtonSetClick(); });
        EXPECT_EQ(boxTexts(boxes), (std::vector<std::string>{"Get data not complete"}));
        EXPECT_TRUE(logged("set").empty());
        // The window closes with the walk running.
    }));
}

} // namespace
