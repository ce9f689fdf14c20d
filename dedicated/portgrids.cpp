#include "dedicated/portgrids.h"

#include <QCheckBox>
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
    }
    for (int unit = 1; unit <= ChassisUnits; ++unit)
        for (TStackingPortUitForm* grid : Grids)
            grid->BuildUnitPages("Unit" + IntToStr(unit), (unit - 1) * PortsPerUnit + 1, PortsPerUnit, BoxesPerRow, 0);
}

bool TPortGrids::ShowUnits(std::string* error)
{
    if (Running)
        return true;
    Running = true;
    const bool ok = ReadChassisUnits(Units, error);
    Running = false;
    for (const TUnitRecord& unit : Units)
        for (TStackingPortUitForm* grid : Grids)
            grid->ShowUnitPorts(unit.IdText, unit.Module, unit.StartPort, unit.PortCount, BoxesPerRow);
    return ok;
}

bool TPortGrids::Refresh(std::string* error)
{
    if (Running)
        return true;
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
    const QList<QCheckBox*>& boxes = Grid(k)->PortCheckBoxes;
    request->AddControlPair(column, PositionList(positions), boxes.mid(0, positions));
}

void TPortGrids::ClearPorts()
{
    for (TStackingPortUitForm* grid : Grids)
        for (int k = 0; k < BoundPorts && k < grid->PortCheckBoxes.size(); ++k)
            grid->PortCheckBoxes[k]->setChecked(false);
}
