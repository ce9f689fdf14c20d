#include "modal.h"

#include <QApplication>
#include <QDialog>
#include <QElapsedTimer>
#include <QPointer>
#include <QTimer>

namespace trqtest {

bool withModal(const std::function<void()>& open, const std::function<void(QDialog*)>& inside,
               const std::function<bool(QDialog*)>& ready, int readyWithin)
{
    bool opened = false;
    QElapsedTimer clock;
    QTimer watch;
    watch.setInterval(10);
    QObject::connect(&watch, &QTimer::timeout, [&] {
        auto* window = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        if (!window || !window->isVisible() || opened)
            return;
        if (!clock.isValid())
            clock.start();
        if (!ready(window) && clock.elapsed() < readyWithin)
            return;
        opened = true;
        watch.stop();
        const QPointer<QDialog> guard(window);
        inside(window);
        if (guard && guard->isVisible())
            guard->close();
    });
    watch.start();
    open();
    return opened;
}

} // namespace trqtest
