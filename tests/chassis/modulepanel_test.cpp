// The module front panels against the simulator: every model's panel from its thumbnail,
// its port buttons and LEDs; LEDs following the simulator's octets; TRQ-3117's combo
// ports; replacing a panel and closing the window while the switch is silent.
#include <gtest/gtest.h>

#include <QElapsedTimer>
#include <QFrame>
#include <QLabel>
#include <set>
#include <QTest>
#include <QTimer>

#include "chassisworld.h"
#include "classlib/events.h"
#include "classlib/ledshape.h"
#include "classlib/speedbutton.h"
#include "configwin/unitlist.h"
#include "chassis/modulepanels.h"
#include "simlibrary.h"
#include "snmplib/bind/request2edits.h"
#include "snmplib/bind/request2leds.h"
#include "support/screenshot.h"

namespace {

// The LED poll's period as the program ships it (the fixture shortens it for the other tests).
const int32_t ShippedLedPeriod = TModulePanelForm::LedPeriod;

constexpr uint32_t Black = 0x000000;
constexpr uint32_t Lime = 0x00FF00;

class ModulePanel : public ChassisWorld {
protected:
    // The colour and blinking each LED of the shown panel should have for these octets.
    void expectLeds(const std::string& octets, const std::string& context)
    {
        ASSERT_NE(form->Chassis->CurrentPanelForm, nullptr) << context;
        VhSNMPRequest2Leds* leds = form->Chassis->CurrentPanelForm->LedRequest;
        ASSERT_NE(leds, nullptr) << context;
        for (const auto& led : leds->Leds) {
            const auto byte = static_cast<uint8_t>(octets.at(static_cast<size_t>(led->Position)));
            EXPECT_EQ(led->Color, (byte & 3) >= 2 ? Lime : Black) << context << " octet " << led->Position;
            EXPECT_EQ(led->Blink != 0, (byte & 0x80) != 0) << context << " octet " << led->Position;
        }
    }
    // The octet positions of the LEDs in one LED panel, left to right.
    std::vector<int> ledsIn(const char* panel)
    {
        std::vector<std::pair<int, int>> found;
        if (!form->Chassis->CurrentPanelForm || !form->Chassis->CurrentPanelForm->LedRequest) {
            ADD_FAILURE() << "no front panel with LEDs";
            return {};
        }
        for (const auto& led : form->Chassis->CurrentPanelForm->LedRequest->Leds)
            if (led->Shape && led->Shape->parentWidget()->objectName() == QLatin1String(panel))
                found.emplace_back(led->Shape->x(), led->Position);
        std::sort(found.begin(), found.end());
        std::vector<int> out;
        for (const auto& f : found)
            out.push_back(f.second);
        return out;
    }
};

TEST_F(ModulePanel, EveryModelShowsItsFrontPanelWithPortsAndLeds)
{
    ASSERT_TRUE(sim.insertModule(6, "TRQ-3115"));
    ASSERT_TRUE(sim.insertModule(7, "TRQ-3119"));
    start();
    const struct {
        int slot;
        const char* model;
        const char* panelClass;
        int width;
        int leds;
    } models[] = {
        {1, "TRQ-3112", "TPanelTRQ3112Form", 781, 0}, {2, "TRQ-3120", "TPanelTRQ3120Form", 790, 24},
        {3, "TRQ-3114", "TPanelTRQ3114Form", 790, 12}, {4, "TRQ-3117", "TPanelTRQ3117Form", 781, 23},
        {5, "TRQ-3118", "TPanelTRQ3118Form", 790, 32}, {6, "TRQ-3122", "TPanelTRQ3122Form", 790, 2},
        {7, "TRQ-3115", "TPanelTRQ3115Form", 781, 8},  {8, "TRQ-3119", "TPanelTRQ3119Form", 781, 12},
    };
    for (const auto& m : models) {
        TModulePanelForm* panel = showPanel(m.slot);
        ASSERT_NE(panel, nullptr) << m.model;
        EXPECT_STREQ(panel->metaObject()->className(), m.panelClass);
        EXPECT_EQ(panel->Model.PanelWidth, m.width) << m.model;
        EXPECT_EQ(panel->parentWidget(), form->Chassis->ButtonPanel) << m.model;
        EXPECT_EQ(panel->Slot, m.slot);
        EXPECT_EQ(form->Chassis->CurrentModuleIndex, panel->Model.Index);
        EXPECT_EQ(form->Chassis->Indicator->pos(), QPoint(639, (m.slot - 1) * 36 + 48)) << m.model;

        const int ports = GetModulePortCount(m.model);
        ASSERT_EQ(form->Chassis->PortButtons->size(), ports) << m.model;
        for (int k = 1; k <= ports; ++k) {
            EXPECT_EQ(GetTag(portButton(k)), (m.slot - 2) * 64 + k) << m.model << " port " << k;
            EXPECT_EQ(GetPopupMenu(portButton(k)), form->PortInfoPopupMenu) << m.model << " port " << k;
        }
        if (m.leds == 0) {
            EXPECT_EQ(panel->LedRequest, nullptr);
        } else {
            ASSERT_NE(panel->LedRequest, nullptr) << m.model;
            EXPECT_EQ(static_cast<int>(panel->LedRequest->Leds.size()), m.leds) << m.model;
            EXPECT_EQ(panel->LedRequest->Request.VarList.Suffix, std::to_string(m.slot - 1));
            EXPECT_EQ(panel->LedRequest->Request.Timeout, TModulePanelForm::LedTimeout);
            ASSERT_TRUE(waitForLedRead()) << m.model;
            expectLeds(DefaultLedOctets(ports), m.model);
            for (const auto& led : panel->LedRequest->Leds) {
                EXPECT_EQ(led->Shape->size(), QSize(6, 6));
                EXPECT_EQ(led->Shape->y(), 1);
            }
        }
        trqtest::saveScreenshot(form.get(), QStringLiteral("mainwin_chassis_%1").arg(m.model));
    }
}

// The polls as the program ships them: the chassis every 30 s (60 s at authPriv, tested
// with the start-up), the shown front panel's LEDs every 3 s.
TEST_F(ModulePanel, TheChassisIsPolledEveryThirtySecondsAndTheLedsEveryThree)
{
    TModulePanelForm::LedPeriod = ShippedLedPeriod;
    start();
    EXPECT_EQ(form->Timer1->interval(), 30000);
    EXPECT_TRUE(form->Timer1->isActive());
    TModulePanelForm* panel = showPanel(2);
    ASSERT_NE(panel, nullptr);
    ASSERT_NE(panel->LedRequest, nullptr);
    ASSERT_FALSE(panel->LedRequest->RefreshTimer.isNull());
    EXPECT_EQ(panel->LedRequest->RefreshTimer->interval(), 3000);
    EXPECT_TRUE(panel->LedRequest->RefreshTimer->isActive());
}

TEST_F(ModulePanel, LedLayoutsFollowTheModelTables)
{
    start();
    showPanel(5); // TRQ-3118: two LEDs per port, four ports per panel
    EXPECT_EQ(ledsIn("LedPanel1"), (std::vector<int>{4, 5, 6, 7, 8, 9, 10, 11}));
    EXPECT_EQ(ledsIn("LedPanel4"), (std::vector<int>{28, 29, 30, 31, 32, 33, 34, 35}));
    showPanel(2); // TRQ-3120: eight ports per panel, one LED each
    EXPECT_EQ(ledsIn("LedPanel3"), (std::vector<int>{36, 38, 40, 42, 44, 46, 48, 50}));
    showPanel(3); // TRQ-3114: a panel per port
    EXPECT_EQ(ledsIn("LedPanel12"), (std::vector<int>{26}));
}

TEST_F(ModulePanel, LedsFollowTheSimulatorWithinOnePollAndBlink)
{
    start();
    ASSERT_NE(showPanel(3), nullptr); // unit 2, TRQ-3114
    ASSERT_TRUE(waitForLedRead());
    std::string octets(4, '\x02');
    for (int p = 1; p <= 12; ++p)
        octets += std::string(p % 3 == 0 ? "\x81\x02" : p % 3 == 1 ? "\x02\x02" : "\x01\x01", 2);
    std::string hex;
    for (unsigned char c : octets)
        hex += QString::asprintf("%02X", c).toStdString();
    ASSERT_TRUE(sim.setLeds(2, hex));
    ASSERT_TRUE(waitForLedRead());
    ASSERT_TRUE(waitForLedRead()); // the read after the change
    expectLeds(octets, "changed octets");

    // A blinking LED flips between its colour and dark a few times after each value.
    VhSNMPRequest2Leds* leds = form->Chassis->CurrentPanelForm ? form->Chassis->CurrentPanelForm->LedRequest : nullptr;
    ASSERT_TRUE(leds && !leds->Leds.empty());
    std::string blinking = "02020202";
    for (int p = 1; p <= 12; ++p)
        blinking += "8202";
    ASSERT_TRUE(sim.setLeds(2, blinking));
    ASSERT_TRUE(waitForLedRead());
    ASSERT_TRUE(waitForLedRead());
    TShape* shape = leds->Leds[0]->Shape;
    std::set<uint32_t> seen;
    trqtest::waitUntil([&] {
        seen.insert(shape->BrushColor());
        return seen.size() == 2;
    });
    EXPECT_EQ(seen, (std::set<uint32_t>{Black, Lime}));
}

TEST_F(ModulePanel, Trq3117CombosFollowThePortTypesOfPorts11And12)
{
    const char* const typeOid = "1.3.6.1.4.1.32473.11.78.1.2.3.1.1.4.";
    const struct {
        int type11, type12;
        bool notCombo11, notCombo12;
    } cases[] = {
        {19, 19, false, false}, {19, 5, false, true}, {5, 19, true, false}, {10, 18, true, true},
    };
    start();
    for (const auto& c : cases) {
        // Unit 3 sits in slot 4: ports 139 and 140.
        ASSERT_TRUE(sim.setValue(std::string(typeOid) + "139", "INTEGER", std::to_string(c.type11)));
        ASSERT_TRUE(sim.setValue(std::string(typeOid) + "140", "INTEGER", std::to_string(c.type12)));
        auto* panel = qobject_cast<TPanelTRQ3117Form*>(showPanel(4));
        ASSERT_NE(panel, nullptr);
        const std::string context = std::to_string(c.type11) + "/" + std::to_string(c.type12);
        EXPECT_EQ(panel->Port11NotCombo != 0, c.notCombo11) << context;
        EXPECT_EQ(panel->Port12NotCombo != 0, c.notCombo12) << context;
        EXPECT_EQ(panel->PortTypeRequest, nullptr) << context;
        EXPECT_EQ(form->Chassis->PortButtons->size(), 12) << context;
        EXPECT_EQ(portButton(11)->objectName(), c.notCombo11 ? "SpeedButton13" : "SpeedButton11") << context;
        EXPECT_EQ(portButton(12)->objectName(), c.notCombo12 ? "SpeedButton14" : "SpeedButton12") << context;
        EXPECT_EQ(GetTag(portButton(12)), 140);
        std::vector<int> combo, cage;
        if (!c.notCombo11)
            combo.insert(combo.end(), {24, 25});
        if (!c.notCombo12)
            combo.insert(combo.end(), {26, 27});
        if (c.notCombo11)
            cage.push_back(24);
        if (c.notCombo12)
            cage.push_back(26);
        EXPECT_EQ(ledsIn("LedPanel4"), combo) << context;
        EXPECT_EQ(ledsIn("LedPanel5"), cage) << context;
        // The jack or cage not in use carries no port.
        EXPECT_FALSE(panel->SpeedButtons[c.notCombo11 ? 10 : 12]->isEnabled()) << context;
        EXPECT_TRUE(portButton(11)->isEnabled()) << context;
    }
    trqtest::saveScreenshot(form.get(), "mainwin_chassis_TRQ-3117_cages");

    // Port types that cannot be read leave both ports combo ports.
    ASSERT_TRUE(sim.mute(true));
    auto* panel = qobject_cast<TPanelTRQ3117Form*>(showPanel(4));
    ASSERT_TRUE(sim.mute(false));
    ASSERT_NE(panel, nullptr);
    EXPECT_EQ(panel->Port11NotCombo, 0);
    EXPECT_EQ(panel->Port12NotCombo, 0);
    EXPECT_EQ(portButton(11)->objectName(), "SpeedButton11");
}

// TRQ-3117 reads the port types of ports 11 and 12 one after the other before its LEDs. A
// close of the window, a click on another module or a close of the panel itself, asked
// while a silent switch keeps the first read waiting, stops the reads: the second is never
// sent (the wait ends with the first read's time-out) and the LEDs are not read.
TEST_F(ModulePanel, AStopDuringTheFirstPortTypeReadSendsNoSecond)
{
    const std::string port11 = "1.3.6.1.4.1.32473.11.78.1.2.3.1.1.4.139";
    const std::string port12 = "1.3.6.1.4.1.32473.11.78.1.2.3.1.1.4.140";
    const std::string leds3 = "1.3.6.1.4.1.32473.12.11.1.9.5.1.5.3";
    enum class Ask { CloseWindow, ShowOtherModule, ClosePanel };
    Timeout = 50; // the silent reads end soon
    TModulePanelForm::LedTimeout = 40;
    for (Ask ask : {Ask::CloseWindow, Ask::ShowOtherModule, Ask::ClosePanel}) {
        const std::string context = "case " + std::to_string(static_cast<int>(ask));
        form.reset();
        ASSERT_TRUE(sim.mute(false));
        start();
        ASSERT_NE(thumbnail(2), nullptr);
        ASSERT_TRUE(sim.mute(true));
        sim.clearLog();
        const auto gets = [&](const std::string& oid) {
            int n = 0;
            for (const auto& entry : sim.pduLog())
                n += entry.type == "get" && !entry.varbinds.empty() && entry.varbinds[0].oid == oid;
            return n;
        };
        // Runs inside the panel's wait for its first read, as a user's action would.
        bool asked = false;
        QTimer watch;
        watch.setInterval(5);
        QObject::connect(&watch, &QTimer::timeout, [&] {
            auto* panel = qobject_cast<TPanelTRQ3117Form*>(form->Chassis->CurrentPanelForm);
            if (asked || !panel || !panel->PortTypeRequest || panel->PortTypeRequest->Busy == 0 ||
                gets(port11) == 0)
                return;
            asked = true;
            switch (ask) {
            case Ask::CloseWindow: form->close(); break;
            case Ask::ShowOtherModule: QTest::mouseClick(thumbnail(2)->Image1, Qt::LeftButton); break;
            case Ask::ClosePanel: panel->FormClose(); break;
            }
        });
        watch.start();
        QTest::mouseClick(thumbnail(4)->Image1, Qt::LeftButton);
        const int endSlot = ask == Ask::ShowOtherModule ? 2 : 4;
        EXPECT_TRUE(trqtest::waitUntil([&] {
            if (ask == Ask::CloseWindow)
                return !form->isVisible();
            return asked && form->Chassis->CurrentSlot == endSlot && form->Chassis->CurrentPanelForm &&
                   form->Chassis->CurrentPanelForm->isVisible();
        })) << context;
        watch.stop();
        EXPECT_TRUE(asked) << context;
        EXPECT_EQ(gets(port12), 0) << context;
        EXPECT_EQ(gets(leds3), 0) << context;
        if (ask == Ask::ClosePanel) {
            EXPECT_EQ(form->Chassis->CurrentPanelForm->LedRequest, nullptr) << context;
        }
    }
}

TEST_F(ModulePanel, ReplacingAndClosingWhileTheSwitchIsSilentEndsCleanly)
{
    Timeout = 50; // the silent reads end soon
    TModulePanelForm::LedTimeout = 40;
    start();
    ASSERT_NE(showPanel(3), nullptr);
    ASSERT_TRUE(waitForLedRead());
    for (int slot : {2, 5, 6})
        ASSERT_NE(thumbnail(slot), nullptr) << slot;
    ASSERT_TRUE(sim.mute(true));
    VhSNMPRequest2Leds* leds = form->Chassis->CurrentPanelForm ? form->Chassis->CurrentPanelForm->LedRequest : nullptr;
    ASSERT_NE(leds, nullptr);
    ASSERT_TRUE(trqtest::waitUntil([&] { return leds->Busy != 0; })); // a read that gets no reply
    // Three clicks while the silent read is awaited: the panel is replaced once, for the last.
    QTest::mouseClick(thumbnail(2)->Image1, Qt::LeftButton);
    QTest::mouseClick(thumbnail(5)->Image1, Qt::LeftButton);
    QTest::mouseClick(thumbnail(6)->Image1, Qt::LeftButton);
    ASSERT_TRUE(trqtest::waitUntil([&] { return form->Chassis->CurrentSlot == 6 && form->Chassis->CurrentPanelForm; }, 15000));
    EXPECT_EQ(form->Chassis->ButtonPanel->findChildren<TModulePanelForm*>().size(), 1);
    // A close asked during the wait for the new panel's read is carried out afterwards.
    ASSERT_TRUE(trqtest::waitUntil(
        [&] { return form->Chassis->CurrentPanelForm && form->Chassis->CurrentPanelForm->LedRequest && form->Chassis->CurrentPanelForm->LedRequest->Busy != 0; }));
    QTest::mouseClick(thumbnail(2)->Image1, Qt::LeftButton);
    QTimer::singleShot(0, form.get(), [&] { form->close(); });
    EXPECT_TRUE(trqtest::waitUntil([&] { return !form->isVisible(); }, 15000));
    EXPECT_EQ(form->Chassis->CurrentPanelForm, nullptr);
    EXPECT_TRUE(form->Chassis->ButtonPanel->findChildren<TModulePanelForm*>().empty());
}

TEST_F(ModulePanel, ASlowSwitchGetsOneLedReadAtATime)
{
    TModulePanelForm::LedPeriod = 10; // a tick every 100 ms
    start();
    ASSERT_NE(showPanel(3), nullptr);
    ASSERT_TRUE(waitForLedRead());
    ASSERT_TRUE(sim.delay(300)); // each read takes three ticks at least
    sim.clearLog();
    QElapsedTimer clock;
    clock.start();
    const auto ledReads = [&] {
        int reads = 0;
        for (const auto& entry : sim.pduLog())
            if (entry.type == "get" && !entry.varbinds.empty() &&
                entry.varbinds[0].oid == "1.3.6.1.4.1.32473.12.11.1.9.5.1.5.2")
                ++reads;
        return reads;
    };
    EXPECT_TRUE(trqtest::waitUntil([&] { return ledReads() >= 4; }, 60000));
    const qint64 elapsed = clock.elapsed();
    const int reads = ledReads();
    ASSERT_TRUE(sim.delay(0));
    // One at a time, a read goes out once the one before was answered, 300 ms after it
    // came in at the soonest, however slow the machine: not one per tick.
    EXPECT_LE(reads, elapsed / 300 + 1) << "in " << elapsed << " ms";
}

TEST_F(ModulePanel, ALateReplyAfterThePanelWentReachesNothing)
{
    start();
    ASSERT_NE(showPanel(3), nullptr);
    ASSERT_TRUE(waitForLedRead());
    ASSERT_TRUE(sim.delay(250));
    sim.clearLog();
    VhSNMPRequest2Leds* leds = form->Chassis->CurrentPanelForm ? form->Chassis->CurrentPanelForm->LedRequest : nullptr;
    ASSERT_NE(leds, nullptr);
    ASSERT_TRUE(trqtest::waitUntil([&] { return leds->Busy != 0; }));
    // The panel goes while the reply is on its way; the reply still arrives.
    ASSERT_NE(showPanel(2), nullptr);
    ASSERT_TRUE(sim.delay(0));
    const auto answered = [&] {
        bool any = false;
        for (const auto& entry : sim.pduLog())
            if (entry.type == "get" && !entry.varbinds.empty() &&
                entry.varbinds[0].oid == "1.3.6.1.4.1.32473.12.11.1.9.5.1.5.2")
                any = any || entry.errorStatus == 0;
        return any;
    };
    EXPECT_TRUE(trqtest::waitUntil(answered)); // the delayed reply has gone out
    ASSERT_TRUE(waitForLedRead());
    ASSERT_NE(form->Chassis->CurrentPanelForm, nullptr);
    ASSERT_NE(form->Chassis->CurrentPanelForm->LedRequest, nullptr);
    EXPECT_EQ(form->Chassis->CurrentPanelForm->LedRequest->Request.VarList.Suffix, "1");
}

} // namespace
