#pragma once
// Small helpers shared by the fuzz targets: a private scratch folder for the parsers that
// read files, and the syntax codes the value parsers know.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <system_error>

#include <unistd.h>

#include "snmplib/varlist.h"

// A property the parser must keep whatever the input: a violation is a finding.
#define FUZZ_CHECK(condition, what)                                                                   \
    do {                                                                                              \
        if (!(condition)) {                                                                           \
            std::fprintf(stderr, "FUZZ_CHECK failed at %s:%d: %s\n", __FILE__, __LINE__, what);       \
            std::abort();                                                                             \
        }                                                                                             \
    } while (0)

namespace fuzz {

// A folder of this process under $TMPDIR (or /tmp), made on first use and removed with
// what it holds when the process exits.
inline const std::string& ScratchDir()
{
    static const std::string dir = [] {
        const char* tmp = std::getenv("TMPDIR");
        std::string pattern = std::string(tmp && *tmp ? tmp : "/tmp") + "/trq-fuzz-XXXXXX";
        if (!mkdtemp(pattern.data()))
            std::abort();
        return pattern;
    }();
    static const bool cleanup = std::atexit([] {
        std::error_code ignored;
        std::filesystem::remove_all(dir, ignored);
    }) == 0;
    (void)cleanup;
    return dir;
}

inline std::string ScratchPath(const std::string& name) { return ScratchDir() + "/" + name; }

// Replaces the file's content with the given bytes.
inline void WriteFile(const std::string& path, const uint8_t* data, std::size_t size)
{
    FILE* f = std::fopen(path.c_str(), "wb");
    if (!f)
        std::abort();
    if (size && std::fwrite(data, 1, size, f) != size)
        std::abort();
    std::fclose(f);
}

inline void WriteFile(const std::string& path, const std::string& bytes)
{
    WriteFile(path, reinterpret_cast<const uint8_t*>(bytes.data()), bytes.size());
}

// Every syntax code of the library, the sub-field codes and two codes it does not know.
inline constexpr unsigned SyntaxCodes[] = {
    SNMP_SYNTAX_BOOLEAN,   SNMP_SYNTAX_INTEGER,   SNMP_SYNTAX_BITSTR,      SNMP_SYNTAX_OCTETSTR,
    SNMP_SYNTAX_NULL,      SNMP_SYNTAX_OBJECTID,  SNMP_SYNTAX_IPADDRESS,   SNMP_SYNTAX_COUNTER,
    SNMP_SYNTAX_GAUGE,     SNMP_SYNTAX_TIMETICKS, SNMP_SYNTAX_OPAQUE,      SNMP_SYNTAX_NSAPADDR,
    SNMP_SYNTAX_COUNTER64, SNMP_SYNTAX_UINTEGER,  SNMP_SYNTAX_DOUBLE,      SNMP_SYNTAX_MACADDRESS,
    SNMP_SYNTAX_DATETIME,  SNMP_SYNTAX_BCDATETIME, SNMP_SYNTAX_DISPLAYSTR, SNMP_SYNTAX_IPV6ADDRESS,
    SNMP_SYNTAX_BOOL8,     SNMP_SYNTAX_INT8,      SNMP_SYNTAX_UINT8,       SNMP_SYNTAX_BOOL16,
    SNMP_SYNTAX_INT16,     SNMP_SYNTAX_UINT16,    0x00,                    0x7f,
};
inline constexpr std::size_t SyntaxCodeCount = sizeof(SyntaxCodes) / sizeof(SyntaxCodes[0]);

inline unsigned SyntaxCode(uint8_t selector) { return SyntaxCodes[selector % SyntaxCodeCount]; }

} // namespace fuzz
