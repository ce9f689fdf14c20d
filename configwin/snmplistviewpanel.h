#pragma once
// The table window's body: the list view filled by a table walk, with a running row
// count, and rows added, edited and deleted through the row-status column.
//
// The inherited rows (EditsPanel) hold the selected row's values and are not shown in the
// table window itself: the add and edit windows borrow them while they are open. Adding
// sends the add label (normally "createAndGo") with the index columns and the ticked
// columns; deleting sends the delete label (normally "destroy") at the selected row's
// index and nothing else.
#include <functional>
#include <string>
#include <vector>

#include <QPointer>

#include "configwin/snmpeditorpanel.h"

class QDialog;
class TListViewPanel;

class TSNMPListViewPanel : public TSNMPEditorPanel {
    Q_OBJECT
public:
    TSNMPListViewPanel(QWidget* owner, VhSNMPRequest2Edits* request);
    ~TSNMPListViewPanel() override;

    // The row-status column and the label that adds (deletes) a row. The label must be
    // one of the column's value labels; otherwise raises
    // "TSNMPListViewPanel::SetAddStatus - Wrong AddStatusValue:<label>" (for delete:
    // "TSNMPListViewPanel::SetDeleteStatus - Wrong DeleteStatusValue:<label>").
    void SetAddStatus(int column, const std::string& label);
    void SetDeleteStatus(int column, const std::string& label);

    // Reads the table again; does nothing while an asynchronous walk runs.
    void RefreshClick(QObject* sender);
    void ListViewClick(QObject* sender);
    void ListViewDblClick(QObject* sender);
    void ListViewChange(QObject* sender);
    void ListViewMouseMove(int x, int y);
    void AddClick(QObject* sender);
    void EditClick(QObject* sender);
    // The modal add and edit windows.
    void Add();
    void Edit();
    // Asks "Are you sure to delete it?" and sets the selected row's status column to the
    // delete label; then reads the table again.
    void Delete(QObject* sender);

    void ReleaseRequest() override;

    TListViewPanel* ListViewPanel;
    std::function<void()> BeforeAdd; // clears the rows
    std::function<void()> AfterAdd;
    std::function<void()> BeforeEdit;
    std::function<void()> AfterEdit;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // The add or edit window: created, its rows and buttons readied, shown modally; then
    // the rows come back, the window goes and the table is read again.
    void RunRowWindow(const QString& caption, bool add);
    void SetStatusLabel(int column, const std::string& label, bool add);
    QString AddCaption() const;
    void RunHooked(const std::function<void()>& before, void (TSNMPListViewPanel::*action)(),
                   const std::function<void()>& after);

    QPointer<QDialog> RowWindow; // the open add or edit window
    QPointer<TSNMPPanel> RowPanel;
    bool InRowWindow = false;
    bool Deleting = false;
};
