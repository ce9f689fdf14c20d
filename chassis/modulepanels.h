#pragma once
// The module forms of the chassis view, per model: a slot thumbnail (the module's picture
// in its slot strip; a click on it shows the module's front panel) and a front panel (the
// module's face with one speed button per port and live LEDs). Both are built from the
// model tables of chassis/modulemodels.h; the sixteen model classes only name a model.
//
// The chassis view (chassis/chassisview.h) creates the thumbnails when it builds the
// chassis and the one front panel it shows, and closes and deletes them. A thumbnail click
// is handed to the view (through the host's ShowModulePanel) from the message loop, so
// that no code of a thumbnail is running when a chassis rebuild deletes it.
//
// A front panel with ports reads its LEDs through LedRequest (created by CreateLedRequest,
// started by the chassis view): the module's LED status value every LedPeriod hundredths
// of a second, with a LedTimeout time-out. FormClose stops the request, waits while it is
// busy and deletes it; the destructor does the same for a panel deleted without FormClose.
// TRQ-3117 first reads the port types of its ports 11 and 12 to choose their LED layout.
#include <array>
#include <cstdint>
#include <vector>

#include <QPixmap>
#include <QWidget>

#include "chassis/modulemodels.h"
#include "snmplib/varlist.h"

class QFrame;
class QLabel;
class QTimer;
class TSpeedButton;
class VhSNMPRequest2Edits;
class VhSNMPRequest2Leds;

// The LED status object of a module (octet string; instance: the unit id) and the port
// type object that TRQ-3117 reads for its ports 11 and 12.
extern const VhSNMPObjectDesc LedStatusTable[];
extern const VhSNMPObjectDesc PortTypeTable[];
// The port type label of a combo port.
inline constexpr const char* ComboPortTypeLabel = "portType-1000Base-none-TX-GBIC-COMBO";

class TModuleThumbnailForm : public QWidget {
    Q_OBJECT
public:
    TModuleThumbnailForm(QWidget* owner, const TModuleModel& model);

    const TModuleModel& Model;
    int Slot = 0;           // the chassis slot (the CPU module's thumbnail sets 1 when clicked)
    QWidget* Image1 = nullptr; // the module's picture

public slots:
    // Asks the chassis view to show this module's front panel.
    void Image1Click();
};

class TModulePanelForm : public QWidget {
    Q_OBJECT
public:
    TModulePanelForm(QWidget* owner, const TModuleModel& model);
    ~TModulePanelForm() override;

    // LedRequest for the panel's Slot: the LED status of unit Slot - 1, its LEDs in the
    // LED panels, result lines in the host's status line. A failure goes
    // to the request's result line (panel 0 when the request could not be made).
    virtual void CreateLedRequest();
    // Tags the port buttons with their port numbers, (Slot - 2) x 64 + port, and appends
    // them, in port order, to the chassis view's PortButtons.
    virtual void CreatePortButtons();
    // Stops and deletes the requests (waiting while one is busy).
    virtual void FormClose();
    // A close or a replacement is asked while the panel is being made: what it reads
    // stops. A read under way ends with its reply or its time-out; no further read starts.
    virtual void Stop();

    const TModuleModel& Model;
    int Slot = 0;
    VhSNMPRequest2Leds* LedRequest = nullptr; // owned
    QLabel* PowerImage = nullptr;
    QLabel* StateImage = nullptr;
    std::vector<TSpeedButton*> SpeedButtons; // SpeedButton1, SpeedButton2, ...
    std::vector<QFrame*> LedPanels;          // LedPanel1, LedPanel2, ...

    // The LED poll's period (hundredths of a second) and time-out; tests shorten them.
    static int32_t LedPeriod;
    static int32_t LedTimeout;

protected:
    // Runs before the LED groups are added (TRQ-3117 reads its port types here).
    virtual void BeforeLeds() {}
    // The AddLeds calls of this panel, in order.
    virtual std::vector<TLedGroup> LedGroups() const { return Model.Leds; }
    // The speed button of a port position (1-based).
    virtual TSpeedButton* PortButton(int port) const;
    void paintEvent(QPaintEvent* event) override;

private:
    void ReleaseLedRequest();
    // The module's face, drawn once per size: a blinking LED repaints only its own small
    // square, and the face's texts are not laid out again for it.
    QPixmap Face;
};

// ---- The CPU module ----

class TPanelTRQ3112Form : public TModulePanelForm {
    Q_OBJECT
public:
    explicit TPanelTRQ3112Form(QWidget* owner);
    ~TPanelTRQ3112Form() override;
    // Shows PowerImage and StateImage lit.
    void DrawPanelLeds();
    void FormClose() override;

    std::array<QLabel*, 8> PanelLedImages{}; // PanelLedImage1..PanelLedImage8
    QTimer* PanelLedTimer = nullptr;         // disabled
};

// ---- TRQ-3117: ports 11 and 12 are combo ports or mini-GBIC ports ----

class TPanelTRQ3117Form : public TModulePanelForm {
    Q_OBJECT
public:
    explicit TPanelTRQ3117Form(QWidget* owner);
    ~TPanelTRQ3117Form() override;
    void CreatePortButtons() override;
    void FormClose() override;
    void Stop() override;

    VhSNMPRequest2Edits* PortTypeRequest = nullptr; // owned while the port types are read
    QLabel* ST_ComboPortLinkSpeed = nullptr;        // hidden; shows the port type label
    uint8_t Port11NotCombo = 0;
    uint8_t Port12NotCombo = 0;

protected:
    // Reads the port types of ports 11 and 12; a failure leaves both combo ports.
    void BeforeLeds() override;
    std::vector<TLedGroup> LedGroups() const override;
    TSpeedButton* PortButton(int port) const override;

private:
    bool ReadPortType(int port, bool& notCombo);
    void ReleasePortTypeRequest();
    bool stopped_ = false; // Stop or FormClose ran: no port type read starts any more
};

// ---- The model classes ----

class TTRQ3112LittleForm : public TModuleThumbnailForm { Q_OBJECT public: explicit TTRQ3112LittleForm(QWidget* owner); };
class TTRQ3114LittleForm : public TModuleThumbnailForm { Q_OBJECT public: explicit TTRQ3114LittleForm(QWidget* owner); };
class TTRQ3115LittleForm : public TModuleThumbnailForm { Q_OBJECT public: explicit TTRQ3115LittleForm(QWidget* owner); };
class TTRQ3117LittleForm : public TModuleThumbnailForm { Q_OBJECT public: explicit TTRQ3117LittleForm(QWidget* owner); };
class TTRQ3118LittleForm : public TModuleThumbnailForm { Q_OBJECT public: explicit TTRQ3118LittleForm(QWidget* owner); };
class TTRQ3119LittleForm : public TModuleThumbnailForm { Q_OBJECT public: explicit TTRQ3119LittleForm(QWidget* owner); };
class TTRQ3120LittleForm : public TModuleThumbnailForm { Q_OBJECT public: explicit TTRQ3120LittleForm(QWidget* owner); };
class TTRQ3122LittleForm : public TModuleThumbnailForm { Q_OBJECT public: explicit TTRQ3122LittleForm(QWidget* owner); };

class TPanelTRQ3114Form : public TModulePanelForm { Q_OBJECT public: explicit TPanelTRQ3114Form(QWidget* owner); };
class TPanelTRQ3115Form : public TModulePanelForm { Q_OBJECT public: explicit TPanelTRQ3115Form(QWidget* owner); };
class TPanelTRQ3118Form : public TModulePanelForm { Q_OBJECT public: explicit TPanelTRQ3118Form(QWidget* owner); };
class TPanelTRQ3119Form : public TModulePanelForm { Q_OBJECT public: explicit TPanelTRQ3119Form(QWidget* owner); };
class TPanelTRQ3120Form : public TModulePanelForm { Q_OBJECT public: explicit TPanelTRQ3120Form(QWidget* owner); };
class TPanelTRQ3122Form : public TModulePanelForm { Q_OBJECT public: explicit TPanelTRQ3122Form(QWidget* owner); };

// The thumbnail and the front panel of a model (a ModuleTypeNames index); null for a
// model without a picture.
TModuleThumbnailForm* CreateModuleThumbnail(uint8_t modelIndex, QWidget* owner);
TModulePanelForm* CreateModulePanel(uint8_t modelIndex, QWidget* owner);
