// Layer-2 control window: the servers' port rows following their states, the check-box
// masks of "Set Checked", the set that would carry nothing, the timed second read of a
// port, and the host reading the RMON state again when the window closes.
#include <gtest/gtest.h>

#include <QElapsedTimer>
#include <QPlainTextEdit>
#include <QTimer>

#include "classlib/dialogs.h"
#include "l2windows/layer2controlunit.h"
#include "standinhost.h"
#include "windowworld.h"

using namespace wintest;

namespace {

const std::string Control = "1.3.6.1.4.1.32473.11.78.1.2.1.2";
const std::string WebPort = Control + ".14.2.0";
const std::string TelnetPort = Control + ".15.2.0";

int GetsOf(const std::string& oid)
{
    int count = 0;
    for (const auto& pdu : logged("get"))
        for (const auto& vb : pdu.varbinds)
            count += vb.oid == oid;
    return count;
}

std::vector<std::vector<std::string>> Sets()
{
    std::vector<std::vector<std::string>> out;
    for (const auto& pdu : logged("set"))
        out.push_back(varbinds(pdu));
    return out;
}

void Choose(QComboBox* combo, const char* label) { combo->setCurrentIndex(combo->findText(label)); }

// The simulator's values as the profile has them.
void PutBack()
{
    for (const auto& [oid, value] : {std::pair{".2.0", "2"}, std::pair{".3.0", "2"}, std::pair{".4.0", "3"},
                                     std::pair{".5.0", "1"}, std::pair{".6.0", "1"}, std::pair{".14.1.0", "3"},
                                     std::pair{".14.2.0", "80"}, std::pair{".15.1.0", "2"}, std::pair{".15.2.0", "23"}})
        ASSERT_TRUE(wintest::sim().setValue(Control + oid, "INTEGER", value));
}

class Layer2ControlWindow : public ::testing::Test {
protected:
    void SetUp() override { TLayer2ControlForm::PortPauseMs = 1; }
    void TearDown() override
    {
        TLayer2ControlForm::PortPauseMs = 800;
        TLayer2ControlForm::PortPauseV3Ms = 1500;
        PutBack();
    }
};

TEST_F(Layer2ControlWindow, ADisabledServersPortIsNeitherReadNorChecked)
{
    clearLog();
    ASSERT_TRUE(withWindow<TLayer2ControlForm>("DeviceControl1", [](TLayer2ControlForm& w) {
        EXPECT_EQ(w.windowTitle(), "Layer2 Control: 127.0.0.1");
        EXPECT_EQ(w.IGMPComBo->currentText(), "disabled");
        EXPECT_EQ(w.RmonComBo->currentText(), "enabled");
        EXPECT_EQ(w.CleanComBo->currentText(), "normal");
        EXPECT_EQ(w.VlanEdit->text(), "1");
        EXPECT_EQ(w.WebStateComBo->currentText(), "enabled");
        EXPECT_EQ(w.WebPortEdit->text(), "80");
        EXPECT_EQ(w.TelStateComBo->currentText(), "disabled");
        EXPECT_EQ(w.TelPortEdit->text(), "");
        EXPECT_FALSE(w.TelPortEdit->isEnabled());
        EXPECT_FALSE(w.CheckBox9->isEnabled());
        EXPECT_FALSE(w.CheckBox10->isVisible());
        EXPECT_FALSE(w.SerialComBo->isVisible());
        EXPECT_EQ(GetsOf(WebPort), 1);
        EXPECT_EQ(GetsOf(TelnetPort), 0);

        w.CheckButton->click();
        for (QCheckBox* box : {w.CheckBox1, w.CheckBox2, w.CheckBox3, w.CheckBox4, w.CheckBox5, w.CheckBox6,
                               w.CheckBox7, w.CheckBox8})
            EXPECT_TRUE(box->isChecked()) << box->objectName().toStdString();
        EXPECT_FALSE(w.CheckBox9->isChecked());
        snapshot(&w, "layer2control");
        w.ClearButton->click();
        EXPECT_FALSE(w.CheckBox1->isChecked());
        EXPECT_FALSE(w.CheckBox7->isChecked());

        // Disabling the web server by hand empties and locks its port row.
        w.CheckBox7->setChecked(true);
        Choose(w.WebStateComBo, "disabled");
        w.WebStateComBoChange();
        EXPECT_EQ(w.WebPortEdit->text(), "");
        EXPECT_FALSE(w.WebPortEdit->isEnabled());
        EXPECT_FALSE(w.CheckBox7->isChecked());
        EXPECT_FALSE(w.CheckBox7->isEnabled());
    }));
    EXPECT_EQ(GetsOf(TelnetPort), 0);
}

TEST_F(Layer2ControlWindow, SetCheckedWritesTheCheckedValuesAlone)
{
    struct Case {
        const char* what;
        std::function<void(TLayer2ControlForm&)> choose;
        std::vector<std::vector<std::string>> expected;
    };
    const Case cases[] = {
        {"one state",
         [](TLayer2ControlForm& w) {
             w.CheckBox1->setChecked(true);
             Choose(w.IGMPComBo, "enabled");
             Choose(w.SnoopingComBo, "enabled"); // not checked: not written
         },
         {{Control + ".2.0 INTEGER 3"}}},
        {"a list and the VLAN edit",
         [](TLayer2ControlForm& w) {
             w.CheckBox4->setChecked(true);
             Choose(w.CleanComBo, "active");
             w.CheckBox5->setChecked(true);
             w.VlanEdit->setText("7");
         },
         {{Control + ".5.0 INTEGER 2", Control + ".6.0 INTEGER 7"}}},
        {"the web port alone: no empty state set, the port is written",
         [](TLayer2ControlForm& w) {
             w.CheckBox7->setChecked(true);
             w.WebPortEdit->setText("8080");
         },
         {{WebPort + " INTEGER 8080"}}},
        {"enabling the telnet server, its port read back", [](TLayer2ControlForm& w) {
             w.CheckBox8->setChecked(true);
             Choose(w.TelStateComBo, "enabled");
         },
         {{Control + ".15.1.0 INTEGER 3"}}},
    };
    ASSERT_TRUE(withWindow<TLayer2ControlForm>("DeviceControl1", [&](TLayer2ControlForm& w) {
        for (const Case& c : cases) {
            SCOPED_TRACE(c.what);
            w.ClearButton->click();
            c.choose(w);
            clearLog();
            w.SetButton->click();
            ASSERT_TRUE(waitIdle(w));
            EXPECT_EQ(Sets(), c.expected);
            EXPECT_GE(GetsOf(Control + ".2.0"), 1) << "the states are read back";
        }
        EXPECT_EQ(w.WebPortEdit->text(), "8080");
        EXPECT_EQ(w.TelPortEdit->text(), "23");
        EXPECT_TRUE(w.CheckBox9->isEnabled());
        EXPECT_EQ(GetsOf(TelnetPort), 2) << "the telnet port, read twice after the write";
        EXPECT_TRUE(w.Memo1->toPlainText().contains("Nothing to set")) << "the empty state set is refused";

        // A checked row without a value: nothing is written.
        MessageRecorder boxes;
        w.ClearButton->click();
        w.CheckBox5->setChecked(true);
        w.VlanEdit->clear();
        clearLog();
        w.SetButton->click();
        ASSERT_TRUE(waitIdle(w));
        EXPECT_TRUE(logged("set").empty());
        EXPECT_TRUE(logged("get").empty());
        ASSERT_EQ(boxes.Shown.size(), 1u);
        EXPECT_EQ(boxes.Shown[0].text, "Some Checked fields are empty.");

        // An agent refusal ends the operation: no read-back.
        w.VlanEdit->setText("9");
        ASSERT_TRUE(wintest::sim().failNextSet(10));
        clearLog();
        w.SetButton->click();
        ASSERT_TRUE(waitIdle(w));
        EXPECT_EQ(logged("set").size(), 1u);
        EXPECT_TRUE(logged("get").empty());
        EXPECT_TRUE(w.Memo1->toPlainText().endsWith("(SNMP) Cannot create/set variable, Wrong Value!"));
        EXPECT_EQ(w.StateRequest->Request.VarList.GetItem(0)->Access, unsigned(SNMP_ACCESS_READWRITE));
    }));
}

TEST_F(Layer2ControlWindow, AnUncheckedPortIsReadAgainAfterThePause)
{
    TLayer2ControlForm::PortPauseMs = 150;
    TLayer2ControlForm::PortPauseV3Ms = 5000; // SNMPv2c here
    ASSERT_TRUE(withWindow<TLayer2ControlForm>("DeviceControl1", [](TLayer2ControlForm& w) {
        w.CheckBox6->setChecked(true); // enabled, as it is: the web port box stays clear
        // Once the pause has begun (the edit locked), Get and Set are clicked.
        bool lockedAndEmpty = false;
        QTimer pause;
        QObject::connect(&pause, &QTimer::timeout, &w, [&] {
            if (!w.WebPortEdit->isReadOnly())
                return;
            pause.stop();
            lockedAndEmpty = w.WebPortEdit->text().isEmpty();
            w.GetButton->click(); // ignored during the pause
            w.SetButton->click();
        });
        pause.start(5);
        clearLog();
        QElapsedTimer clock;
        clock.start();
        w.SetButton->click();
        ASSERT_TRUE(waitIdle(w));
        const qint64 elapsed = clock.elapsed();
        EXPECT_GE(elapsed, 150);
        EXPECT_LT(elapsed, 3000);
        EXPECT_TRUE(lockedAndEmpty);
        EXPECT_EQ(Sets(), (std::vector<std::vector<std::string>>{{Control + ".14.1.0 INTEGER 3"}}));
        EXPECT_EQ(GetsOf(WebPort), 2);
        EXPECT_EQ(GetsOf(Control + ".2.0"), 1);
        EXPECT_FALSE(w.WebPortEdit->isReadOnly());
        EXPECT_EQ(w.WebPortEdit->text(), "80");
    }));
}

TEST_F(Layer2ControlWindow, TheHostReadsTheRmonStateAgainWhenTheWindowCloses)
{
    auto rmonEnabled = [] { return host().RmonState->text() == "enabled"; };
    host().RmonStateChanged();
    ASSERT_TRUE(wintest::waitUntil(rmonEnabled));
    ASSERT_TRUE(withWindow<TLayer2ControlForm>("DeviceControl1", [&](TLayer2ControlForm& w) {
        w.CheckBox3->setChecked(true);
        Choose(w.RmonComBo, "disabled");
        clearLog();
        w.SetButton->click();
        ASSERT_TRUE(waitIdle(w));
        EXPECT_EQ(Sets(), (std::vector<std::vector<std::string>>{{Control + ".4.0 INTEGER 2"}}));
        EXPECT_TRUE(rmonEnabled()) << "not before the window closes";
    }));
    EXPECT_TRUE(wintest::waitUntil([&] { return !rmonEnabled(); })); // the read the close started
    ASSERT_TRUE(wintest::sim().setValue(Control + ".4.0", "INTEGER", "3"));
    host().RmonStateChanged();
    EXPECT_TRUE(wintest::waitUntil(rmonEnabled));
}

} // namespace

// The end of a synchronous read runs while the kit still waits for it: the read has not
// returned to the handler that started it, so nothing may start another exchange then.
TEST_F(Layer2ControlWindow, NothingStartsBeforeASynchronousReadHasReturned)
{
    ASSERT_TRUE(withWindow<TLayer2ControlForm>("DeviceControl1", [](TLayer2ControlForm& w) {
        bool idle = true, reread = true, ended = false;
        w.StateRequest->OnEndOfRead = [&](const VhSNMPError&) {
            ended = true;
            idle = TDedicatedForm::Idle({w.StateRequest});
            reread = w.Read(w.StateRequest);
        };
        clearLog();
        w.GetButton->click();
        w.StateRequest->OnEndOfRead = nullptr;
        ASSERT_TRUE(ended);
        EXPECT_FALSE(idle);
        EXPECT_FALSE(reread);
        EXPECT_EQ(GetsOf(Control + ".2.0"), 1);
        // Once it has returned, the next read starts.
        EXPECT_TRUE(TDedicatedForm::Idle({w.StateRequest}));
    }));
}
