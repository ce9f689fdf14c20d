// The main window's request on the RMON state, against the simulator: the hidden static
// text shows the state's label and the RMON menu entries follow it.
#include <gtest/gtest.h>

#include <QAction>
#include <QLabel>

#include "fixture.h"
#include "mainwin/mainunit.h"
#include "chassis/powerform.h"
#include "chassis/requestlifetime.h"
#include "simlibrary.h"
#include "snmplib/bind/request2edits.h"
#include "simharness.h"

namespace {

const char* const kRmonState = "1.3.6.1.4.1.32473.11.78.1.2.1.2.4.0";

class RmonState : public StartupWorld {
protected:
    void SetUp() override
    {
        StartupWorld::SetUp();
        Timeout = 50;
        std::string error;
        ASSERT_TRUE(sim.start(&error)) << error;
        // SNMPv2c on the simulator's port, as the host platform would start the program.
        writeSimulatorSettings(sim.port());
        form.reset(createMainForm({"/I127.0.0.1", "/Rmardle", "/Wquillon"}));
        ASSERT_NE(form->MainRequest, nullptr);
        form->MainRequest->Request.Timeout = 20;
        form->MainRequest->Request.Retries = 0;
    }
    void TearDown() override
    {
        form.reset();
        sim.stop();
        StartupWorld::TearDown();
    }
    // Reads the state again and waits for its reply (the read never holds up the loop).
    void updateAndWait()
    {
        form->UpdateRmonMenus();
        EXPECT_TRUE(trqtest::waitUntil([&] { return RequestIdle(form->MainRequest); }));
    }
    bool rmonEntriesEnabled() const
    {
        bool all = true;
        for (const char* name : {"Statistics1", "History1", "AlarmEvent1"}) {
            QAction* entry = form->MenuItem(name);
            EXPECT_NE(entry, nullptr) << name;
            all = all && entry && entry->isEnabled();
        }
        return all;
    }

    trqtest::SimProcess sim;
    std::unique_ptr<TMainForm> form;
};

TEST_F(RmonState, MenuEntriesFollowTheState)
{
    ASSERT_TRUE(sim.setValue(kRmonState, "INTEGER", "2"));
    // The chassis reads of the start leave their result lines: once they have ended, the
    // status bar is cleared.
    ASSERT_TRUE(trqtest::waitUntil([] {
        return PowerForm && RequestIdle(PowerForm->PowerRequest) && RequestIdle(PowerForm->FanRequest);
    }));
    form->SetStatusText("");
    updateAndWait();
    EXPECT_EQ(form->ST_RmonState->text().toStdString(), "disabled");
    EXPECT_FALSE(rmonEntriesEnabled());

    ASSERT_TRUE(sim.setValue(kRmonState, "INTEGER", "3"));
    updateAndWait();
    EXPECT_EQ(form->ST_RmonState->text().toStdString(), "enabled");
    EXPECT_TRUE(rmonEntriesEnabled());
    EXPECT_EQ(form->StatusText(), "");
}

TEST_F(RmonState, FailedReadShowsInStatusBarAndDisablesEntries)
{
    updateAndWait();
    ASSERT_TRUE(rmonEntriesEnabled());
    ASSERT_TRUE(sim.mute(true));
    updateAndWait();
    EXPECT_EQ(form->StatusText(), "(SNMPClass) SNMP request timed out!");
    EXPECT_FALSE(rmonEntriesEnabled());
}

} // namespace
