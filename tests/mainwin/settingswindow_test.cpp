// The SNMP settings window: the file it writes byte for byte, its checks, and the
// question it leads to in the main window.
#include <gtest/gtest.h>

#include <sys/resource.h>
#include <sys/stat.h>

#include <csignal>

#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <memory>

#include "classlib/dialogs.h"
#include "classlib/radiogroup.h"
#include "fixture.h"
#include "mainwin/frmconfigsnmp.h"
#include "mainwin/mainunit.h"
#include "support/screenshot.h"

namespace {

std::string golden(const char* name)
{
    const char* source = std::getenv("TRQ_SOURCE_DIR");
    std::ifstream in(std::string(source ? source : ".") + "/tests/mainwin/golden/" + name, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

class SettingsWindow : public StartupWorld {
protected:
    void SetUp() override
    {
        StartupWorld::SetUp();
        // Pelmora: start-up reads the file beside the executable, where the window writes it.
        writeFile("host/varnholt_ems/TRQ3100.dat", "");
        exe = setExeFolder("host/varnholt_ems/TRQ3100/");
    }
    void TearDown() override
    {
        window.reset();
        form.reset();
        StartupWorld::TearDown();
    }
    TMainForm* start(const std::vector<std::string>& args)
    {
        form.reset(createMainForm(args));
        return form.get();
    }
    TfrmConfigSNMP* open()
    {
        window = std::make_unique<TfrmConfigSNMP>(nullptr);
        window->Clock = [] { return QDateTime(QDate(2006, 12, 27), QTime(15, 7, 9)); };
        return window.get();
    }
    // Chooses SNMPv3 and fills every field.
    static void fillV3(TfrmConfigSNMP* w)
    {
        w->rgpSNMPVersion->SetItemIndex(2);
        w->edtPort->setText("1161");
        w->edtSecurityName->setText("md5des");
        w->cbxSecurityLevel->setCurrentIndex(2);
        w->cbxAuthProtocol->setCurrentIndex(1);
        w->cbxPrivProtocol->setCurrentIndex(1);
        w->edtAuthPass->setText("authpass123");
        w->edtPrivPass->setText("privpass123");
        w->edtContextEngine->setText("80001f8880");
    }
    std::string deviceFile() const { return exe + "10.1.1.7.cfg"; }

    std::string exe;
    std::unique_ptr<TMainForm> form;
    std::unique_ptr<TfrmConfigSNMP> window;
};

TEST_F(SettingsWindow, OpensInTheSnmpV1State)
{
    start({"/I10.1.1.7", "/v3"});
    TfrmConfigSNMP* w = open();
    EXPECT_EQ(w->windowTitle(), "Device SNMP Configure");
    // The form's size, wider where this platform's fonts need room for a label.
    EXPECT_EQ(w->height(), 203);
    EXPECT_GE(w->width(), 482);
    EXPECT_EQ(w->lblIP->text(), "10.1.1.7");
    EXPECT_EQ(w->edtPort->text(), "161");
    EXPECT_EQ(w->rgpSNMPVersion->ItemIndex(), 0);
    EXPECT_EQ(w->rgpSNMPVersion->Items().join(','), "SNMPv1,SNMPv2c,SNMPv3");
    EXPECT_FALSE(w->edtSecurityName->isEnabled());
    EXPECT_FALSE(w->cbxSecurityLevel->isEnabled());
    EXPECT_EQ(w->cbxSecurityLevel->currentIndex(), -1);
    EXPECT_TRUE(w->edtAuthPass->isReadOnly());
    EXPECT_TRUE(w->edtContextEngine->isReadOnly());
    EXPECT_EQ(w->edtContext->text(), "mardle");
    EXPECT_EQ(w->edtCommunity->text(), "quillon");

    w->rgpSNMPVersion->SetItemIndex(2);
    EXPECT_TRUE(w->edtSecurityName->isEnabled());
    EXPECT_TRUE(w->cbxPrivProtocol->isEnabled());
    EXPECT_FALSE(w->edtPrivPass->isReadOnly());
    EXPECT_EQ(w->edtContext->text(), "");
    EXPECT_EQ(w->edtCommunity->text(), "");
    EXPECT_NE(w->edtPrivPass->palette().color(QPalette::Base), w->edtPrivPass->palette().color(QPalette::Window));
    // Pass phrases are not shown as typed.
    EXPECT_EQ(w->edtAuthPass->echoMode(), QLineEdit::Password);
    EXPECT_EQ(w->edtPrivPass->echoMode(), QLineEdit::Password);
    w->edtAuthPass->setText("authpass123");
    w->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(w));
    EXPECT_EQ(trqtest::clippedLabels(w), "");
    // The columns stay aligned and nothing overlaps.
    EXPECT_EQ(w->edtCommunity->x(), w->edtPrivPass->x());
    EXPECT_GE(w->edtCommunity->x(), w->lblCommunity->x() + w->lblCommunity->width());
    EXPECT_LE(w->edtCommunity->x() + w->edtCommunity->width(), w->width());
    EXPECT_LE(w->btnExit->x() + w->btnExit->width(), w->width());
    trqtest::saveScreenshot(w, "mainwin_snmp_settings_v3");
    w->rgpSNMPVersion->SetItemIndex(1);
    EXPECT_FALSE(w->cbxAuthProtocol->isEnabled());
    EXPECT_EQ(w->edtCommunity->text(), "quillon");
    EXPECT_EQ(w->edtPrivPass->palette().color(QPalette::Base), w->edtPrivPass->palette().color(QPalette::Window));
}

TEST_F(SettingsWindow, WritesGoldenFilesThatStartupReadsBack)
{
    start({"/I10.1.1.7"});
    open()->btnOk->click();
    EXPECT_EQ(readFile("host/varnholt_ems/TRQ3100/10.1.1.7.cfg"), golden("settings_v1.cfg"));

    TfrmConfigSNMP* w = open();
    w->Clock = [] { return QDateTime(QDate(2007, 1, 5), QTime(9, 4, 3)); };
    fillV3(w);
    w->btnOk->click();
    EXPECT_EQ(readFile("host/varnholt_ems/TRQ3100/10.1.1.7.cfg"), golden("settings_v3.cfg"));
    struct stat info {};
    ASSERT_EQ(stat(deviceFile().c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 0777, 0600u);
    EXPECT_EQ(QDir(QString::fromStdString(exe)).entryList(QDir::Files).join(','), "10.1.1.7.cfg");

    // The next start takes the SNMPv3 settings from the file.
    window.reset();
    TMainForm* f = start({"/I10.1.1.7", "/Rpublic"});
    EXPECT_TRUE(CfgFileFound);
    EXPECT_EQ(VhSNMPDefaults.Device.Port, 1161);
    EXPECT_EQ(VhSNMPDefaults.Security.Version, 3);
    EXPECT_EQ(VhSNMPDefaults.Security.SecurityName, "md5des");
    EXPECT_EQ(VhSNMPDefaults.Security.SecurityLevel, 3);
    EXPECT_EQ(VhSNMPDefaults.Security.AuthProtocol, 2);
    EXPECT_EQ(VhSNMPDefaults.Security.PrivProtocol, 2);
    EXPECT_EQ(VhSNMPDefaults.Security.PrivPassword, "privpass123");
    EXPECT_EQ(VhSNMPDefaults.Scope.ContextEngineID, "80001f8880");
    EXPECT_EQ(VhSNMPDefaults.Security.ReadCommunity, "public");
    EXPECT_EQ(f->Timer1->interval(), 60000);
    EXPECT_TRUE(SnmpV3OptionSet.PrivPassword);
    EXPECT_FALSE(SnmpV3OptionSet.ContextName);
}

TEST_F(SettingsWindow, ChecksInOrderAndLeavesTheFileAlone)
{
    start({"/I10.1.1.7"});
    writeFile("host/varnholt_ems/TRQ3100/10.1.1.7.cfg", "old contents");
    const struct {
        const char* label;
        std::function<void(TfrmConfigSNMP*)> change;
        const char* message;
    } cases[] = {
        {"no security name", [](TfrmConfigSNMP* w) { w->edtSecurityName->clear(); }, "SecurityName is empty!"},
        {"no level", [](TfrmConfigSNMP* w) { w->cbxSecurityLevel->setCurrentIndex(-1); }, "SecurityLevel is empty!"},
        {"no auth protocol", [](TfrmConfigSNMP* w) { w->cbxAuthProtocol->setCurrentIndex(-1); },
         "AuthProtocol is empty!"},
        {"no priv protocol", [](TfrmConfigSNMP* w) { w->cbxPrivProtocol->setCurrentIndex(-1); },
         "PrivProtocol is empty!"},
        {"name first of all",
         [](TfrmConfigSNMP* w) {
             w->edtSecurityName->clear();
             w->cbxPrivProtocol->setCurrentIndex(-1);
             w->edtPort->setText("0");
         },
         "SecurityName is empty!"},
        {"port 0", [](TfrmConfigSNMP* w) { w->edtPort->setText("0"); }, "Port must be a number from 1 to 65535!"},
        {"port 65536", [](TfrmConfigSNMP* w) { w->edtPort->setText("65536"); },
         "Port must be a number from 1 to 65535!"},
        {"port text", [](TfrmConfigSNMP* w) { w->edtPort->setText("16a"); }, "Port must be a number from 1 to 65535!"},
        {"no version", [](TfrmConfigSNMP* w) { w->rgpSNMPVersion->SetItemIndex(-1); },
         "SNMP Version can not be empty."},
        {"folder cannot take the file", [this](TfrmConfigSNMP*) { SetExecutableFolder(path("missing/")); },
         "Create file error!"},
        {"address leading elsewhere", [](TfrmConfigSNMP* w) { w->lblIP->setText("../10.1.1.7"); },
         "Create file error!"},
    };
    for (const auto& c : cases) {
        SetExecutableFolder(exe);
        TfrmConfigSNMP* w = open();
        fillV3(w);
        c.change(w);
        w->show();
        MessageRecorder boxes;
        w->btnOk->click();
        ASSERT_EQ(boxes.Shown.size(), 1u) << c.label;
        EXPECT_EQ(boxes.Shown[0].text, c.message) << c.label;
        EXPECT_TRUE(w->isVisible()) << c.label;
        EXPECT_EQ(readFile("host/varnholt_ems/TRQ3100/10.1.1.7.cfg"), "old contents") << c.label;
    }
    EXPECT_FALSE(std::filesystem::exists(path("10.1.1.7.cfg")));

    // A folder in the file's place: the rename fails and no temporary file stays behind.
    SetExecutableFolder(exe);
    std::filesystem::remove(deviceFile());
    std::filesystem::create_directories(deviceFile() + "/x");
    MessageRecorder boxes;
    open()->btnOk->click();
    ASSERT_EQ(boxes.Shown.size(), 1u);
    EXPECT_EQ(boxes.Shown[0].text, "Create file error!");
    EXPECT_EQ(QDir(QString::fromStdString(exe)).entryList(QDir::Files).size(), 0);
}

// The new contents go to a temporary file that replaces the old one only when complete: a
// write that fails part way (here at the file-size limit) leaves the old file whole.
TEST_F(SettingsWindow, AWriteThatFailsLeavesTheOldFileWhole)
{
    start({"/I10.1.1.7"});
    writeFile("host/varnholt_ems/TRQ3100/10.1.1.7.cfg", "old contents");
    TfrmConfigSNMP* w = open();
    fillV3(w);
    w->show();
    MessageRecorder boxes;
    {
        // Writes beyond 8 octets fail (EFBIG) for the moment of the click.
        struct rlimit before {};
        ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &before), 0);
        struct rlimit small = before;
        small.rlim_cur = 8;
        const auto previous = std::signal(SIGXFSZ, SIG_IGN);
        ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &small), 0);
        w->btnOk->click();
        setrlimit(RLIMIT_FSIZE, &before);
        std::signal(SIGXFSZ, previous);
    }
    ASSERT_EQ(boxes.Shown.size(), 1u);
    EXPECT_EQ(boxes.Shown[0].text, "Create file error!");
    EXPECT_EQ(readFile("host/varnholt_ems/TRQ3100/10.1.1.7.cfg"), "old contents");
    EXPECT_EQ(QDir(QString::fromStdString(exe)).entryList(QDir::Files).size(), 1); // no temporary file left
}

TEST_F(SettingsWindow, ExitWritesNothing)
{
    start({"/I10.1.1.7"});
    TfrmConfigSNMP* w = open();
    w->show();
    w->btnExit->click();
    EXPECT_FALSE(w->isVisible());
    EXPECT_FALSE(std::filesystem::exists(deviceFile()));
}

// Enter in a field neither writes the file nor closes the window: OK is clicked.
TEST_F(SettingsWindow, EnterInAFieldWritesNothing)
{
    start({"/I10.1.1.7"});
    TfrmConfigSNMP* w = open();
    w->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(w));
    for (QLineEdit* field : {w->edtCommunity, w->edtContext, w->edtPort}) {
        SCOPED_TRACE(field->objectName().toStdString());
        field->setFocus();
        QTest::keyClicks(field, "9");
        const QString typed = field->text();
        QTest::keyClick(field, Qt::Key_Return);
        QTest::keyClick(field, Qt::Key_Enter);
        EXPECT_TRUE(w->isVisible());
        EXPECT_EQ(field->text(), typed);
        EXPECT_FALSE(std::filesystem::exists(deviceFile()));
    }
    for (QPushButton* button : {w->btnOk, w->btnExit})
        EXPECT_FALSE(button->isDefault() || button->autoDefault()) << button->objectName().toStdString();
    trqtest::saveScreenshot(w, "mainwin_snmp_settings_enter");
}

TEST_F(SettingsWindow, ChangedVersionAsksToCloseTheMainWindow)
{
    const std::string question = "SNMP Version has been modified!\r\nIf you want to run the module in new version, "
                                 "please reopen it again.\r\n\nSwitch to new version?";
    const struct {
        const char* label;
        std::vector<std::string> args;
        std::function<void(TfrmConfigSNMP*)> fill;
        int answer;
        bool asked;
        bool closed;
    } cases[] = {
        {"v1 running, v3 chosen, Yes", {"/I10.1.1.7"}, fillV3, IDYES, true, true},
        {"v1 running, v3 chosen, No", {"/I10.1.1.7"}, fillV3, IDNO, true, false},
        {"v1 running, v1 chosen", {"/I10.1.1.7"}, [](TfrmConfigSNMP*) {}, IDYES, false, false},
        {"v2c running, v1 chosen", {"/I10.1.1.7", "/v1"}, [](TfrmConfigSNMP*) {}, IDYES, true, true},
        {"v3 running, same user", {"/I10.1.1.7", "/v3", "/nmd5des"}, fillV3, IDYES, false, false},
        {"v3 running, other user",
         {"/I10.1.1.7", "/v3", "/nother"},
         fillV3,
         IDYES,
         true,
         true},
        {"v3 running, v2c chosen",
         {"/I10.1.1.7", "/v3", "/nmd5des"},
         [](TfrmConfigSNMP* w) { w->rgpSNMPVersion->SetItemIndex(1); },
         IDYES,
         true,
         true},
    };
    for (const auto& c : cases) {
        std::filesystem::remove(deviceFile());
        TMainForm* f = start(c.args);
        f->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(f)) << c.label;
        bool opened = false;
        QTimer::singleShot(0, [&] {
            ASSERT_NE(frmConfigSNMP, nullptr);
            opened = frmConfigSNMP->isModal() && frmConfigSNMP->isVisible();
            c.fill(frmConfigSNMP);
            frmConfigSNMP->btnOk->click();
        });
        MessageRecorder boxes(c.answer);
        f->MenuItem("mmisnmp_Config")->trigger(); // hidden, but wired to its handler
        EXPECT_TRUE(opened) << c.label;
        EXPECT_EQ(frmConfigSNMP, nullptr) << c.label;
        EXPECT_TRUE(std::filesystem::exists(deviceFile())) << c.label;
        ASSERT_EQ(boxes.Shown.size(), c.asked ? 1u : 0u) << c.label;
        if (c.asked) {
            EXPECT_EQ(boxes.Shown[0].text, question);
            EXPECT_EQ(boxes.Shown[0].buttons, (std::vector<int>{IDYES, IDNO}));
        }
        // The close goes through once the chassis reads of the start have ended.
        if (c.closed)
            EXPECT_TRUE(QTest::qWaitFor([&] { return !f->isVisible(); }, 5000)) << c.label;
        else
            EXPECT_TRUE(f->isVisible()) << c.label;
    }
}

} // namespace
