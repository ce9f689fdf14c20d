#include "configwin/unitlist.h"

#include <QPointer>
#include <QTreeWidget>

#include "platform/sysutils.h"

const VhSNMPObjectDesc ChassisUnitTable[] = {
    {"1.3.6.1.4.1.32473.12.11.1.9.5.1.1", "swUnitMgmtId", SNMP_SYNTAX_INTEGER, SNMP_ACCESS_READONLY, nullptr},
    {"1.3.6.1.4.1.32473.12.11.1.9.5.1.3", "swUnitMgmtStartPort", SNMP_SYNTAX_INTEGER, SNMP_ACCESS_READONLY, nullptr},
    {"1.3.6.1.4.1.32473.12.11.1.9.5.1.9", "swUnitMgmtModuleName", SNMP_SYNTAX_DISPLAYSTR, SNMP_ACCESS_READONLY,
     nullptr},
    {},
};

namespace {

QPointer<QTreeWidget>& Registered()
{
    static QPointer<QTreeWidget> view;
    return view;
}

struct ModulePorts {
    const char* Model;
    int Ports;
};

constexpr ModulePorts ModulePortCounts[] = {
    {"TRQ-3112", 0},  {"TRQ-3114", 12}, {"TRQ-3115", 8},  {"TRQ-3117", 12},
    {"TRQ-3118", 16}, {"TRQ-3119", 12}, {"TRQ-3120", 24}, {"TRQ-3122", 2},
};

} // namespace

void SetChassisUnitList(QTreeWidget* unitListView) { Registered() = unitListView; }

QTreeWidget* ChassisUnitList() { return Registered().data(); }

int GetModulePortCount(const std::string& moduleName)
{
    for (const ModulePorts& model : ModulePortCounts)
        if (AnsiCompareText(moduleName, model.Model) == 0)
            return model.Ports;
    return 0;
}
