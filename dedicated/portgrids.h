#pragma once
// The port grids of a window: one or more unit/port choosers (configwin/
// stackingportuitform.h), each filling its own panel of the window, that always show the
// same units. Each has nine unit pages of 64 numbered check boxes ("Unit1" to "Unit8",
// "CPU Unit9"); only the pages of the installed units are shown, each with as many boxes
// as its module has ports.
//
// Box k of a grid stands for port k + 1 and for bit k of a PortList value (octet k / 8,
// mask 0x80 >> k % 8). Bind ties boxes 0..511 (units 1 to 8) to a PortList column; the
// boxes of "CPU Unit9" are then neither read nor written nor cleared.
//
//   Grids = new TPortGrids(this, {ScrollBox1, ScrollBox2});   // in FormCreate, first
//   std::string error;
//   if (!Grids->ShowUnits(&error)) ShowText(error);
//   ...
//   Grids->Bind(Request, 3, 0);                                // column 3 on grid 0
//
// A grid whose panel is not shown when the window opens (a page of a tab control that is
// not the current one) gets its 576 boxes only when its panel is first shown, when Grid
// asks for it, or when its request is about to fill or read its controls
// (TWindowRequest::BeforeControlsUsed); its bindings and units wait for it, and until
// then it is unticked.
#include <initializer_list>
#include <memory>
#include <string>
#include <vector>

#include <QObject>
#include <QPointer>
#include <QWidget>


#include "dedicated/units.h"

class QEvent;
class TWindowRequest;

class QWidget;
class TStackingPortUitForm;

// The decimal numbers 0 to count - 1 joined by ",": the position list of a PortList binding.
std::string PositionList(int count);

class TPortGrids : public QObject {
public:
    static constexpr int BoundPorts = 512; // units 1 to 8

    // One chooser per parent, in that order, each with its nine (hidden) unit pages; the
    // grids belong to window.
    TPortGrids(QWidget* window, std::initializer_list<QWidget*> parents);

    int Count() const { return static_cast<int>(Grids.size()); }
    // The grid, built first if it has not been.
    TStackingPortUitForm* Grid(int k);
    // Whether grid k has its boxes yet.
    bool Built(int k) const { return Pending.at(static_cast<std::size_t>(k)) == nullptr; }
    // Builds every grid that is not built yet.
    void BuildAll();

    // Shows the pages of the installed units on every grid (ReadChassisUnits: the list is
    // read first when it is empty). False when that read failed, its text in *error; the
    // units there are are shown all the same.
    bool ShowUnits(std::string* error = nullptr);
    // Follows the chassis again: every shown page is hidden with its boxes and captioned
    // afresh, then the installed units are shown as ShowUnits does.
    // Both may wait for the unit list; called again meanwhile, they leave the work to the
    // call under way and return true.
    bool Refresh(std::string* error = nullptr);

    // Binds boxes 0 .. positions - 1 of grid k to the column: box i is bit i.
    void Bind(TWindowRequest* request, int column, int k, int positions = BoundPorts);
    // Unticks boxes 0..511 of every grid.
    void ClearPorts();

    // The units the grids show, as last read.
    std::vector<TUnitRecord> Units;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    struct PendingBind {
        TWindowRequest* Request;
        std::weak_ptr<int> Alive; // expires with the request
        int Column;
        int Positions;
    };
    struct PendingGrid {
        QPointer<QWidget> Parent;
        std::vector<PendingBind> Binds;
    };
    void Build(int k);

    std::vector<TStackingPortUitForm*> Grids;
    std::vector<std::unique_ptr<PendingGrid>> Pending; // by grid; null once built
    bool UnitsShown = false;
    bool Running = false;
};
