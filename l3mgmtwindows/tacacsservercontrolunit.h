#pragma once
// AAA server control window: adds a server host to an authentication server group, or
// removes it, with one set of the server group membership table (row state "add" or
// "delete" for the group name, server address and protocol). A small form of four fields;
// the table is read at start into a hidden list view.
//
// Opened by "Security Management" > "AAC" > "Server Control", captioned by the menu
// handler. One asynchronous request; result lines and failures show in panel 0 of the
// status bar. Set refuses an empty field, an address that is no dotted quad, and a write
// while the request is busy ("Get data not complete"); nothing is read after the set.
#include "dedicated/dedicatedform.h"
#include "ui_tacacsservercontrolunit.h"

class TAAASrvCtrlForm : public TDedicatedForm, public Ui::TAAASrvCtrlForm {
    Q_OBJECT
public:
    explicit TAAASrvCtrlForm(QWidget* owner);

    enum Column { GroupName, ServerIp, Protocol, RowState };

    TWindowRequest* Request = nullptr;

    void btnSetClick();
    void btnCloseClick();

protected:
    void FormCreate() override;
};

extern TAAASrvCtrlForm* AAASrvCtrlForm;
