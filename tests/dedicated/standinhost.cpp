#include "standinhost.h"

#include <QLabel>
#include <QMetaObject>
#include <QTimer>
#include <QTreeWidget>
#include <QWidget>

#include <exception>
#include <utility>

#include "configwin/optionlists.h"
#include "configwin/unitlist.h"
#include "snmplib/bind/request2edits.h"
#include "snmplib/snmperror.h"
#include "snmplib/snmpinit.h"

namespace {

constexpr int MaxUnitRows = 8;

const VhSNMPObjectDesc RmonStateTable[] = {
    {"1.3.6.1.4.1.32473.11.78.1.2.1.2.4", "RMON State", SNMP_SYNTAX_INTEGER, SNMP_ACCESS_READWRITE,
     &DisabledEnabledList},
    {},
};

bool Idle(const VhSNMPRequest2Edits* request) { return !request || (request->Busy == 0 && request->Request.Pending == 0); }

void StopAndDelete(VhSNMPRequest2Edits*& member)
{
    VhSNMPRequest2Edits* request = std::exchange(member, nullptr);
    if (!request)
        return;
    request->Request.Enabled = 0;
    WaitWhileBusy(request);
    delete request;
}

} // namespace

TStandInHost::TStandInHost(std::string address) : Address(std::move(address)), Window(std::make_unique<QWidget>())
{
    Window->setObjectName("StandInHost");
    UnitList = new QTreeWidget(Window.get());
    UnitList->setObjectName("UnitListView");
    Status = new QLabel(Window.get());
    RmonState = new QLabel(Window.get());
    Poll = new QTimer(Window.get());
    Poll->setInterval(30000);
    SetChassisUnitList(UnitList);

    unitRequest_ = new VhSNMPRequest2Edits(Window.get());
    unitRequest_->Request.VarList = VhSNMPVarList(ChassisUnitTable, MVT_FMV, 1);
    unitRequest_->MaxRows = MaxUnitRows;
    unitRequest_->SetMessageTarget(Status);
    unitRequest_->AttachListView(UnitList, true);
    unitRequest_->OnGetComplete = [this](VhSNMPRequest2Controls*, VhSNMPError* error) { unitReadCode_ = error->Code; };

    rmonRequest_ = new VhSNMPRequest2Edits(Window.get());
    rmonRequest_->Request.VarList = VhSNMPVarList(RmonStateTable, SVT_SV, 0);
    rmonRequest_->SetMessageTarget(Status);
    rmonRequest_->AddControl(0, RmonState);
    rmonRequest_->OnGetComplete = [this](VhSNMPRequest2Controls*, VhSNMPError* error) {
        if (error->Code != VHSNMP_OK)
            RmonState->clear();
        if (std::exchange(rmonReadAgain_, false))
            QMetaObject::invokeMethod(Window.get(), [this] { RmonStateChanged(); }, Qt::QueuedConnection);
    };
}

TStandInHost::~TStandInHost()
{
    SetChassisUnitList(nullptr);
    StopAndDelete(unitRequest_);
    StopAndDelete(rmonRequest_);
}

bool TStandInHost::UnitReadBusy() const { return !Idle(unitRequest_); }

void TStandInHost::ReadUnitTable()
{
    if (!unitRequest_)
        return;
    if (!Idle(unitRequest_)) {
        // Asked again while it reads: the answer is the read under way.
        PumpWhile([this] { return !Idle(unitRequest_); });
        return;
    }
    try {
        unitReadCode_ = VHSNMP_OK;
        unitRequest_->Get();
        WaitWhileBusy(unitRequest_);
    } catch (const std::exception&) {
        unitReadCode_ = VHSNMP_ERR_UNKNOWN;
        Status->setText("Get Ports Information Failed");
    }
    // A walk that failed part way is no list of the installed units.
    if (unitReadCode_ != VHSNMP_OK)
        UnitList->clear();
}

std::string TStandInHost::StatusText() const { return Status->text().toStdString(); }

void TStandInHost::RmonStateChanged()
{
    // A read under way may have gone out before what changed the state: another follows it.
    if (!Idle(rmonRequest_)) {
        rmonReadAgain_ = true;
        return;
    }
    try {
        rmonRequest_->Get();
    } catch (const std::exception& e) {
        RmonState->clear();
        Status->setText(QString::fromStdString(e.what()));
    }
}
