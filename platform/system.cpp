#include "platform/system.h"

#include <QApplication>
#include <atomic>
#include <chrono>

namespace {
std::atomic<unsigned long> beeps{0};
std::atomic<uint32_t> tickBias{0};
} // namespace

bool Beep(unsigned /*frequency*/, unsigned /*duration*/)
{
    ++beeps;
    if (qobject_cast<QApplication*>(QCoreApplication::instance()))
        QApplication::beep();
    return true;
}

unsigned long BeepCount() { return beeps.load(); }

uint32_t GetTickCount()
{
    const auto ms = std::chrono::duration_cast<std::chrono::milliseconds>(
        std::chrono::steady_clock::now().time_since_epoch());
    return static_cast<uint32_t>(static_cast<uint64_t>(ms.count())) + tickBias.load();
}

void SetTickCountBias(uint32_t bias) { tickBias = bias; }
