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

// Widens every label among container's own children whose text does not fit it with the
// fonts at hand. What lies right of the label moves right by as much, and what reaches
// across its right edge (the other labels of its column, a group box spanning the form)
// grows, so columns laid out at fixed places stay aligned. Returns the width the
// container's content gained, 0 when every label fitted.
int FitLabels(QWidget* container);
