#pragma once
// SSL settings: whether SSL is administratively enabled, the SSL cache timeout and which of
// four cipher suites are enabled. Opened by "Security Management" > "SSL" > "SSL
// Management" (owner: the application), captioned by the menu handler; it keeps its form's
// size under large fonts. One synchronous request over a scalar group, messages in panel 0
// of the status bar. The four suite boxes are not bound: they are decoded from and encoded
// into the hidden cipher-suites text (one octet, the suites in its high four bits), and
// the three objects always travel together in one set.
#include "dedicated/dedicatedform.h"
#include "ui_sslstateunit.h"

class TSSLStateForm : public TDedicatedForm, public Ui::TSSLStateForm {
    Q_OBJECT
public:
    explicit TSSLStateForm(QWidget* owner);

    TWindowRequest* Request = nullptr;

    void btnRefreshClick();
    void btnSetClick();

    // The cipher-suites text into the four boxes; a text that is not one octet, or whose
    // first digit is no hexadecimal digit, changes nothing.
    void DecodeCipherSuites();
    // The four boxes into the cipher-suites text ("F0" for all four).
    void EncodeCipherSuites();
    bool CheckFields();

protected:
    void FormCreate() override;

private:
    std::vector<QComboBox*> SuiteBoxes() const;
};

extern TSSLStateForm* SSLStateForm;
