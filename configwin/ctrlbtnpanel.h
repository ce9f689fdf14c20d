#pragma once
// The button column at the right edge of a generic window: a sample counter and the
// Refresh, Edit, Set Checked, Add, Delete, Check All, Clear Checks and Close buttons,
// stacked from the top, 96 pixels wide. Hidden controls take no room.
//
// A button whose glyph file lies in the current directory ("Get.bmp" for Refresh,
// "Set.bmp" Edit, "SetCheck.bmp" Set Checked, "Add.bmp", "Delete.bmp", "SelectAll.bmp"
// Check All, "SelectNone.bmp" Clear Checks, "Close.bmp") shows the bitmap instead of its
// caption.
#include <vector>

#include "classlib/panel.h"

class QLabel;
class QPushButton;

class TCtrlBtnPanel : public TPanel {
    Q_OBJECT
public:
    // Builds the controls, loads the glyphs, hides Add and Delete, arranges the buttons,
    // becomes 116 pixels wide (2 x LeftMargin + a button) and aligns itself to the right
    // edge of owner.
    explicit TCtrlBtnPanel(QWidget* owner);

    // Stacks Controls from TopMargin down, 5 pixels apart: every control 96 wide at
    // LeftMargin; a hidden one takes the current top and no room.
    void ArrangeButtons();
    // The height the visible controls need: the last one's bottom + TopMargin.
    int NeededHeight() const { return neededHeight_; }

    QLabel* SamplesLabel;
    QLabel* SamplesCount;
    QPushButton* RefreshButton;
    QPushButton* EditButton;
    QPushButton* SetCheckedButton;
    QPushButton* AddButton;
    QPushButton* DeleteButton;
    QPushButton* CheckAllButton;
    QPushButton* ClearChecksButton;
    QPushButton* CloseButton;
    int LeftMargin = 10;
    int TopMargin = 10;
    // In stacking order.
    std::vector<QWidget*> Controls;

private:
    int neededHeight_ = 0;
};
