// The program against an agent and a network that misbehave: the simulator's faults (lost,
// duplicated and truncated replies; replies with another request id or PDU type, with a
// varbind fewer or more than asked, with OIDs that do not advance, with an exception in
// every varbind), each met by the chassis poll, a generic table window and two dedicated
// windows. Each ends (no hang), shows the library's text where the read failed, keeps the
// chassis it had, and, in the sanitizer build, touches nothing freed.
#include <gtest/gtest.h>

#include <QLabel>
#include <QPlainTextEdit>
#include <QStatusBar>

#include <iostream>

#include "configwin/configform.h"
#include "configwin/snmpeditorpanel.h"
#include "dedicated/messagetarget.h"
#include "l2windows/tpgroupdestinationforwardedformunit.h"
#include "l2windows/vlancurrenttableformunit.h"
#include "mainwin/mainunit.h"
#include "windowworld.h"

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
};

struct Fault {
    const char* Name;
    int Every;
    Expect What;
};

// "mute" (every reply lost) and "late" (every reply 1.2 s late: after the first try's
// time-out, so that the reply to an abandoned try comes in) use the simulator's mute and
// delay; the others its fault command. Lost replies may hit a request and its retry alike
// when several requests run, so a drop may end either way.
const Fault Faults[] = {
    {"mute", 1, Expect::TimesOut},      {"late", 1, Expect::Ends},
    {"drop", 3, Expect::Ends},          {"duplicate", 1, Expect::Succeeds}, {"truncate", 1, Expect::TimesOut},
    {"reqid", 1, Expect::TimesOut},     {"pdutype", 1, Expect::TimesOut},   {"short", 1, Expect::Ends},
    {"long", 1, Expect::Ends},          {"stuck", 1, Expect::Ends},         {"nosuchobject", 1, Expect::Ends},
    {"nosuchinstance", 1, Expect::Ends}, {"endofmibview", 1, Expect::Ends},
};

bool Inject(const Fault& f)
{
    if (std::string(f.Name) == "mute")
        return sim().mute(true);
    if (std::string(f.Name) == "late")
        return sim().delay(1200);
    return sim().fault(f.Name, f.Every);
}

bool Clear() { return sim().mute(false) && sim().delay(0) && sim().fault("off"); }

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
    // A failed read says nothing of the modules: the view keeps them. (A reply the library
    // takes for an empty unit table empties it, as the switch's own answer would.)
    if (!o.Ok) {
        EXPECT_EQ(labels(), before);
    }
    // Once the switch answers again, the next poll shows the chassis as it is.
    main.RefreshChassis();
    EXPECT_FALSE(main.UnitReadFailed());
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
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Table, FaultTable, ::testing::ValuesIn(Faults),
                         [](const ::testing::TestParamInfo<Fault>& info) { return std::string(info.param.Name); });

} // namespace
