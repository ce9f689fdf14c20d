#pragma once
// The read-only table window: one list view walked by one request, Refresh (ignored while
// the walk runs), an optional Stop that ends the walk after the row in progress, an
// optional Close, an optional row count, optional edits that show the selected row's
// index values, and the window's message target (a memo or panel 0 of a status bar).
// Nothing is ever written to the switch.
//
// A window is a thin class that hands its TReadOnlyTable to the constructor: the
// descriptor table, list type and key count, the mode and time-out of the request, and
// the names and captions of its controls.
#include <string>
#include <vector>

#include "dedicated/dedicatedform.h"

class QLineEdit;
class QPushButton;

// An edit below the list that shows a column of the selected row.
struct TRowEdit {
    const char* Label;
    const char* Name;
    int Column;
    const char* Format;
};

struct TReadOnlyTable {
    const char* FormName = nullptr; // the form's object name
    const char* Title = nullptr; // the form's own caption (the menu handler may replace it)
    int Width = 700;
    int Height = 420;
    bool Scales = true;        // grows with the main window's large fonts
    const VhSNMPObjectDesc* Table = nullptr;
    uint8_t ListType = MVT_FMV;
    int KeyCount = 0;
    bool Synchronous = false;  // Refresh returns once the walk is over
    int Timeout = 0;           // hundredths of a second; 0: the library's
    bool Memo = true;          // messages in Memo1, else in panel 0 of StatusBar1
    const char* ListName = "ListView1";
    const char* RefreshName = "GetButton";
    const char* RefreshCaption = "Refresh";
    const char* StopName = nullptr;  // no Stop button
    const char* CloseName = nullptr; // no Close button
    const char* RowCountName = nullptr; // no row count
    std::vector<TRowEdit> RowEdits = {}; // below the list, filled from the selected row
};

class TReadOnlyTableForm : public TDedicatedForm {
    Q_OBJECT
public:
    TReadOnlyTableForm(QWidget* owner, const TReadOnlyTable& config);

    const TReadOnlyTable& Config;
    TWindowRequest* Request = nullptr;
    QTreeWidget* ListView = nullptr;
    QPlainTextEdit* Memo1 = nullptr;
    QStatusBar* StatusBar1 = nullptr;
    QPushButton* RefreshButton = nullptr;
    QPushButton* StopButton = nullptr;
    QPushButton* CloseButton = nullptr;
    QLabel* RowCount = nullptr;
    std::vector<QLineEdit*> Edits; // as in Config.RowEdits

    void RefreshClick();
    void StopClick();

protected:
    void FormCreate() override;
    // A window that shows a cell otherwise than the library's text gives the label here;
    // it is asked whenever a cell of the list changes, and a label that differs from the
    // cell replaces it (a label must therefore map to itself).
    virtual std::string CellLabel(int /*column*/, const std::string& text) const { return text; }

private:
    void RelabelRow(int row);
    void ClearEdits();
};
