// SSL settings window: the cipher-suites octet decoded into the four boxes and encoded
// from them, the field checks in their order, and the three objects in one set.
#include <gtest/gtest.h>

#include <cctype>

#include <QComboBox>
#include <QLineEdit>
#include <QStatusBar>

#include "classlib/dialogs.h"
#include "dedicated/messagetarget.h"
#include "l3mgmtwindows/sslstateunit.h"
#include "windowworld.h"

using namespace wintest;

namespace {

const std::string Ssl = "1.3.6.1.4.1.32473.12.7.1.";

// The four boxes as 1 (enabled), 0 (disabled) or -1 (no selection).
std::vector<int> Suites(TSSLStateForm& w)
{
    return {w.cbxRSARC4128MD5->currentIndex(), w.cbxRSA3DESEDECBCSHA->currentIndex(),
            w.cbxDHEDSS3DESEDECBCSHA->currentIndex(), w.cbxRSAEXPORTRC4MD5->currentIndex()};
}

void Restore()
{
    wintest::sim().setValue(Ssl + "1.0", "INTEGER", "2");
    wintest::sim().setValue(Ssl + "2.0", "GAUGE", "600");
    wintest::sim().setValue(Ssl + "3.0", "HEX", "F0");
}

TEST(SslState, DecodesTheCipherSuites)
{
    struct Case {
        const char* octets; // served, or (lower case) typed into the hidden text
        std::vector<int> boxes;
    };
    const std::vector<Case> cases = {
        {"F0", {1, 1, 1, 1}}, {"80", {1, 0, 0, 0}}, {"10", {0, 0, 0, 1}},
        {"00", {0, 0, 0, 0}}, {"50", {0, 1, 0, 1}}, {"a0", {1, 0, 1, 0}},
    };
    ASSERT_TRUE(withWindow<TSSLStateForm>("mmiSSLMgmt", [&](TSSLStateForm& w) {
        EXPECT_EQ(w.windowTitle(), "SSL Management Table: 127.0.0.1");
        EXPECT_EQ(w.cbxSSLState->currentText(), "disabled");
        EXPECT_EQ(w.edtTimeout->text(), "600");
        EXPECT_FALSE(w.edtCipherSuites->isVisible());
        snapshot(&w, "sslstate");
        for (const Case& c : cases) {
            SCOPED_TRACE(c.octets);
            if (std::islower(static_cast<unsigned char>(c.octets[0]))) {
                w.edtCipherSuites->setText(c.octets);
                w.DecodeCipherSuites();
            } else {
                ASSERT_TRUE(wintest::sim().setValue(Ssl + "3.0", "HEX", c.octets));
                w.btnRefresh->click();
                ASSERT_TRUE(waitIdle(w));
            }
            EXPECT_EQ(Suites(w), c.boxes);
        }
        // Not one octet: the boxes stay as they were.
        ASSERT_TRUE(wintest::sim().setValue(Ssl + "3.0", "HEX", "8000"));
        w.btnRefresh->click();
        ASSERT_TRUE(waitIdle(w));
        EXPECT_EQ(Suites(w), (std::vector<int>{1, 0, 1, 0}));
    }));
    Restore();
}

TEST(SslState, AValueOfAnotherLengthLeavesTheBoxesEmptyAndSetRefuses)
{
    ASSERT_TRUE(wintest::sim().setValue(Ssl + "3.0", "HEX", "F000"));
    ASSERT_TRUE(withWindow<TSSLStateForm>("mmiSSLMgmt", [](TSSLStateForm& w) {
        EXPECT_EQ(Suites(w), (std::vector<int>{-1, -1, -1, -1}));
        clearLog();
        MessageRecorder boxes;
        w.btnSet->click();
        ASSERT_TRUE(waitIdle(w));
        EXPECT_TRUE(logged("set").empty());
        ASSERT_EQ(boxes.Shown.size(), 1u);
        EXPECT_EQ(boxes.Shown.front().text, "Please choose RSA-with-RC4-128-MD5.");
    }));
    Restore();
}

TEST(SslState, EncodesTheBoxesAndSendsTheThreeObjectsInOneSet)
{
    ASSERT_TRUE(withWindow<TSSLStateForm>("mmiSSLMgmt", [](TSSLStateForm& w) {
        // An empty timeout is refused first.
        w.edtTimeout->clear();
        clearLog();
        {
            MessageRecorder boxes;
            w.btnSet->click();
            ASSERT_TRUE(waitIdle(w));
            ASSERT_EQ(boxes.Shown.size(), 1u);
            EXPECT_EQ(boxes.Shown.front().text, "Please enter Cache Timeout.");
        }
        EXPECT_TRUE(logged("set").empty());

        w.edtTimeout->setText("3600");
        w.cbxSSLState->setCurrentIndex(w.cbxSSLState->findText("enabled"));
        w.cbxRSARC4128MD5->setCurrentIndex(0);
        w.cbxRSA3DESEDECBCSHA->setCurrentIndex(1);
        w.cbxDHEDSS3DESEDECBCSHA->setCurrentIndex(0);
        w.cbxRSAEXPORTRC4MD5->setCurrentIndex(1);
        clearLog();
        w.btnSet->click();
        ASSERT_TRUE(waitIdle(w));
        ASSERT_EQ(logged("set").size(), 1u);
        // The octet 0x50, which the simulator logs as the printable "P".
        EXPECT_EQ(varbinds(logged("set")[0]),
                  (std::vector<std::string>{Ssl + "1.0 INTEGER 3", Ssl + "2.0 GAUGE 3600", Ssl + "3.0 STRING P"}));
        EXPECT_TRUE(logged("get").empty()); // not read again
        EXPECT_EQ(w.edtCipherSuites->text(), "50");

        // None enabled: the octet 00.
        for (QComboBox* box : {w.cbxRSA3DESEDECBCSHA, w.cbxRSAEXPORTRC4MD5})
            box->setCurrentIndex(0);
        clearLog();
        w.btnSet->click();
        ASSERT_TRUE(waitIdle(w));
        ASSERT_EQ(logged("set").size(), 1u);
        EXPECT_EQ(logged("set")[0].varbinds.back().value, "00");

        // A set the switch refuses shows its text in panel 0.
        ASSERT_TRUE(wintest::sim().failNextSet(5));
        w.btnSet->click();
        ASSERT_TRUE(waitIdle(w));
        const std::string panel = StatusPanel0(w.StatusBar1)->text().toStdString();
        EXPECT_FALSE(panel.empty());
        EXPECT_EQ(panel.find("Ok"), std::string::npos) << panel;
    }));
    Restore();
}

} // namespace
