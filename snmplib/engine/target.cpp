#include "snmplib/engine/target.h"

bool SnmpTarget::set_address(const Address& address)
{
    address_ = toUdpAddress(address, 161);
    return address_.valid();
}

bool SnmpTarget::get_address(GenAddress& address) const
{
    address = GenAddress(address_);
    return address_.valid();
}
