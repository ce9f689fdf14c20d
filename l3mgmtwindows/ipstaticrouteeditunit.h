#pragma once
// Static route editor: the companion of the static route window (ipstaticrouteunit.h),
// bound to its route request. Add mode creates a route (createAndGo) after the route
// rules: a valid destination and contiguous mask, no default route from here, a unicast
// next hop, a backup route only after a primary route to the same network, a metric 1 to
// 65535 or none. Default-route mode creates 0.0.0.0/0.0.0.0 with a next hop inside the
// network of one of the switch's IP interfaces, and not one of their addresses. The editor
// writes itself and closes; a refused check leaves it open with the entries.
#include <string>

#include "dedicated/dedicatedform.h"
#include "dedicated/ipv4text.h"
#include "ui_ipstaticrouteeditunit.h"

class TIpStaticRouteForm;
class QAbstractItemView;

class TIpStaticRouteEditForm : public TCompanionEditor, public Ui::TIpStaticRouteEditForm {
    Q_OBJECT
public:
    using Master = TIpStaticRouteForm;
    explicit TIpStaticRouteEditForm(TIpStaticRouteForm* master);

    enum Mode { AddMode = 2, DefaultRouteMode = 3 };
    int EditMode = AddMode;
    bool NoDefaultRoute = false;

    void SetButtonClick();
    void CloseButtonClick();

protected:
    // Each time the editor is shown (not on every activation: a message box closing must
    // not empty what the user typed).
    void showEvent(QShowEvent* event) override;

private:
    void PrepareForMode();
    bool CheckDestination();
    bool CheckMask();
    bool CheckNextHop(bool hostForm);
    bool CheckBackupState();
    bool CheckMetricAndStatus();
    void WriteRoute();
    // Shows the message and gives the control the focus; false.
    bool Fail(const std::string& message, QWidget* focus);
    // The question of a 0.0.0.0 entry in add mode; false.
    bool AskForDefaultRoute(const std::string& question, QWidget* focus);
    TIpStaticRouteForm* Table() const;
};

extern TIpStaticRouteEditForm* IpStaticRouteEditForm;

// The route rules on texts (the editor's checks call them).
// A destination: four decimal parts 0 to 255, a part of value 0 written "0" (not "00"):
// "Please input a valid IP".
TIpv4Verdict CheckRouteDestination(const std::string& destination);
// A mask: a dotted address whose one bits come first, not 255.255.255.255 (silent).
bool IsValidRouteMask(const std::string& mask);
// A next hop. Host form (a static route): a unicast address, first part 1 to 223 and not
// 127 ("Please input a valid ip" for one that is no unicast host). Plain form (the default
// route): four parts 0 to 255. A text that is no address: "Please input a valid IP".
TIpv4Verdict CheckRouteNextHop(const std::string& nextHop, bool hostForm);
// A next hop that is neither the network nor the broadcast address of an interface's
// subnet (rows of the IP interface table; the next-hop policy of ipv4text.h): "Please input
// a valid IP" otherwise.
TIpv4Verdict CheckNextHopSubnets(const std::string& nextHop, const QAbstractItemView* interfaces);
// A default route's next hop among the interfaces (rows of the IP interface table): not
// one of their addresses ("Next Hop can not be itself."), no network or broadcast address
// of their subnets (CheckNextHopSubnets), inside one of their networks (a refusal without
// message of its own).
TIpv4Verdict CheckNextHopOnInterface(const std::string& nextHop, const QAbstractItemView* interfaces);
