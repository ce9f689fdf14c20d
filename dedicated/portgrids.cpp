#include "dedicated/portgrids.h"

#include <algorithm>

#include <QPointer>
#include <QCheckBox>
#include <QEvent>
#include <QLayout>
#include <QScrollArea>
#include <QVBoxLayout>
#include <QTabWidget>

#include "configwin/stackingportuitform.h"
#include "dedicated/windowrequest.h"
#include "platform/sysutils.h"

namespace {

constexpr int BoxesPerRow = 12;

std::string UnitCaption(int unit) { return unit == ChassisUnits ? "CPU Unit9" : "Unit" + IntToStr(unit); }

} // namespace

std::string PositionList(int count)
{
    std::string list;
    for (int i = 0; i < count; ++i) {
        if (i)
            list += ',';
        list += IntToStr(i);
    }
    return list;
}

TPortGrids::TPortGrids(QWidget* window, std::initializer_list<QWidget*> parents) : QObject(window)
{
    for (QWidget* parent : parents) {
        // A grid scrolls where its panel is smaller than it, so that no window is made
        // taller than the screen by its grids.
        QLayout* layout = parent->layout();
        if (!layout) {
            layout = new QVBoxLayout(parent);
            layout->setContentsMargins(0, 0, 0, 0);
        }
        auto* scroll = new QScrollArea(parent);
        scroll->setObjectName(parent->objectName() + "Scroll");
        scroll->setFrameShape(QFrame::NoFrame);
        scroll->setWidgetResizable(true);
        auto* holder = new QWidget;
        scroll->setWidget(holder);
        layout->addWidget(scroll);
        auto* grid = new TStackingPortUitForm(window);
        grid->EmbedIn(holder);
        Grids.push_back(grid);
        Pending.push_back(std::make_unique<PendingGrid>(PendingGrid{parent, {}}));
    }
    for (int k = 0; k < Count(); ++k) {
        QWidget* parent = Pending[static_cast<std::size_t>(k)]->Parent;
        if (parent->isVisibleTo(window)) {
            Build(k);
            continue;
        }
        // Not on screen when the window opens: built when it first is.
        parent->installEventFilter(this);
    }
}

void TPortGrids::Build(int k)
{
    std::unique_ptr<PendingGrid> pending = std::move(Pending.at(static_cast<std::size_t>(k)));
    if (!pending)
        return;
    if (pending->Parent)
        pending->Parent->removeEventFilter(this);
    TStackingPortUitForm* grid = Grids[static_cast<std::size_t>(k)];
    for (int unit = 1; unit <= ChassisUnits; ++unit)
        grid->BuildUnitPages("Unit" + IntToStr(unit), (unit - 1) * PortsPerUnit + 1, PortsPerUnit, BoxesPerRow, 0);
    if (UnitsShown)
        for (const TUnitRecord& unit : Units)
            grid->ShowUnitPorts(unit.IdText, unit.Module, unit.StartPort, unit.PortCount, BoxesPerRow);
    for (const PendingBind& bind : pending->Binds)
        if (!bind.Alive.expired())
            bind.Request->AddControlPair(bind.Column, PositionList(bind.Positions), grid->PortCheckBoxes.mid(0, bind.Positions));
}

void TPortGrids::BuildAll()
{
    for (int k = 0; k < Count(); ++k)
        Build(k);
}

bool TPortGrids::eventFilter(QObject* watched, QEvent* event)
{
    switch (event->type()) {
    case QEvent::Show:
        for (int k = 0; k < Count(); ++k)
            if (!Built(k) && Pending[static_cast<std::size_t>(k)]->Parent == watched)
                Build(k);
        break;
    default:
        break;
    }
    return QObject::eventFilter(watched, event);
}

TStackingPortUitForm* TPortGrids::Grid(int k)
{
    Build(k);
    return Grids.at(static_cast<std::size_t>(k));
}

bool TPortGrids::ShowUnits(std::string* error)
{
    if (Running)
        return true;
    Running = true;
    const bool ok = ReadChassisUnits(Units, error);
    Running = false;
    UnitsShown = true;
    for (int k = 0; k < Count(); ++k)
        if (Built(k))
            for (const TUnitRecord& unit : Units)
                Grids[static_cast<std::size_t>(k)]->ShowUnitPorts(unit.IdText, unit.Module, unit.StartPort,
                                                                 unit.PortCount, BoxesPerRow);
    return ok;
}

bool TPortGrids::Refresh(std::string* error)
{
    if (Running)
        return true;
    // A grid not built yet has no page to hide; it shows the units read here when it is.
    for (TStackingPortUitForm* grid : Grids) {
        QTabWidget* pages = grid->UnitPageControl;
        for (int unit = 1; unit <= ChassisUnits; ++unit) {
            const int tab = grid->UnitSheets[unit] ? pages->indexOf(grid->UnitSheets[unit]) : -1;
            if (tab < 0 || !pages->isTabVisible(tab))
                continue;
            pages->setTabText(tab, toQt(UnitCaption(unit)));
            for (int k = (unit - 1) * PortsPerUnit; k < unit * PortsPerUnit && k < grid->PortCheckBoxes.size(); ++k)
                grid->PortCheckBoxes[k]->hide();
            // A unit that is no longer installed keeps no page.
            grid->ShowUnitPorts(IntToStr(unit), std::string(), 0, 0, 0);
        }
    }
    return ShowUnits(error);
}

void TPortGrids::Bind(TWindowRequest* request, int column, int k, int positions)
{
    if (!Built(k)) {
        // The request builds the grid before it fills or reads its controls; the token
        // held by its hook tells whether the request is still there when the grid is built.
        auto alive = std::make_shared<int>(0);
        QPointer<TPortGrids> self(this);
        request->BeforeControlsUsed = [self, alive, previous = request->BeforeControlsUsed] {
            if (self)
                self->BuildAll();
            if (previous)
                previous();
        };
        Pending[static_cast<std::size_t>(k)]->Binds.push_back({request, alive, column, positions});
        return;
    }
    const QList<QCheckBox*>& boxes = Grids[static_cast<std::size_t>(k)]->PortCheckBoxes;
    request->AddControlPair(column, PositionList(positions), boxes.mid(0, positions));
}

void TPortGrids::ClearPorts()
{
    // A grid not built yet is born unticked.
    for (TStackingPortUitForm* grid : Grids)
        for (int k = 0; k < BoundPorts && k < grid->PortCheckBoxes.size(); ++k)
            grid->PortCheckBoxes[k]->setChecked(false);
}
