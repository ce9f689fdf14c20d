#pragma once
// Route redistribution window: which routes of a source protocol (RIP, OSPF, static,
// local) the switch redistributes into a destination protocol (RIP or OSPF), with route
// type and metric (the product MIB's redistribution table, indexed by source and
// destination protocol). No companion editor: the row being edited shows in the controls
// below the list.
//
// Opened by "Layer 3 Management" > "Route Redistribution Table" (owner: the main window),
// captioned by the menu handler. One asynchronous request reporting to the memo. Refresh is
// ignored while busy; Set, Add and Delete refuse with "Get data not complete". The protocol
// boxes name the row to write: they are locked while a row is selected, so that Set and
// Delete act on the highlighted row; a click on empty space frees them for Add, which is
// disabled while a row is highlighted (the row exists already). The Type
// radio buttons follow the protocol pair; "other" chooses no type, and the type is then
// not written at all.
#include <string>

#include "dedicated/dedicatedform.h"
#include "ui_routeredistributformunit.h"

class QRadioButton;

class TRouteRedistributForm : public TDedicatedForm, public Ui::TRouteRedistributForm {
    Q_OBJECT
public:
    explicit TRouteRedistributForm(QWidget* owner);

    enum Column { SourceProtocol, DestinationProtocol, Type, Metric, RowStatus };

    TWindowRequest* Request = nullptr;

    void ListView1Click();
    void ComboBox1Change();
    void RadioButton1Click();
    void RefreshBtnClick();
    void EditBtnClick();
    void AddBtnClick();
    void DeleteBtnClick();
    void CloseBtnClick();

    // The ten Type buttons, "other" first.
    QRadioButton* TypeButton(int n) const;

protected:
    void FormCreate() override;

private:
    // The checks that Set and Add share; false after the first refusal (shown).
    bool CheckBeforeWrite();
    void WriteRow(bool add);
    QObject* RadioSender = nullptr;
};

extern TRouteRedistributForm* RouteRedistributForm;

// The metric bounds of a destination protocol: "rip" 0..16, "ospf" 0..16777214. The
// refusal for a metric outside them ("Metric out of Bound [0..16]"), or empty for one
// inside them or for another destination.
std::string RedistributionMetricRefusal(const std::string& destination, long long metric);
