#pragma once
// Status numbers of the SNMP engine layer, and the numbers of versions, security
// levels and protocols that its callers use. Every engine call returns one of these.

// Engine class statuses.
constexpr int SNMP_CLASS_SUCCESS = 0;
constexpr int SNMP_CLASS_ERROR = -1;
constexpr int SNMP_CLASS_RESOURCE_UNAVAIL = -2;
constexpr int SNMP_CLASS_INTERNAL_ERROR = -3;
constexpr int SNMP_CLASS_UNSUPPORTED = -4;
constexpr int SNMP_CLASS_TIMEOUT = -5;
constexpr int SNMP_CLASS_ASYNC_RESPONSE = -6;
constexpr int SNMP_CLASS_NOTIFICATION = -7;
constexpr int SNMP_CLASS_SESSION_DESTROYED = -8;
constexpr int SNMP_CLASS_INVALID = -10;
constexpr int SNMP_CLASS_INVALID_PDU = -11;
constexpr int SNMP_CLASS_INVALID_TARGET = -12;
constexpr int SNMP_CLASS_INVALID_CALLBACK = -13;
constexpr int SNMP_CLASS_INVALID_REQID = -14;
constexpr int SNMP_CLASS_INVALID_NOTIFYID = -15;
constexpr int SNMP_CLASS_INVALID_OPERATION = -16;
constexpr int SNMP_CLASS_INVALID_OID = -17;
constexpr int SNMP_CLASS_INVALID_ADDRESS = -18;
constexpr int SNMP_CLASS_ERR_STATUS_SET = -19;
constexpr int SNMP_CLASS_TL_UNSUPPORTED = -20;
constexpr int SNMP_CLASS_TL_IN_USE = -21;
constexpr int SNMP_CLASS_TL_FAILED = -22;
constexpr int SNMP_CLASS_SHUTDOWN = -23;

// Agent error-status values (a response's error status; 0 is noError).
constexpr int SNMP_ERROR_SUCCESS = 0;
constexpr int SNMP_ERROR_TOO_BIG = 1;
constexpr int SNMP_ERROR_NO_SUCH_NAME = 2;
constexpr int SNMP_ERROR_BAD_VALUE = 3;
constexpr int SNMP_ERROR_READ_ONLY = 4;
constexpr int SNMP_ERROR_GENERAL_VB_ERR = 5;
constexpr int SNMP_ERROR_NO_ACCESS = 6;
constexpr int SNMP_ERROR_WRONG_TYPE = 7;
constexpr int SNMP_ERROR_WRONG_LENGTH = 8;
constexpr int SNMP_ERROR_WRONG_ENCODING = 9;
constexpr int SNMP_ERROR_WRONG_VALUE = 10;
constexpr int SNMP_ERROR_NO_CREATION = 11;
constexpr int SNMP_ERROR_INCONSIST_VAL = 12;
constexpr int SNMP_ERROR_RESOURCE_UNAVAIL = 13;
constexpr int SNMP_ERROR_COMITFAIL = 14;
constexpr int SNMP_ERROR_UNDO_FAIL = 15;
constexpr int SNMP_ERROR_AUTH_ERR = 16;
constexpr int SNMP_ERROR_NOT_WRITEABLE = 17;
constexpr int SNMP_ERROR_INCONSIS_NAME = 18;

// SNMPv3 message processing.
constexpr int SNMPv3_MP_OK = -1401;
constexpr int SNMPv3_MP_UNSUPPORTED_SECURITY_MODEL = -1402;
constexpr int SNMPv3_MP_NOT_IN_TIME_WINDOW = -1403;
constexpr int SNMPv3_MP_DOUBLED_MESSAGE = -1404;
constexpr int SNMPv3_MP_INVALID_MESSAGE = -1405;
constexpr int SNMPv3_MP_INVALID_ENGINEID = -1406;
constexpr int SNMPv3_MP_NOT_INITIALIZED = -1407;
constexpr int SNMPv3_MP_PARSE_ERROR = -1408;
constexpr int SNMPv3_MP_UNKNOWN_MSGID = -1409;
constexpr int SNMPv3_MP_MATCH_ERROR = -1410;
constexpr int SNMPv3_MP_COMMUNITY_ERROR = -1411;
constexpr int SNMPv3_MP_WRONG_USER_NAME = -1412;
constexpr int SNMPv3_MP_BUILD_ERROR = -1413;
constexpr int SNMPv3_MP_USM_ERROR = -1414;
constexpr int SNMPv3_MP_UNKNOWN_PDU_HANDLERS = -1415;
constexpr int SNMPv3_MP_UNAVAILABLE_CONTEXT = -1416;
constexpr int SNMPv3_MP_UNKNOWN_CONTEXT = -1417;
constexpr int SNMPv3_MP_REPORT_SENT = -1418;

// User-based security.
constexpr int SNMPv3_USM_OK = 1400;
constexpr int SNMPv3_USM_ERROR = 1401;
constexpr int SNMPv3_USM_ERROR_CONFIGFILE = 1402;
constexpr int SNMPv3_USM_UNSUPPORTED_SECURITY_LEVEL = 1403;
constexpr int SNMPv3_USM_UNKNOWN_SECURITY_NAME = 1404;
constexpr int SNMPv3_USM_ENCRYPTION_ERROR = 1405;
constexpr int SNMPv3_USM_DECRYPTION_ERROR = 1406;
constexpr int SNMPv3_USM_AUTHENTICATION_ERROR = 1407;
constexpr int SNMPv3_USM_AUTHENTICATION_FAILURE = 1408;
constexpr int SNMPv3_USM_PARSE_ERROR = 1409;
constexpr int SNMPv3_USM_UNKNOWN_ENGINEID = 1410;
constexpr int SNMPv3_USM_NOT_IN_TIME_WINDOW = 1411;
constexpr int SNMPv3_USM_UNSUPPORTED_AUTHPROTOCOL = 1412;
constexpr int SNMPv3_USM_UNSUPPORTED_PRIVPROTOCOL = 1413;
constexpr int SNMPv3_USM_ADDRESS_ERROR = 1414;
constexpr int SNMPv3_USM_PASSPHRASE_TOO_SHORT = 1415; // under 8 characters

// Boots counter file (getBootCounter / saveBootCounter).
constexpr int SNMPv3_OK = 0;
constexpr int SNMPv3_NO_ENTRY_ERROR = -1;     // no line for this engine ID
constexpr int SNMPv3_FILEOPEN_ERROR = -2;     // the file cannot be opened for reading
constexpr int SNMPv3_FILECREATE_ERROR = -3;   // the temporary file cannot be written
constexpr int SNMPv3_FILERENAME_ERROR = -4;   // the temporary file cannot replace the file
constexpr int SNMPv3_FILEREAD_ERROR = -5;     // reading the file failed part way
constexpr int SNMPv3_BAD_ARGUMENT_ERROR = -6; // no file name or an empty engine ID

// Versions (SnmpTarget::set_version).
enum snmp_version { version1 = 0, version2c = 1, version3 = 3 };

// Security models, levels and protocols.
constexpr int SNMP_SECURITY_MODEL_V1 = 1;
constexpr int SNMP_SECURITY_MODEL_V2 = 2;
constexpr int SNMP_SECURITY_MODEL_USM = 3;

constexpr int SNMP_SECURITY_LEVEL_NOAUTH_NOPRIV = 1;
constexpr int SNMP_SECURITY_LEVEL_AUTH_NOPRIV = 2;
constexpr int SNMP_SECURITY_LEVEL_AUTH_PRIV = 3;

constexpr long SNMP_AUTHPROTOCOL_NONE = 1;
constexpr long SNMP_AUTHPROTOCOL_HMACMD5 = 2;
constexpr long SNMP_AUTHPROTOCOL_HMACSHA = 3;

constexpr long SNMP_PRIVPROTOCOL_NONE = 1;
constexpr long SNMP_PRIVPROTOCOL_DES = 2;
constexpr long SNMP_PRIVPROTOCOL_AES128 = 19;
