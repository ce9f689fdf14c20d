// The power and fan window against the simulator: pictures for the states read, for a
// switch that does not answer, for an agent error and for a poll that fails.
#include <gtest/gtest.h>

#include <QTimer>

#include "chassisworld.h"
#include "chassis/powerform.h"
#include "simlibrary.h"
#include "snmplib/bind/request2edits.h"
#include "snmplib/defaults.h"
#include "snmplib/snmperror.h"

namespace {

const std::string MainPower = "1.3.6.1.4.1.32473.12.11.1.3.0";
const std::string RpsPower = "1.3.6.1.4.1.32473.12.11.1.4.0";
const std::string FanStatus = "1.3.6.1.4.1.32473.12.11.1.7.1.3.";
const std::string FanRow = "1.3.6.1.4.1.32473.12.11.1.7.1.";

using Power = std::array<int, 2>;
using Fans = std::array<int, 4>;

class PowerWindow : public ChassisWorld {
protected:
    // Waits until both reads of the power window have ended.
    bool readsDone()
    {
        return trqtest::waitUntil([] {
            return PowerForm && PowerForm->PowerRequest->Busy == 0 && PowerForm->FanRequest->Busy == 0;
        });
    }
    // One poll and its power and fan reads.
    void pollAndRead()
    {
        poll();
        ASSERT_TRUE(readsDone());
    }
};

TEST_F(PowerWindow, PicturesFollowThePowerAndFanStates)
{
    start();
    ASSERT_TRUE(readsDone());
    EXPECT_EQ(PowerForm->PowerImageIndexes, (Power{0, 0}));
    EXPECT_EQ(PowerForm->FanImageIndexes, (Fans{0, 0, 0, 0}));
    EXPECT_EQ(PowerForm->size(), QSize(form->Chassis->PowerPanel->contentsRect().size()));

    // Main power on, redundant supply off: the right picture on, the left off.
    ASSERT_TRUE(sim.setValue(RpsPower, "INTEGER", "0"));
    ASSERT_TRUE(sim.setValue(FanStatus + "1.2", "INTEGER", "0")); // other
    ASSERT_TRUE(sim.setValue(FanStatus + "2.2", "INTEGER", "2")); // fail
    pollAndRead();
    EXPECT_EQ(PowerForm->PowerImageIndexes, (Power{1, 0}));
    EXPECT_EQ(PowerForm->FanImageIndexes, (Fans{0, 1, 0, 2}));

    // A state outside the labels, a fan without a row.
    ASSERT_TRUE(sim.setValue(MainPower, "INTEGER", "7"));
    for (const char* column : {"1", "2", "3"})
        ASSERT_TRUE(sim.removeValue(FanRow + column + ".2.1"));
    pollAndRead();
    EXPECT_EQ(PowerForm->PowerImageIndexes, (Power{1, 2}));
    EXPECT_EQ(PowerForm->FanImageIndexes, (Fans{0, 1, 1, 2}));
}

TEST_F(PowerWindow, ASilentSwitchShowsTheTimeOutPictures)
{
    Timeout = 20;
    start();
    ASSERT_TRUE(readsDone());
    ASSERT_TRUE(sim.mute(true));
    pollAndRead();
    EXPECT_EQ(PowerForm->PowerImageIndexes, (Power{1, 1}));
    EXPECT_EQ(PowerForm->FanImageIndexes, (Fans{1, 1, 1, 1}));
}

TEST_F(PowerWindow, AnAgentErrorShowsTheFailedPictures)
{
    // SNMPv1 answers a missing object with noSuchName.
    writeSimulatorSettings(sim.port(), "0");
    ASSERT_TRUE(sim.removeValue(RpsPower));
    start();
    ASSERT_TRUE(readsDone());
    EXPECT_EQ(PowerForm->PowerImageIndexes, (Power{2, 2}));
    EXPECT_EQ(PowerForm->FanImageIndexes, (Fans{0, 0, 0, 0}));
}

TEST_F(PowerWindow, AFailedPollShowsTheTimeOutPicturesAndItsMessage)
{
    start();
    ASSERT_TRUE(readsDone());
    // The power read cannot even be sent.
    PowerForm->PowerRequest->Request.Device.Address = "no address";
    poll();
    EXPECT_EQ(PowerForm->PowerImageIndexes, (Power{1, 1}));
    EXPECT_EQ(PowerForm->FanImageIndexes, (Fans{1, 1, 1, 1}));
    EXPECT_EQ(form->StatusText(), SnmpErrorText(VHSNMP_ERR_BAD_ADDRESS));
    EXPECT_FALSE(form->Chassis->PollRunning);
    EXPECT_TRUE(form->Timer1->isActive());
}

// A read that cannot even be sent (a host name that does not resolve) shows what a switch
// that does not answer shows: grey pictures, never none.
TEST_F(PowerWindow, AReadThatCannotBeSentShowsTheTimeOutPictures)
{
    start();
    ASSERT_TRUE(readsDone());
    const std::string address = VhSNMPDefaults.Device.Address;
    VhSNMPDefaults.Device.Address = "no address";
    TPowerForm window(nullptr);
    VhSNMPDefaults.Device.Address = address;
    EXPECT_EQ(window.PowerImageIndexes, (Power{1, 1}));
    EXPECT_EQ(window.FanImageIndexes, (Fans{1, 1, 1, 1}));
    for (QLabel* picture : {window.PowerImages[0], window.PowerImages[1], window.FanImages[0], window.FanImages[3]})
        EXPECT_FALSE(picture->pixmap().isNull());
    EXPECT_EQ(form->StatusText(), SnmpErrorText(VHSNMP_ERR_BAD_ADDRESS));
}

} // namespace
