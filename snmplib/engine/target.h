#pragma once
// Targets: where a request goes and how it is secured. CTarget carries SNMPv1/SNMPv2c
// communities, UTarget an SNMPv3 user-based-security name (the user's protocols and
// pass phrases are registered with usmAddUserName).
#include "snmplib/engine/address.h"
#include "snmplib/engine/octetstr.h"
#include "snmplib/engine/snmperrs.h"

class SnmpTarget {
public:
    virtual ~SnmpTarget() = default;
    virtual SnmpTarget* clone() const = 0;

    // A target is valid when its address is.
    bool valid() const { return address_.valid(); }

    void set_version(snmp_version version) { version_ = version; }
    snmp_version get_version() const { return version_; }
    void set_retry(int retries) { retries_ = retries < 0 ? 0 : retries; }
    int get_retry() const { return retries_; }
    // Hundredths of a second per try.
    void set_timeout(unsigned long hundredths) { timeout_ = hundredths; }
    unsigned long get_timeout() const { return timeout_; }

    // An IpAddress without a port gets the agent port 161.
    bool set_address(const Address& address);
    bool get_address(GenAddress& address) const;
    const UdpAddress& get_udp_address() const { return address_; }

protected:
    SnmpTarget() = default;
    explicit SnmpTarget(const Address& address) { set_address(address); }

private:
    UdpAddress address_;
    snmp_version version_ = version1;
    int retries_ = 1;
    unsigned long timeout_ = 100;
};

class CTarget : public SnmpTarget {
public:
    CTarget() = default;
    explicit CTarget(const Address& address, const OctetStr& readCommunity = "public",
                     const OctetStr& writeCommunity = "public")
        : SnmpTarget(address), read_(readCommunity), write_(writeCommunity) {}
    SnmpTarget* clone() const override { return new CTarget(*this); }

    void set_readcommunity(const OctetStr& community) { read_ = community; }
    void set_writecommunity(const OctetStr& community) { write_ = community; }
    const OctetStr& get_readcommunity() const { return read_; }
    const OctetStr& get_writecommunity() const { return write_; }
    void get_readcommunity(OctetStr& community) const { community = read_; }
    void get_writecommunity(OctetStr& community) const { community = write_; }

private:
    OctetStr read_ = "public";
    OctetStr write_ = "public";
};

class UTarget : public SnmpTarget {
public:
    UTarget() { set_version(version3); }
    UTarget(const Address& address, const OctetStr& securityName = OctetStr(),
            int securityModel = SNMP_SECURITY_MODEL_USM)
        : SnmpTarget(address), name_(securityName), model_(securityModel)
    {
        set_version(version3);
    }
    SnmpTarget* clone() const override { return new UTarget(*this); }

    void set_security_name(const OctetStr& name) { name_ = name; }
    const OctetStr& get_security_name() const { return name_; }
    void get_security_name(OctetStr& name) const { name = name_; }
    void set_security_model(int model) { model_ = model; }
    int get_security_model() const { return model_; }

private:
    OctetStr name_;
    int model_ = SNMP_SECURITY_MODEL_USM;
};
