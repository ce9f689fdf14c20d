#include "simlibrary.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <memory>

#include "snmplib/defaults.h"
#include "snmplib/snmpinit.h"

namespace trqtest {

namespace {

std::unique_ptr<SimProcess> g_sim;

class LibraryEnvironment : public ::testing::Environment {
public:
    LibraryEnvironment(std::function<SimOptions()> options, std::function<void(SimProcess&)> started)
        : options_(std::move(options)), started_(std::move(started))
    {
    }
    void SetUp() override
    {
        g_sim = std::make_unique<SimProcess>(options_());
        std::string error;
        ASSERT_TRUE(g_sim->start(&error)) << error;
        bootDir_ = std::make_unique<QTemporaryDir>();
        ASSERT_TRUE(bootDir_->isValid());
        VhSNMPInit(bootDir_->path().toStdString());
        if (started_)
            started_(*g_sim);
    }
    void TearDown() override
    {
        g_sim.reset();
        bootDir_.reset();
    }

private:
    std::function<SimOptions()> options_;
    std::function<void(SimProcess&)> started_;
    std::unique_ptr<QTemporaryDir> bootDir_;
};

} // namespace

bool UseSimulatorWithLibrary(std::function<SimOptions()> options, std::function<void(SimProcess&)> started)
{
    ::testing::AddGlobalTestEnvironment(new LibraryEnvironment(std::move(options), std::move(started)));
    return true;
}

SimProcess& LibrarySim() { return *g_sim; }

bool waitUntil(const std::function<bool()>& done, int milliseconds)
{
    QElapsedTimer clock;
    clock.start();
    while (!done() && clock.elapsed() < milliseconds)
        QCoreApplication::processEvents(QEventLoop::AllEvents | QEventLoop::WaitForMoreEvents, 20);
    return done();
}

void pump(int milliseconds)
{
    QElapsedTimer clock;
    clock.start();
    while (clock.elapsed() < milliseconds)
        QCoreApplication::processEvents(QEventLoop::AllEvents | QEventLoop::WaitForMoreEvents, 10);
}

void AimDefaultsAt(SimProcess& simulator)
{
    VhSNMPDefaults.Device.Address = "127.0.0.1";
    VhSNMPDefaults.Device.Port = static_cast<uint16_t>(simulator.port());
    VhSNMPDefaults.Security.Version = 1;
    VhSNMPDefaults.Security.ReadCommunity = "mardle";
    VhSNMPDefaults.Security.WriteCommunity = "quillon";
}

} // namespace trqtest
