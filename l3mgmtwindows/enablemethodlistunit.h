#pragma once
// Enable method list window: the switch's AAA enable method lists, the methods that
// authenticate a user who asks for the privileged level (methodlistform.h; "local-enable"
// plays the part of "local"). Opened by "Security Management" > "AAC" > "Enable Method
// Control".
#include "l3mgmtwindows/methodlistform.h"
#include "ui_enablemethodlistunit.h"

class TEnableMethodForm : public TMethodListForm, public Ui::TEnableMethodForm {
    Q_OBJECT
public:
    explicit TEnableMethodForm(QWidget* owner);
};

extern TEnableMethodForm* EnableMethodForm;
