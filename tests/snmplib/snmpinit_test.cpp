// Library start-up: the boots counter file, the defaults record, the event processor.
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include "platform/exception.h"
#include "snmplib/engine/bootcounter.h"
#include "snmplib/engine/target.h"
#include "snmplib/request.h"
#include "snmplib/snmpinit.h"

namespace {

const OctetStr EngineId("VhSNMP_PP_Application");

unsigned bootsIn(const QTemporaryDir& dir)
{
    unsigned boots = 0;
    const std::string file = dir.filePath("VhSNMP_PP_BootCounter").toStdString();
    EXPECT_EQ(getBootCounter(file.c_str(), EngineId, boots), 0);
    return boots;
}

// The first start in an empty directory writes the count 1, each further start adds 1,
// and start-up leaves the defaults of the table and a running event timer behind.
TEST(SnmpInit, CountsBootsAndResetsDefaults)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    VhSNMPDefaults.Device.Port = 1161;
    VhSNMPDefaults.Security.Version = 3;

    VhSNMPInit(dir.path().toStdString());
    EXPECT_EQ(bootsIn(dir), 1u);
    EXPECT_NE(VhSNMPSession(), nullptr);
    EXPECT_TRUE(SnmpEventProcessor.Active());
    EXPECT_EQ(VhSNMPDefaults.Device.Port, 161);
    EXPECT_EQ(VhSNMPDefaults.Security.Version, 0);

    Snmp* engine = VhSNMPSession();
    VhSNMPInit((dir.path() + "/").toStdString());
    VhSNMPInit(dir.path().toStdString());
    EXPECT_EQ(bootsIn(dir), 3u);
    EXPECT_EQ(VhSNMPSession(), engine); // one engine for the program
}

// A new request talks SNMPv1 to 127.0.0.1 port 161 with the default communities, a
// time-out of 100 hundredths and 1 retry.
TEST(SnmpInit, NewRequestTakesTheDefaults)
{
    QTemporaryDir dir;
    VhSNMPInit(dir.path().toStdString());
    VhSNMPRequest request;
    EXPECT_EQ(request.Timeout, 100);
    EXPECT_EQ(request.Retries, 1);
    EXPECT_EQ(request.Enabled, 1);
    EXPECT_EQ(request.Pending, 0);
    const std::unique_ptr<SnmpTarget> target = request.MakeTarget();
    auto* community = dynamic_cast<CTarget*>(target.get());
    ASSERT_NE(community, nullptr);
    EXPECT_EQ(community->get_version(), version1);
    EXPECT_EQ(community->get_udp_address().get_printable(), "127.0.0.1/161");
    EXPECT_EQ(community->get_readcommunity().str(), "mardle");
    EXPECT_EQ(community->get_writecommunity().str(), "quillon");
    EXPECT_EQ(community->get_timeout(), 100u);
    EXPECT_EQ(community->get_retry(), 1);
}

// A boots file that cannot be read or written fails start-up with its code; the defaults
// stay as they are and the event timer is not started.
TEST(SnmpInit, BootsFileFailures)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    struct Case {
        const char* label;
        std::function<std::string()> prepare; // the directory to start in
        int code;
        const char* message;
    } cases[] = {
        {"file is a directory",
         [&] {
             QDir(dir.path()).mkpath("a/VhSNMP_PP_BootCounter");
             return dir.filePath("a").toStdString();
         },
         -507, "(VhSNMP++) Error when loading SNMP engine boots counter!"},
        {"damaged line",
         [&] {
             QDir(dir.path()).mkpath("b");
             QFile f(dir.filePath("b/VhSNMP_PP_BootCounter"));
             EXPECT_TRUE(f.open(QIODevice::WriteOnly));
             f.write((encodeBootCounterEngineId(EngineId) + " many\n").c_str());
             return dir.filePath("b").toStdString();
         },
         -507, "(VhSNMP++) Error when loading SNMP engine boots counter!"},
        {"no such directory", [&] { return dir.filePath("missing").toStdString(); }, -508,
         "(VhSNMP++) Error when saving SNMP engine boots counter!"},
    };
    for (const Case& c : cases) {
        const std::string directory = c.prepare();
        SnmpEventProcessor.Stop();
        VhSNMPDefaults.Device.Port = 1161;
        try {
            VhSNMPInit(directory);
            ADD_FAILURE() << c.label << ": no exception";
        } catch (const Exception& e) {
            EXPECT_EQ(e.HelpContext, c.code) << c.label;
            EXPECT_EQ(e.Message, c.message) << c.label;
        }
        EXPECT_FALSE(SnmpEventProcessor.Active()) << c.label;
        EXPECT_EQ(VhSNMPDefaults.Device.Port, 1161) << c.label;
    }
    VhSNMPDefaults = VhSNMPDefaultsRecord{};
}

} // namespace
