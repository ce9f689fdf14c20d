#pragma once
// The module models the chassis view shows: for each, the front panel's size, its port
// buttons with the port outlines under them, its LED panels and the LED groups that the
// panel's LED request creates. The tables are data, in the order of ModuleTypeNames; the
// panel and thumbnail forms (chassis/modulepanels.h) are built from them.
//
// LED groups are the arguments of VhSNMPRequest2Leds::AddLeds: a comma-separated list of
// octet positions in the module's LED status value (four leading octets, then two per
// port: port p has octets 4 + 2(p - 1) and 5 + 2(p - 1)), the LED panel that holds the
// group, the first LED's Left in it and the gap between LEDs. Every LED is a 6 x 6
// rectangle at Top 1 of its panel.
#include <cstdint>
#include <string>
#include <vector>

// What a port looks like on the module's face.
enum class TPortKind : uint8_t {
    RJ45,   // twisted pair
    FiberSC, // duplex SC fibre
    MTRJ,   // small-form fibre
    SFP,    // mini-GBIC cage
    Xenpak, // 10-gigabit module bay
};

// One speed button and the port outline under it, in panel coordinates. Port is the
// position it stands for (the number printed above it).
struct TPortFace {
    int Port;
    int Left, Top, Width, Height;
    TPortKind Kind;
};

// One LED panel (LedPanel1 = the first), 8 pixels high.
struct TLedPanelFace {
    int Left, Top, Width;
};

struct TLedGroup {
    std::string Positions;
    int Panel; // 1-based: LedPanel1 = 1
    int Left;
    int Gap;
};

struct TModuleModel {
    const char* Name;
    uint8_t Index;  // into TMainForm::ModuleTypeNames
    int PanelWidth; // front panel client width; the height is ModulePanelHeight
    int Ports;      // front-panel ports (port buttons that carry a port)
    std::vector<TPortFace> Buttons;       // SpeedButton1, SpeedButton2, ...
    std::vector<TLedPanelFace> LedPanels; // LedPanel1, LedPanel2, ...
    std::vector<TLedGroup> Leds;          // AddLeds calls, in this order
};

inline constexpr int ModulePanelHeight = 89;
inline constexpr int ThumbnailWidth = 602;
inline constexpr int ThumbnailHeight = 32;
inline constexpr int LedPanelHeight = 8;
inline constexpr int LedSize = 6;
inline constexpr uint8_t CpuModuleIndex = 1;

// The eight models with pictures, in index order.
const std::vector<TModuleModel>& ModuleModels();
// The model of a ModuleTypeNames index, or null for a model without a picture.
const TModuleModel* FindModuleModel(uint8_t index);

// TRQ-3117's ports 11 and 12: a combo port has two LEDs in LedPanel4 over its combined
// jack (SpeedButton11, SpeedButton12); otherwise one LED in LedPanel5 over its mini-GBIC
// cage (SpeedButton13, SpeedButton14). Index 0 is port 11, 1 is port 12.
struct TComboPortLayout {
    int ComboButton, CageButton;
    std::vector<TLedGroup> ComboLeds, CageLeds;
};
const TComboPortLayout& Trq3117ComboPort(int which);
