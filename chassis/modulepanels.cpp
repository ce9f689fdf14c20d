#include "chassis/modulepanels.h"

#include <QFrame>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QTimer>
#include <QVBoxLayout>

#include "classlib/events.h"
#include "classlib/formstyle.h"
#include "classlib/ledshape.h"
#include "classlib/speedbutton.h"
#include "configwin/optionlists.h"
#include "chassis/chassispictures.h"
#include "chassis/chassishost.h"
#include "chassis/requestlifetime.h"
#include "chassis/statusline.h"
#include "platform/sysutils.h"
#include "snmplib/bind/request2edits.h"
#include "snmplib/bind/request2leds.h"
#include "snmplib/snmperror.h"

const VhSNMPObjectDesc LedStatusTable[] = {
    {"1.3.6.1.4.1.32473.12.11.1.9.5.1.5", "swUnitMgmtFrontPanelLedStatus", SNMP_SYNTAX_OCTETSTR,
     SNMP_ACCESS_READONLY, nullptr},
    {},
};

const VhSNMPObjectDesc PortTypeTable[] = {
    {"1.3.6.1.4.1.32473.11.78.1.2.3.1.1.4", "Port Type", SNMP_SYNTAX_INTEGER, SNMP_ACCESS_READONLY, &PortTypeList},
    {},
};

int32_t TModulePanelForm::LedPeriod = 300;
int32_t TModulePanelForm::LedTimeout = 500;

namespace {

// The module's picture in a thumbnail; a click on it is the thumbnail's click.
class ModuleImage : public QWidget {
public:
    ModuleImage(TModuleThumbnailForm* form) : QWidget(form), Form(form)
    {
        setObjectName(QStringLiteral("Image1"));
        setCursor(Qt::PointingHandCursor);
    }

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter painter(this);
        PaintModuleThumbnail(painter, Form->Model, rect());
    }
    void mouseReleaseEvent(QMouseEvent* event) override
    {
        if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
            Form->Image1Click();
    }

private:
    TModuleThumbnailForm* Form;
};

const TModuleModel& ModelOf(uint8_t index) { return *FindModuleModel(index); }

QLabel* Image(QWidget* parent, const char* name, const QRect& place)
{
    auto* image = new QLabel(parent);
    image->setObjectName(QLatin1String(name));
    image->setGeometry(place);
    return image;
}

} // namespace

// ---- Thumbnail -------------------------------------------------------------------------

TModuleThumbnailForm::TModuleThumbnailForm(QWidget* owner, const TModuleModel& model)
    : QWidget(owner, Qt::FramelessWindowHint), Model(model)
{
    setObjectName(QString::fromLatin1(model.Name).remove(QLatin1Char('-')) + QStringLiteral("LittleForm"));
    resize(ThumbnailWidth, ThumbnailHeight);
    Image1 = new ModuleImage(this);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(Image1);
}

void TModuleThumbnailForm::Image1Click()
{
    if (Model.Index == CpuModuleIndex)
        Slot = 1;
    QWidget* main = ChassisHost() ? ChassisHost()->Window() : nullptr;
    if (!main)
        return;
    // From the message loop: a rebuild may delete this thumbnail while the panel is made.
    const int slot = Slot;
    const uint8_t index = Model.Index;
    QMetaObject::invokeMethod(
        main,
        [slot, index] {
            if (ChassisHost())
                ChassisHost()->ShowModulePanel(slot, index);
        },
        Qt::QueuedConnection);
}

// ---- Front panel -----------------------------------------------------------------------

TModulePanelForm::TModulePanelForm(QWidget* owner, const TModuleModel& model)
    : QWidget(owner, Qt::FramelessWindowHint), Model(model)
{
    setObjectName(QStringLiteral("Panel") + QString::fromLatin1(model.Name).remove(QLatin1Char('-')) +
                  QStringLiteral("Form"));
    UseFormFont(this);
    resize(model.PanelWidth, ModulePanelHeight);
    PowerImage = Image(this, "PowerImage", PowerLedRect());
    StateImage = Image(this, "StateImage", StateLedRect());
    PowerImage->setPixmap(PanelLedPicture(0));
    StateImage->setPixmap(PanelLedPicture(0));
    for (std::size_t i = 0; i < model.LedPanels.size(); ++i) {
        const TLedPanelFace& face = model.LedPanels[i];
        auto* panel = new QFrame(this);
        panel->setObjectName(QStringLiteral("LedPanel%1").arg(i + 1));
        panel->setGeometry(face.Left, face.Top, face.Width, LedPanelHeight);
        LedPanels.push_back(panel);
    }
    for (std::size_t i = 0; i < model.Buttons.size(); ++i) {
        const TPortFace& face = model.Buttons[i];
        auto* button = new TSpeedButton(this);
        button->setObjectName(QStringLiteral("SpeedButton%1").arg(i + 1));
        button->setGeometry(face.Left - 1, face.Top - 1, face.Width + 2, face.Height + 2);
        SpeedButtons.push_back(button);
    }
}

TModulePanelForm::~TModulePanelForm() { ReleaseLedRequest(); }

void TModulePanelForm::paintEvent(QPaintEvent* event)
{
    const qreal ratio = devicePixelRatioF();
    const QSize pixels = (QSizeF(size()) * ratio).toSize();
    if (Face.size() != pixels || Face.devicePixelRatio() != ratio) {
        Face = QPixmap(pixels);
        Face.setDevicePixelRatio(ratio);
        Face.fill(Qt::transparent);
        QPainter face(&Face);
        PaintModuleFace(face, Model, rect());
    }
    const QRect area = event->rect();
    QPainter painter(this);
    painter.drawPixmap(QRectF(area), Face,
                       QRectF(area.x() * ratio, area.y() * ratio, area.width() * ratio, area.height() * ratio));
}

void TModulePanelForm::CreateLedRequest()
{
    try {
        LedRequest = new TStatusLineRequest<VhSNMPRequest2Leds>(this);
        LedRequest->Request.VarList = VhSNMPVarList(LedStatusTable, MVT_SV, 0);
        LedRequest->Request.Timeout = LedTimeout;
        LedRequest->Request.VarList.Suffix = IntToStr(Slot - 1);
        BeforeLeds();
        // A close of the panel during the reads above has ended its requests.
        if (!LedRequest)
            return;
        for (const TLedGroup& group : LedGroups())
            LedRequest->AddLeds(0, group.Positions, &LedColorMap, LedPanels.at(group.Panel - 1), group.Left,
                                group.Gap, stRectangle, LedSize, LedSize);
        if (ChassisHost())
            LedRequest->SetMessageTarget(ChassisHost()->StatusTarget());
        LedRequest->Request.VarList.Caption = " Led Status";
    } catch (const std::exception& e) {
        if (LedRequest && LedRequest->MessageTarget)
            LedRequest->ShowMessage(e.what());
        else if (ChassisHost())
            ChassisHost()->SetStatusText(e.what());
    }
}

TSpeedButton* TModulePanelForm::PortButton(int port) const
{
    return port >= 1 && port <= static_cast<int>(SpeedButtons.size()) ? SpeedButtons[port - 1] : nullptr;
}

void TModulePanelForm::CreatePortButtons()
{
    for (int port = 1; port <= Model.Ports; ++port)
        if (TSpeedButton* button = PortButton(port))
            SetTag(button, (Slot - 2) * 64 + port);
    QList<QAbstractButton*>* buttons = ChassisHost() ? ChassisHost()->PortButtons() : nullptr;
    if (!buttons)
        return;
    for (int port = 1; port <= Model.Ports; ++port)
        if (TSpeedButton* button = PortButton(port))
            buttons->append(button);
}

void TModulePanelForm::FormClose() { ReleaseLedRequest(); }

void TModulePanelForm::Stop()
{
    if (!LedRequest)
        return;
    LedRequest->Stop();
    LedRequest->Request.Enabled = 0;
}

void TModulePanelForm::ReleaseLedRequest()
{
    if (LedRequest)
        LedRequest->Stop();
    StopAndDeleteRequest(LedRequest);
}

// ---- CPU module ------------------------------------------------------------------------

TPanelTRQ3112Form::TPanelTRQ3112Form(QWidget* owner) : TModulePanelForm(owner, ModelOf(1))
{
    for (int i = 0; i < 8; ++i)
        PanelLedImages[i] = Image(this, ("PanelLedImage" + std::to_string(i + 1)).c_str(), CpuPanelLedRect(i));
    PanelLedTimer = new QTimer(this);
    PanelLedTimer->setObjectName(QStringLiteral("PanelLedTimer"));
    DrawPanelLeds();
    PanelLedTimer->stop();
}

TPanelTRQ3112Form::~TPanelTRQ3112Form() = default;

void TPanelTRQ3112Form::DrawPanelLeds()
{
    PowerImage->setPixmap(PanelLedPicture(0));
    StateImage->setPixmap(PanelLedPicture(0));
}

void TPanelTRQ3112Form::FormClose()
{
    if (PanelLedTimer)
        PanelLedTimer->stop();
    PanelLedImages.fill(nullptr);
    TModulePanelForm::FormClose();
}

// ---- TRQ-3117 --------------------------------------------------------------------------

namespace {

// The port type read reports nothing of its own: a failure only chooses the combo layout.
class QuietEdits : public VhSNMPRequest2Edits {
public:
    using VhSNMPRequest2Edits::VhSNMPRequest2Edits;
    void OnGetError(VhSNMPError*) override {}
};

} // namespace

TPanelTRQ3117Form::TPanelTRQ3117Form(QWidget* owner) : TModulePanelForm(owner, ModelOf(6))
{
    ST_ComboPortLinkSpeed = new QLabel(this);
    ST_ComboPortLinkSpeed->setObjectName(QStringLiteral("ST_ComboPortLinkSpeed"));
    ST_ComboPortLinkSpeed->hide();
}

TPanelTRQ3117Form::~TPanelTRQ3117Form() { ReleasePortTypeRequest(); }

void TPanelTRQ3117Form::ReleasePortTypeRequest() { StopAndDeleteRequest(PortTypeRequest); }

bool TPanelTRQ3117Form::ReadPortType(int port, bool& notCombo)
{
    if (stopped_ || !PortTypeRequest)
        return false;
    int32_t code = VHSNMP_ERR_UNKNOWN;
    ST_ComboPortLinkSpeed->clear();
    PortTypeRequest->Request.VarList.Suffix = IntToStr((Slot - 2) * 64 + port);
    PortTypeRequest->OnGetComplete = [&code](VhSNMPRequest2Controls*, VhSNMPError* error) { code = error->Code; };
    PortTypeRequest->Get();
    // The read waits for its reply without holding up the window.
    WaitWhileBusy(PortTypeRequest);
    if (!PortTypeRequest)
        return false;
    PortTypeRequest->OnGetComplete = nullptr;
    if (code != VHSNMP_OK)
        return false;
    notCombo = fromQt(ST_ComboPortLinkSpeed->text()) != ComboPortTypeLabel;
    return true;
}

void TPanelTRQ3117Form::BeforeLeds()
{
    Port11NotCombo = 0;
    Port12NotCombo = 0;
    if (stopped_)
        return;
    try {
        PortTypeRequest = new QuietEdits(this);
        PortTypeRequest->Request.VarList = VhSNMPVarList(PortTypeTable, MVT_SV, 0);
        PortTypeRequest->AddControl(0, ST_ComboPortLinkSpeed);
        bool port11 = false;
        bool port12 = false;
        // A stop during the first read leaves the second unsent.
        if (ReadPortType(11, port11) && ReadPortType(12, port12)) {
            Port11NotCombo = port11;
            Port12NotCombo = port12;
        }
    } catch (const std::exception&) {
        Port11NotCombo = 0;
        Port12NotCombo = 0;
    }
    ReleasePortTypeRequest();
}

std::vector<TLedGroup> TPanelTRQ3117Form::LedGroups() const
{
    std::vector<TLedGroup> groups = Model.Leds;
    const uint8_t notCombo[] = {Port11NotCombo, Port12NotCombo};
    for (int which = 0; which < 2; ++which) {
        const TComboPortLayout& port = Trq3117ComboPort(which);
        const auto& more = notCombo[which] ? port.CageLeds : port.ComboLeds;
        groups.insert(groups.end(), more.begin(), more.end());
    }
    return groups;
}

TSpeedButton* TPanelTRQ3117Form::PortButton(int port) const
{
    if (port == 11 || port == 12) {
        const TComboPortLayout& layout = Trq3117ComboPort(port - 11);
        const bool notCombo = port == 11 ? Port11NotCombo : Port12NotCombo;
        return TModulePanelForm::PortButton(notCombo ? layout.CageButton : layout.ComboButton);
    }
    return TModulePanelForm::PortButton(port);
}

void TPanelTRQ3117Form::CreatePortButtons()
{
    TModulePanelForm::CreatePortButtons();
    // The jack or cage of ports 11 and 12 that is not in use carries no port.
    for (int which = 0; which < 2; ++which) {
        const TComboPortLayout& layout = Trq3117ComboPort(which);
        const bool notCombo = which == 0 ? Port11NotCombo : Port12NotCombo;
        if (TSpeedButton* unused = TModulePanelForm::PortButton(notCombo ? layout.ComboButton : layout.CageButton))
            unused->setEnabled(false);
    }
}

void TPanelTRQ3117Form::FormClose()
{
    stopped_ = true;
    TModulePanelForm::FormClose();
    ReleasePortTypeRequest();
}

void TPanelTRQ3117Form::Stop()
{
    stopped_ = true;
    if (PortTypeRequest)
        PortTypeRequest->Request.Enabled = 0;
    TModulePanelForm::Stop();
}

// ---- Model classes ---------------------------------------------------------------------

TTRQ3112LittleForm::TTRQ3112LittleForm(QWidget* owner) : TModuleThumbnailForm(owner, ModelOf(1)) {}
TTRQ3114LittleForm::TTRQ3114LittleForm(QWidget* owner) : TModuleThumbnailForm(owner, ModelOf(3)) {}
TTRQ3115LittleForm::TTRQ3115LittleForm(QWidget* owner) : TModuleThumbnailForm(owner, ModelOf(4)) {}
TTRQ3117LittleForm::TTRQ3117LittleForm(QWidget* owner) : TModuleThumbnailForm(owner, ModelOf(6)) {}
TTRQ3118LittleForm::TTRQ3118LittleForm(QWidget* owner) : TModuleThumbnailForm(owner, ModelOf(7)) {}
TTRQ3119LittleForm::TTRQ3119LittleForm(QWidget* owner) : TModuleThumbnailForm(owner, ModelOf(8)) {}
TTRQ3120LittleForm::TTRQ3120LittleForm(QWidget* owner) : TModuleThumbnailForm(owner, ModelOf(9)) {}
TTRQ3122LittleForm::TTRQ3122LittleForm(QWidget* owner) : TModuleThumbnailForm(owner, ModelOf(10)) {}

TPanelTRQ3114Form::TPanelTRQ3114Form(QWidget* owner) : TModulePanelForm(owner, ModelOf(3)) {}
TPanelTRQ3115Form::TPanelTRQ3115Form(QWidget* owner) : TModulePanelForm(owner, ModelOf(4)) {}
TPanelTRQ3118Form::TPanelTRQ3118Form(QWidget* owner) : TModulePanelForm(owner, ModelOf(7)) {}
TPanelTRQ3119Form::TPanelTRQ3119Form(QWidget* owner) : TModulePanelForm(owner, ModelOf(8)) {}
TPanelTRQ3120Form::TPanelTRQ3120Form(QWidget* owner) : TModulePanelForm(owner, ModelOf(9)) {}
TPanelTRQ3122Form::TPanelTRQ3122Form(QWidget* owner) : TModulePanelForm(owner, ModelOf(10)) {}

namespace {

template <class T>
TModuleThumbnailForm* MakeThumbnail(QWidget* owner)
{
    return new T(owner);
}
template <class T>
TModulePanelForm* MakePanel(QWidget* owner)
{
    return new T(owner);
}

struct ModelForms {
    uint8_t Index;
    TModuleThumbnailForm* (*Thumbnail)(QWidget*);
    TModulePanelForm* (*Panel)(QWidget*);
};

constexpr ModelForms ModelFormTable[] = {
    {1, MakeThumbnail<TTRQ3112LittleForm>, MakePanel<TPanelTRQ3112Form>},
    {3, MakeThumbnail<TTRQ3114LittleForm>, MakePanel<TPanelTRQ3114Form>},
    {4, MakeThumbnail<TTRQ3115LittleForm>, MakePanel<TPanelTRQ3115Form>},
    {6, MakeThumbnail<TTRQ3117LittleForm>, MakePanel<TPanelTRQ3117Form>},
    {7, MakeThumbnail<TTRQ3118LittleForm>, MakePanel<TPanelTRQ3118Form>},
    {8, MakeThumbnail<TTRQ3119LittleForm>, MakePanel<TPanelTRQ3119Form>},
    {9, MakeThumbnail<TTRQ3120LittleForm>, MakePanel<TPanelTRQ3120Form>},
    {10, MakeThumbnail<TTRQ3122LittleForm>, MakePanel<TPanelTRQ3122Form>},
};

const ModelForms* FormsOf(uint8_t index)
{
    for (const ModelForms& forms : ModelFormTable)
        if (forms.Index == index)
            return &forms;
    return nullptr;
}

} // namespace

TModuleThumbnailForm* CreateModuleThumbnail(uint8_t modelIndex, QWidget* owner)
{
    const ModelForms* forms = FormsOf(modelIndex);
    return forms ? forms->Thumbnail(owner) : nullptr;
}

TModulePanelForm* CreateModulePanel(uint8_t modelIndex, QWidget* owner)
{
    const ModelForms* forms = FormsOf(modelIndex);
    return forms ? forms->Panel(owner) : nullptr;
}
