#include "snmplib/engine/oid.h"

#include <algorithm>
#include <charconv>

Oid::Oid(const char* dotted)
{
    if (!dotted)
        return;
    const char* p = dotted;
    if (*p == '.')
        ++p;
    if (!*p)
        return;
    // Parsed into the Oid itself, which is left empty when the text is no OID.
    while (true) {
        if (*p < '0' || *p > '9') {
            size_ = 0;
            return;
        }
        std::uint64_t value = 0;
        while (*p >= '0' && *p <= '9') {
            value = value * 10 + std::uint64_t(*p - '0');
            if (value > 0xFFFFFFFFull) {
                size_ = 0;
                return;
            }
            ++p;
        }
        *this += static_cast<SmiUINT32>(value);
        if (!*p)
            break;
        if (*p != '.') {
            size_ = 0;
            return;
        }
        ++p;
    }
}

Oid::Oid(const unsigned long* arcs, std::size_t count)
{
    if (arcs)
        assign_from(arcs, count);
}

Oid::Oid(const unsigned int* arcs, std::size_t count)
{
    if (arcs)
        assign(arcs, count);
}

void Oid::assign(const SmiUINT32* arcs, std::size_t count)
{
    reserve(count);
    if (count)
        std::copy(arcs, arcs + count, data_);
    size_ = count;
}

void Oid::grow(std::size_t count)
{
    const std::size_t capacity = std::max(count, capacity_ * 2);
    auto* bigger = new SmiUINT32[capacity];
    std::copy(data_, data_ + size_, bigger);
    if (data_ != inline_)
        delete[] data_;
    data_ = bigger;
    capacity_ = capacity;
}

void Oid::take(Oid& other) noexcept
{
    if (other.data_ == other.inline_) {
        std::copy(other.inline_, other.inline_ + other.size_, inline_);
        data_ = inline_;
        capacity_ = InlineArcs;
    } else {
        data_ = other.data_;
        capacity_ = other.capacity_;
        other.data_ = other.inline_;
        other.capacity_ = InlineArcs;
    }
    size_ = other.size_;
    other.size_ = 0;
}

bool operator==(const Oid& a, const Oid& b)
{
    return a.size_ == b.size_ && std::equal(a.data_, a.data_ + a.size_, b.data_);
}

std::string Oid::get_printable() const
{
    std::string text;
    append_printable(arcs(), text);
    return text;
}

void Oid::append_printable(std::span<const SmiUINT32> arcs, std::string& out)
{
    // Formatted into one buffer: a walk prints every received OID.
    const std::size_t start = out.size();
    out.resize(start + arcs.size() * 11);
    char* p = out.data() + start;
    char* const end = out.data() + out.size();
    for (std::size_t i = 0; i < arcs.size(); ++i) {
        if (i)
            *p++ = '.';
        p = std::to_chars(p, end, arcs[i]).ptr;
    }
    out.resize(static_cast<std::size_t>(p - out.data()));
}

Oid& Oid::operator+=(const Oid& tail)
{
    const std::size_t n = tail.size_; // tail may be this Oid
    reserve(size_ + n);
    std::copy(tail.data_, tail.data_ + n, data_ + size_);
    size_ += n;
    return *this;
}

int Oid::nCompare(std::size_t n, const Oid& other) const
{
    const std::size_t common = std::min({n, size_, other.size_});
    for (std::size_t i = 0; i < common; ++i) {
        if (data_[i] != other.data_[i])
            return data_[i] < other.data_[i] ? -1 : 1;
    }
    const std::size_t mine = std::min(n, size_);
    const std::size_t theirs = std::min(n, other.size_);
    if (mine == theirs)
        return 0;
    return mine < theirs ? -1 : 1;
}

int Oid::compare(const Oid& other) const
{
    return nCompare(std::max(size_, other.size_), other);
}
