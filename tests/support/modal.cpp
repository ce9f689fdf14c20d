#include "modal.h"

#include <QApplication>
#include <QDialog>
#include <QElapsedTimer>
#include <QPointer>
#include <QTimer>
#include <QTreeWidget>

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

int rowWithKeys(const QTreeWidget* view, const std::vector<std::string>& keys)
{
    for (int r = 0; r < view->topLevelItemCount(); ++r) {
        bool all = true;
        for (std::size_t k = 0; k < keys.size(); ++k)
            all = all && view->topLevelItem(r)->text(static_cast<int>(k)).toStdString() == keys[k];
        if (all)
            return r;
    }
    return -1;
}

} // namespace trqtest
