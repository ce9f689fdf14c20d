#pragma once
// The power and fan window: a borderless strip at the bottom of the chassis picture that
// shows the chassis's two power supplies and its four fans as pictures. The chassis view
// creates it at start-up inside its PowerPanel (again at a poll when it is missing) and
// deletes it when the window closes; the global PowerForm points at it.
//
// It reads the two power states once when created; the chassis poll reads both requests
// again (RefreshChassis) and, when the poll fails, calls both completion handlers with a
// time-out (-405) so that the pictures show it.
//
// Pictures: a power supply is on (image 0), off (1: also after a time-out, or when its read
// cannot be sent, as for a host name that does not resolve) or in another
// state or unreadable (2). Fans: FanImage1 and FanImage2 (under "Leftside Fan") show the
// fans 1 and 2 of fan unit 1, FanImage3 and FanImage4 (under "Rightside Fan") those of fan
// unit 2: working (image 0), not known (1: no row for the fan, status "other", a
// time-out) or failed (2: status "fail", or the read failed otherwise).
#include <array>

#include <QWidget>

#include "snmplib/varlist.h"
#include "ui_powerform.h"

class VhSNMPRequest2Controls;
class VhSNMPRequest2Edits;
struct VhSNMPError;

// The library's code of a request that timed out.
inline constexpr int VHSNMP_ERR_TIMED_OUT = -405;

extern const VhSNMPObjectDesc PowerStateTable[];
extern const VhSNMPObjectDesc FanTable[];

class TPowerForm : public QWidget, public Ui::TPowerForm {
    Q_OBJECT
public:
    explicit TPowerForm(QWidget* owner);
    // Deletes the requests when FormClose has not.
    ~TPowerForm() override;

    // "on" 0, "off" 1, any other text 2.
    static int PowerStateImageIndex(const std::string& label);

    void OnPowerReadComplete(VhSNMPRequest2Controls* sender, VhSNMPError* error);
    void OnFanReadComplete(VhSNMPRequest2Controls* sender, VhSNMPError* error);
    // Stops and deletes the requests.
    void FormClose();

    std::array<QLabel*, 2> PowerImages{}; // PowerImage1, PowerImage2
    std::array<QLabel*, 4> FanImages{};   // FanImage1 .. FanImage4
    VhSNMPRequest2Edits* PowerRequest = nullptr; // owned
    VhSNMPRequest2Edits* FanRequest = nullptr;   // owned
    // The image each picture shows now (-1 before the first).
    std::array<int, 2> PowerImageIndexes{-1, -1};
    std::array<int, 4> FanImageIndexes{-1, -1, -1, -1};

public slots:
    void FormCreate();

private:
    void ShowPower(int image, int index);
    void ShowFan(int image, int index);
};

// The power window while the chassis view has one.
extern TPowerForm* PowerForm;
