#include "l3mgmtwindows/routeredistributformunit.h"

#include <optional>
#include <utility>

#include <QComboBox>
#include <QRadioButton>

#include "classlib/dialogs.h"
#include "classlib/events.h"
#include "configwin/optionlists.h"
#include "dedicated/formregistration.h"
#include "dedicated/numbertext.h"
#include "dedicated/rowdelete.h"
#include "platform/exception.h"

TRouteRedistributForm* RouteRedistributForm = nullptr;
TRQ_DEFINE_FORM(TRouteRedistributForm, RouteRedistributForm)

namespace {

// The product MIB's route redistribution table; the instance is source and destination
// protocol.
const VhSNMPObjectDesc RouteRedistributionTable[] = {
    {"1.3.6.1.4.1.32473.11.78.1.3.5.1.1", "Source Protocol", SNMP_SYNTAX_INTEGER, SNMP_ACCESS_NOTACCESS,
     &RipOspfStaticList},
    {"1.3.6.1.4.1.32473.11.78.1.3.5.1.2", "Destination Protocol", SNMP_SYNTAX_INTEGER, SNMP_ACCESS_NOTACCESS,
     &RipOspfList},
    {"1.3.6.1.4.1.32473.11.78.1.3.5.1.3", "Type", SNMP_SYNTAX_INTEGER, SNMP_ACCESS_READWRITE, &AllInternalExternalList},
    {"1.3.6.1.4.1.32473.11.78.1.3.5.1.4", "Metric", SNMP_SYNTAX_INTEGER, SNMP_ACCESS_READWRITE},
    {"1.3.6.1.4.1.32473.11.78.1.3.5.1.5", "Row Status", SNMP_SYNTAX_INTEGER, SNMP_ACCESS_READWRITE, &RowStatusList},
    {nullptr},
};

constexpr int RadioButtons = 10;
constexpr int MetricMaxLength = 8;
constexpr int CreateAndGoItem = 3; // of the RowStatus list

constexpr char RipBounds[] = "[0..16]";
constexpr char OspfBounds[] = "[0..16777214]";

// Which Type buttons a protocol pair leaves enabled (buttons 1..10, bit n - 1); 0 for a
// pair that changes nothing.
unsigned EnabledTypeButtons(const std::string& destination, const std::string& source, const char*& bounds)
{
    constexpr unsigned all = (1u << RadioButtons) - 1;
    auto bit = [](int n) { return 1u << (n - 1); };
    if (destination == "rip") {
        if (source == "ospf") {
            bounds = RipBounds;
            return all & ~(bit(7) | bit(8)); // not type-1, type-2
        }
        if (source == "static" || source == "local") {
            bounds = RipBounds;
            return bit(2); // all
        }
        return 0;
    }
    if (destination == "ospf") {
        bounds = OspfBounds;
        return bit(7) | bit(8);
    }
    return 0;
}

} // namespace

std::string RedistributionMetricRefusal(const std::string& destination, long long metric)
{
    if (destination == "rip" && (metric < 0 || metric > 16))
        return "Metric out of Bound [0..16]";
    if (destination == "ospf" && (metric < 0 || metric > 16777214))
        return "Metric out of Bound [0..16777214]";
    return {};
}

TRouteRedistributForm::TRouteRedistributForm(QWidget* owner) : TDedicatedForm(owner)
{
    setupUi(this);
    ScaleForLargeFonts();
    OnClick(RefreshBtn, &TRouteRedistributForm::RefreshBtnClick);
    OnClick(EditBtn, &TRouteRedistributForm::EditBtnClick);
    OnClick(AddBtn, &TRouteRedistributForm::AddBtnClick);
    OnClick(DeleteBtn, &TRouteRedistributForm::DeleteBtnClick);
    OnClick(CloseBtn, &TRouteRedistributForm::CloseBtnClick);
    OnChange(ComboBox1, &TRouteRedistributForm::ComboBox1Change);
    OnChange(ComboBox2, &TRouteRedistributForm::ComboBox1Change);
    for (int n = 1; n <= RadioButtons; ++n) {
        QRadioButton* button = TypeButton(n);
        SetOnClick(button, [this](QObject* sender) {
            RunHandler([this, sender] {
                RadioSender = sender;
                RadioButton1Click();
            });
        });
    }
    SetMaxLength(Edit1, MetricMaxLength);
}

QRadioButton* TRouteRedistributForm::TypeButton(int n) const
{
    return findChild<QRadioButton*>(QStringLiteral("RadioButton%1").arg(n));
}

void TRouteRedistributForm::FormCreate()
{
    SetMessageTarget(Memo1);
    Guarded(Request, [this] {
        Request = MakeRequest(RouteRedistributionTable, MVT_UMV, 2);
        AttachList(Request, ListView1, {{ComboBox1, ComboBox2}, {EditBtn, DeleteBtn}},
                   &TRouteRedistributForm::ListView1Click);
        Request->AddControl(SourceProtocol, ComboBox1);
        Request->AddControl(DestinationProtocol, ComboBox2);
        Request->AddControl(Type, ComboBox3);
        Request->AddControlsFmt(Metric, "%i", Edit1);
        Request->AddControl(RowStatus, StComboBox);
        ComboBox1->setCurrentIndex(-1);
        ComboBox2->setCurrentIndex(-1);
        ComboBox3->setCurrentIndex(-1);
        StComboBox->setCurrentIndex(-1);
        Read(Request);
    });
    DeleteBtn->setEnabled(false);
    EditBtn->setEnabled(false);
}

void TRouteRedistributForm::ListView1Click()
{
    const int row = SelectedRow(ListView1);
    // The protocol boxes show a highlighted row's keys and are locked to them: Add is for
    // a row that does not exist yet.
    AddBtn->setEnabled(row < 0);
    if (row < 0) {
        DeleteBtn->setEnabled(false);
        EditBtn->setEnabled(false);
        return;
    }
    const QString type = ListView1->topLevelItem(row)->text(Type);
    for (int n = 1; n <= RadioButtons; ++n)
        if (TypeButton(n)->text() == type) {
            TypeButton(n)->setChecked(true);
            break;
        }
    ComboBox1Change();
}

void TRouteRedistributForm::ComboBox1Change()
{
    const char* bounds = nullptr;
    const unsigned enabled =
        EnabledTypeButtons(ComboBox2->currentText().toStdString(), ComboBox1->currentText().toStdString(), bounds);
    if (!bounds)
        return;
    Label5->setText(bounds);
    for (int n = 1; n <= RadioButtons; ++n)
        TypeButton(n)->setEnabled(enabled & (1u << (n - 1)));
}

void TRouteRedistributForm::RadioButton1Click()
{
    const QObject* sender = std::exchange(RadioSender, nullptr);
    for (int n = 1; n <= RadioButtons; ++n) {
        QRadioButton* button = TypeButton(n);
        if (button == sender && button->isChecked()) {
            ComboBox3->setCurrentIndex(n - 2); // "other": no type
            return;
        }
    }
}

void TRouteRedistributForm::RefreshBtnClick()
{
    Guarded(Request, [this] { Read(Request); });
}

bool TRouteRedistributForm::CheckBeforeWrite()
{
    const auto refuse = [](const std::string& message, QWidget* focus) {
        ShowMessage(message);
        if (focus->isEnabled() && focus->isVisible())
            focus->setFocus();
        return false;
    };
    const std::string destination = ComboBox2->currentText().toStdString();
    const std::string source = ComboBox1->currentText().toStdString();
    if (destination.empty())
        return refuse("Please set destination protocol.", ComboBox2);
    if (source.empty())
        return refuse("Please set source protocol.", ComboBox1);
    const std::string metricText = Edit1->text().toStdString();
    if (metricText.empty())
        return refuse("Please set metric value.", Edit1);
    const std::optional<int64_t> metric = NumberOfText(metricText);
    if (!metric) // a refusal before a write, not the result of an exchange
        return refuse("'" + metricText + "' is not a valid integer value", Edit1);
    const std::string refusal = RedistributionMetricRefusal(destination, *metric);
    if (!refusal.empty())
        return refuse(refusal, Edit1);
    if (source == destination)
        return refuse("You should not choose the same protocol for source and destination.", ComboBox1);
    return !RefuseWhileBusy({Request});
}

void TRouteRedistributForm::WriteRow(bool add)
{
    if (!CheckBeforeWrite())
        return;
    if (add) {
        // A new row takes createAndGo for as long as the write runs; a refused write leaves
        // the status as the row shows it.
        const int shown = StComboBox->currentIndex();
        StComboBox->setCurrentIndex(CreateAndGoItem);
        struct PutBack {
            QComboBox* Box;
            int Index;
            ~PutBack() { Box->setCurrentIndex(Index); }
        } putBack{StComboBox, shown};
        Write(Request, true);
        return;
    }
    Write(Request, true);
}

void TRouteRedistributForm::EditBtnClick()
{
    Guarded(Request, [this] { WriteRow(false); });
}

void TRouteRedistributForm::AddBtnClick()
{
    if (SelectedRow(ListView1) >= 0)
        return;
    Guarded(Request, [this] { WriteRow(true); });
}

void TRouteRedistributForm::DeleteBtnClick()
{
    if (RefuseWhileBusy({Request}))
        return;
    Guarded(Request, [this] { DeleteSelectedRow(*this, Request, RowStatus, StComboBox); });
}

void TRouteRedistributForm::CloseBtnClick() { close(); }
