#pragma once
// The panel that holds a table window's report list view, bound to the request: one
// column per variable, one row per table row. It also keeps which variable is the
// row-status column for adding and deleting rows, and with which labels.
#include <string>

#include "classlib/panel.h"

class QTreeWidget;
class TCtrlBtnPanel;
class VhSNMPRequest2Edits;

class TListViewPanel : public TPanel {
    Q_OBJECT
public:
    // Width: 8 pixels per character of every column caption plus the list view's border,
    // at most 450; height 350.
    TListViewPanel(QWidget* owner, VhSNMPRequest2Edits* request);

    // The buttons of a table window: Samples, Refresh, Edit (disabled until a row is
    // selected), Add and Delete when the columns are set, Close.
    virtual void ArrangeCtrlBtn(TCtrlBtnPanel* buttons);

    QTreeWidget* ListView;
    int DeleteStatusColumn = -1;
    int AddStatusColumn = -1;
    std::string AddStatusLabel;
    std::string DeleteStatusLabel;
};
