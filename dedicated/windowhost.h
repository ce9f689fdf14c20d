#pragma once
// What a dedicated window needs of the program that hosts it: the managed switch's
// address for captions, the large-font setting, the chassis's unit table and its read,
// the status text a failed read leaves, the chassis poll timer and the word that the RMON
// state may have changed. The main window implements it and sets it once at start-up
// (mainwin/windowhost.cpp); without a host (a window on its own, as in the kit's tests)
// the address is empty, the fonts are normal and the unit list is what is registered in
// configwin/unitlist.h.
#include <string>

class QTimer;

class TWindowHost {
public:
    virtual ~TWindowHost() = default;

    // The managed switch's address, as the window captions end.
    virtual std::string DeviceAddress() const = 0;
    // The screen uses large fonts: windows are enlarged by kLargeFontsScale.
    virtual bool LargeFonts() const = 0;

    // A read of the unit table (into ChassisUnitList()) is under way.
    virtual bool UnitReadBusy() const = 0;
    // Reads the unit table; returns once the read has ended.
    virtual void ReadUnitTable() = 0;
    // The last read of the unit table failed; StatusText() holds its text.
    virtual bool UnitReadFailed() const = 0;
    // The host's status line.
    virtual std::string StatusText() const = 0;

    // The timer of the chassis poll, or null.
    virtual QTimer* PollTimer() const = 0;
    // The RMON state may have changed: the host reads it again and updates what follows it.
    virtual void RmonStateChanged() = 0;
};

// The host, or null (SetWindowHost). The host outlives every window, or is cleared first.
inline TWindowHost* TheWindowHost = nullptr;
inline void SetWindowHost(TWindowHost* host) { TheWindowHost = host; }
inline TWindowHost* WindowHost() { return TheWindowHost; }
