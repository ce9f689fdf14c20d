#pragma once
// The result lines of the chassis view's parts (the power and fan reads, the LED poll) in
// the host's status line. A fault of the chassis read stands there until a later chassis
// read succeeds: a line of a part that ends meanwhile, its "Ok!" or its own failure, goes
// to a label nobody sees instead of replacing it.
#include <QLabel>

#include "chassis/chassishost.h"
#include "snmplib/bind/request2controls.h"

template <class Base>
class TStatusLineRequest : public Base {
public:
    using Base::Base;

protected:
    void AfterGet() override
    {
        Base::AfterGet();
        AimLine();
    }
    void OnGetError(VhSNMPError* error) override
    {
        AimLine();
        Base::OnGetError(error);
    }

private:
    void AimLine()
    {
        TChassisHost* host = ChassisHost();
        QLabel* line = host ? host->StatusTarget() : nullptr;
        this->SetMessageTarget(line && host->StatusHeld() ? &held_ : line);
    }
    QLabel held_; // never shown
};
