#pragma once
// 802.1X authentication setting: switches 802.1X port access control of the whole switch
// on or off and chooses its mode (by port or by MAC address) and its protocol (local users
// or RADIUS with EAP). Opened by "Security Management" > "802.1X" > "Authentication
// Setting" (owner: the application), captioned by the menu handler. One synchronous
// request over a scalar group, messages in panel 0 of the status bar. Switching 802.1X off
// writes the control object alone; mode "none" cannot be written with 802.1X on. After a
// set the group is read again, so the window shows what the switch took.
#include "dedicated/dedicatedform.h"
#include "ui_dot1xauthenticationsetting.h"

class TAuthenticationSettingForm : public TDedicatedForm, public Ui::TAuthenticationSettingForm {
    Q_OBJECT
public:
    explicit TAuthenticationSettingForm(QWidget* owner);

    TWindowRequest* Request = nullptr;

    void btnRefreshClick();
    void btnSetClick();
    void cbxAuthCtrlChange();
    void cbxAuthModeChange();

    // The checks before a set, in their order; false (message shown, focus moved) at the
    // first that fails.
    bool CheckInput();

protected:
    void FormCreate() override;

private:
    bool StateEnabled() const;
};

extern TAuthenticationSettingForm* AuthenticationSettingForm;
