#pragma once
// Static route window: the switch's static routes (the product MIB's static route table,
// indexed by destination, mask, backup state and next hop). Adds a route and the default
// route through the companion editor (ipstaticrouteeditunit.h), whose controls are bound to
// the route request; deletes the selected route here (the status alone, destroy).
//
// Opened by "Layer 3 Management" > "IP Management" > "IP Static Routing Table", captioned
// by the menu handler. The route request is asynchronous and reports to the memo. "Add
// Default Route" is enabled only after a successful read that found no default route
// (0.0.0.0/0.0.0.0). Add and "Add Default Route" first read the IP interface table
// (synchronous request, hidden list) so that the editor can check the next hop against the
// interfaces' subnets.
// Delete refuses with "Get data not complete" while the table is being read.
#include "dedicated/dedicatedform.h"
#include "ui_ipstaticrouteunit.h"

class TIpStaticRouteEditForm;

class TIpStaticRouteForm : public TDedicatedForm, public Ui::TIpStaticRouteForm {
    Q_OBJECT
public:
    explicit TIpStaticRouteForm(QWidget* owner);

    enum Column { Destination, Mask, BackupState, NextHop, Metric, Status };

    TWindowRequest* RouteRequest = nullptr;
    TWindowRequest* InterfaceRequest = nullptr;
    TIpStaticRouteEditForm* Editor = nullptr;
    bool NoDefaultRoute = false;

    void GetButtonClick();
    void AddButtonClick();
    void btnDefaultRouteClick();
    void DeleteButtonClick();
    void ListView1SelectItem();

protected:
    void FormCreate() override;

private:
    void ClearSelection();
};

extern TIpStaticRouteForm* IpStaticRouteForm;
