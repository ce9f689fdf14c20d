#pragma once
// Interface alias editor: the companion of the interface extension table window
// (ifxtableunit.h). Its edits are bound to the table window's request, so the selected
// interface's index, name and alias appear here. Set checks the alias (empty, or without
// blanks) and asks the table window to write; Close writes nothing.
#include <string>

#include "dedicated/dedicatedform.h"
#include "ui_ifxeditunit.h"

class TIfxForm;

class TIfxEditForm : public TCompanionEditor, public Ui::TIfxEditForm {
    Q_OBJECT
public:
    using Master = TIfxForm;
    explicit TIfxEditForm(TIfxForm* master);

    void btnSetClick();

protected:
    // Each time the editor is shown.
    void showEvent(QShowEvent* event) override;

private:
    TIfxForm* Table;
};

extern TIfxEditForm* IfxEditForm;

// An alias the switch takes: empty, or without blanks.
bool IsValidAlias(const std::string& alias);
