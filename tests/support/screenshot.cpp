#include "screenshot.h"

#include <QCoreApplication>
#include <QDir>
#include <QPixmap>
#include <QWidget>

namespace trqtest {

QString saveScreenshot(QWidget* widget, const QString& name)
{
    const QByteArray dir = qgetenv("TRQ_SCREENSHOT_DIR");
    if (dir.isEmpty() || !widget)
        return {};
    QDir().mkpath(QString::fromLocal8Bit(dir));
    QCoreApplication::processEvents();
    const QString path = QDir(QString::fromLocal8Bit(dir)).filePath(name + ".png");
    return widget->grab().save(path, "PNG") ? path : QString();
}

} // namespace trqtest
