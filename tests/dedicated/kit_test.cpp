// The kit's rules that need no switch: unit/port entry with both policies, column masks,
// what a set may carry, and the port grids following the chassis's unit list.
#include <gtest/gtest.h>

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPointer>
#include <QTimer>
#include <QTabWidget>
#include <QTreeWidget>

#include <functional>
#include <stdexcept>

#include "configwin/optionlists.h"
#include "configwin/stackingportuitform.h"
#include "configwin/unitlist.h"
#include "dedicated/columnmask.h"
#include "dedicated/dedicatedform.h"
#include "dedicated/portgrids.h"
#include "dedicated/units.h"
#include "dedicated/windowhost.h"
#include "dedicated/windowrequest.h"
#include "platform/exception.h"

namespace {

// ---- Unit/port entry --------------------------------------------------------------------

std::vector<TUnitRecord> Units()
{
    // Unit 1 with 24 ports, unit 2 listed without ports, unit 3 with 12.
    return {{"1", 1, 1, "TRQ-3120", 24}, {"2", 2, 65, "TRQ-3111", 0}, {"3", 3, 129, "TRQ-3114", 12}};
}

TEST(UnitPortEntry, CombinesUnitAndPortUnderBothPolicies)
{
    struct Case {
        const char* unit;
        const char* port;
        TPortlessUnit policy;
        TUnitPortError error;
        int number;
    };
    const Case cases[] = {
        {"3", "2", TPortlessUnit::Accepts24, TUnitPortError::None, 130},
        {"1", "24", TPortlessUnit::AcceptsNone, TUnitPortError::None, 24},
        {"3", "12", TPortlessUnit::Accepts24, TUnitPortError::None, 140},
        {"3", "13", TPortlessUnit::Accepts24, TUnitPortError::Port, 0},
        {"5", "24", TPortlessUnit::AcceptsNone, TUnitPortError::None, 280}, // not listed: 24
        {"5", "25", TPortlessUnit::AcceptsNone, TUnitPortError::Port, 0},
        {"2", "24", TPortlessUnit::Accepts24, TUnitPortError::None, 88},    // listed, no ports
        {"2", "1", TPortlessUnit::AcceptsNone, TUnitPortError::Port, 0},
        {"9", "1", TPortlessUnit::Accepts24, TUnitPortError::None, 513},
        {"0", "1", TPortlessUnit::Accepts24, TUnitPortError::Unit, 0},
        {"10", "1", TPortlessUnit::Accepts24, TUnitPortError::Unit, 0},
        {"", "1", TPortlessUnit::Accepts24, TUnitPortError::Unit, 0},
        {"1x", "1", TPortlessUnit::Accepts24, TUnitPortError::Unit, 0},
        {"1", "", TPortlessUnit::Accepts24, TUnitPortError::Port, 0},
        {"1", "0", TPortlessUnit::Accepts24, TUnitPortError::Port, 0},
    };
    for (const Case& c : cases) {
        int number = 0;
        EXPECT_EQ(UnitPortToNumber(c.unit, c.port, Units(), c.policy, number), c.error) << c.unit << "/" << c.port;
        if (c.error == TUnitPortError::None) {
            EXPECT_EQ(number, c.number) << c.unit << "/" << c.port;
        }
    }
}

TEST(UnitPortEntry, SplitsPortNumbers)
{
    const int cases[][3] = {{130, 3, 2}, {65, 2, 1}, {64, 1, 64}, {1, 1, 1}, {576, 9, 64}, {0, 0, 0}, {-5, 0, 0}};
    for (const auto& c : cases) {
        int unit = -1, port = -1;
        NumberToUnitPort(c[0], unit, port);
        EXPECT_EQ(unit, c[1]) << c[0];
        EXPECT_EQ(port, c[2]) << c[0];
    }
}

// ---- Column masks and what a set carries ------------------------------------------------

enum { Key, Name, Count, Admin, State };

const VhSNMPObjectDesc Table[] = {
    {"1.3.6.1.4.1.32473.99.2.1.1", "Index", SNMP_SYNTAX_INTEGER, SNMP_ACCESS_READONLY},
    {"1.3.6.1.4.1.32473.99.2.1.2", "Name", SNMP_SYNTAX_DISPLAYSTR, SNMP_ACCESS_READWRITE},
    {"1.3.6.1.4.1.32473.99.2.1.3", "Count", SNMP_SYNTAX_INTEGER, SNMP_ACCESS_READWRITE},
    {"1.3.6.1.4.1.32473.99.2.1.4", "Admin", SNMP_SYNTAX_INTEGER, SNMP_ACCESS_READWRITE, &DisabledEnabledList},
    {"1.3.6.1.4.1.32473.99.2.1.5", "State", SNMP_SYNTAX_INTEGER, SNMP_ACCESS_READWRITE | SNMP_ACCESS_HIDDEN},
    {nullptr},
};

std::vector<unsigned> AccessWords(const TWindowRequest& request)
{
    std::vector<unsigned> words;
    for (const auto& item : request.Request.VarList.Items)
        words.push_back(item->Access);
    return words;
}

TEST(ColumnMask, LeavesOutWithTheInvalidBitAloneAndRestoresOnEveryPath)
{
    TWindowRequest request(nullptr);
    request.Request.VarList = VhSNMPVarList(Table, MVT_UMV, 1);
    const std::vector<unsigned> before = AccessWords(request);
    try {
        TColumnMask mask(&request);
        mask.LeaveOut({Count, State, 99});
        EXPECT_EQ(request.Request.VarList.GetItem(Count)->Access, SNMP_ACCESS_INVALID);
        EXPECT_EQ(request.Request.VarList.GetItem(State)->Access, SNMP_ACCESS_INVALID);
        EXPECT_EQ(request.Request.VarList.GetItem(Name)->Access, SNMP_ACCESS_READWRITE);
        {
            TColumnMask inner(&request);
            inner.Only({Key, Admin});
            EXPECT_EQ(request.ActiveMask, &inner);
            inner.Include(Name);
            EXPECT_EQ(request.Request.VarList.GetItem(Name)->Access, SNMP_ACCESS_READWRITE);
            EXPECT_EQ(request.Request.VarList.GetItem(Admin)->Access, SNMP_ACCESS_READWRITE);
        }
        EXPECT_EQ(request.ActiveMask, &mask);
        EXPECT_EQ(request.Request.VarList.GetItem(Admin)->Access, SNMP_ACCESS_READWRITE);
        EXPECT_EQ(request.Request.VarList.GetItem(Count)->Access, SNMP_ACCESS_INVALID);
        throw std::runtime_error("a write failed");
    } catch (const std::runtime_error&) {
    }
    EXPECT_EQ(AccessWords(request), before);
    EXPECT_EQ(request.ActiveMask, nullptr);
}

// A read-only column of a row (not a key) stays read-only, and out of every set, however a
// mask that touched it ends, and in every mask after that.
TEST(ColumnMask, AReadOnlyColumnStaysOutOfEveryLaterSet)
{
    enum { RowKey, Label, Uptime, Mode };
    const VhSNMPObjectDesc Row[] = {
        {"1.3.6.1.4.1.32473.99.4.1.1", "Index", SNMP_SYNTAX_INTEGER, SNMP_ACCESS_READONLY},
        {"1.3.6.1.4.1.32473.99.4.1.2", "Label", SNMP_SYNTAX_DISPLAYSTR, SNMP_ACCESS_READWRITE},
        {"1.3.6.1.4.1.32473.99.4.1.3", "Uptime", SNMP_SYNTAX_TIMETICKS, SNMP_ACCESS_READONLY},
        {"1.3.6.1.4.1.32473.99.4.1.4", "Mode", SNMP_SYNTAX_INTEGER, SNMP_ACCESS_READWRITE | SNMP_ACCESS_HIDDEN},
        {nullptr},
    };
    TWindowRequest request(nullptr);
    request.Request.VarList = VhSNMPVarList(Row, MVT_UMV, 1);
    using Use = std::function<void(TColumnMask&)>;
    const std::pair<const char*, Use> ends[] = {
        {"left out", [&](TColumnMask& m) { m.LeaveOut(Uptime); }},
        {"left out with others", [&](TColumnMask& m) { m.LeaveOut({Label, Uptime, Mode}); }},
        {"only others kept", [&](TColumnMask& m) { m.Only({RowKey, Label}); }},
        {"left out, taken again", [&](TColumnMask& m) { m.LeaveOut(Uptime); m.Include(Uptime); }},
        {"taken without leaving out", [&](TColumnMask& m) { m.Include(Uptime); }},
        {"restored early, used again", [&](TColumnMask& m) { m.Only({Label}); m.Restore(); m.LeaveOut(Mode); }},
        {"inner mask", [&](TColumnMask& m) {
             m.LeaveOut(Label);
             TColumnMask inner(&request);
             inner.Only({Uptime});
             inner.Include(Label);
         }},
        {"a write that raised", [&](TColumnMask& m) { m.LeaveOut({Uptime, Mode}); throw std::runtime_error("refused"); }},
    };
    const std::vector<unsigned> before = AccessWords(request);
    for (const auto& [name, use] : ends) {
        SCOPED_TRACE(name);
        try {
            TColumnMask mask(&request);
            use(mask);
            EXPECT_FALSE(request.Request.VarList.IsWritable(Uptime)) << "while the mask lives";
        } catch (const std::runtime_error&) {
        }
        EXPECT_EQ(AccessWords(request), before);
        EXPECT_FALSE(request.Request.VarList.IsWritable(Uptime));
        // The next mask, which leaves out something else, still leaves the column out.
        TColumnMask next(&request);
        next.LeaveOut(Mode);
        EXPECT_FALSE(request.Request.VarList.IsWritable(Uptime));
        EXPECT_TRUE(request.Request.VarList.IsWritable(Label));
    }
}

// A request bound as a window binds it: the list view with rows, edits on Key and Count
// (with a format that lets any text through), a combo box on Admin; Name and State have no
// control.
class SetContents : public ::testing::Test {
protected:
    void SetUp() override
    {
        request.Request.VarList = VhSNMPVarList(Table, MVT_UMV, 1);
        request.AttachListView(&view, true);
        request.AddControlsFmt(Key, "%s", &key);
        request.AddControlsFmt(Count, "%s", &count);
        request.AddControl(Admin, &admin);
    }
    // A row: hidden State first, then the shown columns in table order.
    void addRow(const QStringList& cells) { new QTreeWidgetItem(&view, cells); }
    // The items a set would carry after the controls are copied.
    std::vector<int> sent()
    {
        request.ControlsToVarList();
        std::vector<int> items;
        for (int i = Name; i < request.Request.VarList.Count(); ++i)
            if (request.Request.VarList.IsWritable(i) &&
                !(request.Request.VarList.GetItem(i)->Access & SNMP_ACCESS_INVALID))
                items.push_back(i);
        return items;
    }
    QTreeWidget view;
    QLineEdit key;
    QLineEdit count;
    QComboBox admin;
    TWindowRequest request{nullptr};
};

TEST_F(SetContents, AColumnWithoutControlTakesTheSelectedRowOnlyWhenTheRowHasAValue)
{
    addRow({"1", "1", "first", "7", "enabled"});
    addRow({"(NOTDONE)", "2", "(NULL)", "8", "disabled"});
    addRow({"", "3", "", "9", "enabled"});

    struct Case {
        int row;
        std::vector<int> items;
    };
    // Row 0: every column; rows 1 and 2: Name and State show no value and stay out.
    for (const Case& c : {Case{0, {Name, Count, Admin, State}}, Case{1, {Count, Admin}}, Case{2, {Count, Admin}}}) {
        view.setCurrentItem(view.topLevelItem(c.row));
        EXPECT_EQ(sent(), c.items) << "row " << c.row;
    }
    // No row: the unbound columns would carry whatever row came last; they stay out.
    view.clearSelection();
    key.setText("4");
    count.setText("5");
    admin.setCurrentIndex(1);
    EXPECT_EQ(sent(), (std::vector<int>{Count, Admin}));
}

TEST_F(SetContents, ControlsWithoutAValueOfTheirColumnStayOut)
{
    addRow({"1", "1", "first", "7", "enabled"});
    view.setCurrentItem(view.topLevelItem(0));
    admin.setCurrentIndex(-1); // a label the list does not know shows no choice
    count.setText("1x");
    EXPECT_EQ(sent(), (std::vector<int>{Name, State}));
}

TEST_F(SetContents, AKeyThatIsNoValueOfItsColumnStopsTheSet)
{
    for (const char* text : {"", "1x", "(NULL)", "(NOTDONE)"}) {
        key.setText(text);
        count.setText("5");
        EXPECT_THROW(sent(), Exception) << text;
    }
}

TEST_F(SetContents, ASetWithNothingToCarryIsRefused)
{
    key.setText("4");
    count.clear();
    admin.setCurrentIndex(-1);
    EXPECT_THROW(sent(), Exception);
}

TEST_F(SetContents, KeysComeFromTheSelectedRowWhenAsked)
{
    addRow({"1", "12", "first", "7", "enabled"});
    view.setCurrentItem(view.topLevelItem(0));
    key.setText("13");
    count.setText("5");
    request.KeysFromSelectedRow = true;
    sent();
    EXPECT_EQ(request.Request.VarList.GetItem(Key)->Value, "12");
    EXPECT_EQ(request.Request.VarList.GetItem(Count)->Value, "5");
    EXPECT_FALSE(request.KeysFromSelectedRow) << "for one set only";
    sent();
    EXPECT_EQ(request.Request.VarList.GetItem(Key)->Value, "13");
}

// ---- The host -----------------------------------------------------------------------------

// A host of the windows' own (this binary links no main window): its unit read fills the
// registered unit list, or fails with a status text.
class TestHost : public TWindowHost {
public:
    std::string DeviceAddress() const override { return "10.1.2.3"; }
    bool LargeFonts() const override { return false; }
    bool UnitReadBusy() const override { return false; }
    void ReadUnitTable() override
    {
        ++Reads;
        Failed = Fail;
        if (!Fail)
            new QTreeWidgetItem(List, QStringList{"2", "65", "TRQ-3115"});
    }
    bool UnitReadFailed() const override { return Failed; }
    std::string StatusText() const override { return Failed ? "Get Ports Information Failed" : ""; }
    QTimer* PollTimer() const override { return nullptr; }
    void RmonStateChanged() override {}

    QTreeWidget* List = nullptr;
    bool Fail = false;
    bool Failed = false;
    int Reads = 0;
};

TEST(WindowHost, CaptionsAndTheUnitReadComeFromTheHost)
{
    QTreeWidget units;
    units.setColumnCount(3);
    SetChassisUnitList(&units);
    std::vector<TUnitRecord> read;

    // No host: the caption has no address, an empty list is not read.
    EXPECT_EQ(DedicatedCaption("Port Control Table: "), "Port Control Table: ");
    EXPECT_TRUE(ReadChassisUnits(read));
    EXPECT_TRUE(read.empty());

    TestHost host;
    host.List = &units;
    SetWindowHost(&host);
    EXPECT_EQ(DedicatedCaption("Port Control Table: "), "Port Control Table: 10.1.2.3");

    // An empty list is read through the host; its failure text is the host's.
    host.Fail = true;
    std::string error;
    EXPECT_FALSE(ReadChassisUnits(read, &error));
    EXPECT_EQ(error, "Get Ports Information Failed");
    host.Fail = false;
    EXPECT_TRUE(ReadChassisUnits(read, &error));
    ASSERT_EQ(read.size(), 1u);
    EXPECT_EQ(read[0].Unit, 2);
    EXPECT_EQ(read[0].PortCount, 8);
    // A list that holds rows is taken as it is.
    EXPECT_TRUE(ReadChassisUnits(read));
    EXPECT_EQ(host.Reads, 2);

    SetWindowHost(nullptr);
    SetChassisUnitList(nullptr);
}

// ---- Port grids -------------------------------------------------------------------------

TEST(PortGrids, FollowTheUnitListAndBindUnitsOneToEightOnly)
{
    QTreeWidget units;
    units.setColumnCount(3);
    SetChassisUnitList(&units);
    new QTreeWidgetItem(&units, QStringList{"1", "1", "TRQ-3120"});
    new QTreeWidgetItem(&units, QStringList{"3", "129", "TRQ-3114"});

    QWidget window;
    QWidget panelA(&window), panelB(&window);
    TPortGrids grids(&window, {&panelA, &panelB});
    ASSERT_TRUE(grids.ShowUnits());
    for (int k = 0; k < grids.Count(); ++k) {
        const QTabWidget* pages = grids.Grid(k)->UnitPageControl;
        QStringList shown;
        for (int tab = 0; tab < pages->count(); ++tab)
            if (pages->isTabVisible(tab))
                shown << pages->tabText(tab);
        EXPECT_EQ(shown, (QStringList{"Unit1 TRQ-3120", "Unit3 TRQ-3114"}));
    }

    // Unit 3 goes, unit 2 comes: the pages follow, captioned afresh.
    delete units.topLevelItem(1);
    new QTreeWidgetItem(&units, QStringList{"2", "65", "TRQ-3115"});
    ASSERT_TRUE(grids.Refresh());
    const TStackingPortUitForm* grid = grids.Grid(1);
    QStringList shown;
    for (int tab = 0; tab < grid->UnitPageControl->count(); ++tab)
        if (grid->UnitPageControl->isTabVisible(tab))
            shown << grid->UnitPageControl->tabText(tab);
    EXPECT_EQ(shown, (QStringList{"Unit1 TRQ-3120", "Unit2 TRQ-3115"}));
    EXPECT_FALSE(grid->PortCheckBoxes[128]->isVisibleTo(grid->UnitSheets[3]));
    EXPECT_TRUE(grid->PortCheckBoxes[64 + 7]->isVisibleTo(grid->UnitSheets[2]));
    EXPECT_FALSE(grid->PortCheckBoxes[64 + 8]->isVisibleTo(grid->UnitSheets[2]));

    // Bound: boxes 0..511; the CPU unit's boxes are neither bound nor cleared.
    TWindowRequest request(nullptr);
    request.Request.VarList = VhSNMPVarList(Table, MVT_UMV, 1);
    grids.Bind(&request, Name, 0);
    ASSERT_EQ(request.Bindings.size(), 1u);
    EXPECT_EQ(request.Bindings[0]->Numbers.size(), 512u);
    EXPECT_EQ(request.Bindings[0]->Numbers.back(), 511);
    grids.Grid(0)->PortCheckBoxes[511]->setChecked(true);
    grids.Grid(0)->PortCheckBoxes[512]->setChecked(true);
    grids.ClearPorts();
    EXPECT_FALSE(grids.Grid(0)->PortCheckBoxes[511]->isChecked());
    EXPECT_TRUE(grids.Grid(0)->PortCheckBoxes[512]->isChecked());
    SetChassisUnitList(nullptr);
}

// ---- Companion editors --------------------------------------------------------------------

class Master;

class Editor : public TCompanionEditor {
public:
    using Master = ::Master;
    explicit Editor(::Master* master);
};

class Master : public TDedicatedForm {
public:
    Master() : TDedicatedForm(nullptr)
    {
        Memo = new QPlainTextEdit(this);
        SetMessageTarget(Memo);
        Request = MakeRequest(Table, MVT_UMV, 1);
        Edit = MakeEditor<Editor>();
    }
    QPlainTextEdit* Memo;
    TWindowRequest* Request;
    Editor* Edit;
};

Editor::Editor(::Master* master) : TCompanionEditor(master) {}

TEST(CompanionEditor, AsksItsMasterToWriteReportsThroughItAndGoesWithIt)
{
    Master master;
    master.setWindowTitle("RADIUS Server: 10.0.0.1");
    EXPECT_EQ(master.Edit->MasterForm(), &master);
    master.Edit->CaptionForAdd();
    EXPECT_EQ(master.Edit->windowTitle(), "RADIUS Server: 10.0.0.1 (Add)");

    // Form (a): the editor's Set asks for the write and closes; its Close does not.
    for (const bool write : {true, false}) {
        QTimer::singleShot(0, master.Edit, [&] {
            if (write)
                master.Edit->RequestWrite();
            else
                master.Edit->reject();
        });
        EXPECT_EQ(master.OpenEditor(master.Edit), write);
    }

    EXPECT_FALSE(master.Edit->RunHandler([] { throw Exception("Index is already exist!"); }));
    EXPECT_EQ(master.Memo->toPlainText(), "Index is already exist!");

    // The master's close deletes the request, then the editor.
    const QPointer<Editor> editor(master.Edit);
    master.show();
    master.close();
    EXPECT_TRUE(master.Requests().empty());
    EXPECT_TRUE(editor.isNull());
}

} // namespace
