#pragma once
// CPU protection: the state of the engine that protects the switch's CPU under heavy
// traffic, its rising and falling CPU-load thresholds (percent), its mode and alarm state,
// and whether it is active now. Opened by "Security Management" > the engine's menu entry
// (owner: the application), captioned by the menu handler. One synchronous request over a
// scalar group, messages in panel 0 of the status bar. Each writable field has a check box
// and a set writes only the ticked fields; a threshold that is not ticked is checked in
// the value the last read gave it.
#include "dedicated/dedicatedform.h"
#include "ui_cpuprotectionformunit.h"

class TCPUProtectionForm : public TDedicatedForm, public Ui::TCPUProtectionForm {
    Q_OBJECT
public:
    explicit TCPUProtectionForm(QWidget* owner);

    TWindowRequest* Request = nullptr;
    // The thresholds as the last read gave them (0 when the edit held no number).
    int32_t LastRising = 0;
    int32_t LastFalling = 0;

    void btnGetClick();
    void btnSetClick();
    void btnCheckAllClick();
    void btnClearCheckClick();
    void ChangeSetState();
    void btnCloseClick();

    // The last ticked field without a value, in the order state, rising, falling, alarm,
    // mode (its column); -1 when none is missing, -2 when no box is ticked.
    int FindMissingField() const;
    bool CheckInput();
    bool CheckThresholds();

protected:
    void FormCreate() override;

private:
    void ReadGroup();
    std::vector<QCheckBox*> Boxes() const;
};

extern TCPUProtectionForm* CPUProtectionForm;
