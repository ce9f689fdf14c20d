#pragma once
// RADIUS server table window: the switch's RADIUS servers (at most three rows, index
// "RadiusServerIndex-first" to "-third") with address, key and authentication and
// accounting ports. Rows are added and changed in the companion editor
// (radiusservereditunit.h), whose controls are bound to this window's request; Delete
// sends the row status alone (destroy) for the selected row.
//
// Opened by "Security Management" > "RADIUS Management" > "RADIUS Server Table", captioned
// by the menu handler. One asynchronous request; its result lines and every failure go to
// the memo. Refresh does nothing while the table is being read; Delete refuses then with
// "Get data not complete".
#include "dedicated/dedicatedform.h"
#include "ui_radiusserverunit.h"

class TRadiusServerEditForm;

class TRadiusServerForm : public TDedicatedForm, public Ui::TRadiusServerForm {
    Q_OBJECT
public:
    explicit TRadiusServerForm(QWidget* owner);

    enum Column { Index, IpAddress, Key, AuthPort, AcctPort, Status };

    TWindowRequest* Request = nullptr;
    TRadiusServerEditForm* Editor = nullptr;

    void GetButtonClick();
    void AddButtonClick();
    void EditButtonClick();
    void DeleteButtonClick();
    void ListView1SelectItem();
    void OpenEditor();

protected:
    void FormCreate() override;

private:
    void AfterEditorClosed();
};

extern TRadiusServerForm* RadiusServerForm;
