#pragma once
#include <QString>

class QWidget;

namespace trqtest {

// Saves a PNG of the widget as $TRQ_SCREENSHOT_DIR/<name>.png when that variable is set.
// Returns the file written, or an empty string when screenshots are off or saving failed.
QString saveScreenshot(QWidget* widget, const QString& name);

} // namespace trqtest
