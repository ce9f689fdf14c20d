#pragma once
// The device, scope and security records, and the library's defaults that every new
// request copies. Start-up fills the defaults from the command line and the per-device
// settings file before the first window builds a request.
#include <cstdint>
#include <string>

struct VhSNMPDevice {
    std::string Address = "127.0.0.1";
    uint16_t Port = 161;
};

struct VhSNMPScope {
    std::string ContextEngineID;
    std::string ContextName;
};

// Protocol and level numbers: authentication 1 none, 2 MD5, 3 SHA-1; privacy 1 none,
// 2 DES; level 1 noAuthNoPriv, 2 authNoPriv, 3 authPriv.
struct VhSNMPSecurity {
    uint8_t Version = 0; // 0 SNMPv1, 1 SNMPv2c, 3 SNMPv3
    std::string ReadCommunity = "mardle";
    std::string WriteCommunity = "quillon";
    int32_t SecurityModel = 1;
    int32_t SecurityLevel = 1;
    std::string SecurityName;
    std::string AuthPassword;
    std::string PrivPassword;
    int32_t AuthProtocol = 1;
    int32_t PrivProtocol = 1;
};

struct VhSNMPDefaultsRecord {
    VhSNMPDevice Device;
    VhSNMPScope Scope;
    VhSNMPSecurity Security;
    int32_t Timeout = 100; // hundredths of a second
};

// The library's defaults, built at static construction with the values above.
extern VhSNMPDefaultsRecord VhSNMPDefaults;
