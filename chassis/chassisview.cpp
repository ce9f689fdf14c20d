#include "chassis/chassisview.h"

#include <algorithm>

#include <QAbstractButton>
#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenu>
#include <QTimer>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "chassis/chassishost.h"
#include "chassis/chassispictures.h"
#include "chassis/modulepanels.h"
#include "chassis/powerform.h"
#include "chassis/requestlifetime.h"
#include "classlib/events.h"
#include "classlib/messages.h"
#include "classlib/speedbutton.h"
#include "configwin/unitlist.h"
#include "platform/sysutils.h"
#include "snmplib/bind/request2edits.h"
#include "snmplib/bind/request2leds.h"
#include "snmplib/snmperror.h"

namespace {

// Columns of UnitListView.
constexpr int UnitIdColumn = 0;
constexpr int ModuleNameColumn = 2;

// The name panel's labels, the marker's column and its place per slot.
constexpr int UnitLabelTops[9] = {47, 84, 121, 153, 191, 225, 261, 295, 330};
constexpr int IndicatorLeft = 639;
int IndicatorTop(int slot) { return (slot - 1) * 36 + 48; }

// The unit table holds a row per line card: one for each slot but the CPU module's.
constexpr int MaxUnitRows = 8;
const char* const CpuModuleName = "TRQ-3112";

QVBoxLayout* ClientLayout(QWidget* widget)
{
    auto* layout = new QVBoxLayout(widget);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    return layout;
}

QFrame* Panel(const char* name, QWidget* parent)
{
    auto* frame = new QFrame(parent);
    frame->setObjectName(QLatin1String(name));
    frame->setFrameShape(QFrame::Panel);
    frame->setFrameShadow(QFrame::Raised);
    return frame;
}

} // namespace

TChassisView::TChassisView(QWidget* owner, QMenu* portMenu, QTimer* pollTimer)
    : QWidget(owner), PortInfoPopupMenu(portMenu), Timer1(pollTimer)
{
    setObjectName(QLatin1String("ClientArea"));
    auto* clientLayout = ClientLayout(this);

    // The chassis picture above, the shown module's front panel below it.
    TopPanel = Panel("TopPanel", this);
    auto* topLayout = new QVBoxLayout(TopPanel);
    topLayout->setContentsMargins(0, 0, 0, 0);
    ShowPanel = Panel("ShowPanel", TopPanel);
    topLayout->addWidget(ShowPanel);
    auto* showLayout = ClientLayout(ShowPanel);
    auto* chassisRow = new QHBoxLayout;
    chassisRow->setSpacing(0);
    NamePanel = Panel("NamePanel", ShowPanel);
    NamePanel->setFixedWidth(128);
    DevicePanel = Panel("DevicePanel", ShowPanel);
    DevicePanel->setFrameShadow(QFrame::Sunken);
    chassisRow->addWidget(NamePanel);
    chassisRow->addWidget(DevicePanel, 1);
    showLayout->addLayout(chassisRow, 1);
    PowerPanel = Panel("PowerPanel", ShowPanel);
    PowerPanel->setFixedHeight(69);
    showLayout->addWidget(PowerPanel);
    clientLayout->addWidget(TopPanel, 1);

    ButtonPanel = Panel("ButtonPanel", this);
    ButtonPanel->setFixedHeight(93);
    clientLayout->addWidget(ButtonPanel);

    Indicator = new QLabel(DevicePanel);
    Indicator->setObjectName(QLatin1String("Indicator"));
    Indicator->setGeometry(IndicatorLeft, IndicatorTop(1), 16, 16);
    Indicator->hide();
    BuildChassisLayout();
}

TChassisView::~TChassisView()
{
    closing_ = true;
    Release();
}

void TChassisView::FormCreate()
{
    SlotList = nullptr;
    SlotListTail = nullptr;
    FirstChassisBuild = true;
    PortButtons = std::make_unique<QList<QAbstractButton*>>();
    SlotForms = std::make_unique<QList<QWidget*>>();
    Indicator->hide();
    ModuleTypeNames = {"TRQ-3111", "TRQ-3112", "TRQ-3113", "TRQ-3114", "TRQ-3115", "TRQ-3116",
                       "TRQ-3117", "TRQ-3118", "TRQ-3119", "TRQ-3120", "TRQ-3122"};
}

std::string TChassisView::StatusText() const { return ChassisHost() ? ChassisHost()->StatusText() : std::string(); }

void TChassisView::SetStatusText(const std::string& text)
{
    if (ChassisHost())
        ChassisHost()->SetStatusText(text);
}

// ---- Layout ----------------------------------------------------------------------------

void TChassisView::BuildChassisLayout()
{
    // The chassis picture fills the device panel; the slot strips lie over its bays.
    ChassisImage = new QLabel(DevicePanel);
    ChassisImage->setObjectName(QStringLiteral("ChassisImage"));
    ChassisImage->setScaledContents(true);
    ChassisImage->setPixmap(ChassisPicture(664, 365));
    ClientLayout(DevicePanel)->addWidget(ChassisImage);
    for (int slot = 1; slot <= 9; ++slot) {
        const TSlotBay& bay = SlotBay(slot);
        auto* strip = new QFrame(DevicePanel);
        strip->setObjectName(QStringLiteral("SlotPanel%1").arg(slot));
        strip->setGeometry(bay.Left, bay.Top, bay.Width, bay.Height);
        ClientLayout(strip);
        SlotPanels[slot - 1] = strip;

        auto* label = new QLabel(NamePanel);
        label->setObjectName(QStringLiteral("UnitLabel%1").arg(slot));
        label->setTextFormat(Qt::PlainText); // the module name is the switch's
        label->move(8, UnitLabelTops[slot - 1]);
        label->hide();
        UnitLabels[slot - 1] = label;
    }
    QFont cpu = UnitLabels[0]->font();
    cpu.setBold(true);
    UnitLabels[0]->setFont(cpu);
    UnitLabels[0]->setStyleSheet(QStringLiteral("color: #ff0000;"));
    Indicator->setPixmap(IndicatorPicture());
    Indicator->raise();

    ClientLayout(ButtonPanel);
    ClientLayout(PowerPanel);

    UnitListView = new QTreeWidget(this);
    UnitListView->setObjectName(QStringLiteral("UnitListView"));
    UnitListView->hide();
    SetChassisUnitList(UnitListView);

    if (Timer1)
        connect(Timer1.data(), &QTimer::timeout, this, &TChassisView::Timer1Timer);
}

// ---- Unit table ------------------------------------------------------------------------

int TChassisView::ReadUnitTable()
{
    if (!UnitRequest) {
        try {
            UnitRequest = new VhSNMPRequest2Edits(this);
            UnitRequest->Request.VarList = VhSNMPVarList(ChassisUnitTable, MVT_FMV, 1);
            UnitRequest->MaxRows = MaxUnitRows;
            UnitRequest->SetMessageTarget(ChassisHost() ? ChassisHost()->StatusTarget() : nullptr);
            UnitRequest->AttachListView(UnitListView, true);
            UnitRequest->OnGetComplete = [this](VhSNMPRequest2Controls*, VhSNMPError* error) {
                unitReadCode_ = error->Code;
            };
        } catch (const std::exception&) {
            delete std::exchange(UnitRequest, nullptr);
            unitReadCode_ = VHSNMP_ERR_UNKNOWN;
            SetStatusText("Initial  Unit Information Failed");
            return 0;
        }
    }
    try {
        unitReadCode_ = VHSNMP_OK;
        UnitRequest->Get();
        WaitWhileBusy(UnitRequest);
    } catch (const std::exception&) {
        unitReadCode_ = VHSNMP_ERR_UNKNOWN;
        SetStatusText("Get Ports Information Failed");
        return 0;
    }
    // A walk stopped by a close is no list of the installed units either.
    if (UnitRequest && !UnitRequest->Request.Enabled && unitReadCode_ == VHSNMP_OK)
        unitReadCode_ = VHSNMP_ERR_UNKNOWN;
    // A walk that failed part way is no list of the installed units.
    if (!UnitRequest || unitReadCode_ != VHSNMP_OK) {
        UnitListView->clear();
        return 0;
    }
    return UnitListView->topLevelItemCount();
}

TChassisView::UnitRows TChassisView::ReadUnitRows() const
{
    UnitRows rows;
    for (int row = 0; row < UnitListView->topLevelItemCount(); ++row) {
        const QTreeWidgetItem* item = UnitListView->topLevelItem(row);
        rows.emplace_back(fromQt(item->text(UnitIdColumn)), fromQt(item->text(ModuleNameColumn)));
    }
    return rows;
}

// ---- Slot strips -----------------------------------------------------------------------

void TChassisView::BuildUnits()
{
    try {
        CreateSlotForm(CpuModuleName, "1");
        UnitLabels[0]->setText(toQt(std::string("CPU: ") + CpuModuleName));
        UnitLabels[0]->adjustSize();
        UnitLabels[0]->show();
        const UnitRows rows = ReadUnitRows();
        for (int unit = 1; unit <= 8; ++unit)
            for (const auto& [id, module] : rows) {
                if (StrToIntDef(id, -1) != unit)
                    continue;
                CreateSlotForm(module, IntToStr(unit + 1));
                QLabel* label = UnitLabels[unit];
                label->setText(toQt("Unit " + IntToStr(unit) + ": " + module));
                label->adjustSize();
                label->show();
            }
        SetPortButtonsPopupMenu();
        builtRows_ = rows;
    } catch (const std::exception& e) {
        SetStatusText(e.what());
    }
}

void TChassisView::CreateSlotForm(const std::string& moduleName, const std::string& slotText)
{
    QWidget* created = nullptr;
    const auto name = std::find(ModuleTypeNames.begin(), ModuleTypeNames.end(), moduleName);
    QFrame* strip = findChild<QFrame*>(toQt("SlotPanel" + slotText));
    if (name != ModuleTypeNames.end() && strip) {
        const auto index = static_cast<uint8_t>(name - ModuleTypeNames.begin());
        if (TModuleThumbnailForm* form = CreateModuleThumbnail(index, strip)) {
            const int slot = StrToInt(slotText);
            auto* entry = new SlotEntry{index, slot, nullptr};
            (SlotList ? SlotListTail->Next : SlotList) = entry;
            SlotListTail = entry;
            if (index != CpuModuleIndex)
                form->Slot = slot;
            LastSlotForm = form;
            created = form;
        }
    }
    if (!LastSlotForm) {
        Indicator->hide();
    } else if (created) {
        strip->layout()->addWidget(created);
        created->show();
        SlotForms->append(created);
    }
}

void TChassisView::FreeSlotList()
{
    while (SlotList) {
        SlotEntry* next = SlotList->Next;
        delete SlotList;
        SlotList = next;
    }
    SlotListTail = nullptr;
}

void TChassisView::CloseSlotForms()
{
    try {
        if (SlotForms) {
            for (QWidget* form : *SlotForms)
                delete form;
            SlotForms->clear();
        }
        FreeSlotList();
    } catch (const std::exception& e) {
        SetStatusText(e.what());
    }
}

bool TChassisView::HasSlotEntry(int slot, uint8_t modelIndex) const
{
    for (const SlotEntry* entry = SlotList; entry; entry = entry->Next)
        if (entry->Slot == slot && entry->ModuleIndex == modelIndex)
            return true;
    return false;
}

void TChassisView::HideUnitLabels()
{
    for (QLabel* label : UnitLabels) {
        label->hide();
        label->clear();
    }
}

// ---- First build and poll --------------------------------------------------------------

void TChassisView::InitChassis()
{
    try {
        if (ReadUnitTable() > 0) {
            BuildUnits();
            HookPortButtons();
            if (ChassisHost())
                ChassisHost()->UnitTableRead();
        } else {
            HideUnitLabels();
            CloseModulePanel();
        }
    } catch (const std::exception& e) {
        SetStatusText(e.what());
    }
}

void TChassisView::CreatePowerForm()
{
    PowerForm = new TPowerForm(this);
    PowerPanel->layout()->addWidget(PowerForm);
    PowerForm->show();
}

void TChassisView::RefreshChassis()
{
    // A read of the unit table under way (a port window's) is not waited for: this may
    // run between two of its rows.
    if (refreshing_ || panelSwitching_ || closing_ || (UnitRequest && !RequestIdle(UnitRequest)))
        return;
    refreshing_ = true;
    try {
        const int rows = ReadUnitTable();
        // The view follows the (unit id, module name) rows, whether a module has a
        // thumbnail or not. A read that failed (a time-out, a reply the library refused)
        // says nothing of the modules: the view keeps what it shows, and panel 0 the failure.
        if (!UnitReadFailed() && (rows > 0 ? ReadUnitRows() : UnitRows()) != builtRows_)
            RebuildChassis(rows);
        // A close asked meanwhile goes through now. A reply of the switch that the walk
        // could not use (one that does not advance, more rows than the slots) ends the
        // poll, so that its text stays in panel 0; a silent switch still has the power and
        // fan pictures show it.
        if (ClosePending || (UnitReadFailed() && unitReadCode_ != VHSNMP_ERR_TIMED_OUT)) {
            refreshing_ = false;
            FinishChassisWork();
            return;
        }
        if (ChassisHost())
            ChassisHost()->UnitTableRead();
        if (!PowerForm)
            CreatePowerForm();
        for (VhSNMPRequest2Edits* request : {PowerForm->PowerRequest, PowerForm->FanRequest})
            if (RequestIdle(request))
                request->Get();
    } catch (const std::exception& e) {
        PollFailed(e.what());
    }
    refreshing_ = false;
    FinishChassisWork();
}

void TChassisView::RebuildChassis(int rows)
{
    const bool indicatorShown = !Indicator->isHidden();
    Indicator->hide();
    CloseSlotForms();
    HideUnitLabels();
    builtRows_.clear();
    if (rows <= 0) {
        CloseModulePanel();
        return;
    }
    BuildUnits();
    if (indicatorShown) {
        if (!HasSlotEntry(CurrentSlot, CurrentModuleIndex)) {
            Indicator->move(IndicatorLeft, IndicatorTop(1));
            CloseModulePanel();
        }
        Indicator->show();
    }
    HookPortButtons();
}

void TChassisView::PollFailed(const std::string& message)
{
    SetStatusText("");
    PollRunning = false;
    if (PowerForm)
        for (VhSNMPRequest2Edits* request : {PowerForm->PowerRequest, PowerForm->FanRequest}) {
            if (!request || !request->OnGetComplete)
                continue;
            VhSNMPError timedOut;
            timedOut.Code = VHSNMP_ERR_TIMED_OUT;
            try {
                request->OnGetComplete(request, &timedOut);
            } catch (const std::exception& e) {
                SetStatusText(e.what());
            }
        }
    SetStatusText(StatusText().empty() ? message : StatusText() + "!" + message);
}

void TChassisView::Timer1Timer()
{
    if (!Timer1 || !Timer1->isActive() || closing_ || Busy())
        return;
    ClosePending = false;
    PollRunning = true;
    Timer1->stop();
    RefreshChassis();
    PollRunning = false;
    if (ClosePending)
        FinishChassisWork();
    else if (!closing_)
        Timer1->start();
}

void TChassisView::FinishChassisWork()
{
    if (!ClosePending || Busy())
        return;
    ClosePending = false;
    PostMessageA(this, WM_CLOSE, 0, 0); // the window's close, asked again
}

// ---- Front panel -----------------------------------------------------------------------

void TChassisView::ShowModulePanel(int slot, uint8_t modelIndex)
{
    if (closing_)
        return;
    // The latest click counts; a replacement under way carries it out when it is done,
    // and the panel it is making reads no more.
    pendingPanel_ = {slot, modelIndex, true};
    if (panelSwitching_) {
        if (CurrentPanelForm)
            CurrentPanelForm->Stop();
        return;
    }
    panelSwitching_ = true;
    while (pendingPanel_.Set && !closing_ && !ClosePending) {
        pendingPanel_.Set = false;
        SwitchModulePanel(pendingPanel_.Slot, pendingPanel_.ModelIndex);
    }
    panelSwitching_ = false;
    FinishChassisWork();
}

void TChassisView::SwitchModulePanel(int slot, uint8_t modelIndex)
{
    // A click queued before a rebuild may name a module that has gone.
    if (!HasSlotEntry(slot, modelIndex))
        return;
    CloseModulePanel();
    TModulePanelForm* panel = CreateModulePanel(modelIndex, ButtonPanel);
    if (!panel)
        return;
    panel->hide();
    CurrentPanelForm = panel;
    panel->Slot = slot;
    try {
        if (modelIndex != CpuModuleIndex) {
            panel->CreateLedRequest();
            panel->CreatePortButtons();
            HookPortButtons();
            SetPortButtonsPopupMenu();
        }
        ButtonPanel->layout()->addWidget(panel);
        panel->show();
        Indicator->move(IndicatorLeft, IndicatorTop(slot));
        Indicator->show();
        CurrentSlot = slot;
        CurrentModuleIndex = modelIndex;
        if (panel->LedRequest)
            panel->LedRequest->Start(TModulePanelForm::LedPeriod);
    } catch (const std::exception& e) {
        if (panel->LedRequest && panel->LedRequest->MessageTarget)
            panel->LedRequest->ShowMessage(e.what());
        else
            SetStatusText(e.what());
    }
}

void TChassisView::CloseModulePanel()
{
    // Cleared first: a second close during the wait below finds no panel.
    TModulePanelForm* panel = std::exchange(CurrentPanelForm, nullptr);
    if (PortButtons)
        PortButtons->clear();
    if (!panel)
        return;
    const QPointer<TModulePanelForm> alive(panel);
    panel->hide();
    panel->FormClose();
    delete alive.data();
}

// ---- Port buttons ----------------------------------------------------------------------

void TChassisView::SetButtonDown(QAbstractButton* button, bool down)
{
    if (!button)
        return;
    if (button->isCheckable())
        button->setChecked(down);
    else
        button->setDown(down);
}

void TChassisView::ReleasePortButtons()
{
    if (!PortButtons)
        return;
    for (QAbstractButton* button : *PortButtons)
        SetButtonDown(button, false);
}

void TChassisView::SetPortButtonsPopupMenu()
{
    for (QAbstractButton* button : *PortButtons)
        SetPopupMenu(button, PortInfoPopupMenu);
}

void TChassisView::HookPortButtons()
{
    for (QAbstractButton* button : *PortButtons)
        SetOnClick(button, [this](QObject* sender) { PortButtonClick(sender); });
}

void TChassisView::PortButtonClick(QObject* sender)
{
    for (QAbstractButton* button : *PortButtons)
        if (button != sender)
            button->setChecked(false);
}

// ---- The window's close ----------------------------------------------------------------

void TChassisView::DeferClose()
{
    ClosePending = true;
    // A walk of the unit table under way stops at its next reply: the close waits for one
    // exchange at most, however many rows the switch would still send.
    if (UnitRequest)
        UnitRequest->Request.Enabled = 0;
    // So does a front panel being made: its reads stop after the one under way.
    if (panelSwitching_ && CurrentPanelForm)
        CurrentPanelForm->Stop();
}

void TChassisView::StopRequests()
{
    closing_ = true;
    if (UnitRequest)
        UnitRequest->Request.Enabled = 0;
    if (PowerForm)
        for (VhSNMPRequest2Edits* request : {PowerForm->PowerRequest, PowerForm->FanRequest})
            if (request)
                request->Request.Enabled = 0;
    if (CurrentPanelForm && CurrentPanelForm->LedRequest) {
        CurrentPanelForm->LedRequest->Stop();
        CurrentPanelForm->LedRequest->Request.Enabled = 0;
    }
}

bool TChassisView::RequestsIdle() const
{
    std::vector<const VhSNMPRequest2Controls*> requests = {UnitRequest};
    if (PowerForm)
        requests.insert(requests.end(), {PowerForm->PowerRequest, PowerForm->FanRequest});
    if (CurrentPanelForm)
        requests.push_back(CurrentPanelForm->LedRequest);
    return std::all_of(requests.begin(), requests.end(),
                       [](const VhSNMPRequest2Controls* request) { return !request || RequestIdle(request); });
}

void TChassisView::Release()
{
    closing_ = true;
    if (Timer1)
        Timer1->stop();
    StopAndDeleteRequest(UnitRequest);
    FreeSlotList();
    CloseModulePanel();
    if (PortButtons)
        PortButtons->clear();
    if (SlotForms)
        SlotForms->clear();
    delete std::exchange(PowerForm, nullptr);
}
