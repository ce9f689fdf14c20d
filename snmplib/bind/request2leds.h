#pragma once
// A request bound to LED shapes.
//
// The switch reports every LED of a module as one octet string. VhSNMPRequest2Leds reads
// that value on a timer and paints one shape per LED from its octet through a colour map
// (snmplib/ledcolormap.h): the octet's colour, and blinking while the octet has a blink
// bit. Blinking runs on a second timer: after each value a blinking LED flips between its
// colour and the map's OffColor for BlinkLimit steps and then stays lit until the next
// value. The blink timer runs only while a blinking LED has steps to come, and a step
// repaints only the blinking LEDs. A failed read turns every LED off and puts the result line in the message target.
//
// Calling order of a front panel: construct; set the variable list, instance suffix,
// time-out and caption of Request; AddLeds once per row of LEDs; set the message target;
// Start; Stop before deletion.
//
// The shapes belong to the panels they are put on; the binding only paints them and
// forgets a shape that is deleted. The timers are children of the owner window and are
// removed with the binding.
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include <QPointer>

#include "classlib/ledshape.h"
#include "snmplib/bind/request2controls.h"
#include "snmplib/ledcolormap.h"

class QTimer;

// One LED: which octet of which item drives it, its map, its shape and its state.
struct LedBinding {
    int32_t Column = 0;   // item of the variable list whose value drives the LED
    int32_t Position = 0; // 0-based octet index in that value
    const VhSNMPLedColorMapList* ColorMap = nullptr; // not owned
    QPointer<TShape> Shape;                          // not owned
    uint8_t Blink = 0;
    uint32_t Color = 0; // the LED's current colour
};

class VhSNMPRequest2Leds : public VhSNMPRequest2Controls {
public:
    explicit VhSNMPRequest2Leds(QWidget* owner);
    ~VhSNMPRequest2Leds() override;

    // One new shape per number of the comma-separated positions text, put on panel at
    // Top 1, Left = left + (width + gap) x its index, each bound to column through the
    // map. The panel loses its frame.
    void AddLeds(int32_t column, const std::string& positions, const VhSNMPLedColorMapList* colorMap,
                 QWidget* panel, int32_t left, int32_t gap, TShapeType shapeType, int32_t width,
                 int32_t height);
    // Binds an existing shape; it shows the map's OffColor until the first value.
    void AddLed(int32_t column, int32_t position, const VhSNMPLedColorMapList* colorMap, TShape* shape);

    // Reads every period x PeriodUnit milliseconds (period in hundredths of a second), and
    // once at once. A period of 0 or less reads once and sets no timer.
    void Start(int32_t period);
    // Stops both timers and turns every LED off; the value of a read still under way is
    // not shown (until Start or Refresh again).
    void Stop();
    // One read; a failure to start it turns every LED off and is raised.
    void Refresh();
    // Every LED to its map's OffColor, not blinking.
    void ResetLeds();

    // ---- Virtual operations ----

    // Paints every LED from the value just received, then takes one blink step.
    void ShowRow() override;
    // A failed read: every LED off and the message in the target (never a message box).
    void OnGetError(VhSNMPError* error) override;
    // The colour and blinking of one LED from the current value of its item. A position
    // beyond the value gives the map's AbsentColor, or raises -519 when it has none.
    virtual void ValueToLeds(LedBinding* led);

    // The timers' handlers.
    void OnRefreshTimer();
    void OnBlinkTimer();

    // ---- Members, after the base's ----

    std::vector<std::unique_ptr<LedBinding>> Leds;
    QPointer<QTimer> RefreshTimer; // stopped until Start
    QPointer<QTimer> BlinkTimer;   // every 60 ms while a blinking LED has steps to come
    int32_t BlinkLimit = 6;
    int32_t BlinkCount = 0;
    // How the value's octets give the LEDs their states.
    static constexpr int32_t LED_VALUE_OCTETS = 1; // one octet per LED
    // One octet per LED below PairStart, {flag, status} octet pairs from PairStart on
    // (flag 1: no state; the colour comes from the status octet).
    static constexpr int32_t LED_VALUE_PAIRS = 2;
    int32_t ValueMode = LED_VALUE_OCTETS;
    int32_t PairStart = 4;
    // Milliseconds per unit of Start's period (tests shorten the 3 s poll with it).
    int32_t PeriodUnit = 10;

    static constexpr int BlinkInterval = 60; // milliseconds

private:
    void BlinkStep();
    // The octets of an item's value (its value label turned into the value first).
    const std::string& OctetsOf(const VhSNMPVarItem& item);
    struct {
        std::string Value;
        const VhOptionList* Options = nullptr;
        unsigned Syntax = 0;
        std::string Octets;
    } Converted; // the last value converted, and its octets
    void Paint(LedBinding& led, uint32_t color);
    // No exchange of this request is under way.
    bool Idle() const { return Busy == 0 && Request.Pending == 0; }
    // Set by Stop: replies that arrive afterwards leave the LEDs off.
    bool Stopped = false;
    // Set by Stop for good: Start restarts only the refresh timer, and a blinking LED is
    // then painted once per value.
    bool BlinkStopped = false;
};
