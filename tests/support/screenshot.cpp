#include "screenshot.h"

#include <QCoreApplication>
#include <QDir>
#include <QLabel>
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

std::string clippedLabels(const QWidget* window)
{
    QStringList clipped;
    for (const QLabel* label : window->findChildren<QLabel*>()) {
        if (label->text().isEmpty() || label->wordWrap() || !label->isVisibleTo(window))
            continue;
        const QSize needed = label->sizeHint();
        const QWidget* parent = label->parentWidget();
        const int textRight = label->x() + needed.width();
        if (needed.width() > label->width() || label->fontMetrics().height() > label->height() ||
            (parent && textRight > parent->width()))
            clipped << QStringLiteral("%1: %2 (needs %3 x %4, has %5 x %6)")
                           .arg(label->objectName(), label->text())
                           .arg(needed.width())
                           .arg(label->fontMetrics().height())
                           .arg(label->width())
                           .arg(label->height());
    }
    return clipped.join(QLatin1Char('\n')).toStdString();
}

} // namespace trqtest
