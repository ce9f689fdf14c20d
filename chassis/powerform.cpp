#include "chassis/powerform.h"

#include <functional>
#include <iterator>

#include <QTreeWidget>

#include "classlib/formstyle.h"
#include "configwin/optionlists.h"
#include "chassis/chassispictures.h"
#include "chassis/chassishost.h"
#include "chassis/requestlifetime.h"
#include "chassis/statusline.h"
#include "platform/sysutils.h"
#include "snmplib/bind/request2edits.h"
#include "snmplib/snmperror.h"

TPowerForm* PowerForm = nullptr;

const VhSNMPObjectDesc PowerStateTable[] = {
    {"1.3.6.1.4.1.32473.12.11.1.3", "swVarnholtEquipmentMainPowerState", SNMP_SYNTAX_INTEGER, SNMP_ACCESS_READONLY,
     &OffOnList},
    {"1.3.6.1.4.1.32473.12.11.1.4", "swVarnholtEquipmentRPSPowerState", SNMP_SYNTAX_INTEGER, SNMP_ACCESS_READONLY,
     &OffOnList},
    {},
};

const VhSNMPObjectDesc FanTable[] = {
    {"1.3.6.1.4.1.32473.12.11.1.7.1.1", "swFanUnitIndex", SNMP_SYNTAX_INTEGER, SNMP_ACCESS_READONLY, nullptr},
    {"1.3.6.1.4.1.32473.12.11.1.7.1.2", "swFanID", SNMP_SYNTAX_INTEGER, SNMP_ACCESS_READONLY, nullptr},
    {"1.3.6.1.4.1.32473.12.11.1.7.1.3", "swFanStatus", SNMP_SYNTAX_INTEGER, SNMP_ACCESS_READONLY,
     &OtherWorkingFailList},
    {},
};

namespace {

constexpr int PowerTimedOut = 1;
constexpr int PowerFailed = 2;
constexpr int FanWorking = 0;
constexpr int FanUnknown = 1;
constexpr int FanFailed = 2;

// Where each fan picture looks in the fan table: fan unit and fan id.
constexpr struct {
    const char* Unit;
    const char* Fan;
} FanPlaces[4] = {{"1", "1"}, {"1", "2"}, {"2", "1"}, {"2", "2"}};

} // namespace

TPowerForm::TPowerForm(QWidget* owner) : QWidget(owner, Qt::FramelessWindowHint)
{
    setupUi(this);
    UseFormFont(this);
    for (QWidget* hidden : std::initializer_list<QWidget*>{MainPowers_Text, RPSPowers_Text, LV_Power, LV_Fan})
        hidden->hide();
    FormCreate();
}

TPowerForm::~TPowerForm()
{
    FormClose();
    if (PowerForm == this)
        PowerForm = nullptr;
}

void TPowerForm::FormCreate()
{
    PowerImages = {PowerImage1, PowerImage2};
    FanImages = {FanImage1, FanImage2, FanImage3, FanImage4};
    // Each read is made and started on its own: one that fails leaves the other.
    const auto startRead = [this](VhSNMPRequest2Edits*& request, const VhSNMPObjectDesc* table, uint8_t listType,
                                  int keyCount, const std::function<void(VhSNMPRequest2Edits&)>& bind,
                                  void (TPowerForm::*complete)(VhSNMPRequest2Controls*, VhSNMPError*)) {
        try {
            request = new TStatusLineRequest<VhSNMPRequest2Edits>(nullptr);
            request->Request.VarList = VhSNMPVarList(table, listType, keyCount);
            bind(*request);
            QLabel* panel0 = ChassisHost() ? ChassisHost()->StatusTarget() : nullptr;
            request->SetMessageTarget(panel0);
            request->OnGetComplete = [this, complete](VhSNMPRequest2Controls* sender, VhSNMPError* error) {
                (this->*complete)(sender, error);
            };
            request->Get();
        } catch (const std::exception& e) {
            if (ChassisHost())
                ChassisHost()->SetStatusText(e.what());
            // A read that cannot even be sent (a host name that does not resolve) shows
            // the pictures of a switch that does not answer, as a time-out does.
            VhSNMPError unanswered;
            unanswered.Code = VHSNMP_ERR_TIMED_OUT;
            (this->*complete)(request, &unanswered);
        }
    };
    startRead(
        PowerRequest, PowerStateTable, SVT_SV, 0,
        [this](VhSNMPRequest2Edits& request) {
            request.AddControl(0, MainPowers_Text);
            request.AddControl(1, RPSPowers_Text);
        },
        &TPowerForm::OnPowerReadComplete);
    startRead(
        FanRequest, FanTable, MVT_FMV, 2,
        [this](VhSNMPRequest2Edits& request) {
            request.AttachListView(LV_Fan, true);
            request.MaxRows = std::size(FanPlaces); // the chassis holds two fan units of two fans
        },
        &TPowerForm::OnFanReadComplete);
}

int TPowerForm::PowerStateImageIndex(const std::string& label)
{
    if (label == "on")
        return 0;
    if (label == "off")
        return 1;
    return 2;
}

void TPowerForm::ShowPower(int image, int index)
{
    if (PowerImageIndexes[image] == index)
        return; // the picture shown already: nothing to repaint
    PowerImageIndexes[image] = index;
    PowerImages[image]->setPixmap(PowerPicture(index));
}

void TPowerForm::ShowFan(int image, int index)
{
    if (FanImageIndexes[image] == index)
        return;
    FanImageIndexes[image] = index;
    FanImages[image]->setPixmap(FanPicture(index));
}

void TPowerForm::OnPowerReadComplete(VhSNMPRequest2Controls*, VhSNMPError* error)
{
    if (error->Code == VHSNMP_OK) {
        ShowPower(1, PowerStateImageIndex(fromQt(MainPowers_Text->text())));
        ShowPower(0, PowerStateImageIndex(fromQt(RPSPowers_Text->text())));
        return;
    }
    const int index = error->Code == VHSNMP_ERR_TIMED_OUT ? PowerTimedOut : PowerFailed;
    ShowPower(0, index);
    ShowPower(1, index);
}

void TPowerForm::OnFanReadComplete(VhSNMPRequest2Controls*, VhSNMPError* error)
{
    if (error->Code != VHSNMP_OK) {
        for (int i = 0; i < 4; ++i)
            ShowFan(i, error->Code == VHSNMP_ERR_TIMED_OUT ? FanUnknown : FanFailed);
        return;
    }
    for (int i = 0; i < 4; ++i) {
        int index = FanUnknown;
        for (int row = 0; row < LV_Fan->topLevelItemCount(); ++row) {
            const QTreeWidgetItem* item = LV_Fan->topLevelItem(row);
            if (fromQt(item->text(0)) == FanPlaces[i].Unit && fromQt(item->text(1)) == FanPlaces[i].Fan) {
                const std::string status = fromQt(item->text(2));
                index = status == "working" ? FanWorking : status == "fail" ? FanFailed : FanUnknown;
                break;
            }
        }
        ShowFan(i, index);
    }
}

void TPowerForm::FormClose()
{
    StopAndDeleteRequest(PowerRequest);
    StopAndDeleteRequest(FanRequest);
}
