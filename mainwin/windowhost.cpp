#include "mainwin/windowhost.h"

#include "chassis/chassishost.h"
#include "dedicated/windowhost.h"
#include "mainwin/mainunit.h"
#include "snmplib/bind/request2edits.h"

namespace {

// Answers from the live main window; with none (it has gone), as a program without a host.
class TMainWindowHost final : public TWindowHost, public TChassisHost {
public:
    // ---- The dedicated windows' host ----
    std::string DeviceAddress() const override { return MainForm ? MainForm->DeviceAddress : std::string(); }
    bool LargeFonts() const override { return MainForm && MainForm->LargeFonts; }
    bool UnitReadBusy() const override
    {
        const VhSNMPRequest2Edits* request = MainForm ? MainForm->Chassis->UnitRequest : nullptr;
        return request && (request->Busy != 0 || request->Request.Pending != 0);
    }
    void ReadUnitTable() override
    {
        if (MainForm)
            MainForm->Chassis->ReadUnitTable();
    }
    bool UnitReadFailed() const override { return MainForm && MainForm->Chassis->UnitReadFailed(); }
    std::string StatusText() const override { return MainForm ? MainForm->StatusText() : std::string(); }
    QTimer* PollTimer() const override { return MainForm ? MainForm->Timer1 : nullptr; }
    void RmonStateChanged() override
    {
        if (MainForm)
            MainForm->UpdateRmonMenus();
    }

    // ---- The chassis view's host ----
    QWidget* Window() const override { return MainForm; }
    QLabel* StatusTarget() const override { return MainForm ? MainForm->StatusBarPanel0() : nullptr; }
    void SetStatusText(const std::string& text) override
    {
        if (MainForm)
            MainForm->SetStatusText(text);
    }
    bool StatusHeld() const override { return MainForm && MainForm->Chassis->UnitReadFailed(); }
    QList<QAbstractButton*>* PortButtons() const override
    {
        return MainForm ? MainForm->Chassis->PortButtons.get() : nullptr;
    }
    void ShowModulePanel(int slot, uint8_t modelIndex) override
    {
        if (MainForm)
            MainForm->Chassis->ShowModulePanel(slot, modelIndex);
    }
    bool PollRunning() const override { return MainForm && MainForm->Chassis->PollRunning; }
    void RefreshChassis() override
    {
        if (MainForm)
            MainForm->Chassis->RefreshChassis();
    }
    void EndFirstChassisBuild() override
    {
        if (MainForm)
            MainForm->Chassis->FirstChassisBuild = false;
    }
    void UnitTableRead() override
    {
        if (MainForm)
            MainForm->UnitTableRead();
    }
};

} // namespace

void UseMainWindowAsHost()
{
    static TMainWindowHost host;
    SetWindowHost(&host);
    SetChassisHost(&host);
}
