#include "l3mgmtwindows/newbootpctrlformunit.h"

#include <algorithm>
#include <optional>

#include "classlib/dialogs.h"
#include "dedicated/ipv4text.h"
#include "dedicated/listquery.h"
#include "l3mgmtwindows/bootctrltableformunit.h"

TNewBootpCtrlForm* NewBootpCtrlForm = nullptr;

namespace {

constexpr int MaxServers = 4;
constexpr int ValidItem = 1; // of the state list {invalid, valid}
// The arcs of an object identifier that an SNMP message carries at most.
constexpr int MaxOidArcs = 128;
// The arcs of the instance besides the name's characters: its length and the server's
// four address parts.
constexpr int InstanceArcs = 1 + 4;

// The longest interface name whose instance still fits behind the State column's OID.
int MaxInterfaceName(const TWindowRequest& request)
{
    const std::string& column = request.Request.VarList.GetItem(TBOOTCtrlTableForm::State)->Oid;
    const int arcs = 1 + static_cast<int>(std::count(column.begin(), column.end(), '.'));
    return MaxOidArcs - arcs - InstanceArcs;
}

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
    // The name's characters are arcs of the instance: the whole object identifier has to
    // stay within what an SNMP message carries.
    if (Edit1->text().toLatin1().size() > MaxInterfaceName(*table->Request)) {
        ShowMessage("Interface Name is too long.");
        Edit1->setFocus();
        return;
    }
    // A relay forwards to a host (ipv4text.h): not 0.0.0.0, broadcast, loopback or multicast.
    const std::optional<uint32_t> server = ParseIpv4(Edit2->text().toStdString());
    if (!server || !IsHostAddress(*server)) {
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
