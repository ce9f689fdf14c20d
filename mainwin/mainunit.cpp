#include "mainwin/mainunit.h"

#include <QAction>
#include <QCloseEvent>
#include <QEvent>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QStatusBar>
#include <QTimer>

#include <functional>
#include <utility>

#include "chassis/popuprefreshpanelform.h"
#include "chassis/requestlifetime.h"
#include "classlib/application.h"
#include "classlib/dialogs.h"
#include "classlib/events.h"
#include "classlib/formstyle.h"
#include "classlib/screen.h"
#include "classlib/speedbutton.h"
#include "classlib/statuspanels.h"
#include "mainwin/frmconfigsnmp.h"
#include "mainwin/mainrequest.h"
#include "mainwin/menutable.h"
#include "mainwin/windowhost.h"
#include "snmplib/bind/request2edits.h"
#include "snmplib/snmperror.h"
#include "platform/sysutils.h"
#include "snmplib/snmpinit.h"

TMainForm* MainForm = nullptr;

namespace {

constexpr int kClientWidth = 790;
constexpr int kClientHeight = 555;
constexpr int kPollInterval = 30000;
constexpr int MaxCloseCount = 0x7FFFFFFF;

} // namespace

TMainForm::TMainForm(QWidget* owner, const std::vector<std::string>& arguments) : QMainWindow(owner)
{
    MainForm = this;
    UseMainWindowAsHost();
    try {
        BuildLayout();

        LargeFonts = ScreenHasLargeFonts();
        ScaleFactor = ScaleFactorFor(LargeFonts);

        VhSNMPInit(""); // boots counter file in the current directory
        DetectPlatform();
        VhSNMPDefaults.Security.Version = 0;
        LoadMessageFiles(HelpPathBase());
        SettingsFolder = OpenViewSettingsFolder();
        SnmpV3OptionSet = TSnmpV3OptionSet();

        TCommandLineInput input;
        input.Arguments = arguments;
        input.PlatformKind = PlatformKind;
        input.ExeFolder = ExecutableFolder();
        input.SettingsFolder = SettingsFolder;
        switch (ReadCommandLine(input, {*this, VhSNMPDefaults, CfgFileFound, SnmpV3OptionSet})) {
        case TCommandLineResult::Done: setWindowTitle(toQt(DeviceAddress)); break;
        case TCommandLineResult::NoArguments:
            MessageBoxA(nullptr, MSG_NO_PARAMETER, ExecutableFileName(), MB_OK);
            StopStartup();
            break;
        case TCommandLineResult::BadAddress:
            for (const std::string& argument : arguments)
                if (argument.rfind("/I", 0) == 0 && !IsValidDeviceAddress(argument.substr(2))) {
                    MessageBoxA(nullptr, BadAddressMessage(argument.substr(2)), ExecutableFileName(),
                                MB_OK | MB_ICONSTOP);
                    break;
                }
            StopStartup();
            return;
        case TCommandLineResult::UnknownPlatform:
            MessageBoxA(nullptr, MSG_UNKNOWN_PLATFORM, ExecutableFileName(), MB_OK);
            StopStartup();
            return;
        case TCommandLineResult::NoAddress:
            MessageBoxA(nullptr, MSG_NO_ADDRESS, ExecutableFileName(), MB_OK | MB_ICONSTOP);
            StopStartup();
            return;
        }

        // authPriv costs the agent more: poll half as often.
        if (StrToIntDef(SecurityLevel, -1) == 3)
            Timer1->setInterval(Timer1->interval() * 2);
        SetMenuLayout();
        if (!startupStopped_)
            Timer1->start();
    } catch (...) {
        if (MainForm == this)
            MainForm = nullptr;
        throw;
    }
}

TMainForm::~TMainForm()
{
    closing_ = true;
    ReleaseChassis();
    if (MainForm == this)
        MainForm = nullptr;
}

TMainForm* TMainForm::Create(const std::vector<std::string>& arguments)
{
    auto* form = new TMainForm(nullptr, arguments);
    form->FormCreate();
    return form;
}

void TMainForm::StopStartup()
{
    startupStopped_ = true;
    Timer1->stop();
    if (auto* application = dynamic_cast<TApplication*>(QCoreApplication::instance()))
        application->Terminate();
}

void TMainForm::BuildLayout()
{
    setObjectName(QLatin1String("MainForm"));
    setWindowTitle(QLatin1String("MainForm"));
    UseFormFont(this);

    menuBar()->setObjectName(QLatin1String("MainMenu1"));
    // The ten menus fit the window's width in one row.
    menuBar()->setStyleSheet(QStringLiteral("QMenuBar { spacing: 0px; } QMenuBar::item { padding: 2px 3px; }"));
    const TMenuBinder bind = [this](QAction* action, const TMenuItemDef& item) { BindMenuItem(action, item); };
    BuildMenuBar(menuBar(), MainMenuItems, bind);
    PortInfoPopupMenu = new QMenu(this);
    PortInfoPopupMenu->setObjectName(QLatin1String("PortInfoPopupMenu"));
    BuildPopupMenu(PortInfoPopupMenu, PortInfoPopupMenuItems, bind);

    Timer1 = new QTimer(this);
    Timer1->setObjectName(QLatin1String("Timer1"));
    Timer1->setInterval(kPollInterval);
    connect(PortInfoPopupMenu, &QMenu::aboutToShow, this, &TMainForm::PortInfoPopupMenuPopup);
    Chassis = new TChassisView(this, PortInfoPopupMenu, Timer1);
    setCentralWidget(Chassis);

    ST_RmonState = new QLabel(this);
    ST_RmonState->setObjectName(QLatin1String("ST_RmonState"));
    ST_RmonState->hide();

    auto* bar = new QStatusBar(this);
    bar->setObjectName(QLatin1String("StatusBar"));
    bar->setSizeGripEnabled(false);
    // Panel 0 (what the switch said) and the notice share the bar, one at a time.
    auto* panels = new TStatusPanels(bar);
    panels->setObjectName(QLatin1String("StatusBarPanels"));
    statusPanel0_ = panels->AddPanel(QLatin1String("StatusBarPanel0"), 50);
    notice_ = panels->AddPanel(QLatin1String("StatusBarNotice"), 50);
    notice_->hide();
    bar->addWidget(panels, 1);
    setStatusBar(bar);

    // Single border: the client area keeps its size; the menu bar lies above it.
    setFixedSize(kClientWidth, kClientHeight + menuBar()->sizeHint().height());
    setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                   Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint);
}

std::string TMainForm::StatusText() const { return fromQt(statusPanel0_->text()); }

void TMainForm::SetStatusText(const std::string& text) { statusPanel0_->setText(toQt(text)); }

namespace {

// Watches the whole program for the user's next key or mouse button, then runs its action
// once and goes.
class TNextActionWatch : public QObject {
public:
    TNextActionWatch(QObject* parent, std::function<void()> action) : QObject(parent), action_(std::move(action))
    {
        QCoreApplication::instance()->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject*, QEvent* event) override
    {
        switch (event->type()) {
        case QEvent::KeyPress:
        case QEvent::MouseButtonPress:
        case QEvent::NonClientAreaMouseButtonPress:
            if (action_) {
                // Once: the action may end this watch.
                const std::function<void()> action = std::move(action_);
                action_ = nullptr;
                action();
            }
            break;
        default: break;
        }
        return false;
    }

private:
    std::function<void()> action_;
};

} // namespace

void TMainForm::ShowNotice(const std::string& text)
{
    delete noticeEnder_;
    noticeEnder_ = nullptr;
    notice_->setText(toQt(text));
    notice_->setToolTip(toQt(text));
    notice_->setVisible(!text.empty());
    statusPanel0_->setVisible(text.empty());
    if (!text.empty())
        noticeEnder_ = new TNextActionWatch(this, [this] {
            noticeEnder_->deleteLater();
            noticeEnder_ = nullptr;
            ShowNotice("");
        });
}

std::string TMainForm::NoticeText() const { return notice_->isHidden() ? std::string() : fromQt(notice_->text()); }

QAction* TMainForm::MenuItem(const std::string& name) const
{
    return findChild<QAction*>(QString::fromLatin1(name.c_str()));
}

void TMainForm::DetectPlatform()
{
    PlatformKind = PLATFORM_UNKNOWN;
    PlatformKind = DetectPlatformKind(ExecutableFolder());
    // Both host platforms configure SNMP themselves: the settings entry stays hidden.
    if (PlatformKind == PLATFORM_PELMORA || PlatformKind == PLATFORM_OPENVIEW)
        if (QAction* item = MenuItem("mmisnmp_Config"))
            item->setVisible(false);
}

void TMainForm::SetMenuLayout()
{
    SetStpMenuMode(2);
    Set8021dPortMenu(2);
}

void TMainForm::SetStpMenuMode(int mode)
{
    // Mode 2: the multiple-spanning-tree items instead of the classic port table.
    const bool mstp = mode == 2;
    const struct {
        const char* name;
        bool visible;
    } items[] = {
        {"mmiSTPCtrl", true},    {"mmiSTPPortTbl", !mstp},     {"mmiCfgID", mstp},
        {"mmiInstInf", mstp},    {"mmiMSTPPortStaInf", mstp},  {"mmiMSTPPortInf", mstp},
    };
    for (const auto& item : items)
        if (QAction* action = MenuItem(item.name))
            action->setVisible(item.visible);
}

void TMainForm::Set8021dPortMenu(int mode)
{
    if (QAction* action = MenuItem("mmi8021dPortTable"))
        action->setVisible(mode != 2);
}

void TMainForm::EnableRmonEntries(bool on)
{
    for (const char* name : {"Statistics1", "History1", "AlarmEvent1"})
        if (QAction* entry = MenuItem(name))
            entry->setEnabled(on);
}

void TMainForm::UpdateRmonMenus()
{
    if (!MainRequest || closing_)
        return;
    // A read under way may have gone out before what changed the state (a set in RMON
    // Control): another follows it.
    if (!RequestIdle(MainRequest)) {
        rmonReadAgain_ = true;
        return;
    }
    rmonReadAgain_ = false;
    MainRequest->OnGetComplete = [this](VhSNMPRequest2Controls*, VhSNMPError* error) { RmonStateRead(*error); };
    try {
        GetMainRequest(MainRequest);
    } catch (const Exception& e) {
        SetStatusText(e.Message);
        EnableRmonEntries(false);
    }
}

void TMainForm::RmonStateRead(const VhSNMPError& error)
{
    if (error.Code != VHSNMP_OK) {
        SetStatusText(error.Message);
        EnableRmonEntries(false);
    } else {
        const QString state = ST_RmonState->text();
        if (state == QLatin1String("disabled"))
            EnableRmonEntries(false);
        else if (state == QLatin1String("enabled"))
            EnableRmonEntries(true);
    }
    if (rmonReadAgain_)
        QMetaObject::invokeMethod(this, &TMainForm::UpdateRmonMenus, Qt::QueuedConnection);
}

void TMainForm::FormCreate()
{
    try {
        Chassis->FormCreate();
        // Nothing is read from a device that start-up did not name.
        if (startupStopped_)
            return;
        MainRequest = CreateMainRequest(this, ST_RmonState);
        InitChassis();
        Chassis->CreatePowerForm();
    } catch (const Exception& e) {
        SetStatusText(e.Message);
    }
}

void TMainForm::InitChassis() { Chassis->InitChassis(); }

void TMainForm::UnitTableRead()
{
    if (!MainRequest)
        MainRequest = CreateMainRequest(this, ST_RmonState);
    UpdateRmonMenus();
}


void TMainForm::mmisnmp_ConfigClick()
{
    frmConfigSNMP = new TfrmConfigSNMP(nullptr);
    frmConfigSNMP->exec();
    delete frmConfigSNMP;
    frmConfigSNMP = nullptr;
    if (SnmpSettingsChanged &&
        MessageDlg("SNMP Version has been modified!\r\nIf you want to run the module in new version, please reopen "
                   "it again.\r\n\nSwitch to new version?",
                   mtConfirmation, mbYes | mbNo) == mrYes)
        close();
}

void TMainForm::RefreshPanel1Click()
{
    if (GetTag(menuBar()) > 0)
        return;
    if (MessageDlg("Refresh panel may take a long time. Are you sure?", mtConfirmation, mbOK | mbCancel) != mrOk)
        return;
    PopupProcessBarForm = new TPopupProcessBarForm(QCoreApplication::instance());
    PopupProcessBarForm->exec();
    delete std::exchange(PopupProcessBarForm, nullptr);
}

// ---- Close -----------------------------------------------------------------------------

void TMainForm::closeEvent(QCloseEvent* event)
{
    if (closed_) {
        event->accept();
        return;
    }
    if (closeRunning_) {
        event->ignore(); // the close under way carries on
        return;
    }
    closeRunning_ = true;
    bool canClose = true;
    FormCloseQuery(this, canClose);
    if (canClose)
        FormClose(this);
    closeRunning_ = false;
    canClose ? event->accept() : event->ignore();
}

bool TMainForm::RequestsIdle() const
{
    return Chassis->RequestsIdle() && (!MainRequest || RequestIdle(MainRequest));
}

void TMainForm::FormCloseQuery(QObject*, bool& canClose)
{
    setEnabled(false);
    const int count = GetTag(menuBar());
    SetTag(menuBar(), count == MaxCloseCount ? 1 : count + 1);
    Timer1->stop();
    if (Chassis->Busy()) {
        canClose = false;
        Chassis->DeferClose();
        return;
    }
    // From here on nothing new starts; what runs ends.
    closing_ = true;
    Chassis->StopRequests();
    if (MainRequest)
        MainRequest->Request.Enabled = 0;
    // The close may be asked while a reply of one of these requests is being handled
    // (a walk lets messages run between its rows): waiting here would wait for itself.
    // It is asked again once every request is idle.
    canClose = RequestsIdle();
    if (!canClose)
        QTimer::singleShot(_SnmpEventProcessor::Interval, this, &TMainForm::RetryClose);
}

void TMainForm::RetryClose()
{
    if (closed_)
        return;
    if (!RequestsIdle()) {
        QTimer::singleShot(_SnmpEventProcessor::Interval, this, &TMainForm::RetryClose);
        return;
    }
    close();
}

void TMainForm::FormClose(QObject*)
{
    closing_ = true;
    closed_ = true;
    ReleaseChassis();
}

void TMainForm::ReleaseChassis()
{
    Timer1->stop();
    if (Chassis)
        Chassis->Release();
    // A reply that comes while the request is ended no longer updates the window.
    if (MainRequest)
        MainRequest->OnGetComplete = nullptr;
    StopAndDeleteRequest(MainRequest);
}
