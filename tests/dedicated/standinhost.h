#pragma once
// A stand-in for the main window as the dedicated windows' host (dedicated/windowhost.h),
// for the window tests that run without it: the switch's address, the large-font setting,
// the unit table read into a hidden list view (registered as the chassis's unit list,
// configwin/unitlist.h) with its status text, and the RMON state word, read again when a
// window says it may have changed. Nothing polls: the poll timer is a timer with nothing
// behind it, which only a test starts. Both reads are asynchronous; ReadUnitTable runs the
// message loop until its read has ended, as the main window's does.
#include <memory>
#include <string>

#include "dedicated/windowhost.h"

class QLabel;
class QTimer;
class QTreeWidget;
class QWidget;
class VhSNMPRequest2Edits;

class TStandInHost final : public TWindowHost {
public:
    explicit TStandInHost(std::string address);
    ~TStandInHost() override;

    std::string DeviceAddress() const override { return Address; }
    bool LargeFonts() const override { return Large; }
    bool UnitReadBusy() const override;
    void ReadUnitTable() override;
    bool UnitReadFailed() const override { return unitReadCode_ != 0; }
    std::string StatusText() const override;
    QTimer* PollTimer() const override { return Poll; }
    void RmonStateChanged() override;

    // What a test sets or reads.
    std::string Address;
    bool Large = false;
    std::unique_ptr<QWidget> Window; // hidden; owns what follows, and the windows the main window would own
    QTreeWidget* UnitList = nullptr; // unit id, start port, module name
    QLabel* Status = nullptr;        // the status line
    QLabel* RmonState = nullptr;     // "enabled", "disabled" or empty
    QTimer* Poll = nullptr;

private:
    VhSNMPRequest2Edits* unitRequest_ = nullptr; // owned by Window
    VhSNMPRequest2Edits* rmonRequest_ = nullptr;
    int unitReadCode_ = 0;
    bool rmonReadAgain_ = false;
};

namespace wintest {
// The host of the stand-in world (standinworld.cpp), once its environment is set up.
TStandInHost& host();
} // namespace wintest
