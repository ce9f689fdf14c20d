#pragma once
// Object identifier: a sequence of 32-bit arcs.
#include "snmplib/engine/smi.h"

#include <cstddef>
#include <initializer_list>
#include <span>
#include <string>

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
    Oid(std::initializer_list<SmiUINT32> arcs) { assign(arcs.begin(), arcs.size()); }
    Oid(const Oid& other) : SnmpSyntax() { assign(other.data_, other.size_); }
    Oid(Oid&& other) noexcept { take(other); }
    Oid& operator=(const Oid& other)
    {
        if (this != &other)
            assign(other.data_, other.size_);
        return *this;
    }
    Oid& operator=(Oid&& other) noexcept
    {
        if (this != &other) {
            release();
            take(other);
        }
        return *this;
    }
    ~Oid() override { release(); }

    Oid& operator=(const char* dotted) { return *this = Oid(dotted); }
    Oid& operator=(const std::string& dotted) { return *this = Oid(dotted); }

    SmiUINT32 get_syntax() const override { return sNMP_SYNTAX_OID; }
    SnmpSyntax* clone() const override { return new Oid(*this); }
    // An Oid is valid when it has at least one arc.
    bool valid() const override { return size_ != 0; }
    // Dotted decimal without a leading dot; empty for an empty Oid.
    std::string get_printable() const override;
    // The same text appended to out (which keeps its storage from one call to the next).
    void append_printable(std::string& out) const { append_printable(arcs(), out); }
    static void append_printable(std::span<const SmiUINT32> arcs, std::string& out);

    std::size_t len() const { return size_; }
    SmiUINT32& operator[](std::size_t i) { return data_[i]; }
    const SmiUINT32& operator[](std::size_t i) const { return data_[i]; }
    std::span<const SmiUINT32> arcs() const { return {data_, size_}; }

    // Replaces the arcs with count arcs (a value that comes often: no storage is made
    // while they fit what the Oid already has).
    void assign(const SmiUINT32* arcs, std::size_t count);
    template <typename Arc> void assign_from(const Arc* arcs, std::size_t count)
    {
        reserve(count);
        for (std::size_t i = 0; i < count; ++i)
            data_[i] = static_cast<SmiUINT32>(arcs[i]);
        size_ = count;
    }
    // Removes the last n arcs (all of them when n is larger than len()).
    void trim(std::size_t n = 1) { size_ = size_ > n ? size_ - n : 0; }
    Oid& operator+=(const Oid& tail);
    Oid& operator+=(const char* dotted) { return *this += Oid(dotted); }
    Oid& operator+=(SmiUINT32 arc)
    {
        reserve(size_ + 1);
        data_[size_++] = arc;
        return *this;
    }

    // Compares the first n arcs: -1, 0 or 1. An Oid with fewer than n arcs that
    // matches the other as far as it goes is the smaller one.
    int nCompare(std::size_t n, const Oid& other) const;
    // Lexicographic order of the arcs; a proper prefix comes first.
    int compare(const Oid& other) const;

    friend bool operator==(const Oid& a, const Oid& b);
    friend bool operator!=(const Oid& a, const Oid& b) { return !(a == b); }
    friend bool operator<(const Oid& a, const Oid& b) { return a.compare(b) < 0; }
    friend bool operator<=(const Oid& a, const Oid& b) { return a.compare(b) <= 0; }
    friend bool operator>(const Oid& a, const Oid& b) { return a.compare(b) > 0; }
    friend bool operator>=(const Oid& a, const Oid& b) { return a.compare(b) >= 0; }

private:
    // The arcs of the OIDs a program meets (a table column and its row's instance) fit
    // in the Oid itself: making, copying and filling one then costs no storage of its own.
    static constexpr std::size_t InlineArcs = 24;

    // Room for count arcs; the arcs held are kept.
    void reserve(std::size_t count)
    {
        if (count > capacity_)
            grow(count);
    }
    void grow(std::size_t count);
    void release()
    {
        if (data_ != inline_)
            delete[] data_;
        data_ = inline_;
        size_ = 0;
        capacity_ = InlineArcs;
    }
    // Takes other's arcs (this holds none), leaving other empty.
    void take(Oid& other) noexcept;

    SmiUINT32* data_ = inline_;
    std::size_t size_ = 0;
    std::size_t capacity_ = InlineArcs;
    SmiUINT32 inline_[InlineArcs];
};

inline Oid operator+(Oid a, const Oid& b) { return a += b; }
