// 802.1P basic configuration window: the two P-BRIDGE scalars with their result lines, two
// lines per Refresh (capabilities first), and an agent without the objects.
#include <gtest/gtest.h>

#include <QComboBox>
#include <QLabel>
#include <QPlainTextEdit>

#include "l2windows/pbridgeconfigformunit.h"
#include "windowworld.h"

using namespace wintest;

namespace {

constexpr char Menu[] = "BasicConfigure2";
const std::string Capabilities = "1.3.6.1.2.1.17.6.1.1.1.0";
const std::string TrafficClasses = "1.3.6.1.2.1.17.6.1.1.2.0";

QStringList MemoLines(const TPBridgeConfigForm& w) { return w.Memo1->toPlainText().split('\n', Qt::SkipEmptyParts); }

TEST(PBridgeConfig, ReadsBothScalarsWithOneResultLineEach)
{
    ASSERT_TRUE(withWindow<TPBridgeConfigForm>(Menu, [](TPBridgeConfigForm& w) {
        EXPECT_EQ(w.Edit_DeviceCapabilities->text(), "52");
        EXPECT_EQ(w.TrafficClassesState->text(), "true");
        EXPECT_FALSE(w.BT_Set->isVisible());
        EXPECT_FALSE(w.GmrpStatus->isVisible());
        EXPECT_EQ(MemoLines(w).size(), 2);
        snapshot(&w, "pbridgeconfig");

        clearLog();
        w.BT_Get->click();
        ASSERT_TRUE(waitIdle(w));
        const auto gets = logged("get");
        ASSERT_EQ(gets.size(), 2u);
        EXPECT_EQ(gets[0].varbinds.at(0).oid, Capabilities);
        EXPECT_EQ(gets[1].varbinds.at(0).oid, TrafficClasses);
        const QStringList lines = MemoLines(w);
        ASSERT_EQ(lines.size(), 4);
        EXPECT_TRUE(lines[2].startsWith("Get: (VhSNMP++) Ok!")) << lines[2].toStdString();
        EXPECT_TRUE(lines[3].startsWith("Get: (VhSNMP++) Ok!")) << lines[3].toStdString();
    }));
}

TEST(PBridgeConfig, AnAgentWithoutTheObjectsGivesTwoErrorLines)
{
    wintest::sim().removeValue(Capabilities);
    wintest::sim().removeValue(TrafficClasses);
    ASSERT_TRUE(withWindow<TPBridgeConfigForm>(Menu, [](TPBridgeConfigForm& w) {
        // Each read ends with a line that names the missing object's error.
        const QStringList lines = MemoLines(w);
        ASSERT_GE(lines.size(), 2);
        EXPECT_EQ(lines.filter("Variable does not exist!").size(), 2) << w.Memo1->toPlainText().toStdString();
        EXPECT_TRUE(lines.last().contains("Variable does not exist!"));
        EXPECT_EQ(w.Edit_DeviceCapabilities->text(), "");
        EXPECT_EQ(w.TrafficClassesState->text(), "");
    }));
    wintest::sim().setValue(Capabilities, "HEX", "52");
    wintest::sim().setValue(TrafficClasses, "INTEGER", "1");
}

} // namespace
