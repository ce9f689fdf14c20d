#include "l3mgmtwindows/sslstateunit.h"

#include <QStatusBar>

#include "classlib/dialogs.h"
#include "configwin/optionlists.h"
#include "dedicated/formregistration.h"

TSSLStateForm* SSLStateForm = nullptr;
TRQ_DEFINE_FORM(TSSLStateForm, SSLStateForm)

namespace {

const VhSNMPObjectDesc SslTable[] = {
    {"1.3.6.1.4.1.32473.12.7.1.1", "SSL Administration", SNMP_SYNTAX_INTEGER, SNMP_ACCESS_READWRITE,
     &DisabledEnabledList},
    {"1.3.6.1.4.1.32473.12.7.1.2", "Cache Timeout", SNMP_SYNTAX_GAUGE, SNMP_ACCESS_READWRITE},
    {"1.3.6.1.4.1.32473.12.7.1.3", "Cipher Suites", SNMP_SYNTAX_BITSTR, SNMP_ACCESS_READWRITE},
    {nullptr},
};
enum Item { SslState, CacheTimeout, CipherSuites };

// The weight of each suite box in the first hexadecimal digit, in box order.
constexpr int SuiteWeights[] = {8, 4, 2, 1};
constexpr int SuiteEnabled = 1;

int HexDigitValue(QChar c)
{
    const char ch = c.toUpper().toLatin1();
    if (ch >= '0' && ch <= '9')
        return ch - '0';
    if (ch >= 'A' && ch <= 'F')
        return ch - 'A' + 10;
    return -1;
}

} // namespace

TSSLStateForm::TSSLStateForm(QWidget* owner) : TDedicatedForm(owner)
{
    setupUi(this);
    OnClick(btnRefresh, &TSSLStateForm::btnRefreshClick);
    OnClick(btnSet, &TSSLStateForm::btnSetClick);
    for (QComboBox* box : SuiteBoxes())
        box->setCurrentIndex(-1);
}

std::vector<QComboBox*> TSSLStateForm::SuiteBoxes() const
{
    return {cbxRSARC4128MD5, cbxRSA3DESEDECBCSHA, cbxDHEDSS3DESEDECBCSHA, cbxRSAEXPORTRC4MD5};
}

void TSSLStateForm::FormCreate()
{
    SetMessageTarget(StatusPanel0(StatusBar1));
    Guarded([this] {
        Request = MakeRequest(SslTable, SVT_SV, 0, true);
        Request->AddControl(SslState, cbxSSLState);
        Request->AddControlsFmt(CacheTimeout, "%i{n60x86400l5}", edtTimeout);
        Request->AddControlsFmt(CipherSuites, "%s{l2}", edtCipherSuites);
        Read(Request);
        DecodeCipherSuites();
    });
}

void TSSLStateForm::DecodeCipherSuites()
{
    const QString text = edtCipherSuites->text();
    if (text.size() != 2)
        return;
    const int value = HexDigitValue(text.at(0));
    if (value < 0)
        return;
    const std::vector<QComboBox*> boxes = SuiteBoxes();
    for (std::size_t i = 0; i < boxes.size(); ++i)
        boxes[i]->setCurrentIndex((value & SuiteWeights[i]) ? SuiteEnabled : 0);
}

void TSSLStateForm::EncodeCipherSuites()
{
    int value = 0;
    const std::vector<QComboBox*> boxes = SuiteBoxes();
    for (std::size_t i = 0; i < boxes.size(); ++i)
        if (boxes[i]->currentIndex() == SuiteEnabled)
            value += SuiteWeights[i];
    edtCipherSuites->setText(QString("%1%2").arg(QChar("0123456789ABCDEF"[value])).arg('0'));
}

void TSSLStateForm::btnRefreshClick()
{
    if (!Idle({Request}))
        return;
    Guarded([this] {
        Read(Request);
        DecodeCipherSuites();
    });
}

bool TSSLStateForm::CheckFields()
{
    const struct {
        QWidget* control;
        bool missing;
        const char* message;
    } fields[] = {
        {cbxSSLState, cbxSSLState->currentIndex() < 0, "Please choose SSL Administration."},
        {edtTimeout, edtTimeout->text().isEmpty(), "Please enter Cache Timeout."},
        {cbxRSARC4128MD5, cbxRSARC4128MD5->currentIndex() < 0, "Please choose RSA-with-RC4-128-MD5."},
        {cbxRSA3DESEDECBCSHA, cbxRSA3DESEDECBCSHA->currentIndex() < 0, "Please choose RSA-with-3DES-EDE-CBC-SHA."},
        {cbxDHEDSS3DESEDECBCSHA, cbxDHEDSS3DESEDECBCSHA->currentIndex() < 0,
         "Please choose DHE-DSS-with-3DES-EDE-CBC-SHA."},
        {cbxRSAEXPORTRC4MD5, cbxRSAEXPORTRC4MD5->currentIndex() < 0, "Please choose RSA-EXPORT-with-RC4-40-MD5."},
    };
    for (const auto& field : fields)
        if (field.missing) {
            ShowMessage(field.message);
            field.control->setFocus();
            return false;
        }
    return true;
}

void TSSLStateForm::btnSetClick()
{
    if (!Idle({Request}) || !CheckFields())
        return;
    EncodeCipherSuites();
    Guarded([this] { Write(Request, false); });
}
