// Input formats of edits: parsing, typing (filter, exit character, auto-advance), the exit
// check with its messages, the accepted text, the window's own handlers and their return.
#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QTest>
#include <QVBoxLayout>
#include <gtest/gtest.h>

#include <cfloat>
#include <memory>
#include <string>
#include <vector>

#include "classlib/beep.h"
#include "classlib/dialogs.h"
#include "classlib/events.h"
#include "platform/exception.h"
#include "snmplib/bind/editconstraint.h"
#include "snmplib/snmperror.h"

namespace {

// A shown, active window with the edits A (constrained in the tests), B and C, in tab order.
class EditConstraintTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        auto* layout = new QVBoxLayout(&window);
        for (QLineEdit** edit : {&A, &B, &C}) {
            *edit = new QLineEdit(&window);
            layout->addWidget(*edit);
        }
        A->setObjectName("A");
        B->setObjectName("B");
        window.show();
        window.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
        A->setFocus();
    }

    // Types into A and lets the posted messages run; returns the beeps it caused.
    unsigned long Type(const QString& keys)
    {
        const unsigned long before = BeepCount();
        QTest::keyClicks(A, keys);
        QCoreApplication::processEvents();
        return BeepCount() - before;
    }
    // Puts text into A (as the program would) and leaves A with the tab key.
    void Leave(const QString& text)
    {
        A->setFocus();
        A->setText(text);
        QTest::keyClick(A, Qt::Key_Tab);
        QCoreApplication::processEvents();
    }

    QWidget window;
    QLineEdit* A = nullptr;
    QLineEdit* B = nullptr;
    QLineEdit* C = nullptr;
    MessageRecorder boxes;
    VhEditConstraint constraints{&window, true};
};

TEST_F(EditConstraintTest, FormatsGiveTheirRecords)
{
    struct Case {
        const char* format;
        char type, delimiter;
        double minimum, maximum;
        int length, flags;
        char exitChar;
        int maxLength; // 0: none
    };
    const Case cases[] = {
        {"%i", 'i', 0, -2147483648.0, 2147483647.0, 0, 0, 0, 0},
        {"%i{n1x65535l5}", 'i', 0, 1, 65535, 5, 0, 0, 5},
        {"%u", 'u', 0, 0, 4294967295.0, 0, 0, 0, 0},
        {"%f", 'f', 0, DBL_MIN, DBL_MAX, 0, 0, 0, 0},
        {"%f{n-1.5x2.25}", 'f', 0, -1.5, 2.25, 0, 0, 0, 0},
        {"%s{l16}", 's', 0, 0, 0, 16, 0, 0, 16},
        {"%h{l8fn}", 'h', 0, 0, 0, 8, ECF_FIXED | ECF_NOTEMPTY, 0, 8},
        {"%s{l4aa}", 's', 0, 0, 0, 4, 2, 0, 4}, // a flag given twice adds twice
        {"%u{n0x255l3ae.}", 'u', 0, 0, 255, 3, ECF_AUTOADVANCE, '.', 3},
        {"%s{}", 's', 0, 0, 0, 0, 0, 0, 0},
        // Type n counts numbers, not characters: no character limit.
        {"%n,{l4f}", 'n', ',', 0, 4294967295.0, 4, ECF_FIXED, 0, 0},
        {"%n.{l4fx255}", 'n', '.', 0, 255, 4, ECF_FIXED, 0, 0},
        {"%n{", 'n', '{', 0, 4294967295.0, 0, 0, 0, 0},
    };
    for (const Case& c : cases) {
        constraints.AddConstraint(c.format, A);
        const _EditConstraint_s* rec = constraints.FindConstraint(A);
        ASSERT_NE(rec, nullptr) << c.format;
        EXPECT_EQ(rec->Type, c.type) << c.format;
        EXPECT_EQ(rec->Delimiter, c.delimiter) << c.format;
        EXPECT_EQ(rec->Minimum, c.minimum) << c.format;
        EXPECT_EQ(rec->Maximum, c.maximum) << c.format;
        EXPECT_EQ(rec->Length, c.length) << c.format;
        EXPECT_EQ(rec->LengthFlags, c.flags) << c.format;
        EXPECT_EQ(rec->ExitChar, c.exitChar) << c.format;
        EXPECT_EQ(GetMaxLength(A), c.maxLength) << c.format;
    }
    constraints.AddConstraint("%i{w123}", B);
    EXPECT_EQ(B->width(), 123);
}

TEST_F(EditConstraintTest, BadFormatsRaiseAndChangeNothing)
{
    for (const char* format : {"", "%", "%q", "%ix", "%i{n1", "%i{e}", "%i{n}", "%i{x-}1}", "%i{l}", "%i{w}",
                               "%i{z1}", "%i{n1 }", "%n", "i%", "%i}", "%s{l4b}"}) {
        try {
            constraints.AddConstraint(format, A);
            ADD_FAILURE() << format << " was taken";
        } catch (const Exception& e) {
            EXPECT_EQ(e.HelpContext, -2) << format;
            EXPECT_EQ(e.Message, "Bad format specifier of edit's constraint!") << format;
        }
        EXPECT_EQ(constraints.FindConstraint(A), nullptr) << format;
        EXPECT_EQ(GetMaxLength(A), 0) << format;
    }
}

TEST_F(EditConstraintTest, TypingFiltersCharactersAndMovesTheFocusOn)
{
    struct Case {
        const char* format;
        const char* keys;
        const char* text;
        unsigned long beeps;
        bool movesOn;
    };
    const Case cases[] = {
        {"%i{n1x65535l5}", "12a", "12", 1, false},
        {"%i", "-5", "-5", 0, false},
        {"%i", "5-", "5", 1, false},
        {"%u", "-1", "1", 1, false},
        {"%f", "1.2.3", "1.23", 1, false},
        {"%f", "-0.5", "-0.5", 0, false},
        {"%h", "0aFgG", "0aF", 2, false},
        {"%n,", "1,,2", "1,2", 1, false},
        {"%n,", ",1", "1", 1, false},
        {"%n.", "10.1.1.300", "10.1.1.300", 0, false},
        {"%s", "a-b.%", "a-b.%", 0, false},
        {"%s{l3}", "abcd", "abc", 0, false},
        {"%n.{l4}", "1.2.3.4.5", "1.2.3.4.5", 0, false}, // a count of numbers is no character limit
        {"%s{l4e/}", "ab/", "ab", 0, true},
        {"%u{n0x255l3ae.}", "25.", "25", 0, true},
        {"%u{n0x255l3ae.}", "255", "255", 0, true},
        {"%i{n1x8l1a}", "5", "5", 0, true},
        {"%i{n1x8l2a}", "5", "5", 0, false},
    };
    for (const Case& c : cases) {
        A->clear();
        A->setFocus();
        constraints.AddConstraint(c.format, A);
        EXPECT_EQ(Type(c.keys), c.beeps) << c.format << " " << c.keys;
        EXPECT_EQ(A->text().toStdString(), c.text) << c.format << " " << c.keys;
        EXPECT_EQ(QApplication::focusWidget(), c.movesOn ? B : A) << c.format << " " << c.keys;
    }
}

TEST_F(EditConstraintTest, PlaceHoldersAreLeftAlone)
{
    constraints.AddConstraint("%i{n1x8l1}", A);
    for (const char* text : {"(NOTDONE)", "(NULL)"}) {
        const unsigned long before = BeepCount();
        A->setText(text); // longer than the length: a limit on typing only
        EXPECT_EQ(BeepCount(), before);
        EXPECT_EQ(A->text(), text);
        Leave(text);
        EXPECT_TRUE(boxes.Shown.empty());
        EXPECT_EQ(QApplication::focusWidget(), B);
    }
}

TEST_F(EditConstraintTest, LeavingChecksTheValue)
{
    const char* const strings16 = "0123456789abcdef";
    struct Case {
        const char* format;
        const char* text;
        const char* message; // nullptr: passes
    };
    const Case cases[] = {
        {"%i{n1x65535l5}", "0", "Please enter a number between 1 and 65535!"},
        {"%i{n1x65535l5}", "65535", nullptr},
        {"%i{n1x65535l5}", "1", nullptr},
        {"%i", "-2147483648", nullptr},
        {"%i", "2147483648", "Please enter a number between -2147483648 and 2147483647!"},
        {"%u", "4294967296", "Please enter a number between 0 and 4294967295!"},
        {"%f", "0", "Please enter a number between 2.2250738585072E-308 and 1.79769313486232E308!"},
        {"%f", "-1", "Please enter a number between 2.2250738585072E-308 and 1.79769313486232E308!"},
        {"%f", "0.5", nullptr},
        {"%f{n-1.5x2.25}", "2.5", "Please enter a number between -1.5 and 2.25!"},
        {"%s{l16}", strings16, nullptr},
        {"%s{l16f}", "0123456789abcde", "Please enter a string whose length is 16!"},
        {"%s{l16f}", strings16, nullptr},
        {"%h{l4f}", "abc", "Please enter a hex string whose length is 4!"},
        {"%n.{l4f}", "10.1.1", "Please enter a delimited number string with delimiter '.'.\n"
                               "Here,the count of the number is equal to 4!"},
        {"%n.{l4fx255}", "10.1.1.300", "Please enter a delimited number string with delimiter '.'.\n"
                                       "Here,each number is between 0 and 255!"},
        {"%n.{l4fx255}", "10.1.1.255", nullptr},
        {"%n,{l2}", "1,2,3", "Please enter a delimited number string with delimiter ','.\n"
                             "Here,the count of the number is less than 2!"},
        {"%n,{l2}", "1,2", nullptr},
        {"%n,{n5x9}", "5,10", "Please enter a delimited number string with delimiter ','.\n"
                              "Here,each number is between 5 and 9!"},
        {"%i{l3n}", "", "Empty value is not allowed!"},
        {"%i{n1x5}", "", nullptr},
    };
    std::vector<MessageRequest> shown;
    for (const Case& c : cases) {
        shown.insert(shown.end(), boxes.Shown.begin(), boxes.Shown.end());
        boxes.Shown.clear();
        constraints.AddConstraint(c.format, A);
        constraints.SetAcceptedText(A, "");
        Leave(c.text);
        if (!c.message) {
            EXPECT_TRUE(boxes.Shown.empty()) << c.format << " " << c.text;
            EXPECT_EQ(QApplication::focusWidget(), B) << c.format << " " << c.text;
            EXPECT_EQ(A->text().toStdString(), c.text);
            continue;
        }
        ASSERT_EQ(boxes.Shown.size(), 1u) << c.format << " " << c.text;
        EXPECT_EQ(boxes.Shown[0].text, c.message) << c.format << " " << c.text;
        EXPECT_EQ(QApplication::focusWidget(), A) << c.format << " " << c.text;
        EXPECT_EQ(A->text(), "") << c.format << " " << c.text;
    }
    const MessageRequest& box = shown.at(0);
    EXPECT_EQ(box.title, ExecutableFileName());
    EXPECT_EQ(box.owner, &window);
    EXPECT_EQ(box.buttons, std::vector<int>{IDOK});
    EXPECT_EQ(box.icon, MessageIcon::None);
}

TEST_F(EditConstraintTest, MessagesComeFromTheTableInForce)
{
    std::vector<std::string> lines;
    for (int i = 0; i < CommonMsgTable.Count(); ++i)
        lines.push_back(CommonMsgTable.Text(i));
    lines[8] = "Zahl von [MIN] bis [MAX], nicht [MIN]!";
    CommonMsgTable.Replace(lines);
    constraints.AddConstraint("%i{n1x9}", A);
    Leave("10");
    CommonMsgTable.Reset();
    ASSERT_EQ(boxes.Shown.size(), 1u);
    EXPECT_EQ(boxes.Shown[0].text, "Zahl von 1 bis 9, nicht 1!");
}

TEST_F(EditConstraintTest, AFailedExitPutsBackTheLastAcceptedValue)
{
    constraints.AddConstraint("%i{n1x65535l5}", A);
    Leave("7"); // passes: the save flag keeps it
    EXPECT_EQ(constraints.FindConstraint(A)->AcceptedText, "7");
    Leave("0");
    EXPECT_EQ(A->text(), "7");

    // A value filled in by the program, made the accepted text, survives a failed check.
    boxes.Shown.clear();
    A->setText("161");
    ASSERT_TRUE(constraints.SetAcceptedText(A, "161"));
    A->setFocus();
    A->selectAll();
    EXPECT_EQ(Type("0"), 0u);
    QTest::keyClick(A, Qt::Key_Tab);
    EXPECT_EQ(boxes.Shown.size(), 1u);
    EXPECT_EQ(A->text(), "161");
    EXPECT_EQ(QApplication::focusWidget(), A);

    A->setText("5");
    constraints.AcceptText(A);
    EXPECT_EQ(A->text(), "161");
    EXPECT_FALSE(constraints.SetAcceptedText(B, "x"));

    // Without the save flag a passing exit keeps the accepted text as it was.
    VhEditConstraint keeping(&window, false);
    keeping.AddConstraint("%i", C);
    keeping.SetAcceptedText(C, "1");
    C->setFocus();
    C->setText("2");
    QTest::keyClick(C, Qt::Key_Tab);
    EXPECT_EQ(keeping.FindConstraint(C)->AcceptedText, "1");
}

TEST_F(EditConstraintTest, TheWindowsOwnHandlersRunAndMayStopTheConstraint)
{
    std::vector<std::string> changes;
    int exits = 0;
    bool veto = false;
    SetOnChange(A, [&](QObject* sender) {
        changes.push_back(static_cast<QLineEdit*>(sender)->text().toStdString());
        SetTag(sender, veto ? -1 : 0);
    });
    SetOnExit(A, [&](QObject* sender) {
        ++exits;
        SetTag(sender, veto ? -1 : 0);
    });
    constraints.AddConstraint("%u{l2a}", A);

    Type("1x2"); // the window sees only texts that passed the filter
    EXPECT_EQ(changes, (std::vector<std::string>{"1", "1", "12"}));
    EXPECT_EQ(QApplication::focusWidget(), B); // auto-advance
    EXPECT_EQ(exits, 1);
    EXPECT_EQ(constraints.FindConstraint(A)->AcceptedText, "12");

    veto = true; // tag -1: no auto-advance, and the exit puts the accepted text back
    A->clear();
    A->setFocus();
    Type("34");
    EXPECT_EQ(QApplication::focusWidget(), A);
    QTest::keyClick(A, Qt::Key_Tab);
    EXPECT_EQ(exits, 2);
    EXPECT_EQ(A->text(), "12");
    EXPECT_EQ(constraints.FindConstraint(A)->AcceptedText, "12");
    EXPECT_TRUE(boxes.Shown.empty());
}

TEST_F(EditConstraintTest, EditsGetTheirHandlersBackWhenTheConstraintGoes)
{
    int changes = 0, exits = 0;
    for (QLineEdit* edit : {A, B}) {
        SetOnChange(edit, [&](QObject*) { ++changes; });
        SetOnExit(edit, [&](QObject*) { ++exits; });
    }
    {
        VhEditConstraint local(&window, true);
        local.AddConstraints("%i{n1x8}%s{l16}%u", {A, B, C});
        ASSERT_NE(local.FindConstraint(A), nullptr);
        EXPECT_EQ(local.FindConstraint(B)->Type, 's');
        EXPECT_EQ(local.FindConstraint(C)->Type, 'u');
        local.RemoveConstraint(C);
        EXPECT_EQ(local.FindConstraint(C), nullptr);
        local.RemoveConstraint(C); // no record: nothing
    }
    A->setFocus();
    changes = exits = 0;
    EXPECT_EQ(Type("x"), 0u); // no filter any more; the window's handler alone
    EXPECT_EQ(A->text(), "x");
    EXPECT_EQ(changes, 1);
    QTest::keyClick(A, Qt::Key_Tab);
    EXPECT_EQ(exits, 1);
    EXPECT_TRUE(boxes.Shown.empty());
    EXPECT_EQ(QApplication::focusWidget(), B);
}

TEST_F(EditConstraintTest, OnlyEditsTakeFormatsAndEachEditHasOneRecord)
{
    QComboBox combo(&window);
    constraints.AddConstraints("text %i{n1x8l1}%s{l16}", {&combo, B});
    EXPECT_EQ(constraints.FindConstraint(&combo), nullptr);
    EXPECT_EQ(constraints.FindConstraint(B)->Type, 's');
    EXPECT_THROW(constraints.AddConstraints("%i%q", {A, C}), Exception);
    EXPECT_NE(constraints.FindConstraint(A), nullptr);

    constraints.AddConstraint("%i{n1x8}", A);
    constraints.AddConstraint("%i{n1x9}", A); // replaces the first
    Leave("10");
    ASSERT_EQ(boxes.Shown.size(), 1u);
    EXPECT_EQ(boxes.Shown[0].text, "Please enter a number between 1 and 9!");
    EXPECT_EQ(Type("a"), 1u);
}

TEST_F(EditConstraintTest, AnEditDeletedFirstIsForgotten)
{
    auto edit = std::make_unique<QLineEdit>(&window);
    constraints.AddConstraint("%i", edit.get());
    edit.reset();
    auto other = std::make_unique<QLineEdit>(&window); // may reuse the address
    EXPECT_EQ(constraints.FindConstraint(other.get()), nullptr);
}

TEST(EditConstraintFunctions, IntPowerWrapsAt32Bits)
{
    struct Case {
        uint32_t base, exponent, result;
    };
    for (const Case& c : {Case{2, 0, 1}, Case{0, 0, 1}, Case{2, 10, 1024}, Case{10, 9, 1000000000}, Case{2, 32, 0},
                          Case{3, 21, 1870418611u}, Case{0xFFFFFFFFu, 2, 1}}) {
        EXPECT_EQ(IntPower(c.base, c.exponent), c.result) << c.base << "^" << c.exponent;
    }
}

} // namespace
