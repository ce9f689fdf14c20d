#pragma once
// Error codes and message tables.
//
// One signed code space: 0 success; -1..-18 utility texts (expression evaluator, input
// formats);
// -101..-118 the agent's error-status 1..18 (-119 any other error-status); -201..-217 SNMPv3 message
// processing; -301..-315 user-based security; -401..-423 SNMP engine class errors;
// -501..-530 the library's own (-528 for any status the translation does not know).
//
// Each of the seven message tables is reached through one cell: loading a message file
// replaces the whole table, and the built-in English table stays in memory. An entry
// missing from a shorter loaded table falls back to its built-in text.
#include <memory>
#include <string>
#include <vector>

class VhMessageTable {
public:
    template <int N>
    constexpr VhMessageTable(const char* const (&builtIn)[N]) : BuiltIn(builtIn), BuiltInCount(N) {}
    VhMessageTable(const VhMessageTable&) = delete;
    VhMessageTable& operator=(const VhMessageTable&) = delete;

    // Entry index of the table in force, falling back to the built-in text when the loaded
    // table is shorter; an index outside both gives an empty text.
    std::string Text(int index) const;
    std::string BuiltInText(int index) const;
    int Count() const; // entries of the table in force
    bool IsLoaded() const { return Cell != nullptr; }

    // Puts a new table in force (LoadTextLines does this); Reset goes back to the built-in one.
    void Replace(std::vector<std::string> lines);
    void Reset() { Cell.reset(); }

private:
    const char* const* BuiltIn;
    int BuiltInCount;
    std::unique_ptr<const std::vector<std::string>> Cell;
};

extern VhMessageTable CommonMsgTable;    // "common.err": 0 and -1..-18
extern VhMessageTable SnmpMsgTable;      // "snmp.err": -101..-119
extern VhMessageTable SnmpV3MsgTable;    // "snmpv3.err": -201..-217
extern VhMessageTable SnmpUsmMsgTable;   // "snmpusm.err": -301..-315
extern VhMessageTable SnmpClassMsgTable; // "snmpclass.err": -401..-423
extern VhMessageTable VhSnmpMsgTable;    // "vhsnmp.err": 0 and -501..-530
extern VhMessageTable ResultMsgTable;    // "snmp.msg": the get and set result templates

// Library codes used by name.
constexpr int VHSNMP_OK = 0;
constexpr int VHSNMP_ERR_BAD_LOGIC_OPERAND = -1;
constexpr int VHSNMP_ERR_BAD_FORMAT = -2;
constexpr int VHSNMP_ERR_INDEX_RANGE = -12;
constexpr int VHSNMP_ERR_NO_SUCH_NAME = -102;
constexpr int VHSNMP_ERR_UNKNOWN_STATUS = -119; // an error-status outside 1..18
constexpr int VHSNMP_ERR_INVALID_PDU = -411;
constexpr int VHSNMP_ERR_CREATE_SESSION = -506;
constexpr int VHSNMP_ERR_LOAD_BOOTS = -507;
constexpr int VHSNMP_ERR_SAVE_BOOTS = -508;
constexpr int VHSNMP_ERR_BAD_ADDRESS = -509;
constexpr int VHSNMP_ERR_GETNEXT_SINGLE = -510;
constexpr int VHSNMP_ERR_BAD_SYNTAX = -511;
constexpr int VHSNMP_ERR_NULL_IN_EXPRESSION = -512;
constexpr int VHSNMP_ERR_BAD_SYNTAX_IN_EXPRESSION = -513;
constexpr int VHSNMP_ERR_BAD_KEY_COUNT = -514;
constexpr int VHSNMP_ERR_BAD_LIST_TYPE = -515;
constexpr int VHSNMP_ERR_BAD_PARTIAL_SYNTAX = -517;
constexpr int VHSNMP_ERR_BAD_PARTIAL_VALUE = -518;
constexpr int VHSNMP_ERR_PARTIAL_INDEX_RANGE = -519;
constexpr int VHSNMP_ERR_NO_OPTION_LIST = -520;
constexpr int VHSNMP_ERR_BAD_CONTROL_TYPE = -521;
constexpr int VHSNMP_ERR_CONTROL_COUNT = -522;
constexpr int VHSNMP_ERR_UNKNOWN = -528;
constexpr int VHSNMP_ERR_TOO_MANY_ROWS = -529;  // a walk passed its bound
constexpr int VHSNMP_ERR_NOT_INCREASING = -530; // a get-next answered at or before the OID asked

// Translates an engine status (0, -1401, 1400 success; 1401..1415 USM; -1402..-1418
// message processing; 1..18 agent error-status; -1..-23 engine class) into the library's
// code and its text. Never fails: anything else gives -528.
void TranslateSnmpStatus(int status, int& code, std::string& message);

// Translates the error-status of an agent's response: 0 success, 1..18 their texts, any
// other number a failure, -119 "(SNMP) unknown error status N!".
void TranslateErrorStatus(int errorStatus, int& code, std::string& message);

// Text of a library code (-1..-18, -101..-119, -201..-217, -301..-315, -401..-423,
// 0 and -501..-530); any other code gives the text of -528.
std::string SnmpErrorText(int code);

// Throws Exception(SnmpErrorText(code), code).
[[noreturn]] void RaiseSnmpError(int code);

// Replaces the table by the non-blank lines of the file. Lines are read in pieces of at
// most 1023 characters; a piece that is blank after trimming is skipped; a final CR LF or
// LF is cut. The two characters "\n" in a line stand for a line break in the text, since
// a line of the file cannot hold one. A missing file or one with no non-blank line leaves
// the table as it is.
void LoadTextLines(VhMessageTable& table, const std::string& fileName);

// The seven message files, in the order start-up loads them, with their tables.
struct VhMessageFile {
    const char* FileName; // name inside the "errmsg" folder
    VhMessageTable* Table;
};
extern const VhMessageFile VhMessageFiles[7];
