#include "l3mgmtwindows/serverinfounit.h"

#include "classlib/dialogs.h"
#include "configwin/optionlists.h"
#include "dedicated/formregistration.h"
#include "dedicated/ipv4text.h"
#include "dedicated/listquery.h"
#include "dedicated/rowdelete.h"

TServerInformationForm* ServerInformationForm = nullptr;
TRQ_DEFINE_FORM(TServerInformationForm, ServerInformationForm)

namespace {

// The AAA server host table, indexed by the server's address and protocol.
const VhSNMPObjectDesc ServerInformationTable[] = {
    {"1.3.6.1.4.1.32473.12.5.10.1.1", "Server IP", SNMP_SYNTAX_IPADDRESS, SNMP_ACCESS_NOTACCESS},
    {"1.3.6.1.4.1.32473.12.5.10.1.2", "Server Auth Protocol", SNMP_SYNTAX_INTEGER, SNMP_ACCESS_NOTACCESS,
     &AuthServerType4List},
    {"1.3.6.1.4.1.32473.12.5.10.1.3", "Server Auth Port", SNMP_SYNTAX_INTEGER, SNMP_ACCESS_READWRITE},
    {"1.3.6.1.4.1.32473.12.5.10.1.4", "Server Auth Key", SNMP_SYNTAX_DISPLAYSTR, SNMP_ACCESS_READWRITE},
    {"1.3.6.1.4.1.32473.12.5.10.1.5", "Server Timeout", SNMP_SYNTAX_INTEGER, SNMP_ACCESS_READWRITE},
    {"1.3.6.1.4.1.32473.12.5.10.1.6", "Server Retry Count", SNMP_SYNTAX_INTEGER, SNMP_ACCESS_READWRITE},
    {"1.3.6.1.4.1.32473.12.5.10.1.7", "Server Row Status", SNMP_SYNTAX_INTEGER, SNMP_ACCESS_READWRITE, &RowStatusList},
    {nullptr},
};

constexpr char NoServerIp[] = "Server IP must be set.";
constexpr char NoProtocol[] = "Protocol must be set.";
constexpr char BadServerIp[] = "Please input a valid Server IP.";

} // namespace

TServerInformationForm::TServerInformationForm(QWidget* owner) : TDedicatedForm(owner)
{
    setupUi(this);
    ScaleForLargeFonts();
    // The window's own caption; the menu handler replaces it before the window shows.
    SetCaption("Server Information Table: ");
    OnClick(GetButton, &TServerInformationForm::GetButtonClick);
    OnClick(EditButton, &TServerInformationForm::EditButtonClick);
    OnClick(AddButton, &TServerInformationForm::AddButtonClick);
    OnClick(DeleteButton, &TServerInformationForm::DeleteButtonClick);
    EditButton->setEnabled(false);
    DeleteButton->setEnabled(false);
}

void TServerInformationForm::FormCreate()
{
    SetMessageTarget(StatusPanel0(StatusBar1));
    ShowRowCount(ListView1, Static);
    try {
        Request = MakeRequest(ServerInformationTable, MVT_UMV, 2, true);
        AttachList(Request, ListView1, {}, &TServerInformationForm::ListView1Click);
        Request->AddControlsFmt(ServerIp, "%s{l16}", IPEdit);
        Request->AddControl(Protocol, ProtocolComboBox);
        Request->AddControlsFmt(Port, "%i{n1x65535l5}", PortEdit);
        Request->AddControlsFmt(Key, "%s{l254}", KeyEdit);
        Request->AddControlsFmt(Timeout, "%i{n1x255}", TimeoutEdit);
        Request->AddControlsFmt(Retry, "%i{n1x255}", RetryCEdit);
        Request->AddControl(RowStatus, RowComboBox);
        ClearEditors();
        ProtocolComboBox->setCurrentIndex(-1); // the user chooses the protocol
        RowComboBox->setCurrentIndex(CreateAndGoItem);
        EditButton->setEnabled(false);
        DeleteButton->setEnabled(false);
        IPEdit->setEnabled(true);
        ProtocolComboBox->setEnabled(true);
        AddButton->setEnabled(true);
        Read(Request);
    } catch (const std::exception& e) {
        ShowText(e.what());
    }
}

// ---- Editor states ------------------------------------------------------------------------

void TServerInformationForm::ClearEditors()
{
    for (QLineEdit* edit : {IPEdit, PortEdit, KeyEdit, TimeoutEdit, RetryCEdit})
        edit->clear();
    if (RowCountOf(ListView1) == 0)
        Static->setText("0");
}

void TServerInformationForm::Reset()
{
    if (Closing())
        return;
    ListView1->clearSelection();
    EditButton->setEnabled(false);
    DeleteButton->setEnabled(false);
    IPEdit->setEnabled(true);
    ProtocolComboBox->setEnabled(true);
    AddButton->setEnabled(true);
    ClearEditors();
}

void TServerInformationForm::Failed(const std::exception& e)
{
    Reset();
    ShowText(e.what());
}

void TServerInformationForm::ListView1Click()
{
    const bool selected = SelectedRow(ListView1) >= 0;
    EditButton->setEnabled(selected);
    DeleteButton->setEnabled(selected);
    IPEdit->setEnabled(!selected);
    ProtocolComboBox->setEnabled(!selected);
    AddButton->setEnabled(!selected);
}

bool TServerInformationForm::CheckKeys()
{
    if (IPEdit->text().isEmpty()) {
        ShowMessage(NoServerIp);
        IPEdit->setFocus();
        return false;
    }
    if (ProtocolComboBox->currentText().isEmpty()) {
        ShowMessage(NoProtocol);
        ProtocolComboBox->setFocus();
        return false;
    }
    // The address becomes the row's instance: only a dotted quad.
    const std::optional<uint32_t> address = ParseIpv4(IPEdit->text().toStdString());
    if (!address) {
        ShowMessage(BadServerIp);
        IPEdit->setFocus();
        return false;
    }
    IPEdit->setText(QString::fromStdString(FormatIpv4(*address)));
    return true;
}

void TServerInformationForm::LeaveOutEmpty(TColumnMask& mask) const
{
    const std::pair<int, QLineEdit*> values[] = {{Port, PortEdit}, {Key, KeyEdit}, {Timeout, TimeoutEdit},
                                                  {Retry, RetryCEdit}};
    for (const auto& [column, edit] : values)
        if (edit->text().isEmpty())
            mask.LeaveOut(column);
}

// ---- Handlers -----------------------------------------------------------------------------

void TServerInformationForm::GetButtonClick()
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

void TServerInformationForm::AddButtonClick()
{
    if (!Request || RefuseWhileBusy({Request}) || !CheckKeys())
        return;
    // A new server is a host (ipv4text.h); a listed one is edited as the switch has it.
    if (!IsHostAddress(*ParseIpv4(IPEdit->text().toStdString()))) {
        ShowMessage(BadServerIp);
        IPEdit->setFocus();
        return;
    }
    const std::string ip = IPEdit->text().toStdString();
    const std::string protocol = ProtocolComboBox->currentText().toStdString();
    for (int row = 0; row < RowCountOf(ListView1); ++row)
        if (ListView1->topLevelItem(row)->text(0).toStdString() == ip &&
            CellByTitle(ListView1, row, "Server Auth Protocol") == protocol) {
            ShowMessage("Has already a record with the same Server IP and Protocol. Please change Server IP or "
                        "Protocol.");
            IPEdit->setFocus();
            return;
        }
    if (RowComboBox->currentIndex() != CreateAndGoItem) {
        ShowMessage("Row State must be createAndGo.");
        RowComboBox->setFocus();
        return;
    }
    try {
        {
            TColumnMask mask(Request);
            LeaveOutEmpty(mask);
            Write(Request, false);
        }
        Read(Request);
        Reset();
    } catch (const std::exception& e) {
        Failed(e);
    }
}

void TServerInformationForm::EditButtonClick()
{
    if (!Request || RefuseWhileBusy({Request}) || !CheckKeys())
        return;
    if (RowComboBox->currentIndex() == DestroyItem) {
        DeleteSelected();
        return;
    }
    try {
        {
            // The filled values of the selected row; never its row status.
            TColumnMask mask(Request);
            LeaveOutEmpty(mask);
            mask.LeaveOut(RowStatus);
            Write(Request, false, true);
        }
        Read(Request);
        Reset();
    } catch (const std::exception& e) {
        Failed(e);
    }
}

void TServerInformationForm::DeleteButtonClick()
{
    if (!Request || RefuseWhileBusy({Request}))
        return;
    DeleteSelected();
}

void TServerInformationForm::DeleteSelected()
{
    if (SelectedRow(ListView1) < 0)
        return;
    try {
        // The row status alone, destroy, for the selected row's address and protocol.
        DeleteSelectedRow(*this, Request, RowStatus, RowComboBox);
        Reset();
    } catch (const std::exception& e) {
        Failed(e);
    }
}
