// The process-wide state of the engine and net-snmp's one start.
#include "snmplib/engine/engine_p.h"

#include <QDir>

#include <cstdlib>
#include <unistd.h>

namespace snmpengine {

EngineProcess Process;

bool initNetSnmp()
{
    if (Process.NetSnmpReady)
        return true;
    setenv("MIBS", "", 1);
    setenv("MIBDIRS", "", 1);
    netsnmp_ds_set_boolean(NETSNMP_DS_LIBRARY_ID, NETSNMP_DS_LIB_DONT_READ_CONFIGS, 1);
    netsnmp_ds_set_boolean(NETSNMP_DS_LIBRARY_ID, NETSNMP_DS_LIB_DISABLE_PERSISTENT_LOAD, 1);
    netsnmp_ds_set_boolean(NETSNMP_DS_LIBRARY_ID, NETSNMP_DS_LIB_DISABLE_PERSISTENT_SAVE, 1);
    netsnmp_ds_set_boolean(NETSNMP_DS_LIBRARY_ID, NETSNMP_DS_LIB_DONT_PERSIST_STATE, 1);
    // net-snmp insists on a persistent directory (it makes a certificate index there);
    // one per user, reused by every run, keeps it out of the system's and the user's.
    const std::string dir = QDir::tempPath().toStdString() + "/trq3100-netsnmp-" + std::to_string(getuid());
    netsnmp_ds_set_string(NETSNMP_DS_LIBRARY_ID, NETSNMP_DS_LIB_PERSISTENT_DIR, dir.c_str());
    // The library's warnings stay quiet (what goes wrong in an exchange reaches the
    // caller as a status); its errors still go to stderr.
    netsnmp_register_loghandler(NETSNMP_LOGHANDLER_STDERR, LOG_ERR);
    init_snmp("trq3100");
    watchTimeWindows();
    Process.NetSnmpReady = true;
    return true;
}

Request* findRequest(unsigned long id)
{
    auto it = Process.Requests.find(id);
    return it == Process.Requests.end() ? nullptr : it->second;
}

} // namespace snmpengine
