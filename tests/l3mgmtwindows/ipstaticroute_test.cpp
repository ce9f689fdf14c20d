// Static route window and its editor: the route rules on texts (destination, mask, next
// hop in both forms, next hop among the interfaces), adding and deleting a route with the
// exact varbinds, a backup route only after its primary, and "Add Default Route" following
// the table.
#include <gtest/gtest.h>

#include <QTimer>
#include <QTreeWidget>

#include "classlib/dialogs.h"
#include "l3mgmtwindows/ipstaticrouteeditunit.h"
#include "l3mgmtwindows/ipstaticrouteunit.h"
#include "windowworld.h"

using namespace wintest;

namespace {

const std::string Entry = "1.3.6.1.4.1.32473.11.78.1.3.2.5.1";
constexpr char Menu[] = "IPStaticRoutingtable1";

struct Route {
    std::string destination, mask, nextHop, metric;
    int backup = 0; // combo item: 0 primary, 1 backup
};

// Opens the editor with the button; once shown, it is filled and Set is pressed; an editor
// still open afterwards (a refused check) is closed without writing.
void RunEditor(TIpStaticRouteForm& w, QPushButton* opener, const Route& r, const std::string& picture = {})
{
    // "Add Default Route" reads the interfaces first: act once the editor shows.
    auto* poll = new QTimer(&w);
    poll->setInterval(1);
    QObject::connect(poll, &QTimer::timeout, &w, [&w, r, poll, picture] {
        TIpStaticRouteEditForm& e = *w.Editor;
        if (!e.isVisible())
            return;
        poll->deleteLater();
        poll->stop();
        if (e.DesEdit->isEnabled()) {
            e.DesEdit->setText(QString::fromStdString(r.destination));
            e.MaskEdit->setText(QString::fromStdString(r.mask));
            e.BakeupComboBox->setCurrentIndex(r.backup);
        }
        e.NextHopEdit->setText(QString::fromStdString(r.nextHop));
        e.MetricEdit->setText(QString::fromStdString(r.metric));
        if (!picture.empty())
            snapshot(&e, picture);
        e.SetButton->click();
        if (e.isVisible())
            e.reject();
    });
    poll->start();
    opener->click();
}

int RowOf(TIpStaticRouteForm& w, const std::string& destination, const std::string& nextHop)
{
    const auto destinations = columnTexts(w.ListView1, 0);
    const auto hops = columnTexts(w.ListView1, 3);
    for (std::size_t i = 0; i < destinations.size(); ++i)
        if (destinations[i] == destination && hops[i] == nextHop)
            return static_cast<int>(i);
    return -1;
}

void DeleteRoute(TIpStaticRouteForm& w, const std::string& destination, const std::string& nextHop)
{
    selectRow(w.ListView1, RowOf(w, destination, nextHop));
    clearLog();
    w.DeleteButton->click();
    ASSERT_TRUE(waitIdle(w));
}

TEST(StaticRouteRules, DestinationMaskNextHopAndInterfaces)
{
    const std::pair<const char*, bool> destinations[] = {
        {"10.0.1.1", true},  {"10.1.2.0", true},   {"010.1.1.1", true}, {"10.00.1.1", false}, {"10.1.1.000", false},
        {".10.1.1", false},  {"10..1.1", false},   {"10.1.1", false},   {"10.1.1.1.1", false}, {"10.1.1.256", false},
        {"10.1.1.1a", false}, {"1000.1.1.1", false},
    };
    for (const auto& [text, ok] : destinations)
        EXPECT_EQ(CheckRouteDestination(text).Message, ok ? "" : "Please input a valid IP") << text;

    const std::pair<const char*, bool> masks[] = {
        {"255.255.255.0", true},    {"255.255.0.0", true},   {"255.128.0.0", true},  {"0.0.0.0", true},
        {"255.255.255.252", true},  {"255.255.255.255", false}, {"255.0.255.0", false}, {"255.255.253.0", false},
        {"255.255.255", false},     {"", false},
    };
    for (const auto& [text, ok] : masks)
        EXPECT_EQ(IsValidRouteMask(text), ok) << text;

    struct Hop {
        const char* text;
        const char* host;  // add mode
        const char* plain; // default-route mode
    };
    const Hop hops[] = {
        {"10.0.0.1", "", ""},
        {"192.168.0.1", "", ""},
        {"10.1.1.255", "", ""},
        {"223.255.255.254", "", ""},
        {"127.0.0.1", "Please input a valid ip", ""},
        {"224.0.0.5", "Please input a valid ip", ""},
        {"240.1.1.1", "Please input a valid ip", ""},
        {"0.1.1.1", "Please input a valid ip", ""},
        {"10.1.1", "Please input a valid IP", "Please input a valid IP"},
        {"10.1.1.256", "Please input a valid IP", "Please input a valid IP"},
        {"10.1.x.1", "Please input a valid IP", "Please input a valid IP"},
    };
    for (const Hop& h : hops) {
        EXPECT_EQ(CheckRouteNextHop(h.text, true).Message, h.host) << h.text;
        EXPECT_EQ(CheckRouteNextHop(h.text, false).Message, h.plain) << h.text;
    }

    QTreeWidget interfaces;
    interfaces.setHeaderLabels({"IP Address", "IF Index", "Interface Name", "Subnet Mask"});
    new QTreeWidgetItem(&interfaces, {"192.168.1.1", "2", "a", "255.255.255.0"});
    new QTreeWidgetItem(&interfaces, {"10.1.1.1", "3", "b", "255.0.0.0"});
    const std::pair<const char*, TIpv4Verdict> onInterface[] = {
        {"192.168.1.254", Accept()},
        {"10.200.3.4", Accept()},
        {"192.168.2.254", Refuse()}, // the first interface's network has no zero part to skip
        {"11.1.1.1", Refuse()},
        {"10.1.1.1", Refuse("Next Hop can not be itself.")},
        // The network and broadcast addresses of an interface's subnet are no next hop.
        {"192.168.1.255", Refuse("Please input a valid IP")},
        {"192.168.1.0", Refuse("Please input a valid IP")},
        {"10.255.255.255", Refuse("Please input a valid IP")},
    };
    for (const auto& [text, verdict] : onInterface) {
        const TIpv4Verdict got = CheckNextHopOnInterface(text, &interfaces);
        EXPECT_EQ(got.Ok, verdict.Ok) << text;
        EXPECT_EQ(got.Message, verdict.Message) << text;
    }
    QTreeWidget none;
    EXPECT_FALSE(CheckNextHopOnInterface("192.168.1.254", &none).Ok);
}

TEST(StaticRouteWindow, AddsARouteWithItsMetricAndDeletesItWithTheStatusAlone)
{
    ASSERT_TRUE(withWindow<TIpStaticRouteForm>(Menu, [](TIpStaticRouteForm& w) {
        EXPECT_EQ(columnTexts(w.ListView1, 0), (std::vector<std::string>{"10.20.0.0", "10.20.0.0", "172.20.1.0"}));
        EXPECT_EQ(columnTexts(w.ListView1, 2), (std::vector<std::string>{"primary", "backup", "primary"}));
        EXPECT_EQ(w.StaticText1->text(), "3");
        EXPECT_TRUE(w.btnDefaultRoute->isEnabled());
        EXPECT_FALSE(w.DeleteButton->isEnabled());
        EXPECT_FALSE(w.ListView2->isVisible());
        snapshot(&w, "ipstaticroute");

        MessageRecorder boxes;
        clearLog();
        RunEditor(w, w.AddButton, {"10.40.1.0", "255.255.255.0", "192.168.001.010", "3"}, "ipstaticrouteedit");
        ASSERT_TRUE(waitIdle(w));
        EXPECT_TRUE(boxes.Shown.empty());
        const std::string index = ".10.40.1.0.255.255.255.0.1.192.168.1.10";
        ASSERT_EQ(logged("set").size(), 1u);
        EXPECT_EQ(varbinds(logged("set")[0]),
                  (std::vector<std::string>{Entry + ".5" + index + " INTEGER 3", Entry + ".6" + index + " INTEGER 4"}));
        ASSERT_GE(RowOf(w, "10.40.1.0", "192.168.1.10"), 0);
        EXPECT_EQ(w.StaticText1->text(), "4");

        // A backup route to that network now passes; without a metric none is sent.
        clearLog();
        RunEditor(w, w.AddButton, {"10.40.1.7", "255.255.255.0", "192.168.2.10", "", 1});
        ASSERT_TRUE(waitIdle(w));
        EXPECT_TRUE(boxes.Shown.empty());
        const std::string backup = ".10.40.1.7.255.255.255.0.2.192.168.2.10";
        ASSERT_EQ(logged("set").size(), 1u);
        EXPECT_EQ(varbinds(logged("set")[0]), (std::vector<std::string>{Entry + ".6" + backup + " INTEGER 4"}));

        for (const auto& [destination, hop, instance] :
             {std::tuple{"10.40.1.7", "192.168.2.10", backup}, std::tuple{"10.40.1.0", "192.168.1.10", index}}) {
            DeleteRoute(w, destination, hop);
            ASSERT_EQ(logged("set").size(), 1u) << destination;
            EXPECT_EQ(varbinds(logged("set")[0]), (std::vector<std::string>{Entry + ".6" + instance + " INTEGER 6"}));
            EXPECT_EQ(RowOf(w, destination, hop), -1);
        }
        EXPECT_EQ(w.StaticText1->text(), "3");
        // Refresh right after a delete lists each route once.
        w.GetButton->click();
        ASSERT_TRUE(waitIdle(w));
        EXPECT_EQ(columnTexts(w.ListView1, 0).size(), 3u);
        EXPECT_TRUE(boxes.Shown.empty());
    }));
}

TEST(StaticRouteWindow, TheEditorRefusesWhatTheRulesRefuseAndSendsNothing)
{
    ASSERT_TRUE(withWindow<TIpStaticRouteForm>(Menu, [](TIpStaticRouteForm& w) {
        const std::pair<Route, const char*> cases[] = {
            {{"", "255.255.0.0", "192.168.1.9", ""}, "Destination Ip should be Set!"},
            {{"10.1.1.1.1.1.1.1.1", "255.255.0.0", "192.168.1.9", ""}, "IP should be 16 bit"},
            {{"255.255.255.255", "255.255.0.0", "192.168.1.9", ""}, "Destination IP can not be 255.255.255.255"},
            {{"10.00.1.1", "255.255.0.0", "192.168.1.9", ""}, "Please input a valid IP"},
            {{"10.1.0.0", "", "192.168.1.9", ""}, "Mask should be Set"},
            {{"10.1.0.0", "255.0.255.0", "192.168.1.9", ""}, "Please input a valid mask"},
            {{"10.1.0.0", "255.255.255.255", "192.168.1.9", ""}, "Please input a valid mask"},
            {{"10.1.0.0", "255.255.0.0", "", ""}, "Next Hop should be Set"},
            {{"10.1.0.0", "255.255.0.0", "0.0.0.0", ""}, "Next Hop can not be 0.0.0.0"},
            {{"10.1.0.0", "255.255.0.0", "255.255.255.255", ""}, "Next Hop can not be 255.255.255.255"},
            {{"10.1.0.0", "255.255.0.0", "127.0.0.1", ""}, "Please input a valid ip"},
            // The broadcast and network addresses of the switch's 192.168.1.1/24 interface.
            {{"10.1.0.0", "255.255.0.0", "192.168.1.255", ""}, "Please input a valid IP"},
            {{"10.1.0.0", "255.255.0.0", "192.168.1.0", ""}, "Please input a valid IP"},
            {{"10.1.0.0", "255.255.0.0", "192.168.1.9", "", 1}, "You should first create primary route."},
            {{"10.20.0.0", "255.255.0.0", "192.168.1.9", "0"}, "Metric should between 1-65535"},
        };
        MessageRecorder boxes(IDCANCEL);
        clearLog();
        for (const auto& [route, message] : cases) {
            boxes.Shown.clear();
            RunEditor(w, w.AddButton, route);
            ASSERT_EQ(boxTexts(boxes), (std::vector<std::string>{message})) << route.destination << " " << route.mask;
        }
        // 0.0.0.0 in add mode only ever asks; OK closes the editor, Cancel keeps it.
        for (const Route& route : {Route{"0.0.0.0", "0.0.0.0", "192.168.1.9", ""},
                                   Route{"10.1.0.0", "0.0.0.0", "192.168.1.9", ""}}) {
            for (const int answer : {IDOK, IDCANCEL}) {
                boxes.Answer = answer;
                boxes.Shown.clear();
                RunEditor(w, w.AddButton, route);
                ASSERT_EQ(boxes.Shown.size(), 1u);
                EXPECT_NE(boxes.Shown[0].text.find("Do you want to add a defaut route?"), std::string::npos);
            }
        }
        EXPECT_TRUE(logged("set").empty());
    }));
}

TEST(StaticRouteWindow, TheDefaultRouteGoesThroughAnInterfaceNetworkAndOnlyWhileNoneExists)
{
    ASSERT_TRUE(withWindow<TIpStaticRouteForm>(Menu, [](TIpStaticRouteForm& w) {
        MessageRecorder boxes;
        clearLog();
        RunEditor(w, w.btnDefaultRoute, {"", "", "192.168.1.1", ""});
        EXPECT_EQ(boxTexts(boxes),
                  (std::vector<std::string>{"Next Hop can not be itself.", "Next Hop should be in default ip filed."}));
        EXPECT_EQ(columnTexts(w.ListView2, 0).size(), 4u) << "the interfaces were read";
        boxes.Shown.clear();
        RunEditor(w, w.btnDefaultRoute, {"", "", "192.168.1.255", ""});
        EXPECT_EQ(boxTexts(boxes),
                  (std::vector<std::string>{"Please input a valid IP", "Next Hop should be in default ip filed."}));
        boxes.Shown.clear();
        RunEditor(w, w.btnDefaultRoute, {"", "", "192.168.9.1", ""});
        EXPECT_EQ(boxTexts(boxes), (std::vector<std::string>{"Next Hop should be in default ip filed."}));
        EXPECT_TRUE(logged("set").empty());

        boxes.Shown.clear();
        RunEditor(w, w.btnDefaultRoute, {"", "", "192.168.1.254", "10"});
        ASSERT_TRUE(waitIdle(w));
        EXPECT_TRUE(boxes.Shown.empty());
        const std::string index = ".0.0.0.0.0.0.0.0.1.192.168.1.254";
        ASSERT_EQ(logged("set").size(), 1u);
        EXPECT_EQ(varbinds(logged("set")[0]),
                  (std::vector<std::string>{Entry + ".5" + index + " INTEGER 10", Entry + ".6" + index + " INTEGER 4"}));
        EXPECT_FALSE(w.btnDefaultRoute->isEnabled());

        // With a default route, a 0.0.0.0 mask in add mode is refused outright.
        RunEditor(w, w.AddButton, {"10.1.0.0", "0.0.0.0", "192.168.1.9", ""});
        EXPECT_EQ(boxTexts(boxes), (std::vector<std::string>{"Default Route has already existed."}));

        DeleteRoute(w, "0.0.0.0", "192.168.1.254");
        ASSERT_EQ(logged("set").size(), 1u);
        EXPECT_EQ(varbinds(logged("set")[0]), (std::vector<std::string>{Entry + ".6" + index + " INTEGER 6"}));
        EXPECT_TRUE(w.btnDefaultRoute->isEnabled());
    }));
}

TEST(StaticRouteWindow, DeleteNeedsARowAndACloseDuringAWalkIsSafe)
{
    ASSERT_TRUE(withWindow<TIpStaticRouteForm>(Menu, [](TIpStaticRouteForm& w) {
        MessageRecorder boxes;
        w.DeleteButton->setEnabled(true);
        w.DeleteButton->click();
        EXPECT_EQ(boxTexts(boxes), (std::vector<std::string>{"Choose the item first."}));
        EXPECT_FALSE(w.DeleteButton->isEnabled());
        clearLog();
        w.GetButton->click();
        ASSERT_FALSE(w.RouteRequest->IsIdle());
        w.RunHandler([&w] { w.DeleteButtonClick(); });
        EXPECT_TRUE(logged("set").empty());
        // The window closes with the walk running.
    }));
}

} // namespace
