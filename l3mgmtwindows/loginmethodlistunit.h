#pragma once
// Login method list window: the switch's AAA login method lists (methodlistform.h).
// Opened by "Security Management" > "AAC" > "Login Method Control".
#include "l3mgmtwindows/methodlistform.h"
#include "ui_loginmethodlistunit.h"

class TLoginMethodListForm : public TMethodListForm, public Ui::TLoginMethodListForm {
    Q_OBJECT
public:
    explicit TLoginMethodListForm(QWidget* owner);
};

extern TLoginMethodListForm* LoginMethodListForm;
