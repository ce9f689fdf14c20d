#include "snmplib/bind/request2leds.h"

#include <algorithm>
#include <climits>

#include <QFrame>
#include <QTimer>

#include "platform/exception.h"
#include "snmplib/utils.h"

VhSNMPRequest2Leds::VhSNMPRequest2Leds(QWidget* owner) : VhSNMPRequest2Controls(owner)
{
    RefreshTimer = new QTimer(owner);
    QObject::connect(RefreshTimer, &QTimer::timeout, RefreshTimer, [this] { OnRefreshTimer(); });
    BlinkTimer = new QTimer(owner);
    BlinkTimer->setInterval(BlinkInterval);
    QObject::connect(BlinkTimer, &QTimer::timeout, BlinkTimer, [this] { OnBlinkTimer(); });
}

VhSNMPRequest2Leds::~VhSNMPRequest2Leds()
{
    Stop();
    // The timers would call into a freed object: they go with the binding.
    delete RefreshTimer.data();
    delete BlinkTimer.data();
}

// ---- LEDs -----------------------------------------------------------------------------

void VhSNMPRequest2Leds::AddLeds(int32_t column, const std::string& positions, const VhSNMPLedColorMapList* colorMap,
                                 QWidget* panel, int32_t left, int32_t gap, TShapeType shapeType, int32_t width,
                                 int32_t height)
{
    VhNumList<int> numbers;
    numbers.Separator = ',';
    numbers.Assign(positions);
    for (int i = 0; i < numbers.Count(); ++i) {
        auto* shape = new TShape(panel);
        shape->SetShape(shapeType);
        shape->setGeometry(left + (width + gap) * i, 1, width, height);
        shape->show();
        AddLed(column, numbers.Values[i], colorMap, shape);
    }
    if (auto* frame = qobject_cast<QFrame*>(panel))
        frame->setFrameShape(QFrame::NoFrame);
}

void VhSNMPRequest2Leds::AddLed(int32_t column, int32_t position, const VhSNMPLedColorMapList* colorMap,
                                TShape* shape)
{
    if (!colorMap)
        throw Exception("An LED needs a colour map.");
    auto led = std::make_unique<LedBinding>();
    led->Column = column;
    led->Position = position;
    led->ColorMap = colorMap;
    led->Shape = shape;
    led->Color = colorMap->OffColor;
    Leds.push_back(std::move(led));
    Paint(*Leds.back(), Leds.back()->Color);
}

void VhSNMPRequest2Leds::Paint(LedBinding& led, uint32_t color)
{
    TShape* shape = led.Shape;
    if (!shape)
        return;
    shape->SetBrushColor(color);
    shape->SetPenColor(color);
    shape->show();
}

void VhSNMPRequest2Leds::ResetLeds()
{
    // Not blinking either: the blink timer would light them again.
    for (auto& led : Leds) {
        led->Color = led->ColorMap->OffColor;
        led->Blink = 0;
        Paint(*led, led->Color);
    }
}

void VhSNMPRequest2Leds::ValueToLeds(LedBinding* led)
{
    const std::string& octets = OctetsOf(*Request.VarList.GetItem(led->Column));
    const VhSNMPLedColorMapList& map = *led->ColorMap;

    // Outside the value: the absent colour (or -519), whatever the mode. Inside, a pair
    // whose status octet lies beyond the value counts as outside too.
    const bool inside = led->Position >= 0 && static_cast<size_t>(led->Position) < octets.size();
    LedState state;
    if (ValueMode == LED_VALUE_PAIRS && inside && led->Position >= PairStart)
        state = map.PairStateAt(octets, led->Position);
    else if (ValueMode == LED_VALUE_OCTETS || ValueMode == LED_VALUE_PAIRS || !inside)
        state = map.StateAt(octets, led->Position);
    else
        return; // another mode leaves the LED as it is
    led->Color = state.Color;
    led->Blink = state.Blink ? 1 : 0;
}

const std::string& VhSNMPRequest2Leds::OctetsOf(const VhSNMPVarItem& item)
{
    // Every LED of a module reads the same value: it is converted once.
    if (item.Value != Converted.Value || item.Options != Converted.Options || item.Syntax != Converted.Syntax) {
        std::string text = item.Value;
        if (item.Options)
            text = item.Options->TextToValue(text);
        Converted.Octets = TextToOctets(text, item.Syntax).str();
        Converted.Value = item.Value;
        Converted.Options = item.Options;
        Converted.Syntax = item.Syntax;
    }
    return Converted.Octets;
}

void VhSNMPRequest2Leds::ShowRow()
{
    if (Stopped)
        return;
    Converted = {}; // a value label list may have changed since the last value
    BlinkCount = 0;
    for (auto& led : Leds) {
        ValueToLeds(led.get());
        if (!led->Blink)
            Paint(*led, led->Color);
    }
    BlinkStep();
}

void VhSNMPRequest2Leds::BlinkStep()
{
    // Only the blinking LEDs change; the others were painted with their value.
    const bool flipping = BlinkCount <= BlinkLimit;
    bool blinking = false;
    for (auto& led : Leds) {
        if (!led->Blink)
            continue;
        const uint32_t off = led->ColorMap->OffColor;
        const bool lit = led->Shape && led->Shape->BrushColor() != off;
        Paint(*led, lit && flipping ? off : led->Color);
        blinking = true;
    }
    // Once past the limit the count only has to stay past it.
    if (blinking && BlinkCount < INT32_MAX)
        ++BlinkCount;
    // The timer runs only while a step is still to come: past the limit every blinking LED
    // stays lit until the next value.
    if (BlinkTimer) {
        if (blinking && flipping && !BlinkStopped) {
            if (!BlinkTimer->isActive())
                BlinkTimer->start();
        } else {
            BlinkTimer->stop();
        }
    }
}

// ---- Reading --------------------------------------------------------------------------

void VhSNMPRequest2Leds::Start(int32_t period)
{
    Stopped = false;
    const int64_t interval = std::min<int64_t>(int64_t{period} * PeriodUnit, INT_MAX);
    if (RefreshTimer) {
        RefreshTimer->stop();
        if (interval > 0) {
            RefreshTimer->setInterval(static_cast<int>(interval));
            RefreshTimer->start();
        }
    }
    // A read that is still under way shows its value soon enough.
    if (Idle())
        Refresh();
}

void VhSNMPRequest2Leds::Stop()
{
    Stopped = true;
    BlinkStopped = true;
    if (RefreshTimer)
        RefreshTimer->stop();
    if (BlinkTimer)
        BlinkTimer->stop();
    ResetLeds();
}

void VhSNMPRequest2Leds::Refresh()
{
    Stopped = false;
    try {
        Get();
    } catch (const Exception& e) {
        ResetLeds();
        throw Exception(e.Message, e.HelpContext);
    }
}

void VhSNMPRequest2Leds::OnRefreshTimer()
{
    // One read at a time: a slow or silent agent makes the poll skip its turn instead of
    // piling up exchanges.
    if (!Idle())
        return;
    try {
        Get();
    } catch (const std::exception& e) {
        ResetLeds();
        ShowMessage(e.what());
    }
}

void VhSNMPRequest2Leds::OnBlinkTimer() { BlinkStep(); }

void VhSNMPRequest2Leds::OnGetError(VhSNMPError* error)
{
    ResetLeds();
    LastOp = VHSNMP_LAST_GET;
    ShowMessage(error->Message);
}
