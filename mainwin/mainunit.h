#pragma once
// The main window: start-up, the menu bar and the members that every other window reads
// (device address and settings, large-font scale, status bar panel 0, poll timer). Its
// client area is the chassis view (chassis/chassisview.h), which it hosts
// (mainwin/windowhost.cpp).
#include <cstdint>
#include <string>
#include <vector>

#include <QMainWindow>

#include "chassis/chassisview.h"
#include "mainwin/startup.h"

class QAction;
class QLabel;
class QTimer;
class QMenu;
class TConfigForm;
class VhSNMPRequest2Edits;
struct TCatalogueRecord;
struct TGenericWindow;
struct TMenuItemDef;
struct VhSNMPError;
struct VhSNMPObjectDesc;

// A command that sets one object of the switch once the user confirms it.
struct TDeviceAction {
    const char* Question; // the confirmation's text and caption
    const char* Caption;
    const VhSNMPObjectDesc* Objects; // one scalar
    const char* Value;               // the value set
    unsigned Icon;                   // the confirmation's icon (MB_ICON...)
};
extern const TDeviceAction SaveChangesAction;
extern const TDeviceAction RebootAction;

// The product's help file, beside the executable.
inline constexpr char HelpFileName[] = "TRQ-3100 r3 dr4.hlp";

class TMainForm : public QMainWindow, public TDeviceSettingsTexts {
    Q_OBJECT
public:
    // Runs the start-up steps with the program's arguments (without the program name).
    // The class library's own exception leaves it when the SNMP library cannot start or
    // a numeric option is no number. Sets MainForm to this.
    TMainForm(QWidget* owner, const std::vector<std::string>& arguments);
    ~TMainForm() override;

    // The main window as the program entry creates it: constructed, then FormCreate.
    static TMainForm* Create(const std::vector<std::string>& arguments);

    // Start-up found nothing to manage ("No parameter input", a bad address, an unknown
    // platform): the program ends without reading anything from a device.
    bool StartupStopped() const { return startupStopped_; }

    // The settings folder under HP OpenView (from the registry).
    std::string SettingsFolder;

    std::string WindowTitle;
    VhSNMPRequest2Edits* MainRequest = nullptr; // owned
    bool LargeFonts = false;
    float ScaleFactor = 1.0f;

    // Controls.
    QMenu* PortInfoPopupMenu = nullptr; // PopupComponent(PortInfoPopupMenu): the port button it opened for
    QTimer* Timer1 = nullptr;           // the chassis poll's timer (the view polls at its ticks)
    QLabel* ST_RmonState = nullptr;
    TChassisView* Chassis = nullptr;    // the client area

    // Status bar panel 0: the main window's message line.
    std::string StatusText() const;
    void SetStatusText(const std::string& text);
    // A notice for the user in panel 0's place that the polls do not overwrite: it stays
    // until the user's next action (a key or mouse button pressed in any of the program's
    // windows), then panel 0 shows again with its latest text. An empty text ends it.
    void ShowNotice(const std::string& text);
    // The notice shown, or "".
    std::string NoticeText() const;

    // A menu item (of the menu bar or the port popup) by its name, or null.
    QAction* MenuItem(const std::string& name) const;

    // Sets PlatformKind from the executable's folder and hides the SNMP settings entry.
    void DetectPlatform();
    // The spanning-tree menu mode the module runs with.
    void SetMenuLayout();
    void SetStpMenuMode(int mode);
    void Set8021dPortMenu(int mode);
    // Reads the RMON state again and, when its reply comes, enables the RMON entries to
    // match (a failure: its text in status bar panel 0, the entries disabled). The read
    // never holds up the message loop; asked while one is under way, another follows it.
    void UpdateRmonMenus();

    // ---- Menu dispatch (menudispatch.cpp) ----
    // Runs the handler of a menu item (menudispatch.h); what it raises is shown in a
    // message box.
    void MenuItemClick(const TMenuItemDef& item);
    // The roads of the kinds: the generic window of the item's catalogue record; the same
    // for the port of the button that opened the port popup; the item's dedicated window.
    void OpenGenericWindow(const TMenuItemDef& item);
    void OpenPortEditor(const TMenuItemDef& item);
    void OpenCompiledWindow(const TMenuItemDef& item);
    // Generic windows with code of their own: the time-zone hint of "System Time", the
    // close handler of "RMON Control", the defaults beside the learning-constraint rows.
    void AddTimeZoneHint(TGenericWindow& window);
    void HookRmonControlClose(TGenericWindow& window);
    void AddConstraintDefaults(TGenericWindow& window);
    // "RMON Control" closes: its own close handling, then the RMON entries follow the state.
    void RmonControlClose(TConfigForm* form, QObject* sender);

    // ---- Sibling tools (siblingtools.cpp) ----
    // Starts the host's MIB tool of the page argument ("/TMIB_IFTable") for this switch;
    // a tool that cannot be started is named in a notice (ShowNotice), after the host's
    // status text.
    void LaunchMibTool(const std::string& page);
    // The tool's program and its options, one element each: "/I", "/R", "/W", the page,
    // then the SNMPv3 options when the switch is managed with SNMPv3. Shows "No Path!" or
    // "OpenView : File Path Error!" as a notice when the host cannot be told.
    std::vector<std::string> BuildToolCommandLine(const std::string& page);

    // ---- Device actions and help (deviceactions.cpp) ----
    // Confirmed, then one set; a failure is raised with the library's text and code.
    void SaveChanges1Click();
    void Reboot1Click();
    // Opens the help file beside the executable; says so when it cannot.
    void Help2Click();

    // Status bar panel 0 itself (the message target of the chassis requests).
    QLabel* StatusBarPanel0() const { return statusPanel0_; }

    // The device actions' time-out, hundredths of a second (tests shorten it).
    int32_t DeviceActionTimeout = 500;

public slots:
    void FormCreate();
    void mmisnmp_ConfigClick();
    void RefreshPanel1Click();
    void PortInfoPopupMenuPopup() {}
    // The close request: refused while a chassis job runs (the view carries it out when
    // the job ends); otherwise the long-lived requests are stopped, and the close goes
    // through once they are all idle (it is asked again then).
    void FormCloseQuery(QObject* sender, bool& canClose);
    // Deletes the requests, the front panel and the power window.
    void FormClose(QObject* sender);

    // A read of the unit table succeeded: the RMON state is read for the menus.
    void UnitTableRead();

protected:
    // The first build of the chassis view.
    virtual void InitChassis();
    void closeEvent(QCloseEvent* event) override;

private:
    void BuildLayout();
    void BindMenuItem(QAction* action, const TMenuItemDef& item);
    // Builds, captions and shows the record's window, then deletes it.
    void RunGenericWindow(const TCatalogueRecord& record, const std::string& suffix);
    void StopStartup();
    void ReleaseChassis();
    // Every long-lived request (the view's, the RMON state's) is idle.
    bool RequestsIdle() const;
    void RetryClose();

    void RunDeviceAction(const TDeviceAction& action);
    void EnableRmonEntries(bool on);
    void RmonStateRead(const VhSNMPError& error);

    QLabel* statusPanel0_ = nullptr;
    QLabel* notice_ = nullptr;       // in panel 0's place while a notice stands
    QObject* noticeEnder_ = nullptr; // ends the notice at the user's next action
    bool startupStopped_ = false;
    bool deviceActionRunning_ = false;
    bool closeRunning_ = false;
    bool closing_ = false; // a close is under way: nothing new starts
    bool closed_ = false;  // FormClose has run
    bool rmonReadAgain_ = false; // the RMON state is read again once the read under way ends
};

// The one main window.
extern TMainForm* MainForm;
