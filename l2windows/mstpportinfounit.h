#pragma once
// MSTP port information: for every port and MSTP instance, the designated bridge, internal
// path cost, priority, status and role; the path cost and priority of one port in one
// instance edited in the companion editor, which writes through this window's request
// (then the table again) and closes. Opened by "Bridge" > "Spanning Tree" > "Port MSTP
// Information" (owner: the main window), captioned by the menu handler.
#include "dedicated/dedicatedform.h"
#include "ui_mstpportinfoeditunit.h"
#include "ui_mstpportinfounit.h"

class TMSTPPortInformationEditForm;

class TMSTPPortInformationForm : public TDedicatedForm, public Ui::TMSTPPortInformationForm {
    Q_OBJECT
public:
    explicit TMSTPPortInformationForm(QWidget* owner);

    TWindowRequest* Request = nullptr;
    TMSTPPortInformationEditForm* Editor = nullptr;

    void btnRefreshClick();
    void btnEditClick();
    void btnStopClick();

protected:
    void FormCreate() override;
};

class TMSTPPortInformationEditForm : public TCompanionEditor, public Ui::TMSTPPortInformationEditForm {
    Q_OBJECT
public:
    using Master = TMSTPPortInformationForm;
    explicit TMSTPPortInformationEditForm(TMSTPPortInformationForm* master);

    void btnEditClick();

protected:
    void showEvent(QShowEvent* event) override;

private:
    TMSTPPortInformationForm* Table;
};

extern TMSTPPortInformationForm* MSTPPortInformationForm;
extern TMSTPPortInformationEditForm* MSTPPortInformationEditForm;
