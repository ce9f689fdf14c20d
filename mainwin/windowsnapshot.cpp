#include "mainwin/windowsnapshot.h"

#include <QPixmap>
#include <QSaveFile>
#include <QTimer>
#include <QWidget>

#include <cstdio>

#include "snmplib/engine/snmp.h"
#include "snmplib/snmpinit.h"

namespace {

// How often the first picture looks whether the window and the device are ready.
constexpr int kReadyCheckMs = 100;

bool ExchangesOutstanding()
{
    const Snmp* engine = VhSNMPSession();
    return engine && engine->pending_count() > 0;
}

// Writes the picture through a temporary file, so a reader never sees half of one.
bool Save(QWidget* window, const QString& file)
{
    QSaveFile out(file);
    if (!out.open(QIODevice::WriteOnly))
        return false;
    if (!window->grab().save(&out, "PNG")) {
        out.cancelWriting();
        return false;
    }
    return out.commit();
}

} // namespace

void StartWindowSnapshots(QWidget* window, const QString& file, int intervalMs)
{
    if (!window || file.isEmpty())
        return;
    auto* timer = new QTimer(window);
    timer->setInterval(kReadyCheckMs);
    QObject::connect(timer, &QTimer::timeout, window, [window, file, timer, intervalMs, first = true]() mutable {
        if (first && (!window->isVisible() || ExchangesOutstanding()))
            return;
        const bool saved = Save(window, file);
        if (first) {
            first = false;
            timer->setInterval(intervalMs);
            if (saved)
                std::printf("trq3100: a picture of the main window is in %s (renewed every %d s)\n",
                            qPrintable(file), intervalMs / 1000);
            else
                std::printf("trq3100: cannot write a picture of the main window to %s\n", qPrintable(file));
            std::fflush(stdout);
        }
    });
    timer->start();
}
