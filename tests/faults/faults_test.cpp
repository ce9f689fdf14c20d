// The program against an agent and a network that misbehave: the simulator's faults (lost,
// duplicated and truncated replies; replies with another request id or PDU type, with a
// varbind fewer or more than asked, with OIDs that do not advance, with an exception in
// every varbind, with values of the wrong type, with an octet string of 65,000 octets), each
// met by the chassis poll, a generic table window and three dedicated windows (one with its
// companion editor open, writing). Each ends (no hang), shows the library's text where the
// read failed, keeps the chassis and the editor's values it had, and, in the sanitizer
// build, touches nothing freed. Then every error-status an agent can give a set, met by a
// generic window and a companion editor: the library's text shown, nothing changed, the
// values the user entered still there.
#include <gtest/gtest.h>

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStatusBar>
#include <QTimer>
#include <QTreeWidget>

#include <iostream>

#include "configwin/configform.h"
#include "configwin/snmpeditorpanel.h"
#include "dedicated/messagetarget.h"
#include "l2windows/stpportunit.h"
#include "l2windows/tpgroupdestinationforwardedformunit.h"
#include "l2windows/vlancurrenttableformunit.h"
#include "mainsim.h"
#include "mainwin/mainunit.h"
#include "snmplib/engine/snmp.h"
#include "snmplib/snmperror.h"
#include "snmplib/snmpinit.h"
#include "windowworld.h"

#ifdef TRQ_FAULTS_V3
// The program manages the switch over SNMPv3 as the user "shades" (SHA-1, DES).
[[maybe_unused]] static const bool g_world =
    mainsim::UseMainWindowOnSimulator("trq3100.profile", mainsim::SimSecurity::UsmAuthPriv);
#elif defined(TRQ_FAULTS_V1)
// The program manages the switch over SNMPv1.
[[maybe_unused]] static const bool g_world =
    mainsim::UseMainWindowOnSimulator("trq3100.profile", mainsim::SimSecurity::CommunityV1);
#endif

namespace {

using mainsim::sim;

const std::string TimedOut = "timed out";

// What a subject met: whether its reads ended, whether they all succeeded, and the text
// the program showed last.
struct Outcome {
    bool Ended = false;
    bool Ok = false;
    std::string Shown;
};

enum class Expect {
    Succeeds, // a correct client recovers (a retry, a duplicate ignored)
    TimesOut, // nothing usable comes back: the time-out
    Ends,     // an answer the client cannot use: it ends, and says why when it failed
    Fails,    // the agent refuses the request: it fails and says why
};

struct Fault {
    const char* Name;
    int Every;
    Expect What;
    const char* Says = ""; // a part of the text shown when the read failed
};

// "mute" (every reply lost) and "late" (every reply 1.2 s late: after the first try's
// time-out, so that the reply to an abandoned try comes in) use the simulator's mute and
// delay; "reboot" its engine reboot (SNMPv3: engineBoots one higher); "passwd" gives the
// program's user another authentication pass phrase on the switch (SNMPv3), put back by
// Clear; the others are its fault command. Lost replies may hit a request and its retry
// alike when several requests run, so a drop may end either way.
#ifndef TRQ_FAULTS_V3
const Fault Faults[] = {
    {"mute", 1, Expect::TimesOut},      {"late", 1, Expect::Ends},
    {"drop", 3, Expect::Ends},          {"duplicate", 1, Expect::Succeeds}, {"truncate", 1, Expect::TimesOut},
    {"reqid", 1, Expect::TimesOut},     {"pdutype", 1, Expect::TimesOut},   {"short", 1, Expect::Ends},
    {"long", 1, Expect::Ends},          {"stuck", 1, Expect::Ends},         {"nosuchobject", 1, Expect::Ends},
    {"nosuchinstance", 1, Expect::Ends}, {"endofmibview", 1, Expect::Ends},  {"wrongtype", 1, Expect::Ends},
    {"bigstring", 1, Expect::Ends},
};
#else
// SNMPv3 (authPriv): the faults of the wire and of the values, and those of the security
// layer. The forged replies of the fault command are SNMPv1/v2c only.
const Fault Faults[] = {
    {"reboot", 1, Expect::Ends},   {"passwd", 1, Expect::Fails, "Authentication"},
    {"mute", 1, Expect::TimesOut}, {"late", 1, Expect::Ends},
    {"drop", 3, Expect::Ends},     {"duplicate", 1, Expect::Succeeds},
    {"truncate", 1, Expect::TimesOut}, {"wrongtype", 1, Expect::Ends},
    {"bigstring", 1, Expect::Ends},
};
#endif

const char* const UserName = "shades";
const char* const AuthPass = "authpass123";

bool Inject(const Fault& f)
{
    const std::string name = f.Name;
    if (name == "mute")
        return sim().mute(true);
    if (name == "late")
        return sim().delay(1200);
    if (name == "reboot")
        return sim().command("engine reboot").rfind("OK", 0) == 0;
    if (name == "passwd")
        return sim().command(std::string("passwd ") + UserName + " changed-pass-9").rfind("OK", 0) == 0;
    return sim().fault(f.Name, f.Every);
}

bool Clear()
{
    return sim().mute(false) && sim().delay(0) && sim().fault("off") &&
           sim().command(std::string("passwd ") + UserName + " " + AuthPass).rfind("OK", 0) == 0;
}

// Each subject runs its reads with the fault in force and reports what it met.
Outcome ChassisPoll(const Fault& f)
{
    TMainForm& main = mainsim::mainForm();
    // What the chassis view shows: the unit labels.
    const auto labels = [&main] {
        std::vector<std::string> texts;
        for (const QLabel* label : main.UnitLabels)
            texts.push_back(label ? label->text().toStdString() : std::string());
        return texts;
    };
    const std::vector<std::string> before = labels();
    EXPECT_TRUE(Inject(f));
    main.RefreshChassis(); // returns once the unit table's read has ended
    Outcome o;
    o.Ended = true;
    EXPECT_TRUE(Clear());
    o.Ok = !main.UnitReadFailed();
    o.Shown = main.StatusBarPanel0()->text().toStdString();
    // A failed read says nothing of the modules: the view keeps them. (A reply that does not
    // advance or ends the agent's view inside the table is such a failure, not an empty
    // table.)
    if (!o.Ok) {
        EXPECT_EQ(labels(), before);
    }
    // Once the switch answers again and the reads lost meanwhile have ended (the power and
    // fan reads the poll started), the next poll shows the chassis as it is.
    mainsim::waitUntil([] { return VhSNMPSession()->pending_count() == 0; }, mainsim::ReadyWithin);
    main.RefreshChassis();
    EXPECT_FALSE(main.UnitReadFailed()) << main.StatusBarPanel0()->text().toStdString();
    EXPECT_EQ(labels()[0], "CPU: TRQ-3112");
    return o;
}

Outcome GenericTable(const Fault& f)
{
    Outcome o;
    EXPECT_TRUE(Inject(f));
    const bool opened = mainsim::withModal("CPUUtilization1", [&](QDialog* window) {
        TConfigForm* form = mainsim::Generic(window);
        o.Ended = mainsim::firstReadDone(form);
        EXPECT_TRUE(Clear());
        const auto lines = mainsim::memoLines(form);
        o.Ok = !lines.empty();
        for (const std::string& line : lines)
            o.Ok = o.Ok && line.rfind("Get: (VhSNMP++) Ok!.", 0) == 0;
        o.Shown = lines.empty() ? "" : lines.back();
        window->reject();
    });
    EXPECT_TRUE(opened);
    Clear();
    return o;
}

// The last line of the window's message target.
std::string LastMessage(QWidget* w)
{
    QString text;
    if (auto* memo = w->findChild<QPlainTextEdit*>("Memo1"))
        text = memo->toPlainText();
    else if (auto* bar = w->findChild<QStatusBar*>("StatusBar1"))
        text = bar->currentMessage().isEmpty() ? StatusPanel0(bar)->text() : bar->currentMessage();
    const QStringList lines = text.split('\n', Qt::SkipEmptyParts);
    return lines.isEmpty() ? "" : lines.back().toStdString();
}

template <class Form>
Outcome Dedicated(const char* item, const Fault& f)
{
    Outcome o;
    EXPECT_TRUE(Inject(f));
    const bool opened = wintest::withFactory<Form>(item, [&](Form& w) {
        o.Ended = w.Created() && w.IsIdle();
        EXPECT_TRUE(Clear());
        o.Ok = true;
        for (const TWindowRequest* r : w.Requests())
            o.Ok = o.Ok && r->LastRead.Ended && r->LastRead.Code == 0;
        o.Shown = LastMessage(&w);
    });
    EXPECT_TRUE(opened) << "the window did not settle";
    o.Ended = o.Ended && opened;
    Clear();
    return o;
}

// The spanning tree port window with its companion editor open on a port: the user sets the
// port as it is (so that the switch is left as it was), and the read after the set meets
// the fault. The editor keeps the values it shows when the read fails.
Outcome StpPortWithEditor(const Fault& f)
{
    Outcome o;
    const bool opened = wintest::withFactory<TSTPPortForm>("TSTPPortForm", [&](TSTPPortForm& w) {
        wintest::selectRow(w.ListView1, 1);
        ASSERT_TRUE(w.EditButton->isEnabled());
        const QString cost = w.Editor->PathCost->text();
        const QString edge = w.Editor->ComboBoxEdge->currentText();
        ASSERT_FALSE(cost.isEmpty());
        bool shown = false;
        QTimer::singleShot(0, w.Editor, [&] {
            shown = true;
            EXPECT_TRUE(Inject(f));
            w.Editor->SetButton->click();
            // The set's reply and the first rows of the read again meet the fault; the
            // rest of the walk does not (a reply late by more than the time-out on each of
            // a hundred rows would take minutes).
            mainsim::waitUntil([&] { return w.Request->LastWrite.Ended; }, mainsim::ReadyWithin);
            mainsim::waitUntil([&] { return w.IsIdle(); }, 3000);
            EXPECT_TRUE(Clear());
            o.Ended = wintest::waitIdle(w, mainsim::ReadyWithin);
            o.Ok = w.Request->LastWrite.Ended && w.Request->LastWrite.Code == 0 && w.Request->LastRead.Ended &&
                   w.Request->LastRead.Code == 0;
            o.Shown = LastMessage(&w);
            if (!o.Ok) {
                EXPECT_EQ(w.Editor->PathCost->text(), cost);
                EXPECT_EQ(w.Editor->ComboBoxEdge->currentText(), edge);
            }
            w.Editor->CloseButton->click();
        });
        w.EditButton->click();
        EXPECT_TRUE(shown) << "the editor did not open";
    });
    EXPECT_TRUE(opened) << "the window did not settle";
    o.Ended = o.Ended && opened;
    Clear();
    return o;
}

struct Subject {
    const char* Name;
    std::function<Outcome(const Fault&)> Run;
};

const Subject Subjects[] = {
    {"chassis poll", ChassisPoll},
    {"generic table window", GenericTable},
    {"group forwarding window",
     [](const Fault& f) { return Dedicated<TTpGroupDestinationForwardedForm>("TTpGroupDestinationForwardedForm", f); }},
    {"current VLAN window", [](const Fault& f) { return Dedicated<TVLanCurrentTableForm>("TVLanCurrentTableForm", f); }},
    {"spanning tree port window, editor open", StpPortWithEditor},
};

class FaultTable : public ::testing::TestWithParam<Fault> {};

TEST_P(FaultTable, EverySubjectEndsAndSaysWhatWentWrong)
{
    const Fault& f = GetParam();
    for (const Subject& s : Subjects) {
        SCOPED_TRACE(s.Name);
        const Outcome o = s.Run(f);
        std::cout << "fault " << f.Name << " (every " << f.Every << "), " << s.Name << ": "
                  << (o.Ended ? "ended" : "HUNG") << ", " << (o.Ok ? "read" : "failed") << ", shown \"" << o.Shown
                  << "\"" << std::endl;
        EXPECT_TRUE(o.Ended);
        switch (f.What) {
        case Expect::Succeeds:
            EXPECT_TRUE(o.Ok) << o.Shown;
            break;
        case Expect::TimesOut:
            EXPECT_FALSE(o.Ok);
            EXPECT_NE(o.Shown.find(TimedOut), std::string::npos) << o.Shown;
            break;
        case Expect::Ends:
            if (!o.Ok) {
                EXPECT_FALSE(o.Shown.empty());
            }
            break;
        case Expect::Fails:
            EXPECT_FALSE(o.Ok);
            EXPECT_NE(o.Shown.find(f.Says), std::string::npos) << o.Shown;
            break;
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Table, FaultTable, ::testing::ValuesIn(Faults),
                         [](const ::testing::TestParamInfo<Fault>& info) { return std::string(info.param.Name); });

#ifndef TRQ_FAULTS_V3
// ---- Every error-status of a set ----------------------------------------------------------

struct SetError {
    int Status;
    const char* Name;
};

// SNMPv1 has the first five; its agent answers the others with one of them.
const SetError SetErrors[] = {
    {1, "tooBig"},          {2, "noSuchName"},       {3, "badValue"},         {4, "readOnly"},
    {5, "genErr"},
#ifndef TRQ_FAULTS_V1
    {6, "noAccess"},        {7, "wrongType"},        {8, "wrongLength"},
    {9, "wrongEncoding"},   {10, "wrongValue"},      {11, "noCreation"},      {12, "inconsistentValue"},
    {13, "resourceUnavailable"}, {14, "commitFailed"}, {15, "undoFailed"},    {16, "authorizationError"},
    {17, "notWritable"},    {18, "inconsistentName"},
    // Numbers outside the protocol's range: failures all the same, with the agent's
    // "unknown error status" text (1400 and 1408 are no security texts here).
    {19, "outOfRange19"},   {1400, "outOfRange1400"}, {1408, "outOfRange1408"},
#endif
};

std::string Served(const std::string& oid) { return sim().command("get " + oid); }

// The one set logged since the log was cleared went out and drew the status.
void ExpectOneSetAnswered(int status)
{
    const auto sets = wintest::logged("set");
    ASSERT_EQ(sets.size(), 1u);
    EXPECT_EQ(sets.front().errorStatus, status);
}

class SetErrorTable : public ::testing::TestWithParam<SetError> {};

TEST_P(SetErrorTable, TheWindowShowsTheLibrarysTextAndKeepsWhatTheUserEntered)
{
    const SetError& e = GetParam();
    int code = 0;
    std::string text;
    TranslateErrorStatus(e.Status, code, text);
    ASSERT_NE(code, 0);
    ASSERT_FALSE(text.empty());

    // A generic window of scalars: the choice the user made stays, the switch keeps its value.
    {
        SCOPED_TRACE("generic window");
        const std::string alarm = "1.3.6.1.4.1.32473.11.78.1.2.1.3.1.0";
        const std::string before = Served(alarm);
        const bool opened = mainsim::withModal("AlarmControl1", [&](QDialog* window) {
            auto* combo = mainsim::Find<QComboBox>(window, "ValueControl0");
            ASSERT_NE(combo, nullptr);
            const QString other = combo->currentText() == "enabled" ? "disabled" : "enabled";
            mainsim::Choose(combo, other.toLatin1().constData());
            mainsim::Find<QCheckBox>(window, "CheckBox0")->setChecked(true);
            wintest::clearLog();
            ASSERT_TRUE(sim().failNextSet(e.Status));
            mainsim::Find<QPushButton>(window, "SetCheckedButton")->click();
            EXPECT_TRUE(mainsim::waitUntil([&] { return mainsim::Idle(window); }));
            ExpectOneSetAnswered(e.Status);
            const auto lines = mainsim::memoLines(mainsim::Generic(window));
            ASSERT_FALSE(lines.empty());
            EXPECT_NE(lines.back().find(text), std::string::npos) << lines.back();
            EXPECT_EQ(combo->currentText(), other);
            window->reject();
        });
        EXPECT_TRUE(opened);
        EXPECT_EQ(Served(alarm), before);
    }

    // A companion editor writing through its table's request: the editor keeps the value
    // the user typed, the table keeps the row the switch has.
    {
        SCOPED_TRACE("spanning tree port editor");
        const std::string pathCost = "1.3.6.1.4.1.32473.11.78.1.2.16.4.1.6.2";
        const std::string before = Served(pathCost);
        const bool opened = wintest::withFactory<TSTPPortForm>("TSTPPortForm", [&](TSTPPortForm& w) {
            wintest::selectRow(w.ListView1, 1);
            const std::vector<std::string> costs = wintest::columnTexts(w.ListView1, 3);
            bool shown = false;
            QTimer::singleShot(0, w.Editor, [&] {
                shown = true;
                w.Editor->PathCost->setText("30000");
                wintest::clearLog();
                ASSERT_TRUE(sim().failNextSet(e.Status));
                w.Editor->SetButton->click();
                EXPECT_TRUE(wintest::waitIdle(w));
                ExpectOneSetAnswered(e.Status);
                EXPECT_EQ(w.Request->LastWrite.Code, code);
                const std::string shownText = LastMessage(&w);
                EXPECT_NE(shownText.find(text), std::string::npos) << shownText;
                EXPECT_EQ(w.Editor->PathCost->text(), "30000");
                w.Editor->CloseButton->click();
            });
            w.EditButton->click();
            EXPECT_TRUE(shown);
            EXPECT_EQ(wintest::columnTexts(w.ListView1, 3), costs);
        });
        EXPECT_TRUE(opened);
        EXPECT_EQ(Served(pathCost), before);
    }
}

INSTANTIATE_TEST_SUITE_P(Table, SetErrorTable, ::testing::ValuesIn(SetErrors),
                         [](const ::testing::TestParamInfo<SetError>& info) { return std::string(info.param.Name); });
#endif

} // namespace
