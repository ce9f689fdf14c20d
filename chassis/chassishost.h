#pragma once
// What the chassis view (chassis/chassisview.h) and its parts (the module thumbnails and
// front panels, the power window, the refresh popup) need of the window that shows the
// chassis: the main window implements it and sets it once at start-up
// (mainwin/windowhost.cpp). Without a host the view and its parts stand alone: their
// requests show no text, and a click on a thumbnail does nothing.
#include <cstdint>
#include <string>

#include <QList>

class QAbstractButton;
class QLabel;
class QWidget;

class TChassisHost {
public:
    virtual ~TChassisHost() = default;

    // The window that shows the chassis (popups are centred on it), or null.
    virtual QWidget* Window() const = 0;
    // The status line: its label (the message target of the chassis's requests) and its text.
    virtual QLabel* StatusTarget() const = 0;
    virtual std::string StatusText() const = 0;
    virtual void SetStatusText(const std::string& text) = 0;
    // The status line holds a fault of the chassis read: it stays until a later chassis
    // read succeeds, and the parts' result lines do not replace it (chassis/statusline.h).
    virtual bool StatusHeld() const = 0;
    // The port buttons of the shown front panel (the port popup menu finds its button
    // there), or null.
    virtual QList<QAbstractButton*>* PortButtons() const = 0;
    // Shows the front panel of the module in that slot (a thumbnail's click, from the
    // message loop).
    virtual void ShowModulePanel(int slot, uint8_t modelIndex) = 0;
    // The chassis poll is running.
    virtual bool PollRunning() const = 0;
    // Reads the chassis at once; EndFirstChassisBuild then says the first build is over.
    virtual void RefreshChassis() = 0;
    virtual void EndFirstChassisBuild() = 0;
    // A read of the unit table has succeeded at the first build or a poll: the host reads
    // what follows the installed modules (the main window: the RMON state of its menus).
    virtual void UnitTableRead() = 0;
};

// The host, or null (SetChassisHost). The host outlives every part of the chassis view,
// or is cleared first.
inline TChassisHost* TheChassisHost = nullptr;
inline void SetChassisHost(TChassisHost* host) { TheChassisHost = host; }
inline TChassisHost* ChassisHost() { return TheChassisHost; }
