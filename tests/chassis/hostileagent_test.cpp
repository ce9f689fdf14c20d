// The chassis view against a switch that misbehaves on purpose: a unit table that never
// ends, replies that do not advance or end the view too soon, markup in a module name, and
// a switch that stops answering. The view is never emptied or frozen by them, the status
// line says what went wrong, and the window closes.
#include <gtest/gtest.h>

#include <fstream>

#include <QAbstractItemModel>
#include <QElapsedTimer>
#include <QLabel>
#include <QTimer>
#include <QTreeWidget>

#include "chassisworld.h"
#include "chassis/powerform.h"
#include "chassis/requestlifetime.h"
#include "simlibrary.h"
#include "snmplib/bind/request2edits.h"
#include "support/screenshot.h"

namespace {

using Strings = std::vector<std::string>;

const Strings DefaultLabels = {"CPU: TRQ-3112",    "Unit 1: TRQ-3120", "Unit 2: TRQ-3114",
                               "Unit 3: TRQ-3117", "Unit 4: TRQ-3118", "Unit 5: TRQ-3122"};
const char* const UnitTable = "1.3.6.1.4.1.32473.12.11.1.9.5.1";
const char* const ModuleNameOfUnit1 = "1.3.6.1.4.1.32473.12.11.1.9.5.1.9.1";
const char* const TooManyRows = "more rows than the table can hold";
const char* const NoAdvance = "does not advance";

class HostileAgent : public ChassisWorld {
protected:
    std::string status() const { return form->StatusText(); }
    // The get-next requests of the unit table the switch has heard.
    int unitGetNexts()
    {
        int n = 0;
        for (const trqtest::PduLogEntry& e : sim.pduLog())
            n += e.type == "getnext" && !e.varbinds.empty() && e.varbinds.front().oid.find(UnitTable) != std::string::npos;
        return n;
    }
    // Every request of the main window has ended.
    bool allIdle() const
    {
        std::vector<const VhSNMPRequest2Controls*> requests = {form->Chassis->UnitRequest, form->MainRequest};
        if (PowerForm)
            requests.insert(requests.end(), {PowerForm->PowerRequest, PowerForm->FanRequest});
        for (const VhSNMPRequest2Controls* r : requests)
            if (r && !RequestIdle(r))
                return false;
        return true;
    }
};

// An agent that answers every get-next of the unit table with one more row: the walk stops
// past the slots' worth of units, at the start and at a poll, and says so; a poll keeps the
// view it had.
TEST_F(HostileAgent, AnEndlessUnitTableStopsPastTheSlotsAndSaysSo)
{
    ASSERT_TRUE(sim.fault("endless"));
    start(); // returns: the read of the start is bounded
    EXPECT_TRUE(form->Chassis->UnitReadFailed());
    EXPECT_EQ(labels(), Strings{});
    EXPECT_EQ(unitGetNexts(), 8 + 1); // the slots' worth and the one past them
    ASSERT_TRUE(trqtest::waitUntil([&] { return allIdle(); }));

    ASSERT_TRUE(sim.fault("off"));
    poll();
    ASSERT_EQ(labels(), DefaultLabels);

    ASSERT_TRUE(sim.fault("endless"));
    poll();
    ASSERT_TRUE(sim.fault("off"));
    EXPECT_TRUE(form->Chassis->UnitReadFailed());
    EXPECT_NE(status().find(TooManyRows), std::string::npos) << status();
    EXPECT_EQ(labels(), DefaultLabels);
}

// A reply that does not advance (stuck, going back) or ends the agent's view in the middle
// of the table fails the poll's read: the chassis keeps what it showed, the status line
// says why and stays so (the poll reads nothing else over it), the next good poll is Ok.
TEST_F(HostileAgent, AWalkThatEndsOnAFaultKeepsTheChassisAndSaysSo)
{
    start();
    ASSERT_EQ(labels(), DefaultLabels);
    const struct {
        const char* fault;
        const char* says;
    } cases[] = {{"stuck", NoAdvance}, {"backwards", NoAdvance}, {"endofmibview", NoAdvance}, {"endless", TooManyRows}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.fault);
        ASSERT_TRUE(trqtest::waitUntil([&] { return allIdle(); }));
        ASSERT_TRUE(sim.fault(c.fault));
        poll();
        ASSERT_TRUE(sim.fault("off"));
        EXPECT_TRUE(form->Chassis->UnitReadFailed());
        EXPECT_EQ(labels(), DefaultLabels);
        EXPECT_EQ(form->Chassis->UnitListView->topLevelItemCount(), 0);
        EXPECT_TRUE(trqtest::waitUntil([&] { return allIdle(); }));
        EXPECT_NE(status().find(c.says), std::string::npos) << status();
        poll();
        EXPECT_FALSE(form->Chassis->UnitReadFailed()) << status();
        EXPECT_EQ(labels(), DefaultLabels);
    }
}

// A fault of the chassis read stays in the status line until a later chassis read
// succeeds: the power and fan reads of the start, and the LED reads of a shown front
// panel, end meanwhile without replacing it. The fault here is the unit table's alone (a
// ninth unit, more rows than the slots hold); the other tables answer well.
TEST_F(HostileAgent, AChassisFaultStaysInTheStatusLineUntilAGoodRead)
{
    const std::vector<std::pair<std::string, std::string>> ninthUnit = {
        {std::string(UnitTable) + ".1.9", "9"}, {std::string(UnitTable) + ".3.9", "513"},
        {std::string(UnitTable) + ".9.9", "TRQ-3120"}};
    const auto addNinthUnit = [&](bool add) {
        for (const auto& [oid, value] : ninthUnit)
            if (add ? !sim.setValue(oid, oid.find(".9.9") != std::string::npos ? "STRING" : "INTEGER", value)
                    : !sim.removeValue(oid))
                return false;
        return true;
    };
    for (int unit : {6, 7, 8})
        ASSERT_TRUE(sim.insertModule(unit, "TRQ-3120"));
    ASSERT_TRUE(addNinthUnit(true));
    start();
    // The pictures show what the power and fan reads found: both have ended, with success.
    ASSERT_TRUE(trqtest::waitUntil([&] {
        return allIdle() && PowerForm && PowerForm->PowerImageIndexes[0] >= 0 && PowerForm->FanImageIndexes[0] >= 0;
    }));
    EXPECT_EQ(PowerForm->PowerImageIndexes[0], 0);
    EXPECT_EQ(PowerForm->FanImageIndexes[0], 0);
    EXPECT_TRUE(form->Chassis->UnitReadFailed());
    EXPECT_NE(status().find(TooManyRows), std::string::npos) << status();

    ASSERT_TRUE(addNinthUnit(false));
    poll();
    EXPECT_FALSE(form->Chassis->UnitReadFailed());
    EXPECT_EQ(status().find(TooManyRows), std::string::npos) << status();

    // The LED poll of a shown panel.
    ASSERT_NE(showPanel(3), nullptr);
    ASSERT_TRUE(waitForLedRead());
    ASSERT_TRUE(addNinthUnit(true));
    poll();
    EXPECT_NE(status().find(TooManyRows), std::string::npos) << status();
    ASSERT_TRUE(sim.clearLog());
    const auto ledReads = [&] {
        int n = 0;
        for (const trqtest::PduLogEntry& e : sim.pduLog())
            n += e.type == "get" && !e.varbinds.empty() &&
                 e.varbinds[0].oid == "1.3.6.1.4.1.32473.12.11.1.9.5.1.5.2";
        return n;
    };
    // One LED read at a time: the second goes out once the first has ended.
    ASSERT_TRUE(trqtest::waitUntil([&] { return ledReads() >= 2; }));
    EXPECT_NE(status().find(TooManyRows), std::string::npos) << status();
    ASSERT_TRUE(addNinthUnit(false));
    poll();
    EXPECT_EQ(status().find(TooManyRows), std::string::npos) << status();
    EXPECT_TRUE(waitForLedRead());
}

// A close asked while a poll walks the unit table waits for one exchange at most: the walk
// stops at its next reply however many rows the switch would still send.
TEST_F(HostileAgent, ACloseDuringAWalkWaitsForOneExchangeAtMost)
{
    start();
    ASSERT_TRUE(trqtest::waitUntil([&] { return allIdle(); }));
    ASSERT_TRUE(sim.fault("endless"));
    int sentBeforeClose = -1;
    bool closed = true;
    QObject::connect(form->Chassis->UnitListView->model(), &QAbstractItemModel::rowsInserted, form.get(), [&] {
        if (sentBeforeClose >= 0)
            return;
        // The close comes in while the walk shows its first row.
        sentBeforeClose = unitGetNexts();
        closed = form->close();
    });
    ASSERT_TRUE(sim.clearLog());
    poll();
    ASSERT_GE(sentBeforeClose, 1);
    EXPECT_FALSE(closed); // refused while the poll ran, carried out when it ended
    EXPECT_LE(unitGetNexts(), sentBeforeClose + 1);
    EXPECT_TRUE(trqtest::waitUntil([&] { return !form->isVisible(); }));
    ASSERT_TRUE(sim.fault("off"));
}

// Text from the switch is text: a module name holding markup is shown as it stands, in the
// unit label and in a label bound to a request, and never drawn as rich text.
TEST_F(HostileAgent, AModuleNameHoldingMarkupIsShownAsItStands)
{
    const std::string markup = "<b><font size=7 color=red>BIG</font></b>";
    ASSERT_TRUE(sim.setValue(ModuleNameOfUnit1, "STRING", markup));
    start();
    ASSERT_TRUE(trqtest::waitUntil([&] { return allIdle(); }));
    const Strings shown = labels();
    ASSERT_GE(shown.size(), 2u);
    EXPECT_EQ(shown[1], "Unit 1: " + markup);
    for (const QLabel* label : {form->Chassis->UnitLabels[1], form->StatusBarPanel0(), form->ST_RmonState})
        EXPECT_EQ(label->textFormat(), Qt::PlainText) << label->objectName().toStdString();
    trqtest::saveScreenshot(form.get(), "HostileAgent_MarkupInAModuleName");
    ASSERT_TRUE(sim.setValue(ModuleNameOfUnit1, "STRING", "TRQ-3120"));
}

// How long this thread has run on a processor and waited for one (ns), from the kernel's
// scheduler statistics; zeros where they cannot be read.
struct SchedTimes {
    qint64 Running = 0;
    qint64 Waiting = 0;
};
SchedTimes ThreadSchedTimes()
{
    std::ifstream stats("/proc/thread-self/schedstat");
    long long running = 0, waiting = 0;
    if (!(stats >> running >> waiting))
        return {};
    return {running, waiting};
}

// A switch that stops answering never holds up the message loop: a poll against a muted
// switch lets the loop run every few milliseconds while each of its reads waits, the RMON
// state's among them. A gap blocked off the processor (waiting on a socket) is the fault
// looked for and stays under 50 ms; the time the thread spent running in a gap depends on
// the machine (a sanitizer build beside other work runs many times slower) and only has to
// stay far below a time-out. Time a loaded machine kept the thread waiting for a processor
// counts in neither.
TEST_F(HostileAgent, ASilentSwitchNeverHoldsUpTheMessageLoop)
{
    start();
    ASSERT_TRUE(trqtest::waitUntil([&] { return allIdle(); }));
    ASSERT_TRUE(sim.mute(true));
    QElapsedTimer clock;
    qint64 last = 0, longestBlocked = 0, longestHeld = 0;
    SchedTimes lastTimes;
    bool ranWhileRmonRead = false;
    QTimer ticker;
    ticker.setInterval(5);
    QObject::connect(&ticker, &QTimer::timeout, [&] {
        const qint64 now = clock.elapsed();
        const SchedTimes times = ThreadSchedTimes();
        const qint64 held = now - last - (times.Waiting - lastTimes.Waiting) / 1000000;
        longestHeld = std::max(longestHeld, held);
        longestBlocked = std::max(longestBlocked, held - (times.Running - lastTimes.Running) / 1000000);
        last = now;
        lastTimes = times;
        ranWhileRmonRead = ranWhileRmonRead || (form->MainRequest && !RequestIdle(form->MainRequest));
    });
    lastTimes = ThreadSchedTimes();
    clock.start();
    ticker.start();
    poll();
    EXPECT_TRUE(trqtest::waitUntil([&] { return allIdle(); }, 30000));
    ticker.stop();
    ASSERT_TRUE(sim.mute(false));
    EXPECT_TRUE(ranWhileRmonRead);
    EXPECT_LT(longestBlocked, 50) << "the message loop waited " << longestBlocked << " ms off the processor";
    EXPECT_LT(longestHeld, 500) << "the message loop stood still " << longestHeld << " ms";
    EXPECT_NE(status().find("timed out"), std::string::npos) << status();
}

} // namespace
