#include "l3mgmtwindows/methodlistform.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStatusBar>
#include <QTreeWidget>

#include "classlib/dialogs.h"
#include "dedicated/listquery.h"
#include "dedicated/rowdelete.h"

namespace {

constexpr char ServerGroupType[] = "server-group";

} // namespace

TMethodListForm::TMethodListForm(QWidget* owner, const TMethodList& config) : TDedicatedForm(owner), Config(config)
{
}

void TMethodListForm::UseControls(const TMethodListControls& controls)
{
    C = controls;
    ScaleForLargeFonts();
    // The window's own caption; the menu handler replaces it before the window shows.
    SetCaption(Config.Title);
    OnClick(C.Get, &TMethodListForm::GetButtonClick);
    OnClick(C.Edit, &TMethodListForm::EditButtonClick);
    OnClick(C.Add, &TMethodListForm::AddButtonClick);
    OnClick(C.Delete, &TMethodListForm::DeleteButtonClick);
    C.Edit->setEnabled(false);
    C.Delete->setEnabled(false);
}

void TMethodListForm::FormCreate()
{
    SetMessageTarget(StatusPanel0(C.Status));
    ShowRowCount(C.List, C.Count);
    try {
        Request = MakeRequest(Config.Table, MVT_UMV, 1, true);
        AttachList(Request, C.List, {}, &TMethodListForm::ListView1Click);
        Request->AddControlsFmt(Name, "%s{l15}", C.Name);
        for (int method = 0; method < 4; ++method) {
            Request->AddControl(TypeColumn(method), C.Types[static_cast<std::size_t>(method)]);
            Request->AddControlsFmt(ServerColumn(method), "%s{l15}", C.Servers[static_cast<std::size_t>(method)]);
        }
        Request->AddControl(StatusColumn, C.Row);
        C.Name->clear();
        for (QLineEdit* edit : C.Servers)
            edit->clear();
        // No method is chosen until the user (or a selected row) chooses one.
        for (QComboBox* type : C.Types)
            type->setCurrentIndex(-1);
        C.Row->setCurrentIndex(CreateAndGoItem);
        C.Edit->setEnabled(false);
        C.Delete->setEnabled(false);
        C.Name->setEnabled(true);
        C.Add->setEnabled(true);
        Read(Request);
    } catch (const std::exception& e) {
        ShowText(e.what());
    }
}

// ---- Editor states ------------------------------------------------------------------------

void TMethodListForm::ClearEditors()
{
    C.Name->clear();
    for (QLineEdit* edit : C.Servers)
        edit->clear();
    if (RowCountOf(C.List) == 0)
        C.Count->setText("0");
}

void TMethodListForm::Reset()
{
    if (Closing())
        return;
    C.List->clearSelection();
    C.Edit->setEnabled(false);
    C.Delete->setEnabled(false);
    C.Name->setEnabled(true);
    C.Add->setEnabled(true);
    ClearEditors();
}

void TMethodListForm::Failed(const std::exception& e)
{
    Reset();
    ShowText(e.what());
}

void TMethodListForm::ListView1Click()
{
    const int row = SelectedRow(C.List);
    const bool selected = row >= 0;
    C.Edit->setEnabled(selected);
    C.Delete->setEnabled(selected && C.List->topLevelItem(row)->text(0).toStdString() != ProtectedList);
    C.Name->setEnabled(!selected);
    C.Add->setEnabled(!selected);
}

// ---- The method order ---------------------------------------------------------------------

std::array<int, 4> TMethodListForm::ReadMethodTypes() const
{
    std::array<int, 4> types{};
    for (std::size_t n = 0; n < 4; ++n)
        types[n] = C.Types[n]->currentIndex() < 0 ? -1 : C.Types[n]->currentIndex();
    return types;
}

bool TMethodListForm::MethodOrderFails(const std::array<int, 4>& types)
{
    for (std::size_t n = 0; n < 4; ++n) {
        if (types[n] != LocalItem && types[n] != NoneItem)
            continue;
        for (std::size_t later = n + 1; later < 4; ++later)
            if (types[later] >= 0)
                return true;
    }
    return false;
}

void TMethodListForm::DropMethodsAfterLocalOrNone(std::array<int, 4>& types)
{
    for (std::size_t n = 0; n < 4; ++n)
        if (types[n] == LocalItem || types[n] == NoneItem) {
            for (std::size_t later = n + 1; later < 4; ++later)
                types[later] = -1;
            return;
        }
}

bool TMethodListForm::AskMethodOrder(std::array<int, 4>& types)
{
    if (!MethodOrderFails(types))
        return true;
    if (MessageDlg(MethodOrderQuestion, mtConfirmation, mbYesNo) == mrYes)
        return false;
    DropMethodsAfterLocalOrNone(types);
    return true;
}

void TMethodListForm::SelectMethodColumns(TColumnMask& mask, const std::array<int, 4>& types) const
{
    for (std::size_t n = 0; n < 4; ++n) {
        const int method = static_cast<int>(n);
        if (types[n] < 0) {
            mask.LeaveOut({TypeColumn(method), ServerColumn(method)});
            continue;
        }
        // Only a server-group method names its group.
        if (C.Types[n]->itemText(types[n]) != ServerGroupType)
            mask.LeaveOut(ServerColumn(method));
    }
}

// ---- Handlers -----------------------------------------------------------------------------

void TMethodListForm::GetButtonClick()
{
    if (!Idle({Request}))
        return;
    try {
        Read(Request);
        Reset();
    } catch (const std::exception& e) {
        Failed(e);
    }
}

void TMethodListForm::AddButtonClick()
{
    if (!Request || RefuseWhileBusy({Request}))
        return;
    const std::string name = C.Name->text().toStdString();
    if (name.empty()) {
        ShowMessage(Config.NameMissing);
        C.Name->setFocus();
        return;
    }
    if (FindRowByCaption(C.List, name) >= 0) {
        ShowMessage(Config.Duplicate);
        C.Name->setFocus();
        return;
    }
    if (C.Row->currentIndex() != CreateAndGoItem) {
        ShowMessage("Row State must be createAndGo.");
        C.Row->setFocus();
        return;
    }
    WriteMethods(false);
}

void TMethodListForm::EditButtonClick()
{
    if (!Request || RefuseWhileBusy({Request}))
        return;
    if (C.Name->text().isEmpty()) {
        ShowMessage(Config.NameMissing);
        return;
    }
    if (C.Row->currentIndex() == DestroyItem) {
        DeleteSelected();
        return;
    }
    WriteMethods(true);
}

void TMethodListForm::WriteMethods(bool edit)
{
    std::array<int, 4> types = ReadMethodTypes();
    if (!AskMethodOrder(types))
        return;
    try {
        {
            TColumnMask mask(Request);
            SelectMethodColumns(mask, types);
            if (edit)
                mask.LeaveOut(StatusColumn);
            Write(Request, false, edit);
        }
        Read(Request);
        Reset();
    } catch (const std::exception& e) {
        Failed(e);
    }
}

void TMethodListForm::DeleteButtonClick()
{
    if (!Request || RefuseWhileBusy({Request}))
        return;
    DeleteSelected();
}

void TMethodListForm::DeleteSelected()
{
    const int row = SelectedRow(C.List);
    if (row < 0)
        return;
    if (C.List->topLevelItem(row)->text(0).toStdString() == ProtectedList) {
        ShowMessage(DefaultNotDeleted);
        return;
    }
    try {
        // The row status alone, destroy, for the selected list; read again afterwards.
        DeleteSelectedRow(*this, Request, StatusColumn, C.Row);
        Reset();
    } catch (const std::exception& e) {
        Failed(e);
    }
}
