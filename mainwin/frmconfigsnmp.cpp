#include "mainwin/frmconfigsnmp.h"

#include <algorithm>

#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollArea>

#include "classlib/dialogs.h"
#include "classlib/formstyle.h"
#include "classlib/radiogroup.h"
#include "mainwin/mainunit.h"
#include "mainwin/settingsfile.h"
#include "mainwin/startup.h"
#include "platform/sysutils.h"

TfrmConfigSNMP* frmConfigSNMP = nullptr;
bool SnmpSettingsChanged = false;

namespace {

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
    rgpSNMPVersion->SetColumns(3);
    rgpSNMPVersion->layout()->setContentsMargins(8, 0, 8, 0);
    rgpSNMPVersion->SetItemIndex(0);
    for (QComboBox* list : {cbxSecurityLevel, cbxAuthProtocol, cbxPrivProtocol})
        list->setCurrentIndex(-1);

    connect(rgpSNMPVersion->Group(), &QButtonGroup::idToggled, this, [this](int, bool checked) {
        if (checked)
            rgpSNMPVersionClick();
    });
    connect(btnOk, &QPushButton::clicked, this, &TfrmConfigSNMP::btnOkClick);
    connect(btnExit, &QPushButton::clicked, this, &TfrmConfigSNMP::btnExitClick);
    // Enter in a field writes nothing and closes nothing: OK is clicked or pressed with Space.
    KeepEnterFromButtons(this);
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
        !WriteSettingsFile(ExecutableFolder() + address + ".cfg", content))
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
