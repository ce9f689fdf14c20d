#pragma once
// Traffic segmentation: for every port, the ports it may forward traffic to; one port's set
// at a time changed on the unit/port chooser and written. Opened by "Layer 2 Management" >
// "Traffic Segmentation Table " (owner: the main window); the window captions itself
// "Traffic Segmentation Table: " + the address. Asynchronous walk with Stop; Refresh and
// Set do nothing while the request is not idle; Set is enabled from a row click to the next
// read, write or Stop. Messages in panel 0 of the status bar.
#include "dedicated/dedicatedform.h"
#include "dedicated/portgrids.h"
#include "ui_trafficforwardunit1.h"

class TTrafficSegmentationForm : public TDedicatedForm, public Ui::TTrafficSegmentationForm {
    Q_OBJECT
public:
    explicit TTrafficSegmentationForm(QWidget* owner);

    TWindowRequest* Request = nullptr;
    TPortGrids* Grids = nullptr;

    void BT_GetClick();
    void BT_SetClick();
    void StopBtnClick();
    void LV_TrafficForwardClick();

protected:
    void FormCreate() override;
};

extern TTrafficSegmentationForm* TrafficSegmentationForm;
