// Message files: a replaceable "errmsg" file read into its message table, and every
// message of the table then shown.
#include <cstddef>
#include <cstdint>
#include <string>

#include "fuzzutil.h"
#include "snmplib/snmperror.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size)
{
    static const std::string file = fuzz::ScratchPath("snmp.err");
    fuzz::WriteFile(file, data, size);
    LoadTextLines(SnmpMsgTable, file);
    for (int i = -1; i <= SnmpMsgTable.Count(); ++i)
        SnmpMsgTable.Text(i);
    for (int code = -120; code <= -100; ++code)
        SnmpErrorText(code);
    SnmpMsgTable.Reset();
    return 0;
}
