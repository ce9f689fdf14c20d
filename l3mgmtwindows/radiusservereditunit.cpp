#include "l3mgmtwindows/radiusservereditunit.h"

#include <QAbstractItemView>

#include "classlib/dialogs.h"
#include "dedicated/listquery.h"
#include "l3mgmtwindows/radiusserverunit.h"

TRadiusServerEditForm* RadiusServerEditForm = nullptr;

namespace {

// Items of the status box (the option list's order).
constexpr int ActiveItem = 0;
constexpr int CreateAndGoItem = 1;
constexpr int DestroyItem = 2;

constexpr char InvalidIp[] = "Please input a valid ip!";
constexpr char LongOctet[] = "Please input a valid ip";
constexpr char NoAddress[] = "0.0.0.0";
constexpr char DefaultAuthPort[] = "1812";
constexpr char DefaultAcctPort[] = "1813";
constexpr std::size_t MaxIpLength = 15;
constexpr char RemovedAgain[] = "The server's values were refused: the new row was removed again.";
constexpr char NotRemoved[] =
    "The server's values were refused and the new row could not be removed: delete it from the table.";

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// The value of an octet's digits, 256 for anything above 255.
int OctetValue(const std::string& digits)
{
    const std::size_t first = digits.find_first_not_of('0');
    if (first == std::string::npos)
        return 0;
    if (digits.size() - first > 3)
        return 256;
    const int value = std::stoi(digits.substr(first));
    return value > 255 ? 256 : value;
}

// A zero is refused when written with "00".
bool OctetAccepted(const std::string& digits)
{
    const int value = OctetValue(digits);
    if (value == 0)
        return digits.find("00") == std::string::npos;
    return value <= 255;
}

} // namespace

// ---- The address rules ------------------------------------------------------------------

TIpv4Verdict CheckRadiusIpSyntax(const std::string& text)
{
    if (text.empty() || text.size() > MaxIpLength)
        return Refuse(InvalidIp);
    int dots = 0;
    std::string digits;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (c == '.') {
            if (i == 0 || i + 1 == text.size() || !IsDigit(text[i + 1]))
                return Refuse(InvalidIp);
            if (digits.size() >= 4)
                return Refuse(LongOctet);
            if (!OctetAccepted(digits))
                return Refuse(InvalidIp);
            digits.clear();
            ++dots;
        } else if (IsDigit(c)) {
            digits += c;
        } else {
            return Refuse(InvalidIp);
        }
    }
    if (digits.empty() || !OctetAccepted(digits) || dots != 3)
        return Refuse(InvalidIp);
    return Accept();
}

TIpv4Verdict CheckRadiusIpRange(const std::string& text)
{
    if (text == "255.255.255.255")
        return Refuse("you can't input this ip address");
    const auto startsWith = [&text](int number) { return text.rfind(std::to_string(number), 0) == 0; };
    if (startsWith(127))
        return Refuse("you can't input ip address like 127.*.*.*");
    for (int first = 224; first <= 239; ++first)
        if (startsWith(first))
            return Refuse("IP address can not in class d");
    // Class E is 240 to 255 (a server is a host address, ipv4text.h).
    for (int first = 240; first <= 255; ++first)
        if (startsWith(first))
            return Refuse("IP address can not in class e");
    return Accept();
}

std::string RadiusIpText(const std::string& text)
{
    std::string out;
    std::string digits;
    for (const char c : text + ".") {
        if (c != '.') {
            digits += c;
            continue;
        }
        if (!out.empty())
            out += '.';
        out += std::to_string(OctetValue(digits));
        digits.clear();
    }
    return out;
}

// ---- The editor -------------------------------------------------------------------------

TRadiusServerEditForm::TRadiusServerEditForm(TRadiusServerForm* master) : TCompanionEditor(master)
{
    setupUi(this);
    ScaleForLargeFonts();
    Memo1->hide();
    OnClick(SetButton, &TRadiusServerEditForm::SetButtonClick);
    OnClick(CloseButton, &TRadiusServerEditForm::CloseButtonClick);
}

TRadiusServerForm* TRadiusServerEditForm::Table() const { return static_cast<TRadiusServerForm*>(MasterForm()); }

void TRadiusServerEditForm::showEvent(QShowEvent* event)
{
    // Each time the editor is shown, not on every activation: a message box closing must
    // not empty what the user typed.
    PrepareForMode();
    TCompanionEditor::showEvent(event);
}

void TRadiusServerEditForm::PrepareForMode()
{
    StatusComboBox->setEnabled(false);
    if (EditMode == EditModeValue) {
        IndexComboBox->setEnabled(false);
        return;
    }
    StatusComboBox->setCurrentIndex(CreateAndGoItem);
    IndexComboBox->setEnabled(true);
    IndexComboBox->setCurrentIndex(0);
    for (QLineEdit* edit : {IpEdit, KeyEdit, PortIndexEdit, AccountPortEdit})
        edit->clear();
}

void TRadiusServerEditForm::CloseButtonClick() { reject(); }

bool TRadiusServerEditForm::Refused(const TIpv4Verdict& verdict)
{
    if (verdict)
        return false;
    ShowMessage(verdict.Message);
    IpEdit->setFocus();
    return true;
}

bool TRadiusServerEditForm::CheckIpSyntax() { return !Refused(CheckRadiusIpSyntax(IpEdit->text().toStdString())); }

bool TRadiusServerEditForm::CheckIpRange() { return !Refused(CheckRadiusIpRange(IpEdit->text().toStdString())); }

bool TRadiusServerEditForm::CheckDuplicate()
{
    const QAbstractItemView* rows = Table()->ListView1;
    const auto orDefault = [](QLineEdit* edit, const char* fallback) {
        return edit->text().isEmpty() ? std::string(fallback) : edit->text().toStdString();
    };
    const std::string values[] = {orDefault(IpEdit, NoAddress), orDefault(KeyEdit, DefaultRadiusKey),
                                  orDefault(PortIndexEdit, DefaultAuthPort),
                                  orDefault(AccountPortEdit, DefaultAcctPort)};
    const char* const titles[] = {"IP Address", "Key", "Authentication Port", "Accounting Port"};
    for (int row = 0; row < RowCountOf(rows); ++row) {
        bool same = true;
        for (int i = 0; i < 4 && same; ++i)
            same = CellByTitle(rows, row, titles[i]) == values[i];
        if (same) {
            ShowMessage("the variable is already exist");
            return true;
        }
    }
    return false;
}

void TRadiusServerEditForm::SetButtonClick()
{
    TRadiusServerForm* table = Table();
    if (!table || !table->Request) {
        reject();
        return;
    }
    // One exchange at a time: a write never starts while a read or write is outstanding.
    if (table->RefuseWhileBusy({table->Request}))
        return;
    if (EditMode == AddModeValue)
        AddServer();
    else
        EditServer();
}

void TRadiusServerEditForm::AddServer()
{
    TRadiusServerForm* table = Table();
    TWindowRequest* request = table->Request;
    if (FindRowByCaption(table->ListView1, IndexComboBox->currentText().toStdString()) >= 0) {
        ShowMessage("Index is already exist!");
        IndexComboBox->setFocus();
        return;
    }
    if (!IpEdit->text().isEmpty()) {
        if (!CheckIpSyntax())
            return;
        IpEdit->setText(QString::fromStdString(RadiusIpText(IpEdit->text().toStdString())));
        if (!CheckIpRange())
            return;
    }
    if (CheckDuplicate())
        return;

    // The values that differ from the switch's defaults go in the second write; every
    // check of them runs now, before the first set creates the row.
    const auto leaveOutDefaults = [this](TColumnMask& mask) {
        const QString ip = IpEdit->text();
        if (ip.isEmpty() || ip == NoAddress)
            mask.LeaveOut(TRadiusServerForm::IpAddress);
        if (KeyEdit->text().isEmpty() || KeyEdit->text() == DefaultRadiusKey)
            mask.LeaveOut(TRadiusServerForm::Key);
        if (PortIndexEdit->text().isEmpty() || PortIndexEdit->text() == DefaultAuthPort)
            mask.LeaveOut(TRadiusServerForm::AuthPort);
        if (AccountPortEdit->text().isEmpty() || AccountPortEdit->text() == DefaultAcctPort)
            mask.LeaveOut(TRadiusServerForm::AcctPort);
    };
    {
        TColumnMask mask(request);
        leaveOutDefaults(mask);
        if (!table->CheckEdits(request))
            return;
    }

    // First write: createAndGo alone; the switch creates the row with its defaults.
    StatusComboBox->setCurrentIndex(CreateAndGoItem);
    bool sent = false;
    {
        TColumnMask mask(request);
        mask.LeaveOut({TRadiusServerForm::IpAddress, TRadiusServerForm::Key, TRadiusServerForm::AuthPort,
                       TRadiusServerForm::AcctPort});
        sent = table->Write(request, false);
    }
    if (!sent || !table->AwaitIdle(request) || request->LastWrite.Code != 0)
        return; // the failure is in the table window's memo; nothing else is sent

    // Second write, once the row exists: the values that differ from the defaults.
    StatusComboBox->setCurrentIndex(ActiveItem);
    sent = false;
    {
        TColumnMask mask(request);
        leaveOutDefaults(mask);
        table->Guarded(request, [&] { sent = table->Write(request, false); });
    }
    if (sent && !table->AwaitIdle(request))
        return;
    if (!sent || request->LastWrite.Code != 0) {
        // The switch took the row but not its values: a half-made server is not left
        // behind.
        StatusComboBox->setCurrentIndex(DestroyItem);
        sent = false;
        {
            TColumnMask mask(request);
            mask.Only({TRadiusServerForm::Index, TRadiusServerForm::Status});
            table->Guarded(request, [&] { sent = table->Write(request, false); });
        }
        if (sent && !table->AwaitIdle(request))
            return;
        ShowMessage(sent && request->LastWrite.Code == 0 ? RemovedAgain : NotRemoved);
    }
    StatusComboBox->setCurrentIndex(CreateAndGoItem);
    table->Read(request);
}

void TRadiusServerEditForm::EditServer()
{
    TRadiusServerForm* table = Table();
    TWindowRequest* request = table->Request;
    if (!IpEdit->text().isEmpty()) {
        if (!CheckIpRange() || !CheckIpSyntax())
            return;
        IpEdit->setText(QString::fromStdString(RadiusIpText(IpEdit->text().toStdString())));
        if (!CheckIpRange())
            return;
    }
    if (CheckDuplicate())
        return;
    bool sent = false;
    {
        TColumnMask mask(request);
        // Unchanged values are not written.
        const QAbstractItemView* rows = table->ListView1;
        const int row = FindRowByCaption(rows, IndexComboBox->currentText().toStdString());
        const std::pair<int, QLineEdit*> values[] = {{TRadiusServerForm::IpAddress, IpEdit},
                                                      {TRadiusServerForm::Key, KeyEdit},
                                                      {TRadiusServerForm::AuthPort, PortIndexEdit},
                                                      {TRadiusServerForm::AcctPort, AccountPortEdit}};
        const char* const titles[] = {"IP Address", "Key", "Authentication Port", "Accounting Port"};
        for (int i = 0; i < 4; ++i) {
            const auto [column, edit] = values[i];
            if ((row >= 0 && CellByTitle(rows, row, titles[i]) == edit->text().toStdString()) ||
                edit->text().isEmpty() || (column == TRadiusServerForm::IpAddress && edit->text() == NoAddress))
                mask.LeaveOut(column);
        }
        sent = table->Write(request, false);
    }
    if (sent && table->AwaitIdle(request))
        table->Read(request);
}
