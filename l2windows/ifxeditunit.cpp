#include "l2windows/ifxeditunit.h"

#include <algorithm>
#include <cctype>

#include <QShowEvent>

#include "classlib/dialogs.h"
#include "l2windows/ifxtableunit.h"

TIfxEditForm* IfxEditForm = nullptr;

bool IsValidAlias(const std::string& alias)
{
    return std::none_of(alias.begin(), alias.end(), [](unsigned char c) { return std::isspace(c) != 0; });
}

TIfxEditForm::TIfxEditForm(TIfxForm* master) : TCompanionEditor(master), Table(master)
{
    setupUi(this);
    ScaleForLargeFonts();
    OnClick(btnSet, &TIfxEditForm::btnSetClick);
    connect(btnClose, &QPushButton::clicked, this, &QDialog::reject);
}

void TIfxEditForm::showEvent(QShowEvent* event)
{
    // The index and the name are the interface's, not the user's to change.
    edtIfIndex->setEnabled(false);
    edtName->setEnabled(false);
    TCompanionEditor::showEvent(event);
}

void TIfxEditForm::btnSetClick()
{
    if (!IsValidAlias(edtAlias->text().toStdString())) {
        WriteRequested = false;
        ShowMessage("Alias is invalid.");
        return;
    }
    if (!Table->Request || Table->RefuseWhileBusy({Table->Request}))
        return;
    RequestWrite();
}
