#pragma once
// Spanning tree port table: every port's spanning tree settings and state, one port at a
// time edited in the companion editor, which writes through this window's request (the
// selected port's writable columns, then the table again). Opened by "Bridge" > "Spanning
// Tree" > "Port Table" (an entry the menu hides under its spanning tree mode), which captions
// it "Spanning Tree Port Table: " and the switch's address. Asynchronous walk, Stop,
// messages in the memo.
#include "dedicated/dedicatedform.h"
#include "ui_stpportedit.h"
#include "ui_stpportunit.h"

class TSTPPortEditForm;

class TSTPPortForm : public TDedicatedForm, public Ui::TSTPPortForm {
    Q_OBJECT
public:
    explicit TSTPPortForm(QWidget* owner);

    TWindowRequest* Request = nullptr;
    TSTPPortEditForm* Editor = nullptr;

    void EditButtonClick();
    void RefreshButtonClick();
    void StopButtonClick();

protected:
    void FormCreate() override;
};

class TSTPPortEditForm : public TCompanionEditor, public Ui::TSTPPortEditForm {
    Q_OBJECT
public:
    using Master = TSTPPortForm;
    explicit TSTPPortEditForm(TSTPPortForm* master);

    void SetButtonClick();

protected:
    void showEvent(QShowEvent* event) override;

private:
    TSTPPortForm* Table;
};

extern TSTPPortForm* STPPortForm;
extern TSTPPortEditForm* STPPortEditForm;
