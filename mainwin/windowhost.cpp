#include "mainwin/windowhost.h"

#include "dedicated/windowhost.h"
#include "mainwin/mainunit.h"
#include "snmplib/bind/request2edits.h"

namespace {

// Answers from the live main window; with none (it has gone), as a program without a host.
class TMainWindowHost final : public TWindowHost {
public:
    std::string DeviceAddress() const override { return MainForm ? MainForm->DeviceAddress : std::string(); }
    bool LargeFonts() const override { return MainForm && MainForm->LargeFonts; }
    bool UnitReadBusy() const override
    {
        const VhSNMPRequest2Edits* request = MainForm ? MainForm->UnitRequest : nullptr;
        return request && (request->Busy != 0 || request->Request.Pending != 0);
    }
    void ReadUnitTable() override
    {
        if (MainForm)
            MainForm->ReadUnitTable();
    }
    bool UnitReadFailed() const override { return MainForm && MainForm->UnitReadFailed(); }
    std::string StatusText() const override { return MainForm ? MainForm->StatusText() : std::string(); }
    QTimer* PollTimer() const override { return MainForm ? MainForm->Timer1 : nullptr; }
    void RmonStateChanged() override
    {
        if (MainForm)
            MainForm->UpdateRmonMenus();
    }
};

} // namespace

void UseMainWindowAsHost()
{
    static TMainWindowHost host;
    SetWindowHost(&host);
}
