// The binding of a request to a window's controls and list view, against the simulator:
// selecting a row fills every kind of control, an edit and set writes the row, input
// formats of bound edits, values shared by several controls round-trip without touching
// the octets no control covers, and the controls get their handlers back.
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QFileInfo>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTest>
#include <QTreeWidget>
#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <set>
#include <string>
#include <vector>

#include "bind_test_util.h"
#include "classlib/beep.h"
#include "classlib/dialogs.h"
#include "classlib/events.h"
#include "classlib/radiogroup.h"
#include "platform/exception.h"
#include "platform/sysutils.h"
#include "screenshot.h"
#include "snmplib/bind/request2edits.h"
#include "snmplib/snmperror.h"
#include "snmplib/textforms.h"

using namespace bindtest;

namespace {

std::string Cell(const QString& oidColumn, int row) { return std::string(BindEntry) + "." + oidColumn.toStdString() + "." + std::to_string(row); }

// A shown, active window like a table window with its editor: the list view and one
// control of each kind, bound to the binding table.
class BindWindowTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        window.setWindowTitle("Binding table");
        auto* top = new QHBoxLayout(&window);
        list = new QTreeWidget(&window);
        top->addWidget(list, 3);
        auto* form = new QFormLayout;
        top->addLayout(form, 2);
        const auto row = [&](const char* caption, std::vector<QWidget*> controls) {
            auto* line = new QHBoxLayout;
            for (QWidget* c : controls)
                line->addWidget(c);
            form->addRow(caption, line);
        };
        name = new QLineEdit(&window);
        nway = new QComboBox(&window);
        state = new TRadioGroup(&window);
        flag = new QCheckBox("Flag", &window);
        number = new QLineEdit(&window);
        for (auto*& e : address)
            e = new QLineEdit(&window);
        for (auto*& e : time)
            e = new QLineEdit(&window);
        recordByte = new QLineEdit(&window);
        recordWord = new QLineEdit(&window);
        memo = new QPlainTextEdit(&window);
        memo->setReadOnly(true);
        row("Name", {name});
        row("Nway", {nway});
        row("State", {state});
        row("", {flag});
        row("Number", {number});
        row("Address", {address[0], address[1], address[2], address[3]});
        row("Time", {time[0], time[1], time[2], time[3], time[4]});
        row("Record", {recordByte, recordWord});
        form->addRow(memo);
        window.resize(1000, 420);

        // The window's own handlers, there before the binding.
        SetOnChange(nway, [this](QObject*) { ++nwayChanges; });
        SetOnClick(flag, [this](QObject*) { ++flagClicks; });

        r = std::make_unique<VhSNMPRequest2Edits>(&window);
        aim(r->Request);
        r->Request.VarList = VhSNMPVarList(BindTable, MVT_FMV, 1);
        r->Request.VarList.Caption = "Bind Table";
        r->SetMessageTarget(memo);
        r->OnGetComplete = [this](VhSNMPRequest2Controls*, VhSNMPError* e) { gets.push_back(*e); };
        r->OnSetComplete = [this](VhSNMPRequest2Controls*, VhSNMPError* e) { sets.push_back(*e); };
        r->AttachListView(list, true);
        r->AddControlsFmt(cName, "%s{l16}", name);
        r->AddControl(cNway, nway);
        r->AddControl(cState, state);
        r->AddControl(cFlag, flag);
        r->AddControlsFmt(cNumber, "%i{n1x65535l5}", number);
        r->AddControlsFmt(cAddress, "%u{x255l3}%u{x255l3}%u{x255l3}%u{x255l3}", address[0], address[1], address[2],
                          address[3]);
        r->AddControlsFmt(cTime, "%u%u%u%u%u", time[0], time[1], time[2], time[3], time[4]);
        r->AddControlsFmtField(cRecord, 1, SNMP_SYNTAX_UINT8, nullptr, "%u{x255}", recordByte);
        r->AddControlsFmtField(cRecord, 4, SNMP_SYNTAX_UINT16, nullptr, "%u{x65535}", recordWord);

        window.show();
        window.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    }

    void Walk()
    {
        const std::size_t before = gets.size();
        r->Get();
        ASSERT_TRUE(waitUntil([&] { return gets.size() > before && !r->Busy; }));
        ASSERT_EQ(gets.back().Code, 0);
        ASSERT_EQ(list->topLevelItemCount(), 3);
    }
    void Select(int row) { list->setCurrentItem(list->topLevelItem(row)); }

    QWidget window;
    QTreeWidget* list = nullptr;
    QLineEdit* name = nullptr;
    QComboBox* nway = nullptr;
    TRadioGroup* state = nullptr;
    QCheckBox* flag = nullptr;
    QLineEdit* number = nullptr;
    QLineEdit* address[4] = {};
    QLineEdit* time[5] = {};
    QLineEdit* recordByte = nullptr;
    QLineEdit* recordWord = nullptr;
    QPlainTextEdit* memo = nullptr;
    std::unique_ptr<VhSNMPRequest2Edits> r;
    std::vector<VhSNMPError> gets, sets;
    int nwayChanges = 0;
    int flagClicks = 0;
};

std::vector<std::string> Texts(std::initializer_list<QLineEdit*> edits)
{
    std::vector<std::string> texts;
    for (QLineEdit* e : edits)
        texts.push_back(e->text().toStdString());
    return texts;
}

TEST_F(BindWindowTest, SelectingARowFillsEveryKindOfControl)
{
    Walk();
    // A walk of an MVT_FMV table locks the controls until a row is chosen.
    for (QWidget* w : std::initializer_list<QWidget*>{name, nway, state, flag, number, address[2], time[4], recordWord})
        EXPECT_FALSE(w->isEnabled()) << w->metaObject()->className();

    Select(1);
    EXPECT_TRUE(name->isEnabled() && nway->isEnabled() && state->isEnabled() && address[3]->isEnabled());
    EXPECT_EQ(name->text(), "name 2");
    EXPECT_EQ(nway->currentText(), "100half"); // the label of 4
    EXPECT_EQ(state->ItemIndex(), 0);          // 1 enabled
    EXPECT_TRUE(flag->isChecked());            // 3 enabled, the second option
    EXPECT_EQ(number->text(), "200");
    EXPECT_EQ(Texts({address[0], address[1], address[2], address[3]}), (std::vector<std::string>{"10", "1", "2", "20"}));
    EXPECT_EQ(Texts({time[0], time[1], time[2], time[3], time[4]}), (std::vector<std::string>{"1", "1", "1", "1", "2"}));
    EXPECT_EQ(recordByte->text(), "2");     // octet 1
    EXPECT_EQ(recordWord->text(), "1286");  // octets 4 and 5, 0x0506
    EXPECT_EQ(flagClicks, 1); // the window's handler runs when the binding ticks the box
    trqtest::saveScreenshot(&window, "bind_request_window");

    Select(2);
    EXPECT_EQ(nway->currentIndex(), -1); // 7 has no label
    EXPECT_EQ(state->ItemIndex(), 1);
    EXPECT_FALSE(flag->isChecked());
    EXPECT_EQ(flagClicks, 2);
    EXPECT_EQ(number->text(), "300");

    // The window's own change handler on the bound combo box still runs ...
    emit nway->activated(2);
    EXPECT_EQ(nwayChanges, 1);
    // ... and runs again once the binding is gone, which no longer fills the control.
    r->RemoveControls(cNway);
    r->RemoveControls(cNway); // nothing left: nothing happens
    nway->setCurrentIndex(-1);
    Select(0);
    EXPECT_EQ(nway->currentIndex(), -1);
    emit nway->activated(1);
    EXPECT_EQ(nwayChanges, 2);
    EXPECT_EQ(name->text(), "name 1");
}

TEST_F(BindWindowTest, EditAndSetWritesTheRowsWritableColumnsAndReadsTheTableAgain)
{
    Walk();
    const std::string portsBefore = simValue(Cell("6", 2));
    Select(1);
    name->setText("renamed");
    number->setText("222");
    state->SetItemIndex(1);
    flag->setChecked(false);
    recordWord->setText("258");
    sim().clearLog();
    gets.clear();
    r->Set(true, true);
    ASSERT_TRUE(waitUntil([&] { return !gets.empty() && !r->Busy; }));
    ASSERT_EQ(sets.size(), 1u);
    EXPECT_EQ(sets[0].Code, 0);

    // One set of the writable non-key columns at the row's instance, then the walk.
    const auto log = sim().pduLog();
    ASSERT_FALSE(log.empty());
    EXPECT_EQ(log[0].type, "set");
    std::set<std::string> oids;
    for (const auto& vb : log[0].varbinds)
        oids.insert(vb.oid);
    std::set<std::string> expected;
    for (const char* column : {"2", "3", "4", "5", "6", "7", "8", "9", "10"})
        expected.insert(Cell(column, 2));
    EXPECT_EQ(oids, expected);
    EXPECT_EQ(log[1].type, "getnext");

    EXPECT_NE(simValue(Cell("2", 2)).find("renamed"), std::string::npos);
    EXPECT_EQ(simValue(Cell("10", 2)), "INTEGER 222");
    EXPECT_EQ(simValue(Cell("4", 2)), "INTEGER 2");
    EXPECT_EQ(simValue(Cell("5", 2)), "INTEGER 2");
    EXPECT_EQ(simValue(Cell("6", 2)), portsBefore);
    EXPECT_EQ(simValue(Cell("7", 2)), "HEX 0102030401020702");
    EXPECT_EQ(simValue(Cell("8", 2)), "IPADDRESS 10.1.2.20");
    EXPECT_EQ(simValue(Cell("9", 2)), "TIMETICKS 9006102");
    EXPECT_EQ(list->topLevelItem(1)->text(2), "renamed");
    EXPECT_EQ(list->topLevelItem(1)->text(4), "disabled");
    const QStringList lines = memo->toPlainText().split('\n');
    ASSERT_EQ(lines.size(), 3);
    EXPECT_TRUE(lines[1].startsWith("Set: (VhSNMP++) Ok! Request:Bind Table. Receive at "));
    EXPECT_TRUE(lines[2].startsWith("Get: (VhSNMP++) Ok! Request:Bind Table. Receive at "));
    ASSERT_TRUE(sim().setValue(Cell("2", 2), "STRING", "\"name 2\""));
    ASSERT_TRUE(sim().setValue(Cell("10", 2), "INTEGER", "200"));
    ASSERT_TRUE(sim().setValue(Cell("4", 2), "INTEGER", "1"));
    ASSERT_TRUE(sim().setValue(Cell("5", 2), "INTEGER", "3"));
    ASSERT_TRUE(sim().setValue(Cell("7", 2), "HEX", "01 02 03 04 05 06 07 02"));

    // Row 3 holds a value without a label: its combo box shows no choice, and the column
    // is left out of the set rather than written as 0 (or refused as 7).
    Select(2);
    sim().clearLog();
    sets.clear();
    gets.clear();
    r->Set(true, true);
    ASSERT_TRUE(waitUntil([&] { return !gets.empty() && !r->Busy; }));
    ASSERT_EQ(sets.size(), 1u);
    EXPECT_EQ(sets[0].Code, 0);
    const auto log3 = sim().pduLog();
    ASSERT_FALSE(log3.empty());
    EXPECT_EQ(log3[0].varbinds.size(), 8u);
    for (const auto& vb : log3[0].varbinds)
        EXPECT_NE(vb.oid, Cell("3", 3));
    EXPECT_EQ(r->Request.VarList.GetItem(cNway)->Access, SNMP_ACCESS_READWRITE);
    EXPECT_EQ(list->topLevelItem(2)->text(3), "7");
}

TEST_F(BindWindowTest, BoundEditsTakeTheirInputFormats)
{
    struct Case {
        const char* format;
        const char* typed;
        const char* shown;
        unsigned long beeps;
        bool movesOn;
    };
    const Case cases[] = {
        {"%i{n1x65535l5}", "12a", "12", 1, false},
        {"%f", "1.2.3", "1.23", 1, false},
        {"%n,", "1,,2", "1,2", 1, false},
        {"%n,{l4}", "10,20,30,40", "10,20,30,40", 0, false}, // the length counts numbers
        {"%s{l4e/}", "ab/", "ab", 0, true},
        // A percent sign and a "%" that ends the format bind nothing; the rest binds.
        {"%%%i{n1x65535l5}", "12a", "12", 1, false},
        {"%i{n1x65535l5}%", "12a", "12", 1, false},
        {"%i%%", "5-", "5", 1, false},
    };
    auto* layout = window.layout();
    for (const Case& c : cases) {
        auto* edit = new QLineEdit(&window);
        auto* next = new QLineEdit(&window);
        layout->addWidget(edit);
        layout->addWidget(next);
        r->AddControlsFmt(cName, c.format, edit);
        edit->setFocus();
        const unsigned long before = BeepCount();
        QTest::keyClicks(edit, c.typed);
        QCoreApplication::processEvents();
        EXPECT_EQ(edit->text().toStdString(), c.shown) << c.format;
        EXPECT_EQ(BeepCount() - before, c.beeps) << c.format;
        EXPECT_EQ(QApplication::focusWidget() == next, c.movesOn) << c.format;
        r->RemoveControls(cName);
    }

    // Leaving an edit with a value out of range shows message 8 and puts back the value
    // the row gave it.
    Walk();
    Select(1);
    MessageRecorder boxes;
    number->setFocus();
    number->setText("0");
    QTest::keyClick(number, Qt::Key_Tab);
    QCoreApplication::processEvents();
    ASSERT_EQ(boxes.Shown.size(), 1u);
    EXPECT_EQ(boxes.Shown[0].text, "Please enter a number between 1 and 65535!");
    EXPECT_EQ(number->text(), "200");
    EXPECT_EQ(QApplication::focusWidget(), number);

    // Bad formats raise -2 and bind nothing.
    auto* spare = new QLineEdit(&window);
    const std::size_t bindings = r->Bindings.size();
    for (const char* bad : {"%q", "%i{n1", "%i{e}", "%ix"}) {
        try {
            r->AddControlsFmt(cNumber, bad, spare);
            ADD_FAILURE() << bad << " was taken";
        } catch (const Exception& e) {
            EXPECT_EQ(e.HelpContext, -2) << bad;
        }
        EXPECT_EQ(r->Bindings.size(), bindings) << bad;
        EXPECT_EQ(r->EditConstraints->FindConstraint(spare), nullptr) << bad;
    }
}

// Controls that share one value: bits of a PortList, two sub-fields of an octet string,
// an address over four edits and a time over five. A scalar group has no selected row:
// the octets that no control covers keep what was received.
TEST(BindTransferTest, SharedValuesRoundTripWithoutTouchingOtherOctets)
{
    QWidget window;
    auto* layout = new QHBoxLayout(&window);
    const auto add = [&](auto* w) {
        layout->addWidget(w);
        return w;
    };
    QCheckBox* bits[5];
    for (auto*& b : bits)
        b = add(new QCheckBox(&window));
    QLineEdit* byte = add(new QLineEdit(&window));
    QLineEdit* word = add(new QLineEdit(&window));
    QLineEdit* address[4];
    for (auto*& e : address)
        e = add(new QLineEdit(&window));
    QLineEdit* time[5];
    for (auto*& e : time)
        e = add(new QLineEdit(&window));
    QCheckBox* flag = add(new QCheckBox(&window));
    const VhOptionPair onePair[] = {{2, "disabled"}, {0, nullptr}};
    const VhOptionList oneOption(onePair, OVT_INTEGER, false);

    VhSNMPRequest2Edits r(&window);
    aim(r.Request);
    r.Mode = VHSNMP_MODE_SYNC;
    r.Request.VarList = VhSNMPVarList(BindScalars, SVT_SV, 0);
    r.AddControlList(sPorts, "0,1,9,64,511", bits[0], bits[1], bits[2], bits[3], bits[4]);
    r.AddControlsFmtField(sRecord, 1, SNMP_SYNTAX_UINT8, nullptr, "%s", byte);
    r.AddControlsFmtField(sRecord, 4, SNMP_SYNTAX_UINT16, nullptr, "%s", word);
    r.AddControlsFmt(sAddress, "%s%s%s%s", address[0], address[1], address[2], address[3]);
    r.AddControlsFmt(sTime, "%s%s%s%s%s", time[0], time[1], time[2], time[3], time[4]);
    r.AddControlField(sFlag, 0, SNMP_SYNTAX_INTEGER, &oneOption, flag); // too few options for a check box

    const std::string portsBefore = simValue(scalarOid(sPorts));
    r.Get();
    std::vector<bool> ticks;
    for (QCheckBox* b : bits)
        ticks.push_back(b->isChecked());
    EXPECT_EQ(ticks, (std::vector<bool>{true, false, true, true, true}));
    EXPECT_EQ(byte->text(), "11");   // 0x0B
    EXPECT_EQ(word->text(), "3599"); // 0x0E0F
    EXPECT_EQ(Texts({address[0], address[1], address[2], address[3]}), (std::vector<std::string>{"192", "168", "1", "20"}));
    EXPECT_EQ(Texts({time[0], time[1], time[2], time[3], time[4]}), (std::vector<std::string>{"0", "0", "0", "1", "0"}));
    EXPECT_FALSE(flag->isChecked());

    for (QCheckBox* b : bits)
        b->setChecked(!b->isChecked());
    byte->setText("255");
    word->setText("258");
    const char* typed[] = {"10", "", " 7", "x"};
    for (int i = 0; i < 4; ++i)
        address[i]->setText(typed[i]);
    for (QLineEdit* e : time)
        e->setText("1");
    flag->setChecked(true);
    sim().clearLog();
    r.Set(false, true);

    // Bits 0, 1, 9, 64 and 511 change; every other bit and octet stays.
    std::string ports = portsBefore; // "HEX 804011..."
    const auto setOctet = [&ports](int octet, const char* hex) { ports.replace(4 + octet * 2, 2, hex); };
    setOctet(0, "40");
    setOctet(1, "00");
    setOctet(8, "00");
    setOctet(63, "00");
    EXPECT_EQ(simValue(scalarOid(sPorts)), ports);
    EXPECT_EQ(simValue(scalarOid(sRecord)), "HEX 0AFF0C0D01021011");
    EXPECT_EQ(simValue(scalarOid(sAddress)), "IPADDRESS 10.0.7.0");
    EXPECT_EQ(simValue(scalarOid(sTime)), "TIMETICKS 9006101");
    // The flag could not be expressed: it is not written at all, and stays in the list.
    const auto log = sim().pduLog();
    ASSERT_EQ(log.size(), 1u);
    EXPECT_EQ(log[0].varbinds.size(), 4u);
    EXPECT_EQ(simValue(scalarOid(sFlag)), "INTEGER 3");
    EXPECT_EQ(r.Request.VarList.GetItem(sFlag)->Access, SNMP_ACCESS_READWRITE);

    // Read back, every control shows what was written.
    r.Get();
    ticks.clear();
    for (QCheckBox* b : bits)
        ticks.push_back(b->isChecked());
    EXPECT_EQ(ticks, (std::vector<bool>{false, true, false, false, false}));
    EXPECT_EQ(word->text(), "258");
    EXPECT_EQ(Texts({address[0], address[1], address[2], address[3]}), (std::vector<std::string>{"10", "0", "7", "0"}));
    EXPECT_EQ(Texts({time[0], time[1], time[2], time[3], time[4]}), (std::vector<std::string>{"1", "1", "1", "1", "1"}));

    ASSERT_TRUE(sim().setValue(scalarOid(sPorts), "HEX", portsBefore.substr(4)));
    ASSERT_TRUE(sim().setValue(scalarOid(sRecord), "HEX", "0A 0B 0C 0D 0E 0F 10 11"));
    ASSERT_TRUE(sim().setValue(scalarOid(sAddress), "IPADDRESS", "192.168.1.20"));
    ASSERT_TRUE(sim().setValue(scalarOid(sTime), "TIMETICKS", "100"));
}

// A value spread over several edits, for every format that spreads: what the edits hold
// makes the value, and the value fills the edits again as they were; an absent value of
// fixed layout leaves them alone, and too few edits for the format are refused.
TEST(BindTransferTest, ValuesSpreadOverSeveralEditsBothWays)
{
    const VhSNMPObjectDesc objects[] = {
        {"1.3.6.1.4.1.32473.99.7.1", "IP", SNMP_SYNTAX_IPADDRESS, SNMP_ACCESS_READWRITE},
        {"1.3.6.1.4.1.32473.99.7.2", "NSAP", SNMP_SYNTAX_NSAPADDR, SNMP_ACCESS_READWRITE},
        {"1.3.6.1.4.1.32473.99.7.3", "MAC", SNMP_SYNTAX_MACADDRESS, SNMP_ACCESS_READWRITE},
        {"1.3.6.1.4.1.32473.99.7.4", "IPv6", SNMP_SYNTAX_IPV6ADDRESS, SNMP_ACCESS_READWRITE},
        {"1.3.6.1.4.1.32473.99.7.5", "Octets", SNMP_SYNTAX_OCTETSTR, SNMP_ACCESS_READWRITE},
        {"1.3.6.1.4.1.32473.99.7.6", "OID", SNMP_SYNTAX_OBJECTID, SNMP_ACCESS_READWRITE},
        {"1.3.6.1.4.1.32473.99.7.7", "Ticks", SNMP_SYNTAX_TIMETICKS, SNMP_ACCESS_READWRITE},
        {"1.3.6.1.4.1.32473.99.7.8", "Date", SNMP_SYNTAX_DATETIME, SNMP_ACCESS_READWRITE},
        {"1.3.6.1.4.1.32473.99.7.9", "BCD date", SNMP_SYNTAX_BCDATETIME, SNMP_ACCESS_READWRITE},
        {},
    };
    const std::vector<std::vector<std::string>> pieces = {
        {"10", "0", "7", "255"},
        {"1", "2", "3", "4"},
        {"00", "1A", "2B", "3C", "4D", "FF"},
        {"FE", "80", "00", "00", "00", "00", "00", "00", "02", "11", "22", "FF", "FE", "33", "44", "55"},
        {"0A", "0B", "FF"},
        {"1", "3", "6", "1", "4"},
        {"2", "3", "4", "5", "6"},
        {"2007", "1", "5", "9", "4", "3", "0", "+", "1", "0"},
        {"2007", "1", "5", "9", "4", "3", "0"}, // the text keeps whole seconds
    };
    QWidget window;
    VhSNMPRequest2Edits r(&window);
    r.Request.VarList = VhSNMPVarList(objects, SVT_SV, 0);
    std::vector<std::vector<QLineEdit*>> edits;
    for (std::size_t item = 0; item < pieces.size(); ++item) {
        std::vector<QWidget*> controls;
        edits.emplace_back();
        std::string format;
        for (std::size_t i = 0; i < pieces[item].size(); ++i) {
            edits.back().push_back(new QLineEdit(&window));
            controls.push_back(edits.back().back());
            format += "%s";
        }
        r.AddControlsFmt(static_cast<int>(item), format, controls);
    }
    const auto texts = [&](std::size_t item) {
        std::vector<std::string> out;
        for (QLineEdit* e : edits[item])
            out.push_back(fromQt(e->text()));
        return out;
    };

    for (std::size_t item = 0; item < pieces.size(); ++item)
        for (std::size_t i = 0; i < pieces[item].size(); ++i)
            edits[item][i]->setText(toQt(pieces[item][i]));
    r.Request.VarList.GetItem(8)->Value = DateTimeText(0); // a date to merge into
    r.UpdateVarList(-1);
    std::vector<std::string> values;
    for (std::size_t item = 0; item < pieces.size(); ++item) {
        values.push_back(r.Request.VarList.GetItem(static_cast<int>(item))->Value);
        EXPECT_FALSE(values.back().empty()) << objects[item].Caption;
        for (QLineEdit* e : edits[item])
            e->clear();
    }
    EXPECT_EQ(values[0], "10.0.7.255");
    r.UpdateControls(-1);
    for (std::size_t item = 0; item < pieces.size(); ++item)
        EXPECT_EQ(texts(item), pieces[item]) << objects[item].Caption << ": " << values[item];

    // "(NULL)" fills no edit of a fixed layout; an octet string has none.
    for (std::size_t item : {0u, 2u, 6u, 7u, 8u}) {
        r.Request.VarList.GetItem(static_cast<int>(item))->Value = "(NULL)";
        r.UpdateControls(static_cast<int>(item));
        EXPECT_EQ(texts(item), pieces[item]) << objects[item].Caption;
    }

    // An address over three edits is no address.
    r.RemoveControls(0);
    r.AddControlsFmt(0, "%s%s%s", edits[0][0], edits[0][1], edits[0][2]);
    r.Request.VarList.GetItem(0)->Value = "10.0.7.255";
    try {
        r.UpdateControls(0);
        ADD_FAILURE() << "no exception";
    } catch (const Exception& e) {
        EXPECT_EQ(e.HelpContext, VHSNMP_ERR_CONTROL_COUNT);
    }
}

TEST(BindTransferTest, BindingsRefuseWhatTheyCannotShow)
{
    QWidget window;
    VhSNMPRequest2Edits r(&window);
    aim(r.Request);
    r.Request.VarList = VhSNMPVarList(BindScalars, SVT_SV, 0);
    QComboBox combo(&window);
    const VhOptionPair prefixPairs[] = {{"1.3.6", "mib-2"}, {nullptr, nullptr}};
    const VhOptionList prefixes(prefixPairs, OVT_PREFIX, false);
    struct Case {
        const char* what;
        std::function<void()> bind;
        int code;
    };
    const Case cases[] = {
        {"combo box without value labels", [&] { r.AddControl(sRecord, &combo); }, -520},
        {"radio group without value labels", [&] { r.AddControl(sAddress, new TRadioGroup(&window)); }, -520},
        {"prefix labels without a second control",
         [&] { r.AddControlField(sRecord, 0, SNMP_SYNTAX_OBJECTID, &prefixes, &combo); }, -522},
        {"column outside the list", [&] { r.AddControl(9, new QLabel(&window)); }, -12},
    };
    for (const Case& c : cases) {
        try {
            c.bind();
            ADD_FAILURE() << c.what << ": no exception";
        } catch (const Exception& e) {
            EXPECT_EQ(e.HelpContext, c.code) << c.what;
        }
        EXPECT_TRUE(r.Bindings.empty()) << c.what;
    }

    // Failures while a reply is shown end the exchange with their code: a check box on a
    // bit past the value, and one that can show neither labels nor a boolean.
    std::vector<int> codes;
    r.OnGetComplete = [&](VhSNMPRequest2Controls*, VhSNMPError* e) { codes.push_back(e->Code); };
    MessageRecorder boxes;
    QCheckBox far(&window);
    r.AddControlList(sPorts, "600", &far);
    r.Get();
    ASSERT_TRUE(waitUntil([&] { return !codes.empty(); }));
    r.RemoveControls(sPorts);
    QCheckBox plain(&window);
    r.AddControl(sAddress, &plain);
    r.Get();
    ASSERT_TRUE(waitUntil([&] { return codes.size() == 2; }));
    EXPECT_EQ(codes, (std::vector<int>{-519, -517}));
    EXPECT_EQ(r.Busy, 0);
    ASSERT_TRUE(waitUntil([&] { return boxes.Shown.size() == 2; }));
    EXPECT_EQ(boxes.Shown[0].text, SnmpErrorText(-519));
}

TEST(BindTransferTest, ControlsGetTheirHandlersBackWhenTheBindingGoes)
{
    QWidget window;
    QTreeWidget list(&window);
    QComboBox combo(&window);
    QCheckBox box(&window);
    QLineEdit edit(&window);
    int selects = 0, changes = 0, clicks = 0, edits = 0;
    SetOnSelectItem(&list, [&](QObject*, int, bool selected) { selects += selected; });
    SetOnChange(&combo, [&](QObject*) { ++changes; });
    SetOnClick(&box, [&](QObject*) { ++clicks; });
    SetOnChange(&edit, [&](QObject*) { ++edits; });

    auto r = std::make_unique<VhSNMPRequest2Edits>(&window);
    r->Request.VarList = VhSNMPVarList(BindTable, MVT_FMV, 1);
    r->AttachListView(&list, true);
    r->AddControl(cNway, &combo);
    r->AddControl(cFlag, &box);
    r->AddControlsFmt(cNumber, "%i", &edit);
    list.addTopLevelItem(new QTreeWidgetItem(QStringList{"", "1", "x", "auto", "enabled", "enabled"}));
    list.setCurrentItem(list.topLevelItem(0)); // the binding fills the controls
    EXPECT_EQ(selects, 1);
    EXPECT_EQ(combo.currentText(), "auto");
    EXPECT_TRUE(box.isChecked());
    r.reset();

    // Every event reaches the window's own handler, and nothing of the binding.
    list.clearSelection();
    list.setCurrentItem(list.topLevelItem(0));
    EXPECT_EQ(selects, 2);
    emit combo.activated(0);
    EXPECT_EQ(changes, 1);
    box.setChecked(false);
    EXPECT_EQ(clicks, 2);
    const unsigned long beeps = BeepCount();
    edit.setText("abc"); // no input format any more
    EXPECT_EQ(edit.text(), "abc");
    EXPECT_EQ(BeepCount(), beeps);
    EXPECT_GE(edits, 1);
}

} // namespace
