#include "snmplib/snmperror.h"

#include <cstdio>

#include "platform/exception.h"
#include "platform/sysutils.h"
#include "snmplib/expression.h"

namespace {

constexpr const char* CommonTexts[] = {
    "Ok!",
    "Bad logic operand!",
    "Bad format specifier of edit's constraint!",
    "Empty value is not allowed!",
    "Please enter a string whose length is less than [MAXLEN]!",
    "Please enter a string whose length is [LEN]!",
    "Please enter a hex string whose length is less than [MAXLEN]!",
    "Please enter a hex string whose length is [LEN]!",
    "Please enter a number between [MIN] and [MAX]!",
    "Please enter a delimited number string with delimiter '[DELIMITER]'.\nHere,the count of the number is less than "
    "[MAXCOUNT]!",
    "Please enter a delimited number string with delimiter '[DELIMITER]'.\nHere,the count of the number is equal to "
    "[COUNT]!",
    "Please enter a delimited number string with delimiter '[DELIMITER]'.\nHere,each number is between [MIN] and [MAX]!",
    "Out of range at index of array or list!",
    "Destination buffer is undersize!",
    "The source to dncrypt is not encrypted!",
    "Fail to read data from file([FILENAME])!",
    "Fail to write data to file([FILENAME])!",
    "Fail to write value in ini file([FILENAME])!",
    "Fail to read option data from file([FILENAME])!",
};

constexpr const char* SnmpTexts[] = {
    "(SNMP) Response PDU Too Big!",
    "(SNMP) Variable does not exist!",
    "(SNMP) Cannot modify variable: Bad Value!",
    "(SNMP) Cannot modify object, Read Only!",
    "(SNMP) Cannot perform operation, General Error!",
    "(SNMP) Cannot access variable, No Access!",
    "(SNMP) Cannot create/modify variable, Wrong Type!",
    "(SNMP) Cannot create/set variable, Wrong Length!",
    "(SNMP) Cannot create/set variable, Wrong Encoding!",
    "(SNMP) Cannot create/set variable, Wrong Value!",
    "(SNMP) Cannot create variable, Creation Not Allowed!",
    "(SNMP) Cannot create/set variable, Inconsistent Value!",
    "(SNMP) Cannot create/set variable, Resource Unavailable!",
    "(SNMP) Cannot create/set variable, Commit Failed!",
    "(SNMP) Cannot create/set variable, Undo Failed!",
    "(SNMP) Cannot perform operation, Authorization Error!",
    "(SNMP) Cannot create/set variable, Not Writable!",
    "(SNMP) Cannot create variable, Inconsistent Name!",
    "(SNMP) unknown error status [STATUS]!",
};

constexpr const char* SnmpV3Texts[] = {
    "(SNMPv3) Unsupported Security Model!",
    "(SNMPv3) Message not in Time Window!",
    "(SNMPv3) Received same Message twice!",
    "(SNMPv3) Invalid Message!",
    "(SNMPv3) Invalid EngineID!",
    "(SNMPv3) v3MP not initialized!",
    "(SNMPv3) Parse Error!",
    "(SNMPv3) Received Message with unknown MsgID!",
    "(SNMPv3) Message does not match known message!",
    "(SNMPv3) Community format error!",
    "(SNMPv3) Unknown UserName!",
    "(SNMPv3) Build error!",
    "(SNMPv3) USM: error!",
    "(SNMPv3) Unknown pdu handlers!",
    "(SNMPv3) Unavailable Context!",
    "(SNMPv3) Unknown Context!",
    "(SNMPv3) Report sent!",
};

constexpr const char* SnmpUsmTexts[] = {
    "(SNMPv3USM) error!",
    "(SNMPv3USM) Configfile write error!",
    "(SNMPv3USM) Unsupported SecurityLevel!",
    "(SNMPv3USM) Unknown SecurityName!",
    "(SNMPv3USM) Encryption error!",
    "(SNMPv3USM) Decryption error!",
    "(SNMPv3USM) Authentication error!",
    "(SNMPv3USM) Authentication failure!",
    "(SNMPv3USM) Parse error!",
    "(SNMPv3USM) Unknown EngineID!",
    "(SNMPv3USM) Message not in TimeWindow!",
    "(SNMPv3USM) Unsupported AuthProtocol!",
    "(SNMPv3USM) Unsupported PrivProtocol!",
    "(SNMPv3USM) Address error!",
    "(SNMPv3USM) Pass phrase too short: it needs 8 characters at least!",
};

constexpr const char* SnmpClassTexts[] = {
    "(SNMPClass) Operation failed!",
    "(SNMPClass) Resource unavailable!",
    "(SNMPClass) Internal error!",
    "(SNMPClass) Unsupported function!",
    "(SNMPClass) SNMP request timed out!",
    "(SNMPClass) Received SNMP Response!",
    "(SNMPClass) Received SNMP Notification (trap or inform)!",
    "(SNMPClass) Closing session with outstanding requests!",
    "(SNMPClass)Unknown error code!",
    "(SNMPClass) Class not valid!",
    "(SNMPClass) Invalid Pdu!",
    "(SNMPClass) Invalid Target!",
    "(SNMPClass) Invalid (null) Callback Function!",
    "(SNMPClass) Invalid Request Id!",
    "(SNMPClass) Invalid Notification Id!",
    "(SNMPClass) SNMP Operation not supported on specified Target!",
    "(SNMPClass) Invalid Object Identifier!",
    "(SNMPClass) Invalid Address!",
    "(SNMPClass) Agent indicates error in SNMP request!",
    "(SNMP Class) Transport is not supported!",
    "(SNMPClass) Transport is in use!",
    "(SNMPClass) Transport operation failed!",
    "(SNMPClass) Blocked Mode Shutdown!",
};

constexpr const char* VhSnmpTexts[] = {
    "(VhSNMP++) Ok!",
    "(VhSNMP++) Fail to read SNMP variables from file([FILENAME])!",
    "(VhSNMP++) Bad format at line([LINENO])in SNMP variables file([FILENAME])!",
    "(VhSNMP++) Bad item type at line([LINENO])in SNMP variables file([FILENAME])!",
    "(VhSNMP++) Bad syntax at line([LINENO])in SNMP variables file([FILENAME])!",
    "(VhSNMP++) Bad access type at line([LINENO])in SNMP variables file([FILENAME])!",
    "(VhSNMP++) Cannot create the global VhSNMP++ session!",
    "(VhSNMP++) Error when loading SNMP engine boots counter!",
    "(VhSNMP++) Error when saving SNMP engine boots counter!",
    "(VhSNMP++) Invalid IP Address or DNS name!",
    "(VhSNMP++) Can't send get-next command for a SNMP variable list with single value!",
    "(VhSNMP++) Bad SNMP syntax!",
    "(VhSNMP++) Null value in the expression!",
    "(VhSNMP++) Bad SNMP syntax in the expression!",
    "(VhSNMP++) Bad key count of SNMP variable list!",
    "(VhSNMP++) Bad item type of SNMP variable list!",
    "(VhSNMP++) Bad item type of associated SNMP variable list!",
    "(VhSNMP++) Bad syntax of the associated SNMP variable's (partial) data!",
    "(VhSNMP++) Bad value of the associated SNMP variable's (partial) data!",
    "(VhSNMP++) Out of range for the bit(byte) index of the associated SNMP variable's (partial) data!",
    "(VhSNMP++) No reference option list for a SNMP variable's (partial) data associating with a optional visual "
    "control!",
    "(VhSNMP++) Bad type of the associated visual control!",
    "(VhSNMP++) Count of the associated visual controls is not enough!",
    "(VhSNMP++) No system start time for the time whose data source is the SNMP variable's (partial) data with "
    "syntax timeticks!",
    "(VhSNMP++) Count of the value items for the chart's history data is not enough!",
    "(VhSNMP++) Log database is not connected!",
    "(VhSNMP++) Log database field not found!",
    "(VhSNMP++) Bad syntax for the history chart of log!",
    "(VhSNMP++) Unknown error code!",
    "(VhSNMP++) The agent sent more rows than the table can hold: the read was stopped!",
    "(VhSNMP++) The agent's reply does not advance in the table: the read was stopped!",
};

constexpr const char* ResultTexts[] = {
    "Get: [ERROR] Request:[VARLIST]. Receive at [TIME].",
    "Set: [ERROR] Request:[VARLIST]. Receive at [TIME].",
};

// Decodes the two characters "\n" into a line break.
std::string DecodeLineBreaks(const std::string& line)
{
    std::string text;
    text.reserve(line.size());
    for (size_t i = 0; i < line.size(); ++i) {
        if (line[i] == '\\' && i + 1 < line.size() && line[i + 1] == 'n') {
            text += '\n';
            ++i;
        } else {
            text += line[i];
        }
    }
    return text;
}

// Calls onLine for every non-blank piece of the file (at most 1023 characters a piece);
// a file that cannot be opened has none.
template <typename F>
void ForEachNonBlankPiece(const std::string& fileName, F onLine)
{
    FILE* f = std::fopen(fileName.c_str(), "rt");
    if (!f)
        return;
    char buffer[1024];
    while (std::fgets(buffer, sizeof buffer, f)) {
        std::string piece(buffer);
        if (!Trim(piece).empty())
            onLine(std::move(piece));
    }
    std::fclose(f);
}

} // namespace

constinit VhMessageTable CommonMsgTable(CommonTexts);
constinit VhMessageTable SnmpMsgTable(SnmpTexts);
constinit VhMessageTable SnmpV3MsgTable(SnmpV3Texts);
constinit VhMessageTable SnmpUsmMsgTable(SnmpUsmTexts);
constinit VhMessageTable SnmpClassMsgTable(SnmpClassTexts);
constinit VhMessageTable VhSnmpMsgTable(VhSnmpTexts);
constinit VhMessageTable ResultMsgTable(ResultTexts);

const VhMessageFile VhMessageFiles[7] = {
    {"common.err", &CommonMsgTable},     {"snmp.err", &SnmpMsgTable},
    {"snmpv3.err", &SnmpV3MsgTable},     {"snmpusm.err", &SnmpUsmMsgTable},
    {"snmpclass.err", &SnmpClassMsgTable}, {"vhsnmp.err", &VhSnmpMsgTable},
    {"snmp.msg", &ResultMsgTable},
};

std::string VhMessageTable::BuiltInText(int index) const
{
    if (index < 0 || index >= BuiltInCount)
        return std::string();
    return BuiltIn[index];
}

std::string VhMessageTable::Text(int index) const
{
    if (Cell && index >= 0 && index < static_cast<int>(Cell->size()))
        return (*Cell)[index];
    return BuiltInText(index);
}

int VhMessageTable::Count() const { return Cell ? static_cast<int>(Cell->size()) : BuiltInCount; }

void VhMessageTable::Replace(std::vector<std::string> lines)
{
    Cell = std::make_unique<const std::vector<std::string>>(std::move(lines));
}

void TranslateSnmpStatus(int status, int& code, std::string& message)
{
    if (status == 0 || status == -1401 || status == 1400) {
        code = 0;
        message = VhSnmpMsgTable.Text(0);
    } else if (status >= 1401 && status <= 1415) {
        code = 1100 - status;
        message = SnmpUsmMsgTable.Text(status - 1401);
    } else if (status >= -1418 && status <= -1402) {
        code = status + 1201;
        message = SnmpV3MsgTable.Text(-1402 - status);
    } else if (status >= 1 && status <= 18) {
        code = -100 - status;
        message = SnmpMsgTable.Text(status - 1);
    } else if (status >= -23 && status <= -1) {
        code = status - 400;
        message = SnmpClassMsgTable.Text(-1 - status);
    } else {
        code = VHSNMP_ERR_UNKNOWN;
        message = VhSnmpMsgTable.Text(28);
    }
}

void TranslateErrorStatus(int errorStatus, int& code, std::string& message)
{
    if (errorStatus == 0) {
        code = VHSNMP_OK;
        message = VhSnmpMsgTable.Text(0);
    } else if (errorStatus >= 1 && errorStatus <= 18) {
        code = -100 - errorStatus;
        message = SnmpMsgTable.Text(errorStatus - 1);
    } else {
        // Whatever the number, it is the agent's: never a text of the security layers.
        code = VHSNMP_ERR_UNKNOWN_STATUS;
        message = ReplaceAll(SnmpErrorText(code), "[STATUS]", IntToStr(errorStatus));
    }
}

std::string SnmpErrorText(int code)
{
    if (code >= -18 && code <= -1)
        return CommonMsgTable.Text(-code);
    if (code >= VHSNMP_ERR_UNKNOWN_STATUS && code <= -101)
        return SnmpMsgTable.Text(-101 - code);
    if (code >= -217 && code <= -201)
        return SnmpV3MsgTable.Text(-201 - code);
    if (code >= -315 && code <= -301)
        return SnmpUsmMsgTable.Text(-301 - code);
    if (code >= -423 && code <= -401)
        return SnmpClassMsgTable.Text(-401 - code);
    if (code == 0 || (code >= VHSNMP_ERR_NOT_INCREASING && code <= -501))
        return VhSnmpMsgTable.Text(code == 0 ? 0 : -500 - code);
    return VhSnmpMsgTable.Text(-500 - VHSNMP_ERR_UNKNOWN);
}

void RaiseSnmpError(int code) { throw Exception(SnmpErrorText(code), code); }

void LoadTextLines(VhMessageTable& table, const std::string& fileName)
{
    std::vector<std::string> lines;
    ForEachNonBlankPiece(fileName, [&](std::string line) {
        const size_t n = line.size();
        if (n >= 2 && line[n - 2] == '\r')
            line.resize(n - 2);
        else if (line[n - 1] == '\n')
            line.resize(n - 1);
        lines.push_back(DecodeLineBreaks(line));
    });
    if (!lines.empty())
        table.Replace(std::move(lines));
}
