// Summer time window: the two reads (status, then what it uses), the rows shown for each
// status, the octet layouts of the repeating and annual dates, the two sets in order (none
// when nothing is ticked, no second after a failed first), and the write checks.
#include <gtest/gtest.h>

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>

#include "classlib/dialogs.h"
#include "configwin/ctrlbtnpanel.h"
#include "configwin/editspanel.h"
#include "configwin/msgpanel.h"
#include "configwin/snmpeditorpanel.h"
#include "l3mgmtwindows/summertime.h"
#include "windowworld.h"

using namespace wintest;

namespace {

const std::string St = "1.3.6.1.4.1.32473.12.10.12.";

QComboBox* Combo(const TCtrlsList& list, int k) { return qobject_cast<QComboBox*>(list.at(k).data()); }
QLineEdit* Edit(const TCtrlsList& list, int k) { return qobject_cast<QLineEdit*>(list.at(k).data()); }
QCheckBox* Box(TSummerTimeForm& w, int row) { return w.EditorPanel->EditsPanel->Rows.at(row).CheckBox; }
bool Shown(TSummerTimeForm& w, int row) { return !w.EditorPanel->EditsPanel->IsHiddenVar(row); }
QLineEdit* OffsetEdit(TSummerTimeForm& w)
{
    return qobject_cast<QLineEdit*>(w.EditorPanel->EditsPanel->Rows.at(TSummerTimeForm::Offset).ValueControl.data());
}

void ChooseStatus(TSummerTimeForm& w, const char* text)
{
    QComboBox* box = w.StatusBox();
    const int index = box->findText(text);
    box->setCurrentIndex(index);
    emit box->activated(index);
}

void Tick(TSummerTimeForm& w, std::initializer_list<int> rows)
{
    for (int row = 0; row < 6; ++row)
        Box(w, row)->setChecked(false);
    for (int row : rows)
        Box(w, row)->setChecked(true);
    w.EditorPanel->ButtonPanel->SetCheckedButton->setEnabled(true);
}

// A repeating date: month, week, day of week (as shown), hour, minute.
void EnterRepeating(const TCtrlsList& list, const char* month, const char* week, const char* day, const char* hour,
                    const char* minute)
{
    Combo(list, 1)->setCurrentIndex(Combo(list, 1)->findText(month));
    Combo(list, 2)->setCurrentIndex(Combo(list, 2)->findText(week));
    Combo(list, 3)->setCurrentIndex(Combo(list, 3)->findText(day));
    Edit(list, 4)->setText(hour);
    Edit(list, 5)->setText(minute);
}

void EnterAnnual(const TCtrlsList& list, const char* day, const char* month, const char* hour, const char* minute)
{
    Edit(list, 1)->setText(day);
    Combo(list, 2)->setCurrentIndex(Combo(list, 2)->findText(month));
    Edit(list, 3)->setText(hour);
    Edit(list, 4)->setText(minute);
}

void SetChecked(TSummerTimeForm& w)
{
    w.EditorPanel->ButtonPanel->SetCheckedButton->click();
    ASSERT_TRUE(waitIdle(w));
}

void Restore()
{
    auto& sim = wintest::sim();
    sim.setValue(St + "1.0", "INTEGER", "1");
    sim.setValue(St + "2.0", "INTEGER", "60");
    sim.setValue(St + "3.0", "HEX", "00 00 01 03 02 00");
    sim.setValue(St + "4.0", "HEX", "00 00 01 0A 03 00");
    sim.setValue(St + "5.0", "HEX", "1D 03 02 00");
    sim.setValue(St + "6.0", "HEX", "1B 0A 03 00");
}

std::vector<std::string> Oids(const trqtest::PduLogEntry& pdu)
{
    std::vector<std::string> oids;
    for (const auto& vb : pdu.varbinds)
        oids.push_back(vb.oid);
    return oids;
}

TEST(SummerTime, ReadsTheStatusThenWhatItUses)
{
    ASSERT_TRUE(withWindow<TSummerTimeForm>("mmiSummerTime", [](TSummerTimeForm& w) {
        EXPECT_EQ(w.windowTitle(), "Summer Time :127.0.0.1");
        EXPECT_EQ(w.StatusBox()->currentText(), "repeating");
        EXPECT_EQ(OffsetEdit(w)->text(), "60");
        // 00 00 01 03 02 00: the last Sunday of March, 2:00.
        EXPECT_EQ(Combo(w.RepeatStartCtrls, 1)->currentText(), "Mar");
        EXPECT_EQ(Combo(w.RepeatStartCtrls, 2)->currentText(), "last");
        EXPECT_EQ(Combo(w.RepeatStartCtrls, 3)->currentText(), "Sun");
        EXPECT_EQ(Edit(w.RepeatStartCtrls, 4)->text(), "2");
        EXPECT_EQ(Edit(w.RepeatStartCtrls, 5)->text(), "0");
        EXPECT_EQ(Combo(w.RepeatEndCtrls, 1)->currentText(), "Oct");
        EXPECT_TRUE(Shown(w, 2) && Shown(w, 3));
        EXPECT_FALSE(Shown(w, 4) || Shown(w, 5));
        // The annual pair was not read: its months show no choice.
        EXPECT_EQ(Combo(w.AnnualStartCtrls, 2)->currentIndex(), -1);
        EXPECT_EQ(Combo(w.AnnualEndCtrls, 2)->currentIndex(), -1);
        snapshot(&w, "summertime");

        clearLog();
        w.EditorPanel->ButtonPanel->RefreshButton->click();
        ASSERT_TRUE(waitIdle(w));
        const auto gets = logged("get");
        ASSERT_EQ(gets.size(), 2u);
        EXPECT_EQ(Oids(gets[0]), std::vector<std::string>{St + "1.0"});
        EXPECT_EQ(Oids(gets[1]), (std::vector<std::string>{St + "1.0", St + "2.0", St + "3.0", St + "4.0"}));

        // An annual rule on the switch: its pair is read and shown.
        wintest::sim().setValue(St + "1.0", "INTEGER", "2");
        clearLog();
        w.EditorPanel->ButtonPanel->RefreshButton->click();
        ASSERT_TRUE(waitIdle(w));
        EXPECT_EQ(Oids(logged("get").at(1)), (std::vector<std::string>{St + "1.0", St + "2.0", St + "5.0", St + "6.0"}));
        EXPECT_TRUE(Shown(w, 4) && Shown(w, 5));
        EXPECT_FALSE(Shown(w, 2) || Shown(w, 3));
        EXPECT_EQ(Edit(w.AnnualStartCtrls, 1)->text(), "29");
        EXPECT_EQ(Combo(w.AnnualStartCtrls, 2)->currentText(), "Mar");
        snapshot(&w, "summertime_annual");

        // Disabled: status and offset alone.
        wintest::sim().setValue(St + "1.0", "INTEGER", "0");
        clearLog();
        w.EditorPanel->ButtonPanel->RefreshButton->click();
        ASSERT_TRUE(waitIdle(w));
        EXPECT_EQ(Oids(logged("get").at(1)), (std::vector<std::string>{St + "1.0", St + "2.0"}));
        for (int row = 2; row <= 5; ++row)
            EXPECT_FALSE(Shown(w, row)) << row;
    }));
    Restore();
}

TEST(SummerTime, ChoosingAStatusShowsItsRowsAndUnticksTheOthers)
{
    ASSERT_TRUE(withWindow<TSummerTimeForm>("mmiSummerTime", [](TSummerTimeForm& w) {
        Tick(w, {0, 1, 2, 3});
        ChooseStatus(w, "annual");
        EXPECT_TRUE(Shown(w, 4) && Shown(w, 5));
        EXPECT_FALSE(Shown(w, 2) || Shown(w, 3));
        EXPECT_FALSE(Box(w, 2)->isChecked() || Box(w, 3)->isChecked());
        EXPECT_TRUE(Box(w, 1)->isChecked());
        ChooseStatus(w, "disable");
        for (int row = 2; row <= 5; ++row)
            EXPECT_FALSE(Shown(w, row) || Box(w, row)->isChecked()) << row;
    }));
}

TEST(SummerTime, WritesTheStatusAndThenTheOffsetAndTheDates)
{
    ASSERT_TRUE(withWindow<TSummerTimeForm>("mmiSummerTime", [](TSummerTimeForm& w) {
        // Repeating: 2nd Monday of April 2:30 to the last Saturday of November 23:59.
        EnterRepeating(w.RepeatStartCtrls, "Apr", "2nd", "Mon", "2", "30");
        EnterRepeating(w.RepeatEndCtrls, "Nov", "last", "Sat", "23", "59");
        OffsetEdit(w)->setText("90");
        Tick(w, {0, 1, 2, 3});
        clearLog();
        SetChecked(w);
        auto sets = logged("set");
        ASSERT_EQ(sets.size(), 2u);
        EXPECT_EQ(varbinds(sets[0]), std::vector<std::string>{St + "1.0 INTEGER 1"});
        EXPECT_EQ(varbinds(sets[1]), (std::vector<std::string>{St + "2.0 INTEGER 90", St + "3.0 HEX 02000204021E",
                                                               St + "4.0 HEX 0000070B173B"}));

        // Annual: 31 March 1:05 to 1 November 0:00; the status is not ticked, so one set.
        ChooseStatus(w, "annual");
        EnterAnnual(w.AnnualStartCtrls, "31", "Mar", "1", "5");
        EnterAnnual(w.AnnualEndCtrls, "1", "Nov", "0", "0");
        Tick(w, {1, 4, 5});
        clearLog();
        SetChecked(w);
        sets = logged("set");
        ASSERT_EQ(sets.size(), 1u);
        EXPECT_EQ(varbinds(sets[0]),
                  (std::vector<std::string>{St + "2.0 INTEGER 90", St + "5.0 HEX 1F030105", St + "6.0 HEX 010B0000"}));

        // Disable: the status, then the offset alone.
        ChooseStatus(w, "disable");
        Tick(w, {0, 1});
        clearLog();
        SetChecked(w);
        sets = logged("set");
        ASSERT_EQ(sets.size(), 2u);
        EXPECT_EQ(varbinds(sets[0]), std::vector<std::string>{St + "1.0 INTEGER 0"});
        EXPECT_EQ(varbinds(sets[1]), std::vector<std::string>{St + "2.0 INTEGER 90"});

        // The status alone ticked: one set, no empty second one.
        Tick(w, {0});
        clearLog();
        SetChecked(w);
        EXPECT_EQ(logged("set").size(), 1u);
    }));
    Restore();
}

TEST(SummerTime, AFailedStatusSetStopsTheWriteAndIsShown)
{
    ASSERT_TRUE(withWindow<TSummerTimeForm>("mmiSummerTime", [](TSummerTimeForm& w) {
        Tick(w, {0, 1, 2, 3});
        ASSERT_TRUE(wintest::sim().failNextSet(5));
        clearLog();
        SetChecked(w);
        EXPECT_EQ(logged("set").size(), 1u);
        const std::string memo = w.EditorPanel->MessagePanel()->Memo->toPlainText().toStdString();
        const std::string last = memo.substr(memo.rfind("Set:") == std::string::npos ? 0 : memo.rfind("Set:"));
        EXPECT_NE(last.find("Set:"), std::string::npos) << memo;
        EXPECT_EQ(last.find("Ok"), std::string::npos) << memo;
    }));
    Restore();
}

TEST(SummerTime, RefusesWhatCannotBeWritten)
{
    struct Case {
        const char* what;
        const char* status;
        std::vector<int> ticked;
        std::function<void(TSummerTimeForm&)> enter;
        const char* message; // empty: refused without a message
    };
    const std::vector<Case> cases = {
        {"no status", "", {0}, [](TSummerTimeForm&) {}, "Please choose Summer Time Status."},
        {"no status, row 0 clear", "", {1}, [](TSummerTimeForm&) {}, ""},
        {"offset 45", "disable", {1}, [](TSummerTimeForm& w) { OffsetEdit(w)->setText("45"); },
         "Summer Time Offset must chosed from {30, 60, 90, 120}."},
        {"hour 24", "repeating", {2},
         [](TSummerTimeForm& w) { EnterRepeating(w.RepeatStartCtrls, "Apr", "1st", "Sun", "24", "0"); }, "Time error."},
        {"no week", "repeating", {2},
         [](TSummerTimeForm& w) { Combo(w.RepeatStartCtrls, 2)->setCurrentIndex(-1); }, "Time error."},
        {"same months, repeating", "repeating", {2, 3},
         [](TSummerTimeForm& w) {
             EnterRepeating(w.RepeatStartCtrls, "Apr", "1st", "Sun", "1", "0");
             EnterRepeating(w.RepeatEndCtrls, "Apr", "4th", "Sat", "1", "0");
         },
         "From month and To month should not be the same."},
        // The annual pair was not read (the switch's rule is repeating): no month is chosen.
        {"annual month never chosen", "annual", {4},
         [](TSummerTimeForm& w) {
             Edit(w.AnnualStartCtrls, 1)->setText("1");
             Edit(w.AnnualStartCtrls, 3)->setText("1");
             Edit(w.AnnualStartCtrls, 4)->setText("0");
         },
         "Time error."},
        // Every ticked row is checked before the status goes out.
        {"status and an empty offset", "repeating", {0, 1}, [](TSummerTimeForm& w) { OffsetEdit(w)->clear(); },
         "Some items are empty!"},
        {"29 February", "annual", {4},
         [](TSummerTimeForm& w) { EnterAnnual(w.AnnualStartCtrls, "29", "Feb", "1", "0"); }, "Time error."},
        {"31 April", "annual", {5}, [](TSummerTimeForm& w) { EnterAnnual(w.AnnualEndCtrls, "31", "Apr", "1", "0"); },
         "Time error."},
        {"day 0", "annual", {4}, [](TSummerTimeForm& w) { EnterAnnual(w.AnnualStartCtrls, "0", "Mar", "1", "0"); },
         "Time error."},
        {"minute 60", "annual", {4}, [](TSummerTimeForm& w) { EnterAnnual(w.AnnualStartCtrls, "1", "Mar", "1", "60"); },
         "Time error."},
        {"same months, annual", "annual", {4, 5},
         [](TSummerTimeForm& w) {
             EnterAnnual(w.AnnualStartCtrls, "1", "Mar", "1", "0");
             EnterAnnual(w.AnnualEndCtrls, "20", "Mar", "1", "0");
         },
         "From month and To month should not be the same."},
    };
    ASSERT_TRUE(withWindow<TSummerTimeForm>("mmiSummerTime", [&](TSummerTimeForm& w) {
        for (const Case& c : cases) {
            SCOPED_TRACE(c.what);
            w.EditorPanel->ButtonPanel->RefreshButton->click();
            ASSERT_TRUE(waitIdle(w));
            if (*c.status)
                ChooseStatus(w, c.status);
            else
                w.StatusBox()->setCurrentIndex(-1);
            Tick(w, std::initializer_list<int>{});
            for (int row : c.ticked)
                Box(w, row)->setChecked(true);
            c.enter(w);
            clearLog();
            MessageRecorder boxes;
            SetChecked(w);
            EXPECT_TRUE(logged("set").empty());
            EXPECT_EQ(boxTexts(boxes), *c.message ? std::vector<std::string>{c.message} : std::vector<std::string>{});
        }
    }));
}

TEST(SummerTime, AnIncompleteDateIsRefusedAsEmpty)
{
    ASSERT_TRUE(withWindow<TSummerTimeForm>("mmiSummerTime", [](TSummerTimeForm& w) {
        // A repeating date without its minute passes no "Time error." test only when the
        // group is complete; here the minute is empty.
        Edit(w.RepeatStartCtrls, 5)->clear();
        Tick(w, {2});
        clearLog();
        MessageRecorder boxes;
        SetChecked(w);
        EXPECT_TRUE(logged("set").empty());
        ASSERT_EQ(boxes.Shown.size(), 1u);
        EXPECT_EQ(boxes.Shown.front().text, "Time error.");
    }));
}

} // namespace
