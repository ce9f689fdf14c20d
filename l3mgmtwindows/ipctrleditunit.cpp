#include "l3mgmtwindows/ipctrleditunit.h"

#include "classlib/dialogs.h"
#include "dedicated/listquery.h"
#include "dedicated/numbertext.h"
#include "l3mgmtwindows/ipctrlunit.h"

TIPCtrlEdtForm* IPCtrlEdtForm = nullptr;

namespace {

// Items of the combo boxes (the option lists' order).
constexpr int SecondaryTrueItem = 0;
constexpr int SecondaryFalseItem = 1;
constexpr int StateActiveItem = 0;
constexpr int StateCreateAndGoItem = 2;

constexpr char InvalidAddress[] = "Please input valid IP Address.";
constexpr char InvalidMask[] = "Please input valid Subnet Mask.";

} // namespace

// ---- The interface rules --------------------------------------------------------------

TIpv4Verdict CheckInterfaceAddress(const std::string& address)
{
    // Four decimal parts 0 to 255; not all zeros, not all 255; not the loopback network;
    // classes A to C only (D, multicast, and E, 240 to 255, are refused).
    const TIpv4Scan scan = ScanIpv4(address);
    if (!scan.Valid() || address.size() > 16)
        return Refuse(InvalidAddress);
    const uint32_t value = scan.Address();
    if (value == 0 || value == 0xFFFFFFFFu || scan.Octets[0] == 127)
        return Refuse(InvalidAddress);
    const TIpv4Class cls = ClassOf(value);
    if (cls == TIpv4Class::D || cls == TIpv4Class::E)
        return Refuse(InvalidAddress);
    return Accept();
}

TIpv4Verdict CheckInterfaceMask(const std::string& mask)
{
    const std::optional<uint32_t> value = ParseIpv4(mask);
    if (!value || (*value != 0xFF000000u && *value != 0xFFFF0000u && *value != 0xFFFFFF00u))
        return Refuse(InvalidMask);
    return Accept();
}

TIpv4Verdict CheckNewSubnet(const std::string& address, const std::string& mask, const QAbstractItemView* interfaces)
{
    const std::optional<uint32_t> ip = ParseIpv4(address);
    const std::optional<uint32_t> bits = ParseIpv4(mask);
    if (!ip || !bits)
        return Refuse(InvalidAddress);
    for (int row = 0; row < RowCountOf(interfaces); ++row) {
        const std::optional<uint32_t> otherIp = ParseIpv4(CellByTitle(interfaces, row, "IP Address"));
        if (!otherIp)
            continue;
        // A row whose mask cannot be read stands for its address alone.
        const uint32_t otherMask = ParseIpv4(CellByTitle(interfaces, row, "Subnet Mask")).value_or(0xFFFFFFFFu);
        if (SubnetsOverlap(*ip, *bits, *otherIp, otherMask))
            return Refuse("There is an same interface, please modify IP or Subnet Mask!");
    }
    return Accept();
}

// ---- The editor -------------------------------------------------------------------------

TIPCtrlEdtForm::TIPCtrlEdtForm(TIpCtrlForm* master) : TCompanionEditor(master)
{
    setupUi(this);
    ScaleForLargeFonts();
    OnClick(btnSet, &TIPCtrlEdtForm::btnSetClick);
    OnClick(btnClose, &TIPCtrlEdtForm::btnCloseClick);
}

TIpCtrlForm* TIPCtrlEdtForm::Table() const { return static_cast<TIpCtrlForm*>(MasterForm()); }

void TIPCtrlEdtForm::showEvent(QShowEvent* event)
{
    PrepareForMode();
    TCompanionEditor::showEvent(event);
}

void TIPCtrlEdtForm::PrepareForMode()
{
    const bool add = EditModeValue == AddMode;
    for (QLineEdit* edit : {edtIPAddr, edtIndex, edtInterface, edtMask, edtVlan}) {
        if (add)
            edit->clear();
        edit->setEnabled(add);
    }
    if (add) {
        // A new interface starts with no choice: the user picks each one.
        for (QComboBox* combo : {cbxMode, cbxSecondary, cbxOper, cbxAdmin})
            combo->setCurrentIndex(-1);
    }
    cbxState->setCurrentIndex(add ? StateCreateAndGoItem : StateActiveItem);
    cbxState->setEnabled(false);
    btnSet->setText(add ? "Add" : "Edit");
}

void TIPCtrlEdtForm::btnCloseClick() { reject(); }

bool TIPCtrlEdtForm::Refused(const TIpv4Verdict& verdict)
{
    if (verdict)
        return false;
    ShowMessage(verdict.Message);
    return true;
}

bool TIPCtrlEdtForm::CheckAddressAndMask()
{
    const std::string address = edtIPAddr->text().toStdString();
    const std::string mask = edtMask->text().toStdString();
    return !Refused(CheckInterfaceAddress(address)) && !Refused(CheckInterfaceMask(mask)) &&
           !Refused(CheckNewSubnet(address, mask, Table()->ListView1));
}

bool TIPCtrlEdtForm::CheckIfIndex()
{
    const QAbstractItemView* rows = Table()->ListView1;
    if (RowCountOf(rows) == 0)
        return true;
    const int index = TextToInt(edtIndex->text().toStdString(), -1);
    if (index == -1) {
        ShowMessage("Please input If Index.");
        return false;
    }
    for (int row = 0; row < RowCountOf(rows); ++row)
        if (TextToInt(CellByTitle(rows, row, "IF Index"), -1) == index) {
            ShowMessage("Please input different If Index.");
            return false;
        }
    return true;
}

bool TIPCtrlEdtForm::CheckInterfaceName()
{
    const std::string name = edtInterface->text().toStdString();
    if (name.empty()) {
        ShowMessage("Please input Interface Name.");
        return false;
    }
    const QAbstractItemView* rows = Table()->ListView1;
    for (int row = 0; row < RowCountOf(rows); ++row)
        if (CellByTitle(rows, row, "Interface Name") == name) {
            ShowMessage("Please input different Interface Name.");
            return false;
        }
    return true;
}

bool TIPCtrlEdtForm::CheckVlanAndSecondary()
{
    if (cbxSecondary->currentIndex() < 0) {
        ShowMessage("Please choose Secondary.");
        return false;
    }
    const bool secondary = cbxSecondary->currentIndex() == SecondaryTrueItem;
    const std::string vlan = edtVlan->text().toStdString();
    const QAbstractItemView* rows = Table()->ListView1;
    int count = 0;
    for (int row = 0; row < RowCountOf(rows); ++row) {
        if (CellByTitle(rows, row, "VLAN Name") != vlan)
            continue;
        if (++count == 2) {
            ShowMessage("A VLAN can just create two interface.");
            return false;
        }
        if (!secondary) {
            ShowMessage("This VLAN has been used to create primary interface.\nPlease choose true in Secondary");
            return false;
        }
        if (CellByTitle(rows, row, "Secondary") == "true") {
            ShowMessage("Please input different VLAN Name.");
            return false;
        }
    }
    if (count == 0 && secondary) {
        ShowMessage("You should create primary interface at first.");
        return false;
    }
    return true;
}

bool TIPCtrlEdtForm::CheckChoices()
{
    const std::pair<QComboBox*, const char*> choices[] = {
        {cbxMode, "Please choose Mode"},
        {cbxSecondary, "Please choose Secondary"},
        {cbxOper, "Please choose Link State"},
        {cbxAdmin, "Please choose Admin"},
    };
    for (const auto& [combo, message] : choices)
        if (combo->currentIndex() < 0) {
            ShowMessage(message);
            return false;
        }
    return true;
}

bool TIPCtrlEdtForm::CheckAddFields()
{
    return CheckAddressAndMask() && CheckIfIndex() && CheckInterfaceName() && CheckVlanAndSecondary() &&
           CheckChoices();
}

bool TIPCtrlEdtForm::CheckForEdit() { return CheckChoices(); }

void TIPCtrlEdtForm::btnSetClick()
{
    TIpCtrlForm* table = Table();
    TWindowRequest* request = table ? table->Request : nullptr;
    if (!request) {
        reject();
        return;
    }
    if (EditModeValue == AddMode) {
        if (!CheckAddFields() || table->RefuseWhileBusy({request}))
            return;
        // The address and mask as the switch shows them ("010.1.1.1" is 10.1.1.1).
        edtIPAddr->setText(QString::fromStdString(FormatIpv4(*ParseIpv4(edtIPAddr->text().toStdString()))));
        edtMask->setText(QString::fromStdString(FormatIpv4(*ParseIpv4(edtMask->text().toStdString()))));
        // Every writable column goes out (State = createAndGo); the table is read after
        // the reply.
        if (table->Write(request, true))
            accept();
        return;
    }
    if (!CheckForEdit() || table->RefuseWhileBusy({request}))
        return;
    bool sent = false;
    {
        TColumnMask mask(request);
        mask.Only({TIpCtrlForm::IpAddress, TIpCtrlForm::AdminState});
        sent = table->Write(request, true, true);
    }
    if (sent)
        accept();
}
