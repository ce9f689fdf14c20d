// The window world without the main window: the binary's private simulator with the SNMP
// library aimed at it as start-up aims it (SNMPv2c, the program's communities), a stand-in
// host (standinhost.h) that has read the unit table as start-up does, and the windows
// opened from their factories as the menu handler opens them (windowopenings.h).
#include <gtest/gtest.h>

#include <QDialog>

#include <memory>

#include "dedicated/dedicatedform.h"
#include "simlibrary.h"
#include "snmplib/defaults.h"
#include "standinhost.h"
#include "windowopenings.h"
#include "windowworld.h"

namespace wintest {

namespace {

const char* const Address = "127.0.0.1";

std::unique_ptr<TStandInHost> g_host;

// Set up after the simulator and the library, torn down before them.
class HostEnvironment : public ::testing::Environment {
public:
    void SetUp() override
    {
        // The simulator did not start: that failure is reported, and no test runs.
        if (::testing::Test::HasFatalFailure())
            return;
        trqtest::SimProcess& simulator = trqtest::LibrarySim();
        trqtest::AimDefaultsAt(simulator);
        g_host = std::make_unique<TStandInHost>(Address);
        SetWindowHost(g_host.get());
        g_host->ReadUnitTable();
        ASSERT_FALSE(g_host->UnitReadFailed()) << g_host->StatusText();
    }
    void TearDown() override
    {
        SetWindowHost(nullptr);
        g_host.reset();
    }
};

// Creates the window as the menu handler does: owned by the host's window or by none, kept
// in its global pointer while it is shown, captioned prefix + address where its row has a
// prefix, shown modally, then deleted.
void Open(const TWindowOpening& row)
{
    struct TForget {
        void (*Forget)();
        ~TForget()
        {
            if (Forget)
                Forget();
        }
    } forget{row.Forget};
    const std::unique_ptr<QDialog> form(row.Create(row.OwnerMainWindow ? g_host->Window.get() : nullptr));
    if (row.CaptionPrefix)
        form->setWindowTitle(DedicatedCaption(row.CaptionPrefix));
    form->exec();
}

bool RunOpening(const TWindowOpening* row, const std::function<void(TDedicatedForm&)>& inside,
                const std::function<bool(TDedicatedForm&)>& ready)
{
    if (!row || !g_host)
        return false;
    return runModal([row] { Open(*row); }, inside, ready);
}

} // namespace

bool UseWindowWorld(const std::string& profile)
{
    trqtest::UseSimulatorWithLibrary([profile] { return trqtest::SimOptions{profile, "", {}}; });
    ::testing::AddGlobalTestEnvironment(new HostEnvironment);
    return true;
}

trqtest::SimProcess& sim() { return trqtest::LibrarySim(); }

TStandInHost& host() { return *g_host; }

bool withWindowOf(const std::string& menuItem, const std::function<void(TDedicatedForm&)>& inside,
                  const std::function<bool(TDedicatedForm&)>& ready)
{
    return RunOpening(FindOpeningOfItem(menuItem), inside, ready);
}

bool withFactoryOf(const std::string& formClass, const std::function<void(TDedicatedForm&)>& inside,
                   const std::function<bool(TDedicatedForm&)>& ready)
{
    return RunOpening(FindOpeningOfClass(formClass), inside, ready);
}

} // namespace wintest
