#include "l3mgmtwindows/ipstaticrouteeditunit.h"

#include "classlib/dialogs.h"
#include "dedicated/listquery.h"
#include "dedicated/numbertext.h"
#include "l3mgmtwindows/ipstaticrouteunit.h"

TIpStaticRouteEditForm* IpStaticRouteEditForm = nullptr;

namespace {

// Items of the combo boxes (the option lists' order).
constexpr int PrimaryItem = 0;
constexpr int BackupItem = 1;
constexpr int CreateAndGoItem = 1;

constexpr char InvalidIp[] = "Please input a valid IP";
constexpr char AllZero[] = "0.0.0.0";
constexpr char AllOnes[] = "255.255.255.255";
constexpr std::size_t MaxTextLength = 16;

} // namespace

// ---- The route rules --------------------------------------------------------------------

TIpv4Verdict CheckRouteDestination(const std::string& destination)
{
    const TIpv4Scan scan = ScanIpv4(destination);
    if (!scan.Valid())
        return Refuse(InvalidIp);
    for (int part = 0; part < 4; ++part)
        if (scan.Value(part) == 0 && scan.Parts[static_cast<std::size_t>(part)].size() > 1)
            return Refuse(InvalidIp);
    return Accept();
}

bool IsValidRouteMask(const std::string& mask)
{
    const std::optional<uint32_t> value = ParseIpv4(mask);
    return value && IsContiguousMask(*value) && *value != 0xFFFFFFFFu;
}

TIpv4Verdict CheckRouteNextHop(const std::string& nextHop, bool hostForm)
{
    const std::optional<uint32_t> value = ParseIpv4(nextHop);
    if (!value)
        return Refuse(InvalidIp);
    if (hostForm && !IsUnicastHost(*value))
        return Refuse("Please input a valid ip");
    return Accept();
}

namespace {

// The subnets of the interface rows whose address and mask are dotted quads.
std::vector<TIpv4Subnet> InterfaceSubnets(const QAbstractItemView* interfaces)
{
    std::vector<TIpv4Subnet> subnets;
    for (int row = 0; row < RowCountOf(interfaces); ++row) {
        const std::optional<uint32_t> address = ParseIpv4(CellByTitle(interfaces, row, "IP Address"));
        const std::optional<uint32_t> mask = ParseIpv4(CellByTitle(interfaces, row, "Subnet Mask"));
        if (address && mask)
            subnets.push_back({*address, *mask});
    }
    return subnets;
}

} // namespace

TIpv4Verdict CheckNextHopSubnets(const std::string& nextHop, const QAbstractItemView* interfaces)
{
    const std::optional<uint32_t> hop = ParseIpv4(nextHop);
    if (!hop || !IsNextHop(*hop, InterfaceSubnets(interfaces)))
        return Refuse(InvalidIp);
    return Accept();
}

TIpv4Verdict CheckNextHopOnInterface(const std::string& nextHop, const QAbstractItemView* interfaces)
{
    const std::optional<uint32_t> hop = ParseIpv4(nextHop);
    if (!hop)
        return Refuse();
    const int rows = RowCountOf(interfaces);
    for (int row = 0; row < rows; ++row)
        if (ParseIpv4(CellByTitle(interfaces, row, "IP Address")) == hop)
            return Refuse("Next Hop can not be itself.");
    if (const TIpv4Verdict policy = CheckNextHopSubnets(nextHop, interfaces); !policy)
        return policy;
    for (int row = 0; row < rows; ++row) {
        const std::optional<uint32_t> address = ParseIpv4(CellByTitle(interfaces, row, "IP Address"));
        const std::optional<uint32_t> mask = ParseIpv4(CellByTitle(interfaces, row, "Subnet Mask"));
        if (address && mask && NetworkOf(*hop, *mask) == NetworkOf(*address, *mask))
            return Accept();
    }
    return Refuse();
}

// ---- The editor -------------------------------------------------------------------------

TIpStaticRouteEditForm::TIpStaticRouteEditForm(TIpStaticRouteForm* master) : TCompanionEditor(master)
{
    setupUi(this);
    ScaleForLargeFonts();
    OnClick(SetButton, &TIpStaticRouteEditForm::SetButtonClick);
    OnClick(CloseButton, &TIpStaticRouteEditForm::CloseButtonClick);
}

TIpStaticRouteForm* TIpStaticRouteEditForm::Table() const { return static_cast<TIpStaticRouteForm*>(MasterForm()); }

void TIpStaticRouteEditForm::showEvent(QShowEvent* event)
{
    PrepareForMode();
    TCompanionEditor::showEvent(event);
}

void TIpStaticRouteEditForm::PrepareForMode()
{
    if (Table())
        NoDefaultRoute = Table()->NoDefaultRoute;
    lblBakeup->show();
    BakeupComboBox->show();
    const bool add = EditMode == AddMode;
    DesEdit->setEnabled(add);
    MaskEdit->setEnabled(add);
    BakeupComboBox->setEnabled(add);
    StatusComboBox->setEnabled(false);
    DesEdit->setText(add ? "" : AllZero);
    MaskEdit->setText(add ? "" : AllZero);
    NextHopEdit->clear();
    MetricEdit->clear();
    BakeupComboBox->setCurrentIndex(PrimaryItem);
    StatusComboBox->setCurrentIndex(CreateAndGoItem);
}

void TIpStaticRouteEditForm::CloseButtonClick() { reject(); }

bool TIpStaticRouteEditForm::Fail(const std::string& message, QWidget* focus)
{
    if (!message.empty())
        ShowMessage(message);
    if (focus && focus->isEnabled() && focus->isVisible())
        focus->setFocus();
    return false;
}

bool TIpStaticRouteEditForm::AskForDefaultRoute(const std::string& question, QWidget* focus)
{
    // A default route comes only from "Add Default Route": OK closes the editor, Cancel
    // goes back to the entry; nothing is sent either way.
    // Enter answers Cancel, back to the entry: what was typed is not thrown away.
    if (MessageDlg(question, mtConfirmation, mbOKCancel, 0, mbCancel) == mrOk)
        reject();
    else
        Fail({}, focus);
    return false;
}

bool TIpStaticRouteEditForm::CheckDestination()
{
    const std::string text = DesEdit->text().toStdString();
    if (text.empty())
        return Fail("Destination Ip should be Set!", DesEdit);
    if (text.size() > MaxTextLength)
        return Fail("IP should be 16 bit", DesEdit);
    if (text == AllZero)
        return AskForDefaultRoute(
            "If you want to add a default route which Destination ip and Mask both are 0.0.0.0, you should use Add "
            "Default Route button. If not, you can not add a static route with 0.0.0.0 as Mask. Do you want to add a "
            "defaut route?",
            DesEdit);
    if (text == AllOnes)
        return Fail("Destination IP can not be 255.255.255.255", DesEdit);
    const TIpv4Verdict verdict = CheckRouteDestination(text);
    return verdict || Fail(verdict.Message, DesEdit);
}

bool TIpStaticRouteEditForm::CheckMask()
{
    const std::string text = MaskEdit->text().toStdString();
    if (text.empty())
        return Fail("Mask should be Set", MaskEdit);
    if (text.size() > MaxTextLength)
        return Fail("IP should be 16 bit", MaskEdit);
    if (!IsValidRouteMask(text))
        return Fail("Please input a valid mask", MaskEdit);
    if (*ParseIpv4(text) == 0) {
        if (!NoDefaultRoute)
            return Fail("Default Route has already existed.", MaskEdit);
        return AskForDefaultRoute(
            "If you want to add a default route which Destination IP and Mask both are 0.0.0.0, you should use Add "
            "Default Route button. If not, you can not add a static route with 0.0.0.0 as Mask. Do you want to add a "
            "defaut route?",
            MaskEdit);
    }
    return true;
}

bool TIpStaticRouteEditForm::CheckNextHop(bool hostForm)
{
    const std::string text = NextHopEdit->text().toStdString();
    if (text.empty())
        return Fail("Next Hop should be Set", NextHopEdit);
    if (text.size() > MaxTextLength)
        return Fail("Next Hop should be 16 bit", NextHopEdit);
    if (text == AllZero)
        return Fail("Next Hop can not be 0.0.0.0", NextHopEdit);
    if (text == AllOnes)
        return Fail("Next Hop can not be 255.255.255.255", NextHopEdit);
    const TIpv4Verdict verdict = CheckRouteNextHop(text, hostForm);
    if (!verdict)
        return Fail(verdict.Message, NextHopEdit);
    // The network or broadcast address of one of the switch's subnets is no next hop
    // (the default route's own check says so in its words).
    if (!hostForm)
        return true;
    const TIpv4Verdict policy = CheckNextHopSubnets(text, Table()->ListView2);
    return policy || Fail(policy.Message, NextHopEdit);
}

bool TIpStaticRouteEditForm::CheckBackupState()
{
    if (BakeupComboBox->currentIndex() < 0)
        return Fail("You should choose Bakeup State.", BakeupComboBox);
    if (BakeupComboBox->currentIndex() != BackupItem)
        return true;
    const std::optional<uint32_t> destination = ParseIpv4(DesEdit->text().toStdString());
    const std::optional<uint32_t> mask = ParseIpv4(MaskEdit->text().toStdString());
    if (destination && mask) {
        const uint32_t network = NetworkOf(*destination, *mask);
        const QAbstractItemView* routes = Table()->ListView1;
        for (int row = 0; row < RowCountOf(routes); ++row)
            if (ParseIpv4(CellByTitle(routes, row, "Destination")) == network &&
                CellByTitle(routes, row, "Backup State") == "primary")
                return true;
    }
    return Fail("You should first create primary route.", BakeupComboBox);
}

bool TIpStaticRouteEditForm::CheckMetricAndStatus()
{
    const std::string metric = MetricEdit->text().toStdString();
    if (!metric.empty()) {
        const int value = TextToInt(metric, -1);
        if (value < 1 || value > 65535)
            return Fail("Metric should between 1-65535", MetricEdit);
    }
    if (StatusComboBox->currentIndex() != CreateAndGoItem)
        return Fail("Status should be createAndGo!", StatusComboBox);
    return true;
}

void TIpStaticRouteEditForm::WriteRoute()
{
    TIpStaticRouteForm* table = Table();
    TWindowRequest* request = table->RouteRequest;
    if (table->RefuseWhileBusy({request}))
        return;
    // The keys as the switch shows them ("010.1.1.1" is 10.1.1.1).
    for (QLineEdit* edit : {DesEdit, MaskEdit, NextHopEdit})
        edit->setText(QString::fromStdString(FormatIpv4(*ParseIpv4(edit->text().toStdString()))));
    bool sent = false;
    {
        TColumnMask mask(request);
        // Without a metric the switch keeps its own default.
        if (MetricEdit->text().isEmpty())
            mask.LeaveOut(TIpStaticRouteForm::Metric);
        sent = table->Write(request, true);
    }
    if (sent)
        accept();
}

void TIpStaticRouteEditForm::SetButtonClick()
{
    if (!Table() || !Table()->RouteRequest) {
        reject();
        return;
    }
    if (EditMode == AddMode) {
        if (!CheckDestination() || !CheckMask() || !CheckNextHop(true) || !CheckBackupState() ||
            !CheckMetricAndStatus())
            return;
    } else {
        if (!CheckNextHop(false))
            return;
        const TIpv4Verdict onInterface =
            CheckNextHopOnInterface(NextHopEdit->text().toStdString(), Table()->ListView2);
        if (!onInterface) {
            Fail(onInterface.Message, NextHopEdit);
            Fail("Next Hop should be in default ip filed.", NextHopEdit);
            return;
        }
        if (!CheckBackupState() || !CheckMetricAndStatus())
            return;
    }
    WriteRoute();
}
