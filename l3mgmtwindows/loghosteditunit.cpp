#include "l3mgmtwindows/loghosteditunit.h"

#include "classlib/dialogs.h"
#include "dedicated/listquery.h"
#include "dedicated/numbertext.h"
#include "l3mgmtwindows/systemloghostunit.h"

TLogHostEditForm* LogHostEditForm = nullptr;

namespace {

// Items of the drop-down lists (the option lists' order).
constexpr int RowActiveItem = 0;
constexpr int RowCreateAndGoItem = 1;
constexpr int FirstItem = 0;

constexpr char AddressTitle[] = "Server IP Address";
constexpr char PortMessage[] = "The range of UDP Port for syslog is 514 or 6000-65535.";
constexpr char AddressNeeded[] = "IP Address should be set.";
constexpr char AddressInvalid[] = "IP Address in not valid.";
constexpr char AddressUsed[] = "IP Address must be different.";
constexpr char IndexNeeded[] = "Index is needed.";

// The address as the switch shows it ("010.1.1.1" is 10.1.1.1); the text itself when it
// is no address.
std::string Canonical(const std::string& text)
{
    const std::optional<uint32_t> address = ParseIpv4(text);
    return address ? FormatIpv4(*address) : text;
}

} // namespace

// ---- The rules ----------------------------------------------------------------------------

bool IsSyslogUdpPort(const std::string& text)
{
    const int port = TextToInt(text, -1);
    return port == 514 || (port >= 6000 && port <= 65535);
}

TIpv4Verdict CheckSyslogAddress(const std::string& text)
{
    if (text.empty() || text.size() > 16)
        return Refuse(AddressInvalid);
    const TIpv4Scan scan = ScanIpv4(text);
    if (!scan.Valid())
        return Refuse(AddressInvalid);
    const uint32_t address = scan.Address();
    // In the order of the server's address categories: all zeros is accepted (an edit
    // leaves the address as it is with it), the broadcast address and the loopback
    // network are not; classes A to C are, D (multicast) and E (240-255) are not.
    if (address == 0)
        return Accept();
    if (address == 0xFFFFFFFFu || scan.Octets[0] == 127)
        return Refuse(AddressInvalid);
    const TIpv4Class cls = ClassOf(address);
    if (cls == TIpv4Class::D || cls == TIpv4Class::E)
        return Refuse(AddressInvalid);
    return Accept();
}

// ---- The editor -----------------------------------------------------------------------------

TLogHostEditForm::TLogHostEditForm(TSystemLogHostForm* master) : TCompanionEditor(master)
{
    setupUi(this);
    ScaleForLargeFonts();
    OnClick(SetButton, &TLogHostEditForm::SetButtonClick);
    OnClick(CloseButton, &TLogHostEditForm::CloseButtonClick);
}

TSystemLogHostForm* TLogHostEditForm::Table() const { return static_cast<TSystemLogHostForm*>(MasterForm()); }

void TLogHostEditForm::showEvent(QShowEvent* event)
{
    const bool add = mode == AddMode;
    setWindowTitle(DedicatedCaption("Log Host Edit: ") + (add ? " (Add)" : ""));
    cbxIndex->setEnabled(add);
    RowComboBox->setEnabled(add);
    if (add) {
        cbxIndex->setCurrentIndex(-1);
        FacComboBox->setCurrentIndex(FirstItem);
        SevComboBox->setCurrentIndex(FirstItem);
        PortEdit->clear();
        IPAddrEdit->clear();
        StateComboBox->setCurrentIndex(FirstItem);
        RowComboBox->setCurrentIndex(RowActiveItem);
    }
    TCompanionEditor::showEvent(event);
}

void TLogHostEditForm::CloseButtonClick() { reject(); }

bool TLogHostEditForm::CheckUdpPort() const { return IsSyslogUdpPort(PortEdit->text().toStdString()); }

bool TLogHostEditForm::CheckIpAddress() const
{
    return static_cast<bool>(CheckSyslogAddress(IPAddrEdit->text().toStdString()));
}

bool TLogHostEditForm::Refuse(QWidget* focus, const char* message)
{
    ShowMessage(message);
    if (focus && focus->isEnabled() && focus->isVisible())
        focus->setFocus();
    return false;
}

bool TLogHostEditForm::AddressUsedByAnotherRow(const std::string& address, int ownRow) const
{
    const QAbstractItemView* rows = Table()->ListView1;
    for (int row = 0; row < RowCountOf(rows); ++row)
        if (row != ownRow && Canonical(CellByTitle(rows, row, AddressTitle)) == address)
            return true;
    return false;
}

void TLogHostEditForm::SetButtonClick()
{
    if (!Table() || !Table()->Request)
        return;
    if (mode == AddMode)
        AddRow();
    else
        EditRow();
}

// Every field the user left empty stays out of the set.
void TLogHostEditForm::LeaveOutUnfilled(TColumnMask& mask) const
{
    if (FacComboBox->currentIndex() < 0)
        mask.LeaveOut(TSystemLogHostForm::Facility);
    if (SevComboBox->currentIndex() < 0)
        mask.LeaveOut(TSystemLogHostForm::Severity);
    if (PortEdit->text().isEmpty())
        mask.LeaveOut(TSystemLogHostForm::UdpPort);
    if (StateComboBox->currentIndex() < 0)
        mask.LeaveOut(TSystemLogHostForm::State);
}

void TLogHostEditForm::AddRow()
{
    TSystemLogHostForm* table = Table();
    TWindowRequest* request = table->Request;
    if (cbxIndex->currentIndex() < 0) {
        Refuse(cbxIndex, IndexNeeded);
        return;
    }
    if (!PortAndAddressPass())
        return;
    const std::string address = Canonical(IPAddrEdit->text().toStdString());
    if (AddressUsedByAnotherRow(address, -1)) {
        Refuse(IPAddrEdit, AddressUsed);
        return;
    }
    if (RowComboBox->currentIndex() != RowCreateAndGoItem) {
        Refuse(RowComboBox, "State should be createAndGo.");
        return;
    }
    if (table->RefuseWhileBusy({request}))
        return;
    IPAddrEdit->setText(QString::fromStdString(address));
    // The index is the instance; every field the user left empty stays out, the row
    // status (createAndGo) goes. The table is read after the reply.
    TColumnMask mask(request);
    LeaveOutUnfilled(mask);
    table->Write(request, true);
}

bool TLogHostEditForm::PortAndAddressPass()
{
    if (!PortEdit->text().isEmpty() && !CheckUdpPort())
        return Refuse(PortEdit, PortMessage);
    if (IPAddrEdit->text().isEmpty())
        return Refuse(IPAddrEdit, AddressNeeded);
    if (!CheckIpAddress())
        return Refuse(IPAddrEdit, AddressInvalid);
    return true;
}

void TLogHostEditForm::EditRow()
{
    TSystemLogHostForm* table = Table();
    TWindowRequest* request = table->Request;
    if (!PortAndAddressPass())
        return;
    const QAbstractItemView* rows = table->ListView1;
    const int row = FindRowByCaption(rows, cbxIndex->currentText().toStdString());
    if (row < 0) {
        if (RowCountOf(rows) > 0)
            Refuse(cbxIndex, IndexNeeded);
        return;
    }
    const std::string address = Canonical(IPAddrEdit->text().toStdString());
    if (address != Canonical(CellByTitle(rows, row, AddressTitle)) && AddressUsedByAnotherRow(address, row)) {
        Refuse(IPAddrEdit, AddressUsed);
        return;
    }
    if (table->RefuseWhileBusy({request}))
        return;
    IPAddrEdit->setText(QString::fromStdString(address));
    // 0.0.0.0 leaves the server's address as it is; the row status is never written here.
    TColumnMask mask(request);
    LeaveOutUnfilled(mask);
    if (address == "0.0.0.0")
        mask.LeaveOut(TSystemLogHostForm::IpAddress);
    mask.LeaveOut(TSystemLogHostForm::RowStatus);
    table->Write(request, true);
}
