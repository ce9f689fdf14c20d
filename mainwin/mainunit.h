#pragma once
// The main window: start-up, the menu bar and the members that every other window reads
// (device address and settings, large-font scale, status bar panel 0, poll timer).
#include <array>
#include <memory>
#include <string>
#include <vector>

#include <QList>
#include <QMainWindow>

#include "mainwin/startup.h"

class QAbstractButton;
class QAction;
class QFrame;
class QLabel;
class QMenu;
class QTimer;
class VhSNMPRequest2Edits;

// One installed module that has a slot thumbnail.
struct SlotEntry {
    uint8_t ModuleIndex = 0; // index into ModuleTypeNames
    int32_t Slot = 0;
    SlotEntry* Next = nullptr;
};

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
    std::array<std::string, 11> ModuleTypeNames;
    std::unique_ptr<QList<QWidget*>> SlotForms;
    std::unique_ptr<QList<QAbstractButton*>> PortButtons;
    SlotEntry* SlotList = nullptr;
    SlotEntry* SlotListTail = nullptr;
    bool FirstChassisBuild = false;
    bool LargeFonts = false;
    float ScaleFactor = 1.0f;

    // Controls.
    QMenu* PortInfoPopupMenu = nullptr;
    QTimer* Timer1 = nullptr;
    QLabel* ST_RmonState = nullptr;
    QLabel* Indicator = nullptr;
    QFrame* TopPanel = nullptr;
    QFrame* ShowPanel = nullptr;
    QFrame* NamePanel = nullptr;
    QFrame* DevicePanel = nullptr;
    QFrame* PowerPanel = nullptr;
    QFrame* ButtonPanel = nullptr;

    // Status bar panel 0: the main window's message line.
    std::string StatusText() const;
    void SetStatusText(const std::string& text);

    // A menu item (of the menu bar or the port popup) by its name, or null.
    QAction* MenuItem(const std::string& name) const;

    // Sets PlatformKind from the executable's folder and hides the SNMP settings entry.
    void DetectPlatform();
    // The spanning-tree menu mode the module runs with.
    void SetMenuLayout();
    void SetStpMenuMode(int mode);
    void Set8021dPortMenu(int mode);
    // Re-reads the RMON state and enables the RMON entries to match.
    void UpdateRmonMenus();

public slots:
    void FormCreate();
    void About1Click();
    void mmisnmp_ConfigClick();

protected:
    // The first build of the chassis view.
    virtual void InitChassis();

private:
    void BuildLayout();
    void StopStartup();

    QLabel* statusPanel0_ = nullptr;
    bool startupStopped_ = false;
};

// The one main window.
extern TMainForm* MainForm;
