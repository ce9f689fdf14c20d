#pragma once
// The chassis view: the window's client area with the chassis picture, the slot strips and
// unit labels beside it, the power and fan window under it and the shown module's front
// panel at the bottom.
//
// The switch's unit table (read into UnitListView) gives the installed modules: one slot
// strip with the module's thumbnail and one label per module, the CPU module in slot 1 and
// unit n in slot n + 1. A click on a thumbnail shows that module's front panel in
// ButtonPanel, with its port buttons (in PortButtons, each tagged with its port number) and
// its LEDs polled every 3 s. The poll timer the window hands over polls the chassis
// (RefreshChassis): the unit table again, a rebuild when the installed modules changed,
// what the host reads after it (UnitTableRead), the power and fan states.
//
// One chassis job runs at a time: while a refresh or the replacement of the front panel
// waits for the switch, timer polls are skipped, a second refresh returns at once, a
// thumbnail click is carried out after the replacement under way, and a close of the
// window is refused (DeferClose) and carried out when the job ends.
//
// What it needs of the window (the status line, the host's reads) comes through
// chassis/chassishost.h.
#include <array>
#include <cstdint>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include <QList>
#include <QPointer>
#include <QWidget>

class QAbstractButton;
class QFrame;
class QLabel;
class QMenu;
class QTimer;
class QTreeWidget;
class TModulePanelForm;
class VhSNMPRequest2Edits;

// One installed module that has a slot thumbnail.
struct SlotEntry {
    uint8_t ModuleIndex = 0; // index into ModuleTypeNames
    int32_t Slot = 0;
    SlotEntry* Next = nullptr;
};

class TChassisView : public QWidget {
    Q_OBJECT
public:
    // The client area of owner: the port buttons get portMenu as their popup menu, and
    // pollTimer's ticks poll the chassis (Timer1Timer). Both stay the owner's.
    TChassisView(QWidget* owner, QMenu* portMenu, QTimer* pollTimer);
    // Ends the requests and the parts (Release) when the owner has not.
    ~TChassisView() override;

    // The lists and names the view starts from; nothing is read yet.
    void FormCreate();
    // The first build: the unit table, then the strips, labels and port buttons.
    void InitChassis();
    // The power and fan window in PowerPanel (its reads start).
    void CreatePowerForm();

    std::array<std::string, 11> ModuleTypeNames;
    std::unique_ptr<QList<QWidget*>> SlotForms;
    std::unique_ptr<QList<QAbstractButton*>> PortButtons;
    SlotEntry* SlotList = nullptr;
    SlotEntry* SlotListTail = nullptr;
    bool FirstChassisBuild = false;

    // Controls.
    QPointer<QMenu> PortInfoPopupMenu; // not owned
    QPointer<QTimer> Timer1;           // not owned (the owner may delete it before the view)
    QLabel* Indicator = nullptr;
    QFrame* TopPanel = nullptr;
    QFrame* ShowPanel = nullptr;
    QFrame* NamePanel = nullptr;
    QFrame* DevicePanel = nullptr;
    QFrame* PowerPanel = nullptr;
    QFrame* ButtonPanel = nullptr;
    QTreeWidget* UnitListView = nullptr;         // hidden; unit id, start port, module name
    VhSNMPRequest2Edits* UnitRequest = nullptr;  // owned; made by the first unit table read
    std::array<QFrame*, 9> SlotPanels{};         // SlotPanel1..SlotPanel9
    std::array<QLabel*, 9> UnitLabels{};         // UnitLabel1..UnitLabel9
    QLabel* ChassisImage = nullptr;
    QPointer<QWidget> LastSlotForm;              // the thumbnail made last
    TModulePanelForm* CurrentPanelForm = nullptr; // the shown front panel, or null
    int CurrentSlot = 0;
    uint8_t CurrentModuleIndex = 0;
    bool PollRunning = false;  // a timer poll is running
    bool ClosePending = false; // a refused close is carried out when the chassis job ends

    // Reads the unit table into UnitListView: its row count, 0 when the read failed.
    int ReadUnitTable();
    // The last read of the unit table failed (its text is in the status line).
    bool UnitReadFailed() const { return unitReadCode_ != 0; }
    // Slot strips, slot list and unit labels from UnitListView.
    void BuildUnits();
    void CreateSlotForm(const std::string& moduleName, const std::string& slotText);
    void CloseSlotForms();
    // The chassis poll; also run by the refresh popup and the module configuration dialog.
    void RefreshChassis();
    // Shows the front panel of the module in that slot (a thumbnail's click).
    void ShowModulePanel(int slot, uint8_t modelIndex);

    // Port buttons: at most one is down; the port popup menu finds its button through
    // PopupComponent(PortInfoPopupMenu) (classlib/speedbutton.h), releases every button
    // and sets that one down (setChecked(true)).
    void ReleasePortButtons();
    // A port button down (a checkable button: checked) or up.
    static void SetButtonDown(QAbstractButton* button, bool down);
    void SetPortButtonsPopupMenu();
    void HookPortButtons();
    void PortButtonClick(QObject* sender);

    // ---- The window's close ----
    // A chassis job (a poll, a refresh, a front panel's replacement) is under way.
    bool Busy() const { return PollRunning || refreshing_ || panelSwitching_; }
    // A close asked while Busy: the job's reads stop after the exchange under way, and the
    // window is asked to close again when the job ends.
    void DeferClose();
    // The close goes through: nothing new starts; what runs ends.
    void StopRequests();
    // Every request of the view (unit table, power, fans, LEDs) is idle.
    bool RequestsIdle() const;
    // Deletes the requests, the front panel and the power window.
    void Release();

public slots:
    void Timer1Timer();

private:
    void BuildChassisLayout();
    using UnitRows = std::vector<std::pair<std::string, std::string>>; // unit id, module name
    UnitRows ReadUnitRows() const;
    void RebuildChassis(int rows);
    void HideUnitLabels();
    bool HasSlotEntry(int slot, uint8_t modelIndex) const;
    void FreeSlotList();
    void SwitchModulePanel(int slot, uint8_t modelIndex);
    void CloseModulePanel();
    void PollFailed(const std::string& message);
    void FinishChassisWork();
    std::string StatusText() const;
    void SetStatusText(const std::string& text);

    UnitRows builtRows_;       // the units the shown view was built from
    int32_t unitReadCode_ = 0; // outcome of the last unit table read
    bool refreshing_ = false;
    bool panelSwitching_ = false;
    bool closing_ = false; // a close is under way: nothing new starts
    struct {
        int Slot = 0;
        uint8_t ModelIndex = 0;
        bool Set = false;
    } pendingPanel_;
};
