#include "mainwin/frmconfigsnmp.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <vector>

#include <QApplication>
#include <QBoxLayout>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPushButton>
#include <QScrollArea>

#include "platform/formstyle.h"
#include "mainwin/mainunit.h"
#include "mainwin/startup.h"
#include "platform/dialogs.h"
#include "platform/files.h"
#include "platform/sysutils.h"
#include "snmplib/bind/radiogroup.h"

TfrmConfigSNMP* frmConfigSNMP = nullptr;
bool SnmpSettingsChanged = false;

namespace {

// The version the file records for each choice of the radio group.
const char* const kVersionTexts[] = {"0", "1", "3"};

// A disabled or read-only field has the menu colour, an editable one the window colour.
void setFieldColour(QWidget* field, bool editable)
{
    QPalette palette = field->palette();
    const QPalette standard = QApplication::palette(field);
    palette.setColor(QPalette::Base, standard.color(editable ? QPalette::Base : QPalette::Window));
    field->setPalette(palette);
}

void message(QWidget* owner, const std::string& text) { MessageBoxA(owner, text, ExecutableFileName(), MB_OK); }

} // namespace

std::string SettingsDateText(const QDateTime& when) { return fromQt(QLocale::c().toString(when.date(), "M/d/yyyy")); }

std::string SettingsTimeText(const QDateTime& when) { return fromQt(QLocale::c().toString(when.time(), "h:mm:ss AP")); }

std::string SettingsFileBytes(const TSettingsFileContent& c)
{
    std::string out;
    const auto piece = [&out](const std::string& text, bool nul) {
        out += text;
        if (nul)
            out += '\0';
    };
    const bool v3 = c.VersionIndex == 2;
    const std::string version = c.VersionIndex >= 0 && c.VersionIndex <= 2 ? kVersionTexts[c.VersionIndex] : "";
    piece("[Program Information]", true);
    piece("\r\nAgentIP=" + c.AgentIP, true);
    piece("\r\nAgentPort=" + c.AgentPort, true);
    piece("\r\nVersion=" + version, true);
    // Without SNMPv3 the security name is left empty, and so is its terminating NUL.
    piece("\r\nSecurityName=" + (v3 ? c.SecurityName : std::string()), v3);
    piece("\r\nAuthPassword=" + c.AuthPassword, true);
    piece("\r\nPrivPassword=" + c.PrivPassword, true);
    piece("\r\nAuthProtocol=" + IntToStr(c.AuthProtocolIndex), true);
    piece("\r\nPrivProtocol=" + IntToStr(c.PrivProtocolIndex), true);
    piece("\r\nContextEngineID=" + c.ContextEngineID, true);
    piece("\r\nSecurityLevel=" + IntToStr(c.SecurityLevelIndex), true);
    piece("\r\nContextName=" + c.ContextName, true);
    piece("\r\nGetCommStr=" + c.ContextName, true);
    piece("\r\nSetCommStr=" + c.WriteCommunity, true);
    piece("\r\nUpdateDate=" + SettingsDateText(c.Updated), true);
    piece("\r\nUpdateTime=" + SettingsTimeText(c.Updated), true);
    piece("\r\nSecurityModel=3", false);
    return out;
}

bool ReplaceFileContents(const std::string& file, const std::string& bytes)
{
    std::vector<char> temp(file.begin(), file.end());
    const std::string suffix = ".XXXXXX";
    temp.insert(temp.end(), suffix.begin(), suffix.end());
    temp.push_back('\0');
    const int fd = mkstemp(temp.data()); // mode 0600
    if (fd < 0)
        return false;
    bool ok = fchmod(fd, S_IRUSR | S_IWUSR) == 0;
    for (size_t done = 0; ok && done < bytes.size();) {
        const ssize_t n = write(fd, bytes.data() + done, bytes.size() - done);
        if (n < 0 && errno == EINTR)
            continue;
        ok = n > 0;
        if (ok)
            done += static_cast<size_t>(n);
    }
    ok = ok && fsync(fd) == 0;
    ok = close(fd) == 0 && ok;
    ok = ok && std::rename(temp.data(), file.c_str()) == 0;
    if (!ok) {
        unlink(temp.data());
        return false;
    }
    // The rename itself lives in the folder: flushed too, the new file survives a power loss.
    return SyncFolderOf(file);
}

bool IsValidPortText(const std::string& text)
{
    if (text.empty() || text.size() > 5 || !std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; }))
        return false;
    const int port = std::stoi(text);
    return port >= 1 && port <= 65535;
}

TfrmConfigSNMP::TfrmConfigSNMP(QWidget* owner)
    : QDialog(owner), Clock([] { return QDateTime::currentDateTime(); })
{
    setupUi(this);

    MakeFixedDialog(this, 482, 203);
    // Wider where this platform's fonts need more room for a label than the form gives.
    if (const int grown = FitLabels(ScrollBoxContents); grown > 0) {
        ScrollBoxContents->setMinimumWidth(ScrollBoxContents->minimumWidth() + grown);
        setFixedSize(width() + grown, height());
    }

    // Three columns: the choices side by side.
    rgpSNMPVersion->SetItems({QStringLiteral("SNMPv1"), QStringLiteral("SNMPv2c"), QStringLiteral("SNMPv3")});
    if (auto* box = qobject_cast<QBoxLayout*>(rgpSNMPVersion->layout())) {
        box->setDirection(QBoxLayout::LeftToRight);
        box->setContentsMargins(8, 0, 8, 0);
    }
    rgpSNMPVersion->SetItemIndex(0);
    for (QComboBox* list : {cbxSecurityLevel, cbxAuthProtocol, cbxPrivProtocol})
        list->setCurrentIndex(-1);

    connect(rgpSNMPVersion->Group(), &QButtonGroup::idToggled, this, [this](int, bool checked) {
        if (checked)
            rgpSNMPVersionClick();
    });
    connect(btnOk, &QPushButton::clicked, this, &TfrmConfigSNMP::btnOkClick);
    connect(btnExit, &QPushButton::clicked, this, &TfrmConfigSNMP::btnExitClick);
    FormCreate();
}

TfrmConfigSNMP::~TfrmConfigSNMP() = default;

void TfrmConfigSNMP::FormCreate()
{
    SnmpSettingsChanged = false;
    lblIP->setText(MainForm ? toQt(MainForm->DeviceAddress) : QString());
    // The window opens in the SNMPv1 state, whatever the program runs with.
    SetV3Controls(false);
}

void TfrmConfigSNMP::SetV3Controls(bool on)
{
    for (QWidget* field : std::initializer_list<QWidget*>{edtSecurityName, cbxSecurityLevel, cbxAuthProtocol,
                                                           cbxPrivProtocol}) {
        field->setEnabled(on);
        setFieldColour(field, on);
    }
    for (QLineEdit* field : {edtAuthPass, edtPrivPass, edtContextEngine}) {
        field->setReadOnly(!on);
        setFieldColour(field, on);
    }
}

void TfrmConfigSNMP::rgpSNMPVersionClick()
{
    const int choice = rgpSNMPVersion->ItemIndex();
    if (choice == 0 || choice == 1) {
        SetV3Controls(false);
        // The library's default communities.
        edtContext->setText(QStringLiteral("mardle"));
        edtCommunity->setText(QStringLiteral("quillon"));
    } else if (choice == 2) {
        SetV3Controls(true);
        edtContext->clear();
        edtCommunity->clear();
    }
}

void TfrmConfigSNMP::btnOkClick()
{
    const int choice = rgpSNMPVersion->ItemIndex();
    if (choice == 2) {
        if (edtSecurityName->text().isEmpty())
            return message(this, "SecurityName is empty!");
        if (cbxSecurityLevel->currentIndex() < 0)
            return message(this, "SecurityLevel is empty!");
        if (cbxAuthProtocol->currentIndex() < 0)
            return message(this, "AuthProtocol is empty!");
        if (cbxPrivProtocol->currentIndex() < 0)
            return message(this, "PrivProtocol is empty!");
    }
    if (choice < 0 || choice > 2)
        return message(this, "SNMP Version can not be empty.");
    const std::string port = fromQt(edtPort->text());
    if (!IsValidPortText(port))
        return message(this, "Port must be a number from 1 to 65535!");

    // The file lies beside the executable and is named by the device address, which
    // start-up has checked; a name that could leave the folder is refused all the same.
    const std::string address = fromQt(lblIP->text());
    TSettingsFileContent content;
    content.AgentIP = address;
    content.AgentPort = port;
    content.VersionIndex = choice;
    content.SecurityName = fromQt(edtSecurityName->text());
    content.AuthPassword = fromQt(edtAuthPass->text());
    content.PrivPassword = fromQt(edtPrivPass->text());
    content.AuthProtocolIndex = cbxAuthProtocol->currentIndex();
    content.PrivProtocolIndex = cbxPrivProtocol->currentIndex();
    content.ContextEngineID = fromQt(edtContextEngine->text());
    content.SecurityLevelIndex = cbxSecurityLevel->currentIndex();
    content.ContextName = fromQt(edtContext->text());
    content.WriteCommunity = fromQt(edtCommunity->text());
    content.Updated = Clock();
    if (!IsValidDeviceAddress(address) ||
        !ReplaceFileContents(ExecutableFolder() + address + ".cfg", SettingsFileBytes(content)))
        return message(this, "Create file error!");

    // Changed: another version than the running one, or under SNMPv3 another user.
    const int running = MainForm ? StrToIntDef(MainForm->Version, 0) : 0;
    switch (running) {
    case 0: SnmpSettingsChanged = choice != 0; break;
    case 1: SnmpSettingsChanged = choice != 1; break;
    case 3:
        SnmpSettingsChanged = choice != 2 || !MainForm || fromQt(edtSecurityName->text()) != MainForm->SecurityName;
        break;
    default: SnmpSettingsChanged = false; break;
    }
    close();
}

void TfrmConfigSNMP::btnExitClick() { close(); }
