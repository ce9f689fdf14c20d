#pragma once
// What the module's windows share in look: the class library's form font and the fixed
// single-border dialog.
class QDialog;
class QWidget;

// The class library's form font: 8 points at 96 pixels per inch.
inline constexpr int FORM_FONT_PIXELS = 11;

void UseFormFont(QWidget* form);
// A dialog with a single border, only the system-menu (and close) icons, the form font
// and a fixed client size.
void MakeFixedDialog(QDialog* dialog, int clientWidth, int clientHeight);
