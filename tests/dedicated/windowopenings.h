#pragma once
// The dedicated windows of l2windows/ and l3mgmtwindows/ as the main menu opens them, for
// the window tests that run without the main window: each row is a menu item of kind 'F',
// the form class it names, whether the main window owns the window, the caption prefix the
// menu handler gives it (null: the window keeps its own) and the factory the window's file
// defines (dedicated/formregistration.h). The rows copy the main window's menu table
// (mainwin/menutable.cpp) and form table (mainwin/formtable.cpp); a test on the main window
// (tests/dedicated/everywindow_test.cpp) checks that they still agree.
#include <span>
#include <string>

class QDialog;
class QWidget;

struct TWindowOpening {
    const char* MenuItem;
    const char* FormClass;
    bool OwnerMainWindow;
    const char* CaptionPrefix;
    QDialog* (*Create)(QWidget* owner);
    void (*Forget)();
};

std::span<const TWindowOpening> WindowOpenings();
// The row of a menu item, of a form class; null when there is none.
const TWindowOpening* FindOpeningOfItem(const std::string& menuItem);
const TWindowOpening* FindOpeningOfClass(const std::string& formClass);
