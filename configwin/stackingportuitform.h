#pragma once
// The unit/port chooser: a borderless form that a port-list window embeds so that the
// user can tick ports of the chassis. One tab per unit (units 1 to 8 are the line cards,
// unit 9 the CPU module, captioned "CPU Unit9"), on each tab one check box per port
// position, 64 per unit. Port numbers are the system's: (unit - 1) x 64 + position.
//
// How a window uses it:
//
//   Grid = new TStackingPortUitForm(this);
//   Grid->EmbedIn(PortPanel);                    // parent, fill its client area, show
//   for (int unit = 1; unit <= 9; ++unit)        // 576 hidden boxes, 9 hidden tabs
//       Grid->BuildUnitPages("Unit" + IntToStr(unit), (unit - 1) * 64 + 1, 64, 12, 0);
//   for each row of ChassisUnitList() (configwin/unitlist.h; read the main window's unit
//   request first when it is empty):
//       Grid->ShowUnitPorts(unitId, module, startPort, GetModulePortCount(module), 12);
//
// Then PortCheckBoxes[i] stands for port i + 1: box i ticked means the port is in the
// list (VhSNMPRequest2Edits::AddControlPair binds the boxes to the bits of a PortList
// value, box i to bit i). Boxes are never deleted; ClearAll unticks them all. With a
// file "DeviceInfo.ini" in the current directory the boxes are laid out 10 per row instead
// of the number the caller gives.
#include <array>
#include <string>

#include <QList>
#include <QWidget>

class QCheckBox;
class QScrollArea;
class QTabWidget;

class TStackingPortUitForm : public QWidget {
    Q_OBJECT
public:
    explicit TStackingPortUitForm(QWidget* owner);

    // Puts the form into parent, filling its client area, and shows it.
    void EmbedIn(QWidget* parent);

    // Builds the page of the unit named "Unit" + number (1 to 9): a hidden tab holding
    // count hidden check boxes captioned "1" to count, perRow to a row, appended to
    // PortCheckBoxes. firstPort and the last argument are not used. A name whose number
    // is not one raises the conversion error; a unit outside 1 to 9 raises the library's
    // exception and builds nothing.
    void BuildUnitPages(const std::string& unitName, int firstPort, int count, int perRow, int unused);
    // show != 0: shows the tab of the unit (the unit text as a number), appends a blank
    // and the module text to its caption, and for units 1 to 8 shows as many of its boxes
    // as GetUnitPortCount gives (the portCount argument is replaced by it); unit 9 shows
    // no boxes; any other number shows the first tab and its first portCount boxes.
    // show == 0: hides the tab of a unit 1 to 9.
    void ShowUnitPorts(const std::string& unitText, const std::string& moduleText, int unused, int portCount,
                       int show);
    // Unticks every port check box.
    void ClearAll();
    // The port count of the module installed as that unit, from the chassis's unit list;
    // 0 for unit "9", for a unit without a row and when the list is empty.
    int GetUnitPortCount(const std::string& unitText);

    QTabWidget* UnitPageControl = nullptr;
    QList<QCheckBox*> PortCheckBoxes;                // creation order: index + 1 is the port number
    QList<QWidget*> UnitTabs;                        // tab sheets in creation order
    std::array<QScrollArea*, 10> UnitScrollBoxes{}; // by unit number 1 to 9
    std::array<QWidget*, 10> UnitSheets{};          // by unit number 1 to 9

    // The boxes' layout: font size, and a check box's height.
    static constexpr int FontSize = 8;
    static constexpr int CheckBoxHeight = 17;

public slots:
    void FormCreate();

private:
    int TabIndex(int unit) const;
};
