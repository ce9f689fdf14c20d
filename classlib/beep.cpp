#include "classlib/beep.h"

#include <QApplication>
#include <atomic>

namespace {
std::atomic<unsigned long> beeps{0};
} // namespace

bool Beep(unsigned /*frequency*/, unsigned /*duration*/)
{
    ++beeps;
    if (qobject_cast<QApplication*>(QCoreApplication::instance()))
        QApplication::beep();
    return true;
}

unsigned long BeepCount() { return beeps.load(); }
