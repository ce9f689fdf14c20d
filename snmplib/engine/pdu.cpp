#include "snmplib/engine/pdu.h"

Pdu::Pdu(const Vb* vbs, int count)
{
    for (int i = 0; vbs && i < count; ++i)
        vbs_.push_back(vbs[i]);
}

bool Pdu::get_vb(Vb& vb, int i) const
{
    if (i < 0 || i >= get_vb_count())
        return false;
    vb = vbs_[static_cast<std::size_t>(i)];
    return true;
}

bool Pdu::set_vb(const Vb& vb, int i)
{
    if (i < 0 || i >= get_vb_count())
        return false;
    vbs_[static_cast<std::size_t>(i)] = vb;
    return true;
}

bool Pdu::trim(int n)
{
    if (n < 0 || n > get_vb_count())
        return false;
    vbs_.resize(vbs_.size() - static_cast<std::size_t>(n));
    return true;
}

bool Pdu::delete_vb(int i)
{
    if (i < 0 || i >= get_vb_count())
        return false;
    vbs_.erase(vbs_.begin() + i);
    return true;
}
