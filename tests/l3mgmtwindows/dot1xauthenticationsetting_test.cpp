// 802.1X authentication setting window: the state box governs the mode and protocol boxes,
// switching 802.1X off writes the control object alone, mode "none" with 802.1X on is
// refused before anything is sent, and the group is read again after a set.
#include <gtest/gtest.h>

#include <QComboBox>
#include <QStatusBar>

#include "classlib/dialogs.h"
#include "dedicated/messagetarget.h"
#include "l3mgmtwindows/dot1xauthenticationsetting.h"
#include "windowworld.h"

using namespace wintest;

namespace {

const std::string Control = "1.0.8802.1.1.1.1.1.1.0";
const std::string Protocol = "1.3.6.1.4.1.32473.12.3.1.1.0";
const std::string Mode = "1.3.6.1.4.1.32473.12.3.1.2.0";

void Choose(QComboBox* combo, const char* text)
{
    const int index = combo->findText(text);
    ASSERT_GE(index, 0) << text;
    combo->setCurrentIndex(index);
    emit combo->activated(index);
}

std::string Served(const std::string& oid) { return wintest::sim().walk(oid).front().value; }

// Puts the switch back as the profile has it.
void Restore()
{
    wintest::sim().setValue(Control, "INTEGER", "1");
    wintest::sim().setValue(Protocol, "INTEGER", "2");
    wintest::sim().setValue(Mode, "INTEGER", "1");
}

TEST(AuthenticationSetting, ReadsTheGroupAndTheStateGovernsTheOtherBoxes)
{
    // None of the values is the first of its list: each shown one was read.
    wintest::sim().setValue(Control, "INTEGER", "2");
    wintest::sim().setValue(Protocol, "INTEGER", "4");
    wintest::sim().setValue(Mode, "INTEGER", "2");
    ASSERT_TRUE(withWindow<TAuthenticationSettingForm>("Configuration2", [](TAuthenticationSettingForm& w) {
        EXPECT_EQ(w.windowTitle(), "802.1X Authentication Setting: 127.0.0.1");
        EXPECT_EQ(w.cbxAuthCtrl->currentText(), "disabled");
        EXPECT_EQ(w.cbxAuthProtocol->currentText(), "authProtocolRadiusEap");
        EXPECT_EQ(w.cbxAuthMode->currentText(), "macBase");
        EXPECT_FALSE(w.cbxAuthMode->isEnabled());
        EXPECT_FALSE(w.cbxAuthProtocol->isEnabled());
        Choose(w.cbxAuthCtrl, "enabled");
        EXPECT_TRUE(w.cbxAuthMode->isEnabled());
        EXPECT_TRUE(w.cbxAuthProtocol->isEnabled());
        snapshot(&w, "dot1xauthenticationsetting");

        Choose(w.cbxAuthCtrl, "disabled");
        EXPECT_FALSE(w.cbxAuthMode->isEnabled());
        EXPECT_FALSE(w.cbxAuthProtocol->isEnabled());
        Choose(w.cbxAuthCtrl, "enabled");
        EXPECT_TRUE(w.cbxAuthMode->isEnabled());
        // Mode "none" turns 802.1X off in the window.
        Choose(w.cbxAuthMode, "none");
        EXPECT_EQ(w.cbxAuthCtrl->currentText(), "disabled");
        EXPECT_FALSE(w.cbxAuthMode->isEnabled());
    }));
    Restore();
}

TEST(AuthenticationSetting, DisabledWritesTheControlAloneAndIsReadAgain)
{
    ASSERT_TRUE(withWindow<TAuthenticationSettingForm>("Configuration2", [](TAuthenticationSettingForm& w) {
        Choose(w.cbxAuthMode, "none"); // the state box goes to "disabled"
        clearLog();
        w.btnSet->click();
        ASSERT_TRUE(waitIdle(w));
        const auto sets = logged("set");
        ASSERT_EQ(sets.size(), 1u);
        EXPECT_EQ(varbinds(sets[0]), std::vector<std::string>{Control + " INTEGER 2"});
        EXPECT_EQ(Served(Mode), "1"); // the switch keeps its mode
        // The group is read after the set's reply: the window shows the switch's mode again.
        ASSERT_EQ(logged("get").size(), 1u);
        EXPECT_EQ(w.cbxAuthMode->currentText(), "portBase");
        EXPECT_EQ(w.cbxAuthCtrl->currentText(), "disabled");
        EXPECT_FALSE(w.cbxAuthMode->isEnabled());

        // Enabled again, with the other protocol: all three go in one set.
        Choose(w.cbxAuthCtrl, "enabled");
        Choose(w.cbxAuthProtocol, "authProtocolRadiusEap");
        Choose(w.cbxAuthMode, "macBase");
        clearLog();
        w.btnSet->click();
        ASSERT_TRUE(waitIdle(w));
        ASSERT_EQ(logged("set").size(), 1u);
        EXPECT_EQ(varbinds(logged("set")[0]),
                  (std::vector<std::string>{Control + " INTEGER 1", Protocol + " INTEGER 4", Mode + " INTEGER 2"}));
        EXPECT_EQ(Served(Mode), "2");
    }));
    Restore();
}

TEST(AuthenticationSetting, RefusesWhatCannotBeWrittenAndSendsNothing)
{
    struct Case {
        const char* what;
        std::function<void(TAuthenticationSettingForm&)> enter;
        const char* message;
    };
    const std::vector<Case> cases = {
        {"no state", [](TAuthenticationSettingForm& w) { w.cbxAuthCtrl->setCurrentIndex(-1); },
         "You should choose Authentication State."},
        {"no mode", [](TAuthenticationSettingForm& w) { w.cbxAuthMode->setCurrentIndex(-1); },
         "You should choose Authentication Mode."},
        // Set by the program (not the user), so the state stays "enabled".
        {"enabled with mode none", [](TAuthenticationSettingForm& w) { w.cbxAuthMode->setCurrentIndex(2); },
         "If you want to enable 802.1X, you should not choose mode to none."},
        {"no protocol", [](TAuthenticationSettingForm& w) { w.cbxAuthProtocol->setCurrentIndex(-1); },
         "You should choose Authentication Protocol."},
    };
    ASSERT_TRUE(withWindow<TAuthenticationSettingForm>("Configuration2", [&](TAuthenticationSettingForm& w) {
        for (const Case& c : cases) {
            SCOPED_TRACE(c.what);
            w.btnRefresh->click();
            ASSERT_TRUE(waitIdle(w));
            c.enter(w);
            clearLog();
            MessageRecorder boxes;
            w.btnSet->click();
            ASSERT_TRUE(waitIdle(w));
            EXPECT_TRUE(logged("set").empty());
            ASSERT_EQ(boxes.Shown.size(), 1u);
            EXPECT_EQ(boxes.Shown.front().text, c.message);
        }
    }));
}

TEST(AuthenticationSetting, AValueWithoutALabelLeavesTheBoxEmptyAndSetRefuses)
{
    wintest::sim().setValue(Protocol, "INTEGER", "3");
    ASSERT_TRUE(withWindow<TAuthenticationSettingForm>("Configuration2", [](TAuthenticationSettingForm& w) {
        EXPECT_EQ(w.cbxAuthProtocol->currentIndex(), -1);
        clearLog();
        MessageRecorder boxes;
        w.btnSet->click();
        ASSERT_TRUE(waitIdle(w));
        EXPECT_TRUE(logged("set").empty());
        ASSERT_EQ(boxes.Shown.size(), 1u);
        EXPECT_EQ(boxes.Shown.front().text, "You should choose Authentication Protocol.");
    }));
    Restore();
}

TEST(AuthenticationSetting, ARefusedSetIsShownAndNotReadOver)
{
    ASSERT_TRUE(withWindow<TAuthenticationSettingForm>("Configuration2", [](TAuthenticationSettingForm& w) {
        ASSERT_TRUE(wintest::sim().failNextSet(5));
        clearLog();
        w.btnSet->click();
        ASSERT_TRUE(waitIdle(w));
        EXPECT_EQ(logged("set").size(), 1u);
        EXPECT_TRUE(logged("get").empty());
        const std::string panel = StatusPanel0(w.StatusBar1)->text().toStdString();
        EXPECT_FALSE(panel.empty());
        EXPECT_EQ(panel.find("Ok"), std::string::npos) << panel;
    }));
}

} // namespace
