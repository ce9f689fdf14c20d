#include "l3mgmtwindows/newbootpctrlformunit.h"

#include <optional>

#include "classlib/dialogs.h"
#include "dedicated/ipv4text.h"
#include "dedicated/listquery.h"
#include "l3mgmtwindows/bootctrltableformunit.h"

TNewBootpCtrlForm* NewBootpCtrlForm = nullptr;

namespace {

constexpr int MaxServers = 4;
constexpr int ValidItem = 1; // of the state list {invalid, valid}

} // namespace

int BootpServerCount(const QAbstractItemView* relays, const std::string& interfaceName)
{
    int count = 0;
    for (int row = 0; row < RowCountOf(relays); ++row)
        if (CellByTitle(relays, row, "Interface Name") == interfaceName)
            ++count;
    return count;
}

TNewBootpCtrlForm::TNewBootpCtrlForm(TBOOTCtrlTableForm* master) : TCompanionEditor(master)
{
    setupUi(this);
    ScaleForLargeFonts();
    OnClick(DeleteBtn, &TNewBootpCtrlForm::DeleteBtnClick);
    OnClick(BitBtn1, &TNewBootpCtrlForm::BitBtn1Click);
}

TBOOTCtrlTableForm* TNewBootpCtrlForm::Table() const { return static_cast<TBOOTCtrlTableForm*>(MasterForm()); }

void TNewBootpCtrlForm::showEvent(QShowEvent* event)
{
    Edit1->setEnabled(true);
    Edit2->setEnabled(true);
    Edit1->clear();
    Edit2->clear();
    TCompanionEditor::showEvent(event);
}

void TNewBootpCtrlForm::BitBtn1Click() { reject(); }

void TNewBootpCtrlForm::DeleteBtnClick()
{
    TBOOTCtrlTableForm* table = Table();
    if (!table || !table->Request) {
        reject();
        return;
    }
    const std::string name = Edit1->text().toStdString();
    if (BootpServerCount(table->ListView1, name) >= MaxServers) {
        MessageDlg("One interface can just with four bootp servers at most.", mtWarning, mbOK);
        return;
    }
    if (table->RefuseWhileBusy({table->Request}))
        return;
    // The key goes into the row's instance: it must name an interface and an address.
    if (name.empty()) {
        ShowMessage("Interface Name is empty.");
        Edit1->setFocus();
        return;
    }
    const std::optional<uint32_t> server = ParseIpv4(Edit2->text().toStdString());
    if (!server) {
        ShowMessage("Please input a valid IP");
        Edit2->setFocus();
        return;
    }
    Edit2->setText(QString::fromStdString(FormatIpv4(*server)));
    table->ComboBox1->setCurrentIndex(ValidItem);
    if (!table->Write(table->Request, true))
        return;
    Edit1->clear();
    Edit2->clear();
    accept();
}
