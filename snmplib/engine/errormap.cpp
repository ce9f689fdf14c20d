// Status mapping: net-snmp's errors and REPORTs to engine statuses.
#include "snmplib/engine/engine_p.h"

namespace snmpengine {

int reportStatus(const netsnmp_pdu* pdu)
{
    static const struct {
        oid prefix[10];
        size_t length;
        int status;
    } known[] = {
        {{1, 3, 6, 1, 6, 3, 15, 1, 1, 1}, 10, SNMPv3_USM_UNSUPPORTED_SECURITY_LEVEL},
        {{1, 3, 6, 1, 6, 3, 15, 1, 1, 2}, 10, SNMPv3_USM_NOT_IN_TIME_WINDOW},
        {{1, 3, 6, 1, 6, 3, 15, 1, 1, 3}, 10, SNMPv3_USM_UNKNOWN_SECURITY_NAME},
        {{1, 3, 6, 1, 6, 3, 15, 1, 1, 4}, 10, SNMPv3_USM_UNKNOWN_ENGINEID},
        {{1, 3, 6, 1, 6, 3, 15, 1, 1, 5}, 10, SNMPv3_USM_AUTHENTICATION_FAILURE},
        {{1, 3, 6, 1, 6, 3, 15, 1, 1, 6}, 10, SNMPv3_USM_DECRYPTION_ERROR},
        {{1, 3, 6, 1, 6, 3, 11, 2, 1, 1}, 10, SNMPv3_MP_UNSUPPORTED_SECURITY_MODEL},
        {{1, 3, 6, 1, 6, 3, 11, 2, 1, 2}, 10, SNMPv3_MP_INVALID_MESSAGE},
        {{1, 3, 6, 1, 6, 3, 11, 2, 1, 3}, 10, SNMPv3_MP_UNKNOWN_PDU_HANDLERS},
        {{1, 3, 6, 1, 6, 3, 12, 1, 4}, 9, SNMPv3_MP_UNAVAILABLE_CONTEXT},
        {{1, 3, 6, 1, 6, 3, 12, 1, 5}, 9, SNMPv3_MP_UNKNOWN_CONTEXT},
    };
    if (!pdu || !pdu->variables)
        return SNMP_CLASS_ERROR;
    const netsnmp_variable_list* vb = pdu->variables;
    for (const auto& k : known) {
        if (vb->name_length >= k.length && snmp_oid_ncompare(vb->name, vb->name_length, k.prefix, k.length, k.length) == 0)
            return k.status;
    }
    return SNMP_CLASS_ERROR;
}

// net-snmp's error numbers (a failed send, a security error) to engine statuses.
int libraryErrorStatus(int error)
{
    switch (error) {
    case SNMPERR_TIMEOUT: return SNMP_CLASS_TIMEOUT;
    case SNMPERR_BAD_SENDTO:
    case SNMPERR_BAD_ADDRESS:
    case SNMPERR_BAD_RECVFROM: return SNMP_CLASS_TL_FAILED;
    case SNMPERR_UNKNOWN_USER_NAME:
    case SNMPERR_USM_UNKNOWNSECURITYNAME: return SNMPv3_USM_UNKNOWN_SECURITY_NAME;
    case SNMPERR_UNSUPPORTED_SEC_LEVEL:
    case SNMPERR_USM_UNSUPPORTEDSECURITYLEVEL: return SNMPv3_USM_UNSUPPORTED_SECURITY_LEVEL;
    case SNMPERR_NOT_IN_TIME_WINDOW:
    case SNMPERR_USM_NOTINTIMEWINDOW: return SNMPv3_USM_NOT_IN_TIME_WINDOW;
    case SNMPERR_UNKNOWN_ENG_ID:
    case SNMPERR_USM_UNKNOWNENGINEID: return SNMPv3_USM_UNKNOWN_ENGINEID;
    case SNMPERR_AUTHENTICATION_FAILURE:
    case SNMPERR_USM_AUTHENTICATIONFAILURE: return SNMPv3_USM_AUTHENTICATION_FAILURE;
    case SNMPERR_DECRYPTION_ERR:
    case SNMPERR_USM_DECRYPTIONERROR: return SNMPv3_USM_DECRYPTION_ERROR;
    case SNMPERR_USM_ENCRYPTIONERROR: return SNMPv3_USM_ENCRYPTION_ERROR;
    case SNMPERR_USM_PARSEERROR: return SNMPv3_USM_PARSE_ERROR;
    case SNMPERR_USM_GENERICERROR: return SNMPv3_USM_ERROR;
    case SNMPERR_UNKNOWN_SEC_MODEL: return SNMPv3_MP_UNSUPPORTED_SECURITY_MODEL;
    case SNMPERR_INVALID_MSG: return SNMPv3_MP_INVALID_MESSAGE;
    case SNMPERR_UNKNOWN_PDU: return SNMPv3_MP_UNKNOWN_PDU_HANDLERS;
    case SNMPERR_TOO_LONG: return SNMP_CLASS_INVALID_PDU;
    default: return SNMP_CLASS_ERROR;
    }
}

} // namespace snmpengine
