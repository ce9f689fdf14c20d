#pragma once
// Syslog host table window: the switch's remote syslog servers (at most four rows, indexed
// 1 to 4). Adds and changes a server through the companion editor (loghosteditunit.h),
// whose controls are bound to this window's request; deletes one here (the row status
// alone, destroy). Opened by "Basic Configuration" > "Device Management" > "System Log" >
// "System Log Server" (owner: the main window); the window captions itself on activation.
// One asynchronous request reports to the memo. Refresh does nothing while the table is
// being read; Delete refuses with "Get data not complete" then.
#include "dedicated/dedicatedform.h"
#include "ui_systemloghostunit.h"

class TLogHostEditForm;

class TSystemLogHostForm : public TDedicatedForm, public Ui::TSystemLogHostForm {
    Q_OBJECT
public:
    explicit TSystemLogHostForm(QWidget* owner);

    enum Column { ServerIndex, Facility, Severity, UdpPort, IpAddress, State, RowStatus };

    TWindowRequest* Request = nullptr;
    TLogHostEditForm* Editor = nullptr;

    void GetButtonClick();
    void EditButtonClick();
    void AddButtonClick();
    void DeleteButtonClick();
    void ListView1SelectItem();

protected:
    void FormCreate() override;
    void FormActivate() override;
};

extern TSystemLogHostForm* SystemLogHostForm;
