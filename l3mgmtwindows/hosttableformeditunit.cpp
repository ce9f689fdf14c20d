#include "l3mgmtwindows/hosttableformeditunit.h"

#include <optional>

#include "classlib/dialogs.h"
#include "dedicated/numbertext.h"
#include "l3mgmtwindows/hosttableformunit.h"

THostTableEditForm* HostTableEditForm = nullptr;

namespace {

constexpr int CreateAndGoItem = 1; // of the status list {active, createAndGo, destroy}
constexpr std::size_t MaxDottedLength = 15;

} // namespace

// ---- The address rules ------------------------------------------------------------------

TIpv4Verdict CheckHostAddress(const std::string& text)
{
    if (text == "255.255.255.255" || text == "0.0.0.0")
        return Refuse("you can't input this IP address");
    if (text.rfind("127", 0) == 0)
        return Refuse("you can't input ip address like 127.*.*.*");
    const std::size_t dot = text.find('.');
    if (dot == std::string::npos)
        return Refuse("Please input a valid ip");
    const int first = TextToInt(text.substr(0, dot), -1);
    if (first < 0)
        return Refuse("Please input a valid ip");
    // The host policy (ipv4text.h): neither 0.*, nor class D or E (224 to 255).
    if (const std::optional<uint32_t> address = ParseIpv4(text); address && !IsHostAddress(*address))
        return Refuse("Please input a valid ip");
    if (first >= 224)
        return Refuse("Please input a valid ip");
    return Accept();
}

TIpv4Verdict CheckDottedQuad(const std::string& text)
{
    if (text.size() > MaxDottedLength)
        return Refuse("Please input a valid IP");
    const TIpv4Scan scan = ScanIpv4(text);
    if (!scan.Valid())
        return Refuse("Please input a valid IP");
    for (int part = 0; part < 4; ++part)
        if (scan.Value(part) == 0 && scan.Parts[static_cast<std::size_t>(part)].size() > 1)
            return Refuse("Please input a valid IP");
    return Accept();
}

// ---- The editor -------------------------------------------------------------------------

THostTableEditForm::THostTableEditForm(THostTableForm* master) : TCompanionEditor(master)
{
    setupUi(this);
    ScaleForLargeFonts();
    OnClick(SetButton, &THostTableEditForm::SetButtonClick);
    OnClick(CheckAllButton, &THostTableEditForm::CheckAllButtonClick);
    OnClick(ClearButton, &THostTableEditForm::ClearButtonClick);
    OnClick(CloseButton, &THostTableEditForm::CloseButtonClick);
    for (QCheckBox* box : {CheckBox1, CheckBox2, CheckBox5}) {
        box->setChecked(true);
        box->setEnabled(false);
    }
}

THostTableForm* THostTableEditForm::Table() const { return static_cast<THostTableForm*>(MasterForm()); }

void THostTableEditForm::showEvent(QShowEvent* event)
{
    PrepareForMode();
    TCompanionEditor::showEvent(event);
}

void THostTableEditForm::PrepareForMode()
{
    const bool add = Mode == AddMode;
    for (QCheckBox* box : {CheckBox1, CheckBox2, CheckBox5})
        box->setVisible(add);
    CheckBox3->setChecked(false);
    CheckBox4->setChecked(false);
    IpEdit->setEnabled(add);
    TypeEdit->setEnabled(false);
    StatusComboBox->setEnabled(false);
    if (add) {
        StatusComboBox->setCurrentIndex(CreateAndGoItem);
        IpEdit->clear();
        MetricEdit->clear();
        AreaIdEdit->clear();
        // A new host has type of service 0, not the last selected row's.
        TypeEdit->setText("0");
    }
}

void THostTableEditForm::CheckAllButtonClick()
{
    CheckBox3->setChecked(true);
    CheckBox4->setChecked(true);
}

void THostTableEditForm::ClearButtonClick()
{
    CheckBox3->setChecked(false);
    CheckBox4->setChecked(false);
}

void THostTableEditForm::CloseButtonClick() { reject(); }

bool THostTableEditForm::Fail(const std::string& message, QWidget* focus)
{
    if (!message.empty())
        ShowMessage(message);
    if (focus && focus->isEnabled() && focus->isVisible())
        focus->setFocus();
    return false;
}

bool THostTableEditForm::CheckTicked(const char* metricMessage)
{
    if (CheckBox3->isChecked() && MetricEdit->text().isEmpty())
        return Fail(metricMessage, MetricEdit);
    if (CheckBox4->isChecked()) {
        if (AreaIdEdit->text().isEmpty())
            return Fail("you have choosed the AreaID,it can't be empty", AreaIdEdit);
        const TIpv4Verdict verdict = CheckDottedQuad(AreaIdEdit->text().toStdString());
        if (!verdict)
            return Fail(verdict.Message, AreaIdEdit);
    }
    return true;
}

void THostTableEditForm::WriteHost()
{
    THostTableForm* table = Table();
    TWindowRequest* request = table->Request;
    // The addresses as the switch shows them ("010.1.1.1" is 10.1.1.1).
    for (QLineEdit* edit : {IpEdit, AreaIdEdit})
        if (const std::optional<uint32_t> address = ParseIpv4(edit->text().toStdString()))
            edit->setText(QString::fromStdString(FormatIpv4(*address)));
    TColumnMask mask(request);
    if (!CheckBox3->isChecked())
        mask.LeaveOut(THostTableForm::Metric);
    if (!CheckBox4->isChecked())
        mask.LeaveOut(THostTableForm::AreaId);
    table->Write(request, true);
}

void THostTableEditForm::SetButtonClick()
{
    THostTableForm* table = Table();
    if (!table || !table->Request) {
        reject();
        return;
    }
    TWindowRequest* request = table->Request;
    if (Mode == EditMode) {
        if (!request->IsIdle()) {
            ShowMessage("Get data not completed, please wait");
            return;
        }
        if (!CheckTicked("you have choosed the Metric, it can't be empty"))
            return;
    } else {
        if (!request->IsIdle())
            return;
        const std::string address = IpEdit->text().toStdString();
        if (address.empty()) {
            Fail("IP Address can't be empty", IpEdit);
            return;
        }
        for (const TIpv4Verdict& verdict : {CheckHostAddress(address), CheckDottedQuad(address)})
            if (!verdict) {
                Fail(verdict.Message, IpEdit);
                return;
            }
        if (!CheckTicked("you have choosed the Metric,it can't be empty"))
            return;
    }
    WriteHost();
}
