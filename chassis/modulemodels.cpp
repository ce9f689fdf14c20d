#include "chassis/modulemodels.h"

namespace {

// Vertical places on every front panel.
constexpr int LedTop = 32;
constexpr int PortTop = 44;

int PortHeight(TPortKind kind)
{
    switch (kind) {
    case TPortKind::RJ45: return 24;
    case TPortKind::FiberSC: return 24;
    case TPortKind::MTRJ: return 20;
    case TPortKind::SFP: return 16;
    case TPortKind::Xenpak: return 30;
    }
    return 24;
}

// count ports numbered from first, left to right at the given pitch.
void AddPorts(std::vector<TPortFace>& out, int first, int count, int left, int pitch, int width, TPortKind kind)
{
    for (int i = 0; i < count; ++i)
        out.push_back({first + i, left + i * pitch, PortTop, width, PortHeight(kind), kind});
}

std::string Octet(int port, int second = 0) { return std::to_string(4 + 2 * (port - 1) + second); }

// One LED panel per port, over the port's middle, one LED (the port's first octet) in it.
void OneLedPerPort(TModuleModel& model)
{
    for (const TPortFace& port : model.Buttons) {
        model.LedPanels.push_back({port.Left + port.Width / 2 - 5, LedTop, 10});
        model.Leds.push_back({Octet(port.Port), static_cast<int>(model.LedPanels.size()), 1, 10});
    }
}

TModuleModel Cpu()
{
    return {"TRQ-3112", 1, 781, 0, {}, {}, {}};
}

TModuleModel Trq3114()
{
    TModuleModel m{"TRQ-3114", 3, 790, 12, {}, {}, {}};
    AddPorts(m.Buttons, 1, 6, 170, 44, 26, TPortKind::RJ45);
    AddPorts(m.Buttons, 7, 6, 464, 44, 26, TPortKind::RJ45);
    OneLedPerPort(m);
    return m;
}

TModuleModel Trq3115()
{
    TModuleModel m{"TRQ-3115", 4, 781, 8, {}, {}, {}};
    AddPorts(m.Buttons, 1, 8, 170, 70, 44, TPortKind::FiberSC);
    OneLedPerPort(m);
    return m;
}

TModuleModel Trq3117()
{
    TModuleModel m{"TRQ-3117", 6, 781, 12, {}, {}, {}};
    // Ports 1-10: two LEDs each (link at 0, speed at 16 of a 24-pixel pitch).
    m.LedPanels = {{170, LedTop, 96}, {282, LedTop, 96}, {394, LedTop, 48}, {474, LedTop, 48}, {550, LedTop, 48}};
    AddPorts(m.Buttons, 1, 4, 170, 24, 22, TPortKind::RJ45);
    AddPorts(m.Buttons, 5, 4, 282, 24, 22, TPortKind::RJ45);
    AddPorts(m.Buttons, 9, 2, 394, 24, 22, TPortKind::RJ45);
    // Ports 11 and 12 twice: combined jacks under LedPanel4, mini-GBIC cages under LedPanel5.
    m.Buttons.push_back({11, 474, PortTop, 22, PortHeight(TPortKind::RJ45), TPortKind::RJ45});
    m.Buttons.push_back({12, 499, PortTop, 22, PortHeight(TPortKind::RJ45), TPortKind::RJ45});
    m.Buttons.push_back({11, 551, PortTop, 22, PortHeight(TPortKind::SFP), TPortKind::SFP});
    m.Buttons.push_back({12, 574, PortTop, 22, PortHeight(TPortKind::SFP), TPortKind::SFP});
    m.Leds = {{"4,6,8,10", 1, 0, 18},    {"5,7,9,11", 1, 16, 18},    {"12,14,16,18", 2, 0, 18},
              {"13,15,17,19", 2, 16, 18}, {"20,22", 3, 0, 18},        {"21,23", 3, 16, 18}};
    return m;
}

TModuleModel Trq3118()
{
    TModuleModel m{"TRQ-3118", 7, 790, 16, {}, {}, {}};
    for (int k = 1; k <= 4; ++k) {
        const int left = 170 + (k - 1) * 118;
        const int b = 4 + 8 * (k - 1);
        m.LedPanels.push_back({left, LedTop, 98});
        const int offsets[] = {0, 25, 49, 74};
        for (int i = 0; i < 4; ++i)
            m.Buttons.push_back({4 * (k - 1) + i + 1, left + offsets[i], PortTop, 23, PortHeight(TPortKind::MTRJ),
                                 TPortKind::MTRJ});
        const auto text = [](int a, int c) { return std::to_string(a) + "," + std::to_string(c); };
        m.Leds.push_back({text(b, b + 2), k, 0, 19});
        m.Leds.push_back({text(b + 1, b + 3), k, 18, 18});
        m.Leds.push_back({text(b + 4, b + 6), k, 49, 18});
        m.Leds.push_back({text(b + 5, b + 7), k, 66, 19});
    }
    return m;
}

// Groups of LED panels with one LED per port at a 24-pixel pitch.
TModuleModel Grouped(const char* name, uint8_t index, int ports, int perPanel, int firstLeft, int spacing,
                     int ledLeft, int portOffset, TPortKind kind)
{
    TModuleModel m{name, index, 790, ports, {}, {}, {}};
    for (int k = 0; k * perPanel < ports; ++k) {
        const int left = firstLeft + k * (perPanel * 24 + spacing);
        m.LedPanels.push_back({left, LedTop, perPanel * 24});
        AddPorts(m.Buttons, k * perPanel + 1, perPanel, left + portOffset, 24, 22, kind);
        std::string positions;
        for (int i = 0; i < perPanel; ++i) {
            if (i)
                positions += ',';
            positions += Octet(k * perPanel + i + 1);
        }
        m.Leds.push_back({positions, k + 1, ledLeft, 18});
    }
    return m;
}

TModuleModel Trq3119()
{
    TModuleModel m = Grouped("TRQ-3119", 8, 12, 4, 180, 24, 9, 1, TPortKind::SFP);
    m.PanelWidth = 781;
    return m;
}

TModuleModel Trq3120() { return Grouped("TRQ-3120", 9, 24, 8, 150, 16, 10, 2, TPortKind::RJ45); }

TModuleModel Trq3122()
{
    TModuleModel m{"TRQ-3122", 10, 790, 2, {}, {}, {}};
    AddPorts(m.Buttons, 1, 2, 220, 200, 120, TPortKind::Xenpak);
    OneLedPerPort(m);
    return m;
}

} // namespace

const std::vector<TModuleModel>& ModuleModels()
{
    static const std::vector<TModuleModel> models = {Cpu(),     Trq3114(), Trq3115(), Trq3117(),
                                                     Trq3118(), Trq3119(), Trq3120(), Trq3122()};
    return models;
}

const TModuleModel* FindModuleModel(uint8_t index)
{
    for (const TModuleModel& model : ModuleModels())
        if (model.Index == index)
            return &model;
    return nullptr;
}

const TComboPortLayout& Trq3117ComboPort(int which)
{
    static const TComboPortLayout ports[] = {
        {11, 13, {{"24", 4, 0, 18}, {"25", 4, 16, 18}}, {{"24", 5, 9, 18}}},
        {12, 14, {{"26", 4, 25, 18}, {"27", 4, 41, 18}}, {{"26", 5, 32, 18}}},
    };
    return ports[which == 0 ? 0 : 1];
}
