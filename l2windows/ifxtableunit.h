#pragma once
// Interface extension table window: IF-MIB's ifXTable for every interface (name,
// multicast and broadcast counters, link up/down trap enable, speed, promiscuous mode,
// connector, alias, counter discontinuity time), keyed by the ifIndex. The companion
// editor (ifxeditunit.h), bound to this window's request, changes the selected
// interface's alias; this window then writes the row (the alias, and the link up/down
// trap enable as the row shows it when the row holds a value there) and reads the table
// again.
//
// Opened by "Basic Configuration" > "IF-MIB" > "IfX Table", captioned by the menu handler.
// One asynchronous walk with Stop; Refresh is ignored while it runs; messages in the memo.
#include "dedicated/dedicatedform.h"
#include "ui_ifxtableunit.h"

class TIfxEditForm;

class TIfxForm : public TDedicatedForm, public Ui::TIfxForm {
    Q_OBJECT
public:
    explicit TIfxForm(QWidget* owner);

    enum Column {
        IfIndex,
        IfName,
        InMulticast,
        InBroadcast,
        OutMulticast,
        OutBroadcast,
        LinkUpDownTrapEnable,
        HighSpeed,
        PromiscuousMode,
        ConnectorPresent,
        Alias,
        CounterDiscontinuityTime
    };

    TWindowRequest* Request = nullptr;
    TIfxEditForm* Editor = nullptr;

    void btnRefreshClick();
    void btnEditClick();
    void btnStopClick();
    void btnCloseClick();

protected:
    void FormCreate() override;
};

extern TIfxForm* IfxForm;
