#pragma once
// The SNMP settings window: writes the per-device settings file that start-up reads.
//
// The file is the concatenation of fixed pieces (section header, then one CR LF + key
// line per setting, most ended by a NUL byte, no final line break). It is written beside
// the executable, named by the device address, through a temporary file renamed over
// the old one and readable by its owner only (it holds SNMPv3 pass phrases).
//
// UpdateDate and UpdateTime hold the time of writing in fixed forms, whatever the locale:
// the date as month/day/year ("M/d/yyyy", 12/27/2006) and the time on the 12-hour clock
// ("h:mm:ss AM", 3:07:09 PM).
#include <functional>
#include <string>

#include <QDateTime>
#include <QDialog>

#include "ui_frmconfigsnmp.h"

// What one settings file holds.
struct TSettingsFileContent {
    std::string AgentIP;
    std::string AgentPort;
    int VersionIndex = 0; // 0 SNMPv1, 1 SNMPv2c, 2 SNMPv3
    std::string SecurityName;
    std::string AuthPassword;
    std::string PrivPassword;
    int AuthProtocolIndex = -1; // 0 None, 1 HMACMD5, 2 HMAC_SHA, -1 none chosen
    int PrivProtocolIndex = -1; // 0 None, 1 CBC_DES, -1 none chosen
    std::string ContextEngineID;
    int SecurityLevelIndex = -1; // 0 NoAuthNoPriv, 1 AuthNoPriv, 2 AuthPriv, -1 none chosen
    std::string ContextName;
    std::string WriteCommunity;
    QDateTime Updated;
};

// The file's bytes.
std::string SettingsFileBytes(const TSettingsFileContent& content);
std::string SettingsDateText(const QDateTime& when);
std::string SettingsTimeText(const QDateTime& when);

// Replaces file by bytes: written to a new file of mode 0600 in the same folder, flushed,
// renamed over it, and the folder flushed. False when any step fails; the file is then
// unchanged, unless only the last flush failed.
bool ReplaceFileContents(const std::string& file, const std::string& bytes);

// Whether text is a UDP port number 1..65535 written in decimal digits.
bool IsValidPortText(const std::string& text);

// The controls (ScrollBox1 and on it lblIP, edtPort, rgpSNMPVersion, edtSecurityName,
// cbxSecurityLevel, cbxAuthProtocol, edtAuthPass, cbxPrivProtocol, edtPrivPass,
// edtContext, edtCommunity, edtContextEngine, btnOk, btnExit and their labels) come from
// the window's layout.
class TfrmConfigSNMP : public QDialog, public Ui::TfrmConfigSNMP {
    Q_OBJECT
public:
    explicit TfrmConfigSNMP(QWidget* owner);
    ~TfrmConfigSNMP() override;

    // The time written into the file (the current time unless a test sets another).
    std::function<QDateTime()> Clock;


public slots:
    void FormCreate();
    void rgpSNMPVersionClick();
    void btnOkClick();
    void btnExitClick();

private:
    void SetV3Controls(bool on);
};

// The settings window while it is shown.
extern TfrmConfigSNMP* frmConfigSNMP;
// The last OK of the settings window chose another version (or SNMPv3 user) than the
// program runs with.
extern bool SnmpSettingsChanged;
