#pragma once
// MSTP port state: every port's MSTP settings and operational state, one port at a time
// edited in the companion editor, which writes through this window's request and closes.
// Opened by "Bridge" > "Spanning Tree" > "Port State Information" (owner: the main window),
// captioned by the menu handler. The switch's spanning tree version is read beside the
// table: under STP or RSTP a port's administrative hello time is not written, and the table
// is read again once the set has its reply.
#include "dedicated/dedicatedform.h"
#include "ui_mstpportstateedit.h"
#include "ui_mstpportstateunit.h"

class TMSTPPortStateEditForm;

class TMSTPPortStateForm : public TDedicatedForm, public Ui::TMSTPPortStateForm {
    Q_OBJECT
public:
    explicit TMSTPPortStateForm(QWidget* owner);

    TWindowRequest* VersionRequest = nullptr;
    TWindowRequest* PortRequest = nullptr;
    TMSTPPortStateEditForm* Editor = nullptr;

    void btnRefreshClick();
    void btnEditClick();
    void btnStopClick();

protected:
    void FormCreate() override;
};

class TMSTPPortStateEditForm : public TCompanionEditor, public Ui::TMSTPPortStateEditForm {
    Q_OBJECT
public:
    using Master = TMSTPPortStateForm;
    explicit TMSTPPortStateEditForm(TMSTPPortStateForm* master);

    void btnEditClick();

protected:
    void showEvent(QShowEvent* event) override;

private:
    TMSTPPortStateForm* Table;
};

extern TMSTPPortStateForm* MSTPPortStateForm;
extern TMSTPPortStateEditForm* MSTPPortStateEditForm;
