#pragma once
// Object identifier: a sequence of 32-bit arcs.
#include "snmplib/engine/smi.h"

#include <cstddef>
#include <initializer_list>
#include <span>
#include <string>
#include <vector>

class Oid : public SnmpSyntax {
public:
    Oid() = default;
    // Dotted decimal text, with or without a leading dot ("1.3.6.1" or ".1.3.6.1").
    // Text that is not a dotted OID (empty arcs, letters, an arc above 2^32 - 1) gives
    // an invalid, empty Oid.
    Oid(const char* dotted);
    Oid(const std::string& dotted) : Oid(dotted.c_str()) {}
    Oid(const unsigned long* arcs, std::size_t count);
    Oid(const unsigned int* arcs, std::size_t count);
    Oid(std::initializer_list<SmiUINT32> arcs) : arcs_(arcs) {}

    Oid& operator=(const char* dotted) { return *this = Oid(dotted); }
    Oid& operator=(const std::string& dotted) { return *this = Oid(dotted); }

    SmiUINT32 get_syntax() const override { return sNMP_SYNTAX_OID; }
    SnmpSyntax* clone() const override { return new Oid(*this); }
    // An Oid is valid when it has at least one arc.
    bool valid() const override { return !arcs_.empty(); }
    // Dotted decimal without a leading dot; empty for an empty Oid.
    std::string get_printable() const override;
    // The same text appended to out (which keeps its storage from one call to the next).
    void append_printable(std::string& out) const { append_printable(arcs_, out); }
    static void append_printable(std::span<const SmiUINT32> arcs, std::string& out);

    std::size_t len() const { return arcs_.size(); }
    SmiUINT32& operator[](std::size_t i) { return arcs_[i]; }
    const SmiUINT32& operator[](std::size_t i) const { return arcs_[i]; }
    const std::vector<SmiUINT32>& arcs() const { return arcs_; }

    // Removes the last n arcs (all of them when n is larger than len()).
    void trim(std::size_t n = 1);
    Oid& operator+=(const Oid& tail);
    Oid& operator+=(const char* dotted) { return *this += Oid(dotted); }
    Oid& operator+=(SmiUINT32 arc) { arcs_.push_back(arc); return *this; }

    // Compares the first n arcs: -1, 0 or 1. An Oid with fewer than n arcs that
    // matches the other as far as it goes is the smaller one.
    int nCompare(std::size_t n, const Oid& other) const;
    // Lexicographic order of the arcs; a proper prefix comes first.
    int compare(const Oid& other) const;

    friend bool operator==(const Oid& a, const Oid& b) { return a.arcs_ == b.arcs_; }
    friend bool operator!=(const Oid& a, const Oid& b) { return !(a == b); }
    friend bool operator<(const Oid& a, const Oid& b) { return a.compare(b) < 0; }
    friend bool operator<=(const Oid& a, const Oid& b) { return a.compare(b) <= 0; }
    friend bool operator>(const Oid& a, const Oid& b) { return a.compare(b) > 0; }
    friend bool operator>=(const Oid& a, const Oid& b) { return a.compare(b) >= 0; }

private:
    std::vector<SmiUINT32> arcs_;
};

inline Oid operator+(Oid a, const Oid& b) { return a += b; }
