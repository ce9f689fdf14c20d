#include "dedicated/windowhost.h"

namespace {

TWindowHost*& Host()
{
    static TWindowHost* host = nullptr;
    return host;
}

} // namespace

void SetWindowHost(TWindowHost* host) { Host() = host; }

TWindowHost* WindowHost() { return Host(); }
