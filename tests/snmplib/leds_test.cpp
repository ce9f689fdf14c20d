// LEDs bound to a request: colours and blinking from the octets of one value, and the
// polling of a module's front-panel LED string against the simulator.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QStatusBar>
#include <QTemporaryDir>
#include <QTimer>
#include <QVBoxLayout>
#include <QWidget>

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "configwin/optionlists.h"
#include "platform/exception.h"
#include "screenshot.h"
#include "simharness.h"
#include "snmplib/bind/request2leds.h"
#include "snmplib/snmperror.h"
#include "snmplib/snmpinit.h"

namespace {

TRQ_SIM_ENVIRONMENT();

std::unique_ptr<QTemporaryDir> g_bootDir;

class LibraryEnvironment : public ::testing::Environment {
public:
    void SetUp() override
    {
        g_bootDir = std::make_unique<QTemporaryDir>();
        ASSERT_TRUE(g_bootDir->isValid());
        VhSNMPInit(g_bootDir->path().toStdString());
    }
    void TearDown() override { g_bootDir.reset(); }
};

[[maybe_unused]] ::testing::Environment* const g_library =
    ::testing::AddGlobalTestEnvironment(new LibraryEnvironment);

trqtest::SimProcess& sim() { return trqtest::sharedSim(); }

bool waitUntil(const std::function<bool()>& done, int milliseconds = 5000)
{
    QElapsedTimer clock;
    clock.start();
    while (!done() && clock.elapsed() < milliseconds)
        QCoreApplication::processEvents(QEventLoop::AllEvents | QEventLoop::WaitForMoreEvents, 20);
    return done();
}

bool waitIdle(const std::unique_ptr<VhSNMPRequest2Leds>& leds)
{
    return waitUntil([&] { return !leds || leds->Busy == 0; });
}

void runFor(int milliseconds)
{
    waitUntil([] { return false; }, milliseconds);
}

constexpr uint32_t Black = 0x000000;
constexpr uint32_t Red = 0x0000FF;
constexpr uint32_t Lime = 0x00FF00;
constexpr uint32_t Blue = 0xFF0000;
constexpr uint32_t Grey = 0x808080;

// Off grey, absent blue, so that "off", "absent" and "black" can be told apart.
constexpr LedColorPair TestPairs[] = {{0, Black}, {1, Red}, {2, Lime}, {0, LED_COLOR_END}};
const VhSNMPLedColorMapList TestMap(TestPairs, 0x0F, 0x80, Grey, Blue);
const VhSNMPLedColorMapList NoAbsentMap(TestPairs, 0x0F, 0x80, Grey, LED_NO_ABSENT_COLOR);

// The front-panel LED string of a unit.
constexpr const char* LedStatusOid = "1.3.6.1.4.1.32473.12.11.1.9.5.1.5";
const VhSNMPObjectDesc LedStatusTable[] = {
    {LedStatusOid, "swUnitMgmtFrontPanelLedStatus", SNMP_SYNTAX_OCTETSTR, SNMP_ACCESS_READONLY},
    {nullptr},
};

constexpr int Unit = 2; // a TRQ-3114 with 12 ports in the shipped profile

// A window with one panel of LEDs and a status bar whose panel 0 takes the result lines.
struct Strip {
    explicit Strip(const std::string& positions, const VhSNMPLedColorMapList* map = &LedColorMap,
                   const VhSNMPObjectDesc* table = LedStatusTable)
    {
        window = std::make_unique<QWidget>();
        window->resize(260, 60);
        auto* column = new QVBoxLayout(window.get());
        column->setContentsMargins(0, 0, 0, 0);
        panel = new QFrame;
        panel->setFrameShape(QFrame::Panel);
        panel->setAutoFillBackground(true);
        QPalette dark = panel->palette();
        dark.setColor(QPalette::Window, QColor(60, 64, 72));
        panel->setPalette(dark);
        panel->setMinimumHeight(10);
        column->addWidget(panel);
        auto* bar = new QStatusBar;
        status = new QLabel;
        bar->addWidget(status, 1);
        column->addWidget(bar);

        leds = std::make_unique<VhSNMPRequest2Leds>(window.get());
        leds->Request.VarList = VhSNMPVarList(table, MVT_SV, 0);
        leds->Request.VarList.Suffix = std::to_string(Unit);
        leds->Request.VarList.Caption = " Led Status";
        leds->Request.Device.Address = "127.0.0.1";
        leds->Request.Device.Port = static_cast<uint16_t>(sim().port());
        leds->Request.Security.Version = 1;
        leds->Request.Security.ReadCommunity = "mardle";
        leds->AddLeds(0, positions, map, panel, 4, 10, stRectangle, 6, 6);
        leds->SetMessageTarget(status);
        window->show();
    }
    ~Strip()
    {
        if (leds) {
            leds->Stop();
            leds->Request.Enabled = 0;
            waitIdle(leds);
        }
    }

    std::vector<uint32_t> colours() const
    {
        std::vector<uint32_t> c;
        for (const auto& led : leds->Leds)
            c.push_back(led->Shape->BrushColor());
        return c;
    }
    std::vector<int> blinking() const
    {
        std::vector<int> b;
        for (const auto& led : leds->Leds)
            b.push_back(led->Blink);
        return b;
    }
    // Shows a value as if it had just been read.
    void show(const std::string& hex)
    {
        leds->Request.VarList.GetItem(0)->Value = hex;
        leds->ShowRow();
    }
    std::string statusText() const { return status->text().toStdString(); }

    std::unique_ptr<QWidget> window;
    QFrame* panel = nullptr;
    QLabel* status = nullptr;
    std::unique_ptr<VhSNMPRequest2Leds> leds;
};

// Gets of the LED string that reached the simulator since the log was cleared.
int ledReads()
{
    int n = 0;
    for (const auto& entry : sim().pduLog())
        if (entry.type == "get" && !entry.varbinds.empty() && entry.varbinds[0].oid.rfind(LedStatusOid, 0) == 0)
            ++n;
    return n;
}

// The simulator's LED string of the unit back to the profile's.
struct RestoreLeds {
    ~RestoreLeds()
    {
        sim().mute(false);
        sim().insertModule(Unit, "TRQ-3114");
    }
};

// ---- Colours from one value -------------------------------------------------------------

struct ValueCase {
    const char* Label;
    int32_t Mode;
    const char* Positions;
    const char* Value; // hex, as a read stores it
    std::vector<uint32_t> Colours;
    std::vector<int> Blinking;
};

TEST(Leds, EachLedTakesTheColourOfItsOctet)
{
    const ValueCase cases[] = {
        // 0x82 blinks in its colour; 0x07 has no pair (black, not absent); 0x41 masks to 1;
        // position 5 lies beyond the value.
        {"one octet per LED", 1, "0,1,2,3,4,5", "0001820741", {Black, Red, Lime, Black, Red, Blue}, {0, 0, 1, 0, 0, 0}},
        // Single octets below PairStart 4, {flag, status} pairs from there on: flag 1 is
        // no state; another flag blinks by the blink mask and the next octet gives the
        // colour; a flag on the last octet has no status octet and counts as absent.
        {"flag and status pairs", 2, "0,2,4,6,8,10,12", "0201820001028002000105",
         {Lime, Lime, Blue, Lime, Red, Blue, Blue}, {0, 1, 0, 1, 0, 0, 0}},
        {"another mode leaves the LEDs", 3, "0,1", "0102", {Grey, Grey}, {0, 0}},
        {"an empty value", 1, "0", "(NULL)", {Blue}, {0}},
    };
    for (const ValueCase& c : cases) {
        SCOPED_TRACE(c.Label);
        Strip strip(c.Positions, &TestMap);
        strip.leds->ValueMode = c.Mode;
        strip.show(c.Value);
        EXPECT_EQ(strip.colours(), c.Colours);
        EXPECT_EQ(strip.blinking(), c.Blinking);
    }
}

TEST(Leds, ProgramWideMapShowsLimeBlinkingAndBlackLeds)
{
    Strip strip("0,1,2,3,4");
    strip.show("82010003");
    EXPECT_EQ(strip.colours(), (std::vector<uint32_t>{Lime, Black, Black, Lime, Black}));
    EXPECT_EQ(strip.blinking(), (std::vector<int>{1, 0, 0, 0, 0}));
}

TEST(Leds, PositionBeyondTheValueRaisesWithoutAnAbsentColour)
{
    for (const int32_t mode : {1, 2}) {
        SCOPED_TRACE(mode);
        Strip strip(mode == 1 ? "0,5" : "0,4", &NoAbsentMap);
        strip.leds->ValueMode = mode;
        try {
            strip.show("0202020280"); // mode 2: the pair at 4 has no status octet
            ADD_FAILURE() << "no exception";
        } catch (const Exception& e) {
            EXPECT_EQ(e.HelpContext, -519);
        }
    }
}

TEST(Leds, ValueLabelsAreTurnedIntoValuesFirst)
{
    static const VhOptionPair pairs[] = {{1, "off"}, {2, "on"}, {0, nullptr}};
    static const VhOptionList onOff(pairs, OVT_INTEGER, false);
    static const VhSNMPObjectDesc table[] = {
        {"1.3.6.1.4.1.32473.99.1", "State", SNMP_SYNTAX_INTEGER, SNMP_ACCESS_READONLY, &onOff},
        {nullptr},
    };
    Strip strip("0,1", &TestMap, table);
    strip.show("on"); // 2 as a 32-bit number, least significant octet first
    EXPECT_EQ(strip.colours(), (std::vector<uint32_t>{Lime, Black}));
}

// ---- Blinking -------------------------------------------------------------------------

TEST(Leds, BlinkingLedFlipsForTheBlinkLimitThenStaysLit)
{
    Strip strip("0,1", &TestMap);
    strip.leds->BlinkTimer->stop(); // the steps below are the timer's
    strip.show("8202");
    std::vector<uint32_t> blink{strip.colours()[0]};
    for (int i = 0; i < 9; ++i) {
        strip.leds->OnBlinkTimer();
        blink.push_back(strip.colours()[0]);
        EXPECT_EQ(strip.colours()[1], Lime);
    }
    EXPECT_EQ(blink, (std::vector<uint32_t>{Lime, Grey, Lime, Grey, Lime, Grey, Lime, Lime, Lime, Lime}));

    // The next value starts the blinking again, from the lit LED, through the whole limit:
    // it flips on every step up to and including the limit's, then stays lit.
    strip.show("8202");
    EXPECT_EQ(strip.leds->BlinkCount, 1);
    blink = {strip.colours()[0]};
    for (int i = 0; i < 9; ++i) {
        strip.leds->OnBlinkTimer();
        blink.push_back(strip.colours()[0]);
    }
    EXPECT_EQ(blink, (std::vector<uint32_t>{Grey, Lime, Grey, Lime, Grey, Lime, Grey, Lime, Lime, Lime}));
}

TEST(Leds, BlinkTimerRunsEverySixtyMillisecondsOnlyWhileALedBlinks)
{
    Strip strip("0,1", &TestMap);
    EXPECT_FALSE(strip.leds->BlinkTimer->isActive()); // nothing blinks yet
    EXPECT_EQ(strip.leds->BlinkTimer->interval(), 60);
    EXPECT_FALSE(strip.leds->RefreshTimer->isActive());
    EXPECT_EQ(strip.colours(), (std::vector<uint32_t>{Grey, Grey})); // off before the first value

    strip.show("0202"); // lit, no blinking: no timer
    EXPECT_FALSE(strip.leds->BlinkTimer->isActive());

    strip.show("8202");
    EXPECT_TRUE(strip.leds->BlinkTimer->isActive());
    std::vector<uint32_t> seen{strip.colours()[0]};
    ASSERT_TRUE(waitUntil([&] {
        if (strip.colours()[0] != seen.back())
            seen.push_back(strip.colours()[0]);
        EXPECT_EQ(strip.colours()[1], Lime);
        return !strip.leds->BlinkTimer->isActive();
    }));
    EXPECT_EQ(seen, (std::vector<uint32_t>{Grey, Lime, Grey, Lime, Grey, Lime, Grey, Lime}));
    EXPECT_EQ(strip.colours()[0], Lime); // stays lit once the steps are over
}

// ---- Polling the simulator --------------------------------------------------------------

TEST(LedsPolling, StartReadsAtOnceThenEveryPeriod)
{
    const RestoreLeds restore;
    ASSERT_TRUE(sim().setLeds(Unit, "02020202 8202 0202 0101 0002"));
    Strip strip("4,6,8,10");
    ASSERT_TRUE(sim().clearLog());
    EXPECT_EQ(strip.leds->PeriodUnit, 10);
    strip.leds->PeriodUnit = 2; // 600 ms instead of 3 s
    QElapsedTimer clock;
    clock.start();
    strip.leds->Start(300);
    EXPECT_EQ(strip.leds->Busy, 1); // the first read is under way
    EXPECT_EQ(strip.leds->RefreshTimer->interval(), 600);
    ASSERT_TRUE(waitUntil([&] { return strip.colours()[1] == Lime; }));
    EXPECT_EQ(ledReads(), 1);
    EXPECT_EQ(strip.colours(), (std::vector<uint32_t>{Lime, Lime, Black, Black}));
    EXPECT_EQ(strip.blinking(), (std::vector<int>{1, 0, 0, 0}));
    EXPECT_NE(strip.statusText().find("Get: (VhSNMP++) Ok! Request: Led Status. Receive at "), std::string::npos)
        << strip.statusText();

    // The octets change on the switch: the LEDs follow at the next read, not before.
    ASSERT_TRUE(sim().setLeds(Unit, "02020202 0102 8202 0202 0101"));
    runFor(50);
    if (ledReads() == 1) { // no read since the change (a loaded machine may already have one)
        EXPECT_EQ(strip.colours()[2], Black);
    }
    ASSERT_TRUE(waitUntil([&] { return ledReads() >= 2 && strip.colours()[2] == Lime; }));
    EXPECT_GE(clock.elapsed(), 550);
    EXPECT_EQ(strip.blinking(), (std::vector<int>{0, 1, 0, 0}));
    EXPECT_EQ(strip.colours()[0], Black);
    EXPECT_EQ(strip.colours()[3], Black);
    ASSERT_TRUE(waitUntil([&] { return ledReads() >= 3; }));

    strip.leds->PeriodUnit = 10;
    strip.leds->Start(300);
    EXPECT_EQ(strip.leds->RefreshTimer->interval(), 3000);
}

TEST(LedsPolling, SilentAgentTurnsTheLedsOffWithoutPilingUpReads)
{
    const RestoreLeds restore;
    ASSERT_TRUE(sim().setLeds(Unit, "02020202 0202 0202"));
    Strip strip("4,6", &TestMap);
    strip.leds->Request.Timeout = 40; // 400 ms, no retry
    strip.leds->Request.Retries = 0;
    strip.leds->Start(10); // a tick every 100 ms: several fall inside one time-out
    ASSERT_TRUE(waitUntil([&] { return strip.colours() == std::vector<uint32_t>{Lime, Lime}; }));
    ASSERT_TRUE(waitUntil([&] { return strip.leds->Busy == 0; }));

    ASSERT_TRUE(sim().mute(true));
    ASSERT_TRUE(sim().clearLog());
    int ticks = 0; // the window's own timer keeps running while the read waits
    QTimer other;
    QObject::connect(&other, &QTimer::timeout, [&] { ++ticks; });
    other.start(10);
    const std::string timeOut = SnmpErrorText(-405);
    int readsBefore = 0;
    ASSERT_TRUE(waitUntil([&] {
        if (strip.statusText().find(timeOut) != std::string::npos)
            return true;
        readsBefore = std::max(readsBefore, ledReads());
        return false;
    }));
    EXPECT_EQ(readsBefore, 1); // the ticks during the time-out were skipped
    EXPECT_GT(ticks, 10);
    EXPECT_EQ(strip.colours(), (std::vector<uint32_t>{Grey, Grey}));
    EXPECT_EQ(strip.statusText().rfind("Get: " + timeOut + " Request: Led Status. Receive at ", 0), 0u)
        << strip.statusText();
    runFor(200); // the blink timer does not light them again
    EXPECT_EQ(strip.colours(), (std::vector<uint32_t>{Grey, Grey}));

    // The agent answers again: the next read lights them.
    ASSERT_TRUE(sim().mute(false));
    ASSERT_TRUE(waitUntil([&] { return strip.colours() == std::vector<uint32_t>{Lime, Lime}; }));
}

TEST(LedsPolling, StopTurnsEverythingOffAndEndsThePolling)
{
    const RestoreLeds restore;
    ASSERT_TRUE(sim().setLeds(Unit, "02020202 8202 0202"));
    Strip strip("4,6");
    strip.leds->PeriodUnit = 1;
    strip.leds->Start(10);
    ASSERT_TRUE(waitUntil([&] { return strip.colours()[1] == Lime; }));
    // Stop while a read is under way: its late reply leaves the LEDs off.
    ASSERT_TRUE(sim().delay(150));
    ASSERT_TRUE(waitUntil([&] { return strip.leds->Busy != 0; }));
    strip.leds->Stop();
    EXPECT_FALSE(strip.leds->RefreshTimer->isActive());
    EXPECT_FALSE(strip.leds->BlinkTimer->isActive());
    EXPECT_EQ(strip.colours(), (std::vector<uint32_t>{Black, Black}));
    EXPECT_EQ(strip.blinking(), (std::vector<int>{0, 0}));
    ASSERT_TRUE(waitIdle(strip.leds));
    ASSERT_TRUE(sim().delay(0));
    ASSERT_TRUE(sim().clearLog());
    runFor(300);
    EXPECT_EQ(ledReads(), 0);
    EXPECT_EQ(strip.colours(), (std::vector<uint32_t>{Black, Black}));

    // Start again: the reads resume, the blink timer stays stopped.
    strip.leds->Start(10);
    ASSERT_TRUE(waitUntil([&] { return strip.colours() == std::vector<uint32_t>{Lime, Lime}; }));
    EXPECT_FALSE(strip.leds->BlinkTimer->isActive());
}

TEST(LedsPolling, FailuresOfTheReadAreShownInTheStatusBar)
{
    Strip strip("4", &TestMap);
    strip.show("0000000002");
    ASSERT_EQ(strip.colours()[0], Lime);

    // A read that cannot be sent raises from Start and turns the LEDs off; the timer's
    // reads show the same failure in the status bar instead.
    strip.leds->Request.Device.Address = "no.such.address";
    strip.leds->PeriodUnit = 1;
    std::string message;
    try {
        strip.leds->Start(10);
        ADD_FAILURE() << "no exception";
    } catch (const Exception& e) {
        message = e.Message;
        EXPECT_NE(e.HelpContext, 0);
    }
    EXPECT_EQ(strip.colours()[0], Grey);
    EXPECT_EQ(strip.leds->Busy, 0);
    ASSERT_TRUE(waitUntil([&] { return strip.statusText().find(message) != std::string::npos; })) << message;

    // A value too short for an LED of a map without absent colour: -519 in the status bar.
    Strip noAbsent("400", &NoAbsentMap);
    noAbsent.leds->Start(0);
    EXPECT_FALSE(noAbsent.leds->RefreshTimer->isActive());
    const std::string outside = SnmpErrorText(-519);
    ASSERT_TRUE(waitUntil([&] { return noAbsent.statusText().find(outside) != std::string::npos; }))
        << noAbsent.statusText();
    EXPECT_EQ(noAbsent.leds->Busy, 0);
}

TEST(LedsPolling, BindingOutlivesItsWindowAndDiesDuringARead)
{
    const RestoreLeds restore;
    {
        Strip strip("4,6");
        strip.window.reset(); // shapes and timers go with the window
        EXPECT_NO_THROW(strip.leds->Start(300));
        ASSERT_TRUE(waitIdle(strip.leds));
        // The read came back: the value holds the unit's LED octets.
        const std::string value = strip.leds->Request.VarList.GetItem(0)->Value;
        EXPECT_GT(value.size(), 8u) << value;
        strip.leds->Stop();
    }
    ASSERT_TRUE(sim().delay(300));
    {
        Strip strip("4,6");
        strip.leds->Request.Timeout = 1000; // 10 s a try: only the reply ends the wait in time
        strip.leds->Start(300);
        EXPECT_EQ(strip.leds->Busy, 1);
        QElapsedTimer clock;
        clock.start();
        strip.leds.reset(); // the reply comes to a binding that is gone
        EXPECT_GE(clock.elapsed(), 200);
        EXPECT_LT(clock.elapsed(), 6000) << "the reply did not end the wait";
    }
    ASSERT_TRUE(sim().delay(0));
    runFor(400);
}

// ---- Picture ----------------------------------------------------------------------------

TEST(LedsPolling, ScreenshotOfTheLedStrip)
{
    const RestoreLeds restore;
    Strip strip("4,6,8,10,12,14,16,18,20,22,24,26");
    strip.leds->Start(300);
    ASSERT_TRUE(waitUntil([&] { return strip.leds->Busy == 0 && strip.leds->BlinkCount > strip.leds->BlinkLimit; }));
    // The profile's octets: every fourth port without link, the first of every four blinking.
    EXPECT_EQ(strip.colours(), (std::vector<uint32_t>{Lime, Lime, Lime, Black, Lime, Lime, Lime, Black, Lime, Lime,
                                                      Lime, Black}));
    trqtest::saveScreenshot(strip.window.get(), "leds_strip_lit");
    strip.leds->Stop();
    trqtest::saveScreenshot(strip.window.get(), "leds_strip_off");
    EXPECT_EQ(strip.colours(), std::vector<uint32_t>(12, Black));
}

} // namespace
