#include "l2windows/protcolvlanunit.h"

#include "classlib/dialogs.h"
#include "configwin/optionlists.h"
#include "dedicated/formregistration.h"

TProtocolVlanForm* ProtocolVlanForm = nullptr;
TRQ_DEFINE_FORM(TProtocolVlanForm, ProtocolVlanForm)

namespace {

// The protocol VLAN table, index VLAN ID.
const VhSNMPObjectDesc ProtocolVlanTable[] = {
    {"1.3.6.1.4.1.32473.12.16.1.1.1.1", "VLAN ID", SNMP_SYNTAX_INTEGER, SNMP_ACCESS_NOTACCESS},
    {"1.3.6.1.4.1.32473.12.16.1.1.1.2", "Name", SNMP_SYNTAX_DISPLAYSTR, SNMP_ACCESS_READWRITE},
    {"1.3.6.1.4.1.32473.12.16.1.1.1.3", "Protocol Type", SNMP_SYNTAX_INTEGER, SNMP_ACCESS_READWRITE,
     &VlanProtocolTypeList},
    {"1.3.6.1.4.1.32473.12.16.1.1.1.4", "Advertisement", SNMP_SYNTAX_INTEGER, SNMP_ACCESS_READWRITE,
     &EnabledDisabledList},
    {"1.3.6.1.4.1.32473.12.16.1.1.1.5", "User Defined Protocol", SNMP_SYNTAX_INTEGER, SNMP_ACCESS_READWRITE},
    {"1.3.6.1.4.1.32473.12.16.1.1.1.6", "Encap Type", SNMP_SYNTAX_INTEGER, SNMP_ACCESS_READWRITE,
     &EthernetLlcSnapList},
    {"1.3.6.1.4.1.32473.12.16.1.1.1.7", "Row Status", SNMP_SYNTAX_INTEGER, SNMP_ACCESS_READWRITE, &RowStatusList},
    {nullptr},
};

enum Column { VlanId, VlanName, Protocol, Advert, UserDefined, EncapType, RowState };

// Items of the Row Status combo box (the option list's order).
constexpr int CreateAndGoItem = 3;
constexpr int DestroyItem = 5;

const char* const UserDefinedProtocol = "protocol-userDefined";

bool ShowsValue(const QComboBox* combo)
{
    const QString text = combo->currentText();
    return !text.isEmpty() && text != QLatin1String("0");
}

void FocusIfPossible(QWidget* control)
{
    if (control->isEnabled() && control->isVisible())
        control->setFocus();
}

} // namespace

TProtocolVlanForm::TProtocolVlanForm(QWidget* owner) : TDedicatedForm(owner)
{
    setupUi(this);
    ScaleForLargeFonts();
    OnClick(Get, &TProtocolVlanForm::GetClick);
    OnClick(Add, &TProtocolVlanForm::AddClick);
    OnClick(Edit, &TProtocolVlanForm::EditClick);
    OnClick(Delete, &TProtocolVlanForm::DeleteClick);
    OnChange(ProtocolType, &TProtocolVlanForm::ProtocolTypeChange);
}

void TProtocolVlanForm::FormCreate()
{
    SetMessageTarget(StatusBar1);
    ProtocolVlanRequest = MakeRequest(ProtocolVlanTable, MVT_UMV, 1, true);
    AttachList(ProtocolVlanRequest, ListView1, {{Index}, {Edit, Delete}}, &TProtocolVlanForm::ListView1Click);
    ProtocolVlanRequest->AddControlsFmt(VlanId, "%i{n1x4094l4}", Index);
    ProtocolVlanRequest->AddControlsFmt(VlanName, "%s{l32}", Name);
    ProtocolVlanRequest->AddControl(Protocol, ProtocolType);
    ProtocolVlanRequest->AddControl(Advert, Advertisement);
    ProtocolVlanRequest->AddControlsFmt(UserDefined, "%u{n0x65535l5}", UserProtocol);
    ProtocolVlanRequest->AddControl(EncapType, Encap);
    ProtocolVlanRequest->AddControl(RowState, RowStatus);
    ShowRowCount(ListView1, StaticText1);
    for (QComboBox* combo : {ProtocolType, Advertisement, Encap, RowStatus})
        combo->setCurrentIndex(-1);
    Guarded([this] { Read(ProtocolVlanRequest); });
    NoRowState();
}

void TProtocolVlanForm::NoRowState()
{
    Edit->setEnabled(false);
    Delete->setEnabled(false);
    Index->setEnabled(true);
    Add->setEnabled(true);
    ClearEditors();
    ProtocolTypeChange();
}

void TProtocolVlanForm::ClearEditors()
{
    Index->clear();
    Name->clear();
    UserProtocol->clear();
    if (ListView1->topLevelItemCount() == 0)
        StaticText1->setText("0");
}

void TProtocolVlanForm::ProtocolTypeChange()
{
    const bool userDefined = ProtocolType->currentText() == QLatin1String(UserDefinedProtocol);
    UserProtocol->setEnabled(userDefined);
    Encap->setEnabled(userDefined);
}

void TProtocolVlanForm::ListView1Click()
{
    Add->setEnabled(SelectedRow(ListView1) < 0);
    ProtocolTypeChange();
}

void TProtocolVlanForm::GetClick()
{
    if (!Idle({ProtocolVlanRequest}))
        return;
    Guarded([this] { Read(ProtocolVlanRequest); });
    NoRowState();
}

void TProtocolVlanForm::LeaveOutOptional(TColumnMask& mask)
{
    if (Name->text().isEmpty())
        mask.LeaveOut(VlanName);
    mask.LeaveOut({UserDefined, EncapType});
    if (!ShowsValue(ProtocolType)) {
        mask.LeaveOut(Protocol);
    } else if (ProtocolType->currentText() == QLatin1String(UserDefinedProtocol)) {
        if (!UserProtocol->text().isEmpty())
            mask.Include(UserDefined);
        if (ShowsValue(Encap))
            mask.Include(EncapType);
    }
    if (Advertisement->currentText().isEmpty())
        mask.LeaveOut(Advert);
}

void TProtocolVlanForm::WriteFrame(const std::function<void(TColumnMask&)>& leaveOut)
{
    Guarded([&] {
        {
            TColumnMask mask(ProtocolVlanRequest);
            leaveOut(mask);
            if (!Write(ProtocolVlanRequest, false))
                return;
        }
        Read(ProtocolVlanRequest);
    });
    NoRowState();
}

void TProtocolVlanForm::AddClick()
{
    if (RefuseWhileBusy({ProtocolVlanRequest}))
        return;
    if (Index->text().isEmpty()) {
        ShowMessage("Index must be set.");
        FocusIfPossible(Index);
        return;
    }
    for (int row = 0; row < ListView1->topLevelItemCount(); ++row) {
        if (ListView1->topLevelItem(row)->text(0) == Index->text()) {
            ShowMessage("There is already a record with the same Index. Please modified it.");
            FocusIfPossible(Index);
            return;
        }
    }
    if (RowStatus->currentIndex() != CreateAndGoItem) {
        ShowMessage("Row State must be createAndGo.");
        FocusIfPossible(RowStatus);
        return;
    }
    WriteFrame([this](TColumnMask& mask) { LeaveOutOptional(mask); });
}

void TProtocolVlanForm::EditClick()
{
    if (RefuseWhileBusy({ProtocolVlanRequest}))
        return;
    if (Index->text().isEmpty()) {
        ShowMessage("Index must be set.");
        return;
    }
    if (RowStatus->currentIndex() == DestroyItem) {
        WriteFrame([](TColumnMask& mask) { mask.LeaveOut({Protocol, Advert, UserDefined, EncapType}); });
        return;
    }
    // A Row Status the combo box does not show is left out by the binding.
    WriteFrame([this](TColumnMask& mask) { LeaveOutOptional(mask); });
}

void TProtocolVlanForm::DeleteClick()
{
    if (RefuseWhileBusy({ProtocolVlanRequest}))
        return;
    RowStatus->setCurrentIndex(DestroyItem);
    WriteFrame([](TColumnMask& mask) { mask.LeaveOut({VlanName, Protocol, Advert, UserDefined, EncapType}); });
}
