#include "l3mgmtwindows/dot1xauthenticationsetting.h"

#include <QStatusBar>

#include "classlib/dialogs.h"
#include "configwin/optionlists.h"
#include "dedicated/formregistration.h"

TAuthenticationSettingForm* AuthenticationSettingForm = nullptr;
TRQ_DEFINE_FORM(TAuthenticationSettingForm, AuthenticationSettingForm)

namespace {

// 802.1X system control (IEEE 802.1X PAE MIB) and the switch's authentication settings.
const VhSNMPObjectDesc AuthenticationTable[] = {
    {"1.0.8802.1.1.1.1.1.1", "System Authentication Control", SNMP_SYNTAX_INTEGER, SNMP_ACCESS_READWRITE,
     &EnabledDisabledList},
    {"1.3.6.1.4.1.32473.12.3.1.1", "User Authentication Protocol", SNMP_SYNTAX_INTEGER, SNMP_ACCESS_READWRITE,
     &AuthProtocolLocalRadiusList},
    {"1.3.6.1.4.1.32473.12.3.1.2", "Device Authentication Mode", SNMP_SYNTAX_INTEGER, SNMP_ACCESS_READWRITE,
     &PortBaseMacBaseNoneList},
    {nullptr},
};
enum Item { AuthCtrl, AuthProtocol, AuthMode };

// Positions in the drop-down lists.
constexpr int Enabled = 0;
constexpr int Disabled = 1;
constexpr int ModeNone = 2;

} // namespace

TAuthenticationSettingForm::TAuthenticationSettingForm(QWidget* owner) : TDedicatedForm(owner)
{
    setupUi(this);
    ScaleForLargeFonts();
    OnClick(btnRefresh, &TAuthenticationSettingForm::btnRefreshClick);
    OnClick(btnSet, &TAuthenticationSettingForm::btnSetClick);
    OnChange(cbxAuthCtrl, &TAuthenticationSettingForm::cbxAuthCtrlChange);
    OnChange(cbxAuthMode, &TAuthenticationSettingForm::cbxAuthModeChange);
}

void TAuthenticationSettingForm::FormCreate()
{
    SetMessageTarget(StatusPanel0(StatusBar1));
    Guarded([this] {
        Request = MakeRequest(AuthenticationTable, SVT_SV, 0, true);
        Request->AddControl(AuthCtrl, cbxAuthCtrl);
        Request->AddControl(AuthProtocol, cbxAuthProtocol);
        Request->AddControl(AuthMode, cbxAuthMode);
        Read(Request);
    });
    cbxAuthCtrlChange();
}

bool TAuthenticationSettingForm::StateEnabled() const { return cbxAuthCtrl->currentIndex() == Enabled; }

void TAuthenticationSettingForm::cbxAuthCtrlChange()
{
    const bool enabled = StateEnabled();
    cbxAuthMode->setEnabled(enabled);
    cbxAuthProtocol->setEnabled(enabled);
}

void TAuthenticationSettingForm::cbxAuthModeChange()
{
    if (cbxAuthMode->currentIndex() != ModeNone)
        return;
    cbxAuthCtrl->setCurrentIndex(Disabled);
    cbxAuthCtrlChange();
}

void TAuthenticationSettingForm::btnRefreshClick()
{
    if (!Idle({Request}))
        return;
    Guarded([this] { Read(Request); });
    cbxAuthCtrlChange();
}

bool TAuthenticationSettingForm::CheckInput()
{
    const auto refuse = [](QWidget* focus, const char* text) {
        ShowMessage(text);
        focus->setFocus();
        return false;
    };
    if (cbxAuthCtrl->currentIndex() < 0)
        return refuse(cbxAuthCtrl, "You should choose Authentication State.");
    if (!StateEnabled())
        return true;
    if (cbxAuthMode->currentIndex() < 0)
        return refuse(cbxAuthMode, "You should choose Authentication Mode.");
    if (cbxAuthMode->currentIndex() == ModeNone) {
        MessageDlg("If you want to enable 802.1X, you should not choose mode to none.", mtWarning, mbOK);
        cbxAuthMode->setFocus();
        return false;
    }
    if (cbxAuthProtocol->currentIndex() < 0)
        return refuse(cbxAuthProtocol, "You should choose Authentication Protocol.");
    return true;
}

void TAuthenticationSettingForm::btnSetClick()
{
    if (!Idle({Request}) || !CheckInput())
        return;
    bool written = false;
    Guarded([this, &written] {
        // Switching 802.1X off writes the control object alone; the words come back on
        // every path.
        TColumnMask mask(Request);
        if (!StateEnabled())
            mask.LeaveOut({AuthProtocol, AuthMode});
        written = Write(Request, false);
    });
    // A scalar group is not read again by the set itself: the window reads it once the
    // set's reply is in, so that it shows what the switch took. A failed set keeps its
    // text in panel 0.
    if (written && !Closing())
        Guarded([this] { Read(Request); });
    cbxAuthCtrlChange();
}
