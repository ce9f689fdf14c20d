// Spanning tree settings window: what it reads, the checks before a set with their messages
// and order, the MSTP variant that neither checks nor writes Hello Time, and the varbinds of
// each set.
#include <gtest/gtest.h>

#include <QComboBox>
#include <QLineEdit>
#include <QStatusBar>

#include "classlib/dialogs.h"
#include "dedicated/messagetarget.h"
#include "l2windows/stpinfo.h"
#include "windowworld.h"

using namespace wintest;

namespace {

const std::string Stp = "1.3.6.1.4.1.32473.12.15.1.";

std::string Panel0(TSTP_Info& w) { return StatusPanel0(w.StatusBar1)->text().toStdString(); }

// Chooses an entry as the user does.
void Choose(QComboBox* combo, const char* text)
{
    const int index = combo->findText(text);
    combo->setCurrentIndex(index);
    emit combo->activated(index);
}

// The OIDs a set carried.
std::vector<std::string> SetOids()
{
    std::vector<std::string> oids;
    for (const auto& pdu : logged("set"))
        for (const auto& vb : pdu.varbinds)
            oids.push_back(vb.oid);
    return oids;
}

TEST(StpInfo, ReadsTheSettingsAndFollowsTheVersion)
{
    ASSERT_TRUE(withWindow<TSTP_Info>("mmiSTPCtrl", [](TSTP_Info& w) {
        EXPECT_EQ(w.windowTitle(), "Spanning Tree Control : 127.0.0.1");
        EXPECT_EQ(w.Combo_STPVersion->currentText(), "rstp");
        EXPECT_EQ(w.ET_AgingTime->text(), "2000");
        EXPECT_EQ(w.ET_HelloTime->text(), "200");
        EXPECT_EQ(w.ET_ForwardDelay->text(), "1500");
        EXPECT_EQ(w.edtLBDRecover->text(), "60");
        EXPECT_TRUE(w.ET_HelloTime->isEnabled());
        snapshot(&w, "stpinfo");

        Choose(w.Combo_STPVersion, "mstp");
        EXPECT_FALSE(w.ET_HelloTime->isEnabled());
        w.ET_HelloTime->setText("999");
        Choose(w.Combo_STPVersion, "stp");
        EXPECT_TRUE(w.ET_HelloTime->isEnabled());
        EXPECT_EQ(w.ET_HelloTime->text(), "200");
    }));
}

TEST(StpInfo, ChecksInTheirOrderAndSendsNothingWhenOneFails)
{
    struct Case {
        const char* what;
        std::function<void(TSTP_Info&)> enter;
        const char* box;    // the message box, or empty
        const char* status; // the text of panel 0, or empty
    };
    const std::vector<Case> cases = {
        {"an empty edit", [](TSTP_Info& w) { w.edtMaxHop->clear(); }, "Don't Leave Empty Fileds !", ""},
        {"an empty recover time", [](TSTP_Info& w) { w.edtLBDRecover->clear(); }, "Don't Leave Empty Fileds !", ""},
        {"a letter", [](TSTP_Info& w) { w.ET_HelloTime->setText("2x0"); }, "Data Error", ""},
        {"two dots", [](TSTP_Info& w) { w.ET_HelloTime->setText("1.2.3"); }, "Data Error", ""},
        {"21 hops", [](TSTP_Info& w) { w.edtMaxHop->setText("21"); }, "", "Max Hop value is wrong!"},
        {"0 hops", [](TSTP_Info& w) { w.edtMaxHop->setText("0"); }, "", "Max Hop value is wrong!"},
        {"recover 59", [](TSTP_Info& w) { w.edtLBDRecover->setText("59"); }, "", "Recover Time value is wrong!"},
        {"hello 99", [](TSTP_Info& w) { w.ET_HelloTime->setText("99"); }, "", "Hello Time value is wrong!"},
        {"hello 1.5",
         [](TSTP_Info& w) { w.ET_HelloTime->setText("1.5"); }, "", "'1.5' is not a valid integer value"},
        {"rule one",
         [](TSTP_Info& w) {
             w.ET_AgingTime->setText("2000");
             w.ET_ForwardDelay->setText("1000");
         },
         "Note: 2*(Forward Delay - 100) >= Max Age", ""},
        {"rule two",
         [](TSTP_Info& w) {
             w.ET_AgingTime->setText("600");
             w.ET_HelloTime->setText("300");
         },
         "Note: Max Age>= 2*(Hello Time + 100)", ""},
    };
    ASSERT_TRUE(withWindow<TSTP_Info>("mmiSTPCtrl", [&](TSTP_Info& w) {
        for (const Case& c : cases) {
            SCOPED_TRACE(c.what);
            w.BT_Get->click();
            ASSERT_TRUE(waitIdle(w));
            c.enter(w);
            clearLog();
            MessageRecorder boxes;
            w.BT_Set->click();
            ASSERT_TRUE(waitIdle(w));
            EXPECT_TRUE(logged("set").empty());
            if (*c.box) {
                ASSERT_EQ(boxes.Shown.size(), 1u);
                EXPECT_EQ(boxes.Shown.front().text, c.box);
            } else {
                EXPECT_TRUE(boxes.Shown.empty());
                EXPECT_NE(Panel0(w).find(c.status), std::string::npos) << Panel0(w);
            }
        }
    }));
}

TEST(StpInfo, SetsEveryValueAndUnderMstpLeavesHelloTimeOut)
{
    ASSERT_TRUE(withWindow<TSTP_Info>("mmiSTPCtrl", [](TSTP_Info& w) {
        // Rule one at its edge passes: 2 x (1100 - 100) = 2000.
        w.ET_AgingTime->setText("2000");
        w.ET_ForwardDelay->setText("1100");
        w.ET_HelloTime->setText("300");
        w.edtLBDRecover->setText("0");
        clearLog();
        w.BT_Set->click();
        ASSERT_TRUE(waitIdle(w));
        std::vector<std::string> all;
        for (int item : {2, 4, 5, 3, 6, 7, 8, 9, 10})
            all.push_back(Stp + std::to_string(item) + ".0");
        EXPECT_EQ(SetOids(), all);
        EXPECT_EQ(wintest::sim().walk(Stp + "4.0").front().value, "300");
        EXPECT_EQ(w.ET_HelloTime->text(), "300");

        Choose(w.Combo_STPVersion, "mstp");
        w.ET_HelloTime->setText("5"); // greyed out, and neither checked nor written
        clearLog();
        w.BT_Set->click();
        ASSERT_TRUE(waitIdle(w));
        std::vector<std::string> noHello = all;
        noHello.erase(noHello.begin() + 1);
        EXPECT_EQ(SetOids(), noHello);
        // The read after the set asks for Hello Time again.
        const auto gets = logged("get");
        ASSERT_FALSE(gets.empty());
        EXPECT_EQ(gets.back().varbinds.size(), 9u);
        EXPECT_EQ(w.ET_HelloTime->text(), "300");
        Choose(w.Combo_STPVersion, "rstp");
        w.ET_HelloTime->setText("200");
        w.BT_Set->click();
        ASSERT_TRUE(waitIdle(w));
    }));
}

TEST(StpInfo, ASetTheSwitchRefusesIsShownAndNotReadOver)
{
    ASSERT_TRUE(withWindow<TSTP_Info>("mmiSTPCtrl", [](TSTP_Info& w) {
        ASSERT_TRUE(wintest::sim().failNextSet(5));
        clearLog();
        w.BT_Set->click();
        ASSERT_TRUE(waitIdle(w));
        EXPECT_EQ(logged("set").size(), 1u);
        EXPECT_TRUE(logged("get").empty());
        EXPECT_FALSE(Panel0(w).empty());
        EXPECT_EQ(Panel0(w).find("Ok"), std::string::npos) << Panel0(w);
    }));
}

} // namespace
