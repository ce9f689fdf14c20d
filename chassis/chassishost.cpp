#include "chassis/chassishost.h"

namespace {

TChassisHost*& Host()
{
    static TChassisHost* host = nullptr;
    return host;
}

} // namespace

void SetChassisHost(TChassisHost* host) { Host() = host; }

TChassisHost* ChassisHost() { return Host(); }
