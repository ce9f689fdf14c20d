#include "dedicated/units.h"

#include <QKeyEvent>
#include <QLineEdit>
#include <QTreeWidget>

#include "configwin/unitlist.h"
#include "classlib/events.h"
#include "platform/sysutils.h"
#include "platform/system.h"
#include "classlib/beep.h"
#include "dedicated/windowhost.h"
#include "snmplib/snmpinit.h"

namespace {

constexpr int UnlistedUnitPorts = 24;

// The columns of the unit list.
constexpr int UnitIdColumn = 0;
constexpr int StartPortColumn = 1;
constexpr int ModuleColumn = 2;

void CopyRows(std::vector<TUnitRecord>& units)
{
    units.clear();
    const QTreeWidget* list = ChassisUnitList();
    if (!list)
        return;
    for (int row = 0; row < list->topLevelItemCount(); ++row) {
        const QTreeWidgetItem* item = list->topLevelItem(row);
        TUnitRecord unit;
        unit.IdText = fromQt(item->text(UnitIdColumn));
        unit.Unit = StrToIntDef(unit.IdText, -1);
        unit.StartPort = StrToIntDef(fromQt(item->text(StartPortColumn)), 0);
        unit.Module = fromQt(item->text(ModuleColumn));
        unit.PortCount = GetModulePortCount(unit.Module);
        units.push_back(std::move(unit));
    }
}

bool ListEmpty()
{
    const QTreeWidget* list = ChassisUnitList();
    return !list || list->topLevelItemCount() == 0;
}

} // namespace

bool ReadChassisUnits(std::vector<TUnitRecord>& units, std::string* error)
{
    bool ok = true;
    if (WindowHost()) {
        // A chassis poll may be reading the list right now (and have emptied it).
        PumpWhile([] { return WindowHost() && WindowHost()->UnitReadBusy(); });
        if (WindowHost() && ListEmpty()) {
            WindowHost()->ReadUnitTable();
            if (WindowHost() && WindowHost()->UnitReadFailed()) {
                ok = false;
                if (error)
                    *error = WindowHost()->StatusText();
            }
        }
    }
    CopyRows(units);
    return ok;
}

int EntryPortCount(const std::vector<TUnitRecord>& units, int unit, TPortlessUnit policy)
{
    for (const TUnitRecord& record : units)
        if (record.Unit == unit) {
            if (record.PortCount >= 1)
                return record.PortCount;
            return policy == TPortlessUnit::Accepts24 ? UnlistedUnitPorts : 0;
        }
    return UnlistedUnitPorts;
}

TUnitPortError UnitPortToNumber(const std::string& unitText, const std::string& portText,
                                const std::vector<TUnitRecord>& units, TPortlessUnit policy, int& number)
{
    const int unit = StrToIntDef(Trim(unitText), -1);
    if (unit < 1 || unit > ChassisUnits)
        return TUnitPortError::Unit;
    const int port = StrToIntDef(Trim(portText), -1);
    if (port < 1 || port > EntryPortCount(units, unit, policy))
        return TUnitPortError::Port;
    number = (unit - 1) * PortsPerUnit + port;
    return TUnitPortError::None;
}

void NumberToUnitPort(int number, int& unit, int& port)
{
    if (number < 1) {
        unit = 0;
        port = 0;
        return;
    }
    unit = (number - 1) / PortsPerUnit + 1;
    port = (number - 1) % PortsPerUnit + 1;
}

void AcceptDigitsOnly(QLineEdit* edit)
{
    SetOnKeyDown(edit, [](QObject*, int& key, Qt::KeyboardModifiers shift) {
        if (shift & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier))
            return;
        const bool printable = key >= Qt::Key_Space && key <= Qt::Key_AsciiTilde;
        if (printable && (key < Qt::Key_0 || key > Qt::Key_9)) {
            Beep(0, 0);
            key = 0;
        }
    });
}
