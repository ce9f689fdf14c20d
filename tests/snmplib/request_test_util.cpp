#include "request_test_util.h"


#include <fstream>
#include <memory>
#include <sstream>

#include "simlibrary.h"

namespace reqtest {

namespace {

[[maybe_unused]] const bool g_environment = trqtest::UseSimulatorWithLibrary([] {
    std::ifstream shipped(trqtest::simFile("trq3100-sim.conf"));
    std::stringstream conf;
    conf << shipped.rdbuf() << "\nrocommunity tblonly 127.0.0.1 .1.3.6.1.4.1.32473.99.2.1\n";
    trqtest::SimOptions options;
    options.profile = "test.profile";
    options.confText = conf.str();
    return options;
});

} // namespace

trqtest::SimProcess& sim() { return trqtest::LibrarySim(); }



const Credentials V1 = {"v1", 0, "mardle", 1, 1, 1};

void aim(VhSNMPRequest& request, const Credentials& c)
{
    request.Device.Address = "127.0.0.1";
    request.Device.Port = static_cast<uint16_t>(sim().port());
    request.Security.Version = c.Version;
    if (c.Version != 3) {
        request.Security.ReadCommunity = c.Name;
        request.Security.WriteCommunity = std::string(c.Name) == "mardle" ? "quillon" : c.Name;
        return;
    }
    request.Security.SecurityModel = 3;
    request.Security.SecurityName = c.Name;
    request.Security.SecurityLevel = c.Level;
    request.Security.AuthProtocol = c.Auth;
    request.Security.PrivProtocol = c.Priv;
    request.Security.AuthPassword = c.Auth != 1 ? "authpass123" : "";
    request.Security.PrivPassword = c.Priv != 1 ? "privpass123" : "";
}

std::vector<std::string> values(const VhSNMPVarList& list)
{
    std::vector<std::string> v;
    for (const auto& item : list.Items)
        v.push_back(item->Value);
    return v;
}

namespace {

VhSNMPError failure(const Exception& e)
{
    VhSNMPError error;
    error.Code = e.HelpContext;
    error.Message = e.Message;
    error.EndOfData = 1;
    return error;
}

} // namespace

VhSNMPError Exchange::Run(const std::function<bool()>& sync, const std::function<void(const VhSNMPCompletion&)>& async)
{
    if (!Async) {
        try {
            VhSNMPError result;
            result.EndOfData = sync() ? 0 : 1;
            return result;
        } catch (const Exception& e) {
            return failure(e);
        }
    }
    Completions = 0;
    // Shared with the completion: a reply that comes after a failed wait finds it alive.
    auto result = std::make_shared<VhSNMPError>();
    try {
        async(VhSNMPCompletion([this, result](const VhSNMPError& e, VhSNMPVarList&) {
            ++Completions;
            *result = e;
        }));
    } catch (const Exception& e) {
        return failure(e); // the send itself failed
    }
    EXPECT_TRUE(waitUntil([this] { return Completions > 0; })) << "no completion";
    return *result;
}

VhSNMPError Exchange::Read(bool first)
{
    return Run([&] { return Request.Get(first); },
               [&](const VhSNMPCompletion& done) { Request.GetAsync(done, first); });
}

VhSNMPError Exchange::Write(const std::string& itemList)
{
    return Run([&] { return Request.Set(false, itemList, nullptr); },
               [&](const VhSNMPCompletion& done) { Request.SetAsync(done, false, itemList, nullptr); });
}

std::vector<std::vector<std::string>> Exchange::Walk()
{
    std::vector<std::vector<std::string>> rows;
    LastError = Read(true);
    while (LastError.Code == 0 && LastError.EndOfData == 0 && rows.size() < 10000) {
        rows.push_back(values(Request.VarList));
        LastError = Read(false);
    }
    return rows;
}

} // namespace reqtest
