#pragma once
// Protocol data unit: a list of varbinds with the PDU's type, request ID, error status
// and index, and the SNMPv3 scope (security level, context name, context engine ID).
#include "snmplib/engine/octetstr.h"
#include "snmplib/engine/vb.h"

#include <cstddef>
#include <utility>
#include <vector>

// PDU types (the BER tags).
constexpr unsigned short sNMP_PDU_GET = 0xA0;
constexpr unsigned short sNMP_PDU_GETNEXT = 0xA1;
constexpr unsigned short sNMP_PDU_RESPONSE = 0xA2;
constexpr unsigned short sNMP_PDU_SET = 0xA3;
constexpr unsigned short sNMP_PDU_V1TRAP = 0xA4;
constexpr unsigned short sNMP_PDU_GETBULK = 0xA5;
constexpr unsigned short sNMP_PDU_INFORM = 0xA6;
constexpr unsigned short sNMP_PDU_TRAP = 0xA7;
constexpr unsigned short sNMP_PDU_REPORT = 0xA8;

class Pdu {
public:
    Pdu() = default;
    Pdu(const Vb* vbs, int count);

    Pdu& operator+=(const Vb& vb) { vbs_.push_back(vb); return *this; }
    Pdu& operator+=(Vb&& vb) { vbs_.push_back(std::move(vb)); return *this; }
    // Room for count varbinds (a PDU that is filled varbind by varbind).
    void reserve(int count) { vbs_.reserve(static_cast<std::size_t>(count > 0 ? count : 0)); }
    // Copies varbind i into vb; false when i is out of range (vb unchanged).
    bool get_vb(Vb& vb, int i) const;
    // Replaces varbind i; false when i is out of range.
    bool set_vb(const Vb& vb, int i);
    int get_vb_count() const { return static_cast<int>(vbs_.size()); }
    Vb& operator[](int i) { return vbs_[static_cast<std::size_t>(i)]; }
    const Vb& operator[](int i) const { return vbs_[static_cast<std::size_t>(i)]; }
    // Removes the last n varbinds; false when there are fewer.
    bool trim(int n = 1);
    // Removes varbind i; false when i is out of range.
    bool delete_vb(int i);
    void clear() { *this = Pdu(); }

    int get_error_status() const { return error_status_; }
    int get_error_index() const { return error_index_; }
    void set_error_status(int status) { error_status_ = status; }
    void set_error_index(int index) { error_index_ = index; }
    unsigned short get_type() const { return type_; }
    void set_type(unsigned short type) { type_ = type; }
    unsigned long get_request_id() const { return request_id_; }
    void set_request_id(unsigned long id) { request_id_ = id; }

    // SNMPv3 scope; ignored by SNMPv1/SNMPv2c.
    void set_security_level(int level) { security_level_ = level; }
    int get_security_level() const { return security_level_; }
    void set_context_name(const OctetStr& name) { context_name_ = name; }
    const OctetStr& get_context_name() const { return context_name_; }
    void get_context_name(OctetStr& name) const { name = context_name_; }
    void set_context_engine_id(const OctetStr& id) { context_engine_id_ = id; }
    const OctetStr& get_context_engine_id() const { return context_engine_id_; }
    void get_context_engine_id(OctetStr& id) const { id = context_engine_id_; }

    bool valid() const { return true; }

private:
    std::vector<Vb> vbs_;
    int error_status_ = 0;
    int error_index_ = 0;
    unsigned short type_ = 0;
    unsigned long request_id_ = 0;
    int security_level_ = 1; // noAuthNoPriv
    OctetStr context_name_;
    OctetStr context_engine_id_;
};
