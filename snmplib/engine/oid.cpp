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
    std::vector<SmiUINT32> arcs;
    while (true) {
        if (*p < '0' || *p > '9')
            return;
        std::uint64_t value = 0;
        while (*p >= '0' && *p <= '9') {
            value = value * 10 + std::uint64_t(*p - '0');
            if (value > 0xFFFFFFFFull)
                return;
            ++p;
        }
        arcs.push_back(static_cast<SmiUINT32>(value));
        if (!*p)
            break;
        if (*p != '.')
            return;
        ++p;
    }
    arcs_ = std::move(arcs);
}

Oid::Oid(const unsigned long* arcs, std::size_t count)
{
    if (!arcs)
        return;
    arcs_.reserve(count);
    for (std::size_t i = 0; i < count; ++i)
        arcs_.push_back(static_cast<SmiUINT32>(arcs[i]));
}

Oid::Oid(const unsigned int* arcs, std::size_t count)
{
    if (arcs)
        arcs_.assign(arcs, arcs + count);
}

std::string Oid::get_printable() const
{
    std::string text;
    append_printable(arcs_, text);
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

void Oid::trim(std::size_t n)
{
    arcs_.resize(arcs_.size() > n ? arcs_.size() - n : 0);
}

Oid& Oid::operator+=(const Oid& tail)
{
    arcs_.insert(arcs_.end(), tail.arcs_.begin(), tail.arcs_.end());
    return *this;
}

int Oid::nCompare(std::size_t n, const Oid& other) const
{
    const std::size_t common = std::min({n, arcs_.size(), other.arcs_.size()});
    for (std::size_t i = 0; i < common; ++i) {
        if (arcs_[i] != other.arcs_[i])
            return arcs_[i] < other.arcs_[i] ? -1 : 1;
    }
    const std::size_t mine = std::min(n, arcs_.size());
    const std::size_t theirs = std::min(n, other.arcs_.size());
    if (mine == theirs)
        return 0;
    return mine < theirs ? -1 : 1;
}

int Oid::compare(const Oid& other) const
{
    return nCompare(std::max(arcs_.size(), other.arcs_.size()), other);
}
