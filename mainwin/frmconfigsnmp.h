#pragma once
// The SNMP settings window: writes the per-device settings file that start-up reads
// (mainwin/settingsfile.h) beside the executable, named by the device address.
#include <functional>
#include <string>

#include <QDateTime>
#include <QDialog>

#include "ui_frmconfigsnmp.h"

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
