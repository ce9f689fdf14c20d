#pragma once
#include <string>

#include <QString>

class QWidget;

namespace trqtest {

// Saves a PNG of the widget as $TRQ_SCREENSHOT_DIR/<name>.png when that variable is set.
// Returns the file written, or an empty string when screenshots are off or saving failed.
QString saveScreenshot(QWidget* widget, const QString& name);

// The labels shown in window whose text the user cannot read whole: wider or taller than
// the label, or running past the edge of the label's parent. One line each, naming the
// label and its text; "" when every label reads whole.
std::string clippedLabels(const QWidget* window);

} // namespace trqtest
