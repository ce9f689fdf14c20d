#pragma once
// Equipment basic information window, read-only: the stacking version, the maximum and
// present number of units and the stacking topology. Opened by "Basic Configuration" >
// "Equipment Management" > "Basic Information" (owner: the main window), captioned by the
// menu handler. One asynchronous scalar read; messages in the memo. "Equipment Capacity"
// shows the form's fixed text, whatever the switch holds.
#include "dedicated/dedicatedform.h"
#include "ui_equipmentbasicinfoformunit.h"

class TEquipmentBasicInfoForm : public TDedicatedForm, public Ui::TEquipmentBasicInfoForm {
    Q_OBJECT
public:
    explicit TEquipmentBasicInfoForm(QWidget* owner);

    TWindowRequest* Request = nullptr;

    void BitBtn1Click();

protected:
    void FormCreate() override;
};

extern TEquipmentBasicInfoForm* EquipmentBasicInfoForm;
