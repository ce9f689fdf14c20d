#pragma once
// Small helpers of the value tests: octets from numbers, the code a call raises, and a
// request whose variable list is built item by item.
#include <functional>
#include <initializer_list>
#include <memory>
#include <string>

#include "platform/exception.h"
#include "snmplib/request.h"
#include "snmplib/varlist.h"

inline std::string Octets(std::initializer_list<int> bytes)
{
    std::string o;
    for (const int b : bytes)
        o += static_cast<char>(b);
    return o;
}

// The help context of the library exception that f raises, or 0 when it raises none.
inline int RaisedCode(const std::function<void()>& f)
{
    try {
        f();
    } catch (const Exception& e) {
        return e.HelpContext;
    }
    return 0;
}

// Appends an item to the request's variable list and returns its index.
inline int AddItem(VhSNMPRequest& request, unsigned syntax, const std::string& value = "",
                   unsigned access = SNMP_ACCESS_READWRITE, const VhOptionList* options = nullptr,
                   const std::string& oid = "1.3.6.1.4.1.32473.99.1")
{
    auto item = std::make_unique<VhSNMPVarItem>();
    item->Oid = oid;
    item->Syntax = syntax;
    item->Access = access;
    item->Options = options;
    item->Value = value;
    request.VarList.Items.push_back(std::move(item));
    return request.VarList.Count() - 1;
}
