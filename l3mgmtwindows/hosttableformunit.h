#pragma once
// OSPF host table window: the hosts attached to the router, with type of service, metric
// and area (the product MIB's OSPF host table, indexed by the host's IP address and type of
// service). The companion editor (hosttableformeditunit.h), bound to this window's request,
// adds a host or changes the metric and area of the selected one; Delete removes the
// selected host here (the status alone, destroy).
//
// Opened by "Layer 3 Management" > "OSPF (RFC1850)" > "Host Table" (owner: the application),
// captioned by the menu handler. One asynchronous request reporting to the memo. Refresh is
// ignored while busy; Delete refuses with "Get data not complete".
#include "dedicated/dedicatedform.h"
#include "ui_hosttableformunit.h"

class THostTableEditForm;

class THostTableForm : public TDedicatedForm, public Ui::THostTableForm {
    Q_OBJECT
public:
    explicit THostTableForm(QWidget* owner);

    enum Column { IpAddress, TypeOfService, Metric, AreaId, Status };

    TWindowRequest* Request = nullptr;
    THostTableEditForm* Editor = nullptr;

    void GetButtonClick();
    void EditButtonClick();
    void AddButtonClick();
    void DeleteButtonClick();
    void CloseButtonClick();
    void ListView1SelectItem();

protected:
    void FormCreate() override;

private:
    void ClearSelection();
};

extern THostTableForm* HostTableForm;
