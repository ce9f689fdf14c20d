#pragma once
// The scalar-group window's body: one row per variable (TEditsPanel) in the content area.
// Refresh reads every variable; Set Checked writes the variables whose rows are ticked.
#include <string>

#include "configwin/snmppanel.h"

class TEditsPanel;

class TSNMPEditorPanel : public TSNMPPanel {
    Q_OBJECT
public:
    TSNMPEditorPanel(QWidget* owner, VhSNMPRequest2Edits* request);

    // The width of every value control; the window follows the new size.
    void SetEditWidth(int width);
    // The width of the caption column; the window follows the new size.
    void SetCaptionWidth(int width);
    // The input format of a row's edit ("%i{n1x65535l5}"). Raises for a combo box row
    // ("Can not set Var format to a ComboBox!") and for any other kind of row.
    void SetVarFormat(int row, const std::string& format);

    // Sets the variables whose rows are ticked: the controls are copied into the values,
    // unticked rows are left out, a ticked row without a value stops everything with
    // "Some items are empty!", and one set is sent and waited for. The access flags are
    // as before afterwards. True when the agent accepted the set.
    bool SetChecked();
    // SetChecked; a sender whose Tag is 1 then closes its window after a successful set.
    void SetCheckedClick(QObject* sender);
    void CheckAllClick(QObject* sender);
    void ClearChecksClick(QObject* sender);

    void ReleaseRequest() override;

    TEditsPanel* EditsPanel;

private:
    bool Setting = false;
};
