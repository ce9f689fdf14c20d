#pragma once
// The main window managing a private simulator, for the chassis view's tests: the start
// as the host platform makes it (SNMPv2c, the simulator's port in the settings file),
// short LED poll intervals, and helpers that click, poll and read the view.
#include <memory>
#include <string>
#include <vector>

#include "classlib/speedbutton.h"
#include "fixture.h"
#include "mainwin/mainunit.h"
#include "simharness.h"

class TModulePanelForm;
class TModuleThumbnailForm;
class TSpeedButton;

class ChassisWorld : public StartupWorld {
protected:
    void SetUp() override;
    void TearDown() override;

    // Starts the main window (constructor and FormCreate) and shows it.
    TMainForm* start();
    // One timer poll, as Timer1 runs it.
    void poll();
    // The thumbnail in a slot strip, or null.
    TModuleThumbnailForm* thumbnail(int slot) const;
    // Clicks the thumbnail of the slot and waits until its front panel is shown.
    TModulePanelForm* showPanel(int slot);
    // Waits until the shown panel's LED request has received a value since this call.
    bool waitForLedRead();
    // The texts of the visible unit labels, top to bottom.
    std::vector<std::string> labels() const;
    // Port button k (1-based) of the shown panel's PortButtons.
    TSpeedButton* portButton(int k) const;

    trqtest::SimProcess sim;
    std::unique_ptr<TMainForm> form;

private:
    mutable std::unique_ptr<TSpeedButton> standInButton_;
};

// The LED octets the simulator serves for a module by default: four leading octets, then
// per port a link octet (0x82 the first of every four, blinking; 0x02 on; 0x01 off every
// fourth) and a speed octet.
std::string DefaultLedOctets(int ports);
