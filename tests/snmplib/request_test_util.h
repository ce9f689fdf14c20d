#pragma once
// Shared by the request tests: the simulator of the binary, the library started once, and
// a driver that runs a request's exchanges synchronously or asynchronously and reports
// both ways as a VhSNMPError.
#include <QCoreApplication>
#include <QElapsedTimer>
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "platform/exception.h"
#include "simlibrary.h"
#include "snmplib/request.h"

namespace reqtest {

// The simulator of this binary: the test profile, the shipped users, and a community
// "tblonly" whose view is the RowStatus table alone (SNMPv1 walks end there with
// noSuchName).
trqtest::SimProcess& sim();

using trqtest::waitUntil;
inline void runFor(int milliseconds) { trqtest::pump(milliseconds); }

// SNMP credentials of the simulator's users and communities.
struct Credentials {
    const char* Label;
    uint8_t Version;
    const char* Name; // community or user
    int32_t Level;
    int32_t Auth; // 1 none, 2 MD5, 3 SHA
    int32_t Priv; // 1 none, 2 DES
};
extern const Credentials V1;
// Points the request at the simulator with these credentials.
void aim(VhSNMPRequest& request, const Credentials& c);

// One exchange, synchronous or asynchronous, reported as the completion would see it.
struct Exchange {
    Exchange(VhSNMPRequest& request, bool async) : Request(request), Async(async) {}

    VhSNMPRequest& Request;
    bool Async;
    int Completions = 0; // calls of the completion in the last asynchronous exchange

    VhSNMPError Read(bool first);
    VhSNMPError Write(const std::string& itemList);
    // A whole walk: the value texts of every item, one vector per row. A failure ends
    // it and is left in LastError.
    std::vector<std::vector<std::string>> Walk();
    VhSNMPError LastError;

private:
    // sync returns true when a table row was stored.
    VhSNMPError Run(const std::function<bool()>& sync, const std::function<void(const VhSNMPCompletion&)>& async);
};

std::vector<std::string> values(const VhSNMPVarList& list);

} // namespace reqtest
