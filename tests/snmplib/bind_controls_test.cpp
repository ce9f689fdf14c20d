// The control binding core against the simulator: result lines and their targets,
// asynchronous and synchronous exchanges, Busy, completion events on every ending, the
// message box shown after a reply, waiting and deleting while the message loop runs.
#include <QCoreApplication>
#include <QFontMetrics>
#include <QHeaderView>
#include <QLabel>
#include <QPlainTextEdit>
#include <QRegularExpression>
#include <QStatusBar>
#include <QTableWidget>
#include <QTimer>
#include <QTreeWidget>
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "bind_test_util.h"
#include "classlib/dialogs.h"
#include "classlib/messages.h"
#include "platform/exception.h"
#include "platform/sysutils.h"
#include "snmplib/bind/listcolumns.h"
#include "snmplib/bind/request2edits.h"
#include "snmplib/snmperror.h"

using namespace bindtest;

namespace {

const char* const Time = R"(\d\d:\d\d:\d\d (AM|PM))";

void ExpectLine(const QString& line, const std::string& pattern)
{
    EXPECT_TRUE(QRegularExpression("^" + QString::fromStdString(pattern) + "$").match(line).hasMatch())
        << line.toStdString() << "\n  does not match " << pattern;
}

QStringList MemoLines(const QPlainTextEdit& memo)
{
    QStringList lines = memo.toPlainText().split('\n');
    if (lines.size() == 1 && lines[0].isEmpty())
        lines.clear();
    return lines;
}

// The core with a row display of its own: counts rows and AfterGet, may fail or stop.
class Probe : public VhSNMPRequest2Controls {
public:
    using VhSNMPRequest2Controls::VhSNMPRequest2Controls;
    void ShowRow() override
    {
        ++Rows;
        if (Fail)
            throw Exception("row failed", -521);
        if (OnRow)
            OnRow();
    }
    void AfterGet() override { ++AfterGets; }

    int Rows = 0;
    int AfterGets = 0;
    bool Fail = false;
    std::function<void()> OnRow;
};

// Completion events, recorded.
struct Events {
    void Watch(VhSNMPRequest2Controls& r)
    {
        r.OnGetComplete = [this](VhSNMPRequest2Controls*, VhSNMPError* e) { Gets.push_back(*e); };
        r.OnSetComplete = [this](VhSNMPRequest2Controls*, VhSNMPError* e) { Sets.push_back(*e); };
    }
    std::vector<VhSNMPError> Gets;
    std::vector<VhSNMPError> Sets;
};

class BindCoreTest : public ::testing::Test {
protected:
    // A probe on the binding table (or the scalar group), aimed at the simulator.
    std::unique_ptr<Probe> MakeProbe(bool table = true, const std::string& caption = "Bind Table")
    {
        auto p = std::make_unique<Probe>(&window);
        aim(p->Request);
        p->Request.VarList = table ? VhSNMPVarList(BindTable, MVT_FMV, 1) : VhSNMPVarList(BindScalars, SVT_SV, 0);
        p->Request.VarList.Caption = caption;
        events.Watch(*p);
        return p;
    }
    void TearDown() override
    {
        sim().mute(false);
        ResultMsgTable.Reset();
    }

    QWidget window;
    QPlainTextEdit memo{&window};
    Events events;
};

TEST_F(BindCoreTest, ResultLinesFollowTheTemplateAndReachEachKindOfTarget)
{
    struct Case {
        std::vector<std::string> templates; // empty: the built-in ones
        const char* caption;
        int lastOp;
        const char* text;
        std::string expected; // a pattern; TT stands for the time
    };
    const Case cases[] = {
        {{}, "Bind Table", 0, "(VhSNMP++) Ok!", R"(Get: \(VhSNMP\+\+\) Ok! Request:Bind Table\. Receive at TT\.)"},
        {{}, "", 0, "(VhSNMP++) Ok!", R"(Get: \(VhSNMP\+\+\) Ok!\. Receive at TT\.)"},
        {{}, "Ports", 1, "failed", R"(Set: failed Request:Ports\. Receive at TT\.)"},
        {{"[VARLIST] then [ERROR] at [TIME]", "x"}, "", 0, "E", R"(\[VARLIST\] then E at TT)"},
        // Later steps replace again what earlier ones put in.
        {{}, "C[ERROR]", 0, "[TIME]", R"(Get: TT Request:CTT\. Receive at TT\.)"},
    };
    auto p = MakeProbe();
    p->SetMessageTarget(&memo);
    for (const Case& c : cases) {
        if (c.templates.empty())
            ResultMsgTable.Reset();
        else
            ResultMsgTable.Replace(c.templates);
        p->Request.VarList.Caption = c.caption;
        p->LastOp = c.lastOp;
        memo.clear();
        p->ShowMessage(c.text);
        ASSERT_EQ(MemoLines(memo).size(), 1);
        ExpectLine(MemoLines(memo)[0], QString::fromStdString(c.expected).replace("TT", Time).toStdString());
    }

    // A memo collects lines; a status bar and a status panel show the last one.
    ResultMsgTable.Reset();
    p->Request.VarList.Caption = "Bind Table";
    p->ShowMessage("one");
    EXPECT_EQ(MemoLines(memo).size(), 2);
    QStatusBar bar(&window);
    auto* panel = new QLabel(&bar);
    bar.addPermanentWidget(panel);
    p->SetMessageTarget(&bar);
    p->ShowMessage("two");
    ExpectLine(bar.currentMessage(), std::string("Get: two Request:Bind Table\\. Receive at ") + Time + "\\.");
    p->SetMessageTarget(panel);
    p->ShowMessage("three");
    EXPECT_TRUE(panel->text().startsWith("Get: three Request:"));
    EXPECT_EQ(MemoLines(memo).size(), 2);

    // Without a target nothing is shown, not even a box.
    MessageRecorder boxes;
    p->SetMessageTarget(static_cast<QLabel*>(nullptr));
    p->ShowMessage("four");
    QCoreApplication::processEvents();
    EXPECT_TRUE(boxes.Shown.empty());
}

// Each kind of target gets one line per walk; the walk fills the list view (the first row
// at once, the others together at the latest when the walk ends), hidden columns first and
// without width, shown columns fitting their values, and OnGetComplete comes once.
template <class View>
void WalkIntoView(QWidget& window)
{
    View list(&window);
    QPlainTextEdit memo(&window);
    QStatusBar bar(&window);
    auto* panel = new QLabel(&bar);
    bar.addWidget(panel);
    VhSNMPRequest2Edits r(&window);
    aim(r.Request);
    r.Request.VarList = VhSNMPVarList(BindTable, MVT_FMV, 1);
    r.AttachListView(&list, true);
    Events events;
    events.Watch(r);
    int inserts = 0;
    QObject::connect(list.model(), &QAbstractItemModel::rowsInserted, [&](const QModelIndex&, int, int last) {
        if (inserts == 0) {
            EXPECT_EQ(last, 0) << "the first row comes alone";
        }
        ++inserts;
    });

    const auto walk = [&](const char* caption) {
        events.Gets.clear();
        inserts = 0;
        r.Request.VarList.Caption = caption;
        r.Get();
        EXPECT_EQ(r.Busy, 1);
        EXPECT_TRUE(waitUntil([&] { return !r.Busy; }));
        EXPECT_GE(inserts, 2);
        EXPECT_LE(inserts, 3);
        EXPECT_EQ(list.model()->rowCount(), 3);
        ASSERT_EQ(events.Gets.size(), 1u);
        EXPECT_EQ(events.Gets[0].Code, 0);
        EXPECT_EQ(events.Gets[0].EndOfData, 1);
    };
    const std::string ok = R"(Get: \(VhSNMP\+\+\) Ok! Request:Bind Table\. Receive at )" + std::string(Time) + R"(\.)";

    r.SetMessageTarget(&memo);
    walk("Bind Table");
    ASSERT_EQ(MemoLines(memo).size(), 1);
    ExpectLine(MemoLines(memo)[0], ok);
    r.SetMessageTarget(&bar);
    walk("Bind Table");
    ExpectLine(bar.currentMessage(), ok);
    r.SetMessageTarget(panel);
    walk("");
    ExpectLine(panel->text(), R"(Get: \(VhSNMP\+\+\) Ok!\. Receive at )" + std::string(Time) + R"(\.)");
    EXPECT_EQ(MemoLines(memo).size(), 1);

    // Columns: the hidden PortList first, then the shown items in table order.
    QAbstractItemModel* model = list.model();
    ASSERT_EQ(model->columnCount(), 11);
    ASSERT_EQ(model->rowCount(), 3);
    EXPECT_EQ(model->headerData(0, Qt::Horizontal).toString(), "Ports");
    EXPECT_EQ(model->headerData(1, Qt::Horizontal).toString(), "Index");
    EXPECT_EQ(model->headerData(10, Qt::Horizontal).toString(), "Count");
    QHeaderView* header = nullptr;
    if constexpr (std::is_same_v<View, QTreeWidget>)
        header = list.header();
    else
        header = list.horizontalHeader();
    EXPECT_EQ(header->sectionSize(0), 0);
    EXPECT_GT(header->sectionSize(1), 0);
    // Once the walk has ended, a shown column is as wide as its values, measured when the
    // view comes into sight; one the user widened keeps its width through the next walk.
    const QFontMetrics metrics(list.font());
    list.resize(2000, 300);
    window.show();
    EXPECT_GE(header->sectionSize(2), metrics.horizontalAdvance(model->index(1, 2).data().toString()));
    EXPECT_GE(header->sectionSize(3), metrics.horizontalAdvance(model->index(1, 3).data().toString()));
    header->resizeSection(2, 333);
    walk("");
    EXPECT_EQ(header->sectionSize(0), 0);
    EXPECT_EQ(header->sectionSize(2), 333);
    EXPECT_TRUE(model->index(0, 0).data().toString().startsWith("804011"));
    EXPECT_EQ(model->index(1, 1).data().toString(), "2");
    EXPECT_EQ(model->index(1, 2).data().toString(), "name 2");
    EXPECT_EQ(model->index(1, 3).data().toString(), "100half");
    EXPECT_EQ(model->index(2, 3).data().toString(), "7"); // no label for 7
    EXPECT_EQ(model->index(2, 10).data().toString(), "3000");
}

TEST_F(BindCoreTest, AsynchronousWalkFillsAReportTreeAndReportsOnce) { WalkIntoView<QTreeWidget>(window); }
TEST_F(BindCoreTest, AsynchronousWalkFillsAReportTableAndReportsOnce) { WalkIntoView<QTableWidget>(window); }

// Where the columns fit the view before the values come, they widen to their values only as
// far as the view holds them all; in a view wide enough they fit their values.
TEST_F(BindCoreTest, ColumnsWidenWithinTheViewThatHoldsThemAll)
{
    window.show();
    struct Walked {
        int Headers = 0; // the shown columns fitting their headers
        int Shown = 0;   // and after the walk
        int Room = 0;
    };
    const auto walkInto = [&](int viewWidth) {
        QTreeWidget list(&window);
        VhSNMPRequest2Edits r(&window);
        aim(r.Request);
        r.Request.VarList = VhSNMPVarList(BindTable, MVT_FMV, 1);
        r.AttachListView(&list, true);
        list.header()->setStretchLastSection(false);
        list.setFixedWidth(viewWidth);
        list.show();
        r.Get();
        Walked w;
        EXPECT_TRUE(waitUntil([&] { return !r.Busy; }));
        EXPECT_EQ(list.topLevelItemCount(), 3);
        for (int c = 0; c < list.columnCount(); ++c) {
            if (list.header()->sectionSize(c) > 0)
                w.Headers += list.header()->sectionSizeHint(c);
            w.Shown += list.header()->sectionSize(c);
        }
        w.Room = list.viewport()->width();
        return w;
    };
    const Walked wide = walkInto(3000);
    ASSERT_GT(wide.Shown, wide.Headers + 20) << "some values are wider than their headers";
    ASSERT_LT(wide.Shown, wide.Room);
    const Walked narrow = walkInto(3000 - wide.Room + (wide.Headers + wide.Shown) / 2);
    EXPECT_LE(narrow.Shown, narrow.Room);
    EXPECT_GE(narrow.Shown, narrow.Room - 12) << "the room is used";
}

// A list whose headers are long and whose values are short: the values show whole first,
// the headers share what is left (elided, the whole header in the tooltip), a resize shares
// the new width again, and a column the user sized keeps its width.
const VhSNMPObjectDesc SharedColumns[] = {
    {"1.3.6.1.4.1.32473.99.8.1.1", "Index", SNMP_SYNTAX_INTEGER, SNMP_ACCESS_NOTACCESS | SNMP_ACCESS_HIDDEN},
    {"1.3.6.1.4.1.32473.99.8.1.8", "Address Of The Remote Management Station", SNMP_SYNTAX_IPADDRESS, SNMP_ACCESS_READONLY},
    {"1.3.6.1.4.1.32473.99.8.1.3", "Type Of The Port In Its Module Slot", SNMP_SYNTAX_DISPLAYSTR, SNMP_ACCESS_READONLY},
    {"1.3.6.1.4.1.32473.99.8.1.10", "Number Of Learned Addresses On The Port", SNMP_SYNTAX_INTEGER, SNMP_ACCESS_READONLY},
    {"1.3.6.1.4.1.32473.99.8.1.2", "Description", SNMP_SYNTAX_DISPLAYSTR, SNMP_ACCESS_READONLY},
    {nullptr},
};

struct SharedList {
    QWidget window;
    QTreeWidget view{&window};
    VhSNMPRequest2Edits r{&window};

    explicit SharedList(const std::vector<std::vector<std::string>>& rows)
    {
        r.Request.VarList = VhSNMPVarList(SharedColumns, MVT_UMV, 1);
        r.AttachListView(&view, false);
        for (const auto& cells : rows) {
            for (std::size_t i = 0; i < cells.size(); ++i)
                r.Request.VarList.GetItem(static_cast<int>(i))->Value = cells[i];
            r.AddRow();
        }
    }
    QHeaderView* header() { return view.header(); }
    int value(int c) { return static_cast<QAbstractItemView&>(view).sizeHintForColumn(c); }
    int full(int c) { return std::max(value(c), header()->sectionSizeHint(c)); }
    int sum(int (SharedList::*width)(int))
    {
        int total = 0;
        for (int c = 1; c < view.columnCount(); ++c)
            total += (this->*width)(c);
        return total;
    }
    // Sets the view's inner width and lets the resize arrive.
    void room(int width)
    {
        view.resize(width + view.width() - view.viewport()->width(), 300);
        QCoreApplication::processEvents();
    }
};

TEST(ListColumns, ShareTheViewByTheirValuesFirstAndTheirHeadersSecond)
{
    SharedList list({{"1", "192.168.100.200", "portType-1000BaseT", "3", "uplink"},
                     {"2", "10.0.0.1", "portType-10GBaseX", "12", "core"}});
    list.window.resize(2000, 400);
    list.window.show();
    QHeaderView* header = list.header();
    list.room(list.sum(&SharedList::value) + 40);
    ASSERT_LT(list.sum(&SharedList::value) + 40, list.sum(&SharedList::full)) << "the headers are the wide ones";
    listcolumns::FitValues(&list.view);
    EXPECT_EQ(header->sectionSize(0), 0) << "the hidden key column";
    bool someHeaderElided = false;
    for (int c = 1; c < list.view.columnCount(); ++c) {
        EXPECT_GE(header->sectionSize(c), list.value(c)) << "column " << c << ": every value whole";
        someHeaderElided |= header->sectionSize(c) < header->sectionSizeHint(c);
        EXPECT_EQ(list.view.model()->headerData(c, Qt::Horizontal, Qt::ToolTipRole).toString(),
                  list.view.headerItem()->text(c));
    }
    EXPECT_TRUE(someHeaderElided);

    // Wider: every column fits its header too; narrower again: the values still show whole.
    list.room(list.sum(&SharedList::full) + 30);
    for (int c = 1; c < list.view.columnCount(); ++c)
        EXPECT_GE(header->sectionSize(c), list.full(c)) << "column " << c;
    list.room(list.sum(&SharedList::value) + 10);
    for (int c = 1; c < list.view.columnCount(); ++c)
        EXPECT_GE(header->sectionSize(c), list.value(c)) << "column " << c;

    // A width the user chose stays through a resize and the next fit.
    header->resizeSection(2, 333);
    list.room(list.sum(&SharedList::value) - list.value(2) + 333 + 60);
    listcolumns::FitValues(&list.view);
    EXPECT_EQ(header->sectionSize(2), 333);
    EXPECT_GE(header->sectionSize(1), list.value(1));
}

// Where even the values do not fit, the narrow ones stay whole and every column in sight.
TEST(ListColumns, WideValuesGiveWayFirstWhereTheValuesDoNotFit)
{
    const std::string wide(80, 'w');
    SharedList list({{"1", "10.1.1.1", wide, "3", wide}});
    list.window.resize(2000, 400);
    list.window.show();
    list.room(list.value(1) + list.value(3) + 200);
    listcolumns::FitValues(&list.view);
    QHeaderView* header = list.header();
    EXPECT_GE(header->sectionSize(1), list.value(1));
    EXPECT_GE(header->sectionSize(3), list.value(3));
    int shown = 0;
    for (int c = 1; c < list.view.columnCount(); ++c)
        shown += header->sectionSize(c);
    EXPECT_LE(shown, list.view.viewport()->width());
}

// A value of tens of thousands of octets is cut before it is measured or drawn; the list
// keeps it whole.
TEST(ListColumns, AVeryLongValueIsNeverLaidOutWhole)
{
    const std::string huge(65000, 'x');
    SharedList list({{"1", "10.1.1.1", "portType-1", "3", huge}});
    list.window.show();
    listcolumns::FitValues(&list.view);
    const QModelIndex cell = list.view.model()->index(0, 4);
    EXPECT_EQ(cell.data().toString().size(), 65000);
    QStyleOptionViewItem option;
    option.initFrom(&list.view);
    const int drawn = list.view.itemDelegate()->sizeHint(option, cell).width();
    EXPECT_LT(drawn, list.view.fontMetrics().horizontalAdvance(QString(listcolumns::CellTextLimit + 50, 'x')));
    EXPECT_LE(list.header()->sectionSize(4), listcolumns::MaxValueWidth);
}

TEST_F(BindCoreTest, SynchronousModeReturnsWhenTheExchangeIsOverAndRaisesFailures)
{
    auto p = MakeProbe();
    p->Mode = VHSNMP_MODE_SYNC;
    p->SetMessageTarget(&memo);
    p->Get();
    EXPECT_EQ(p->Busy, 0);
    EXPECT_EQ(p->Rows, 3);
    EXPECT_EQ(p->AfterGets, 1);
    EXPECT_EQ(MemoLines(memo).size(), 1);
    EXPECT_TRUE(events.Gets.empty()); // events belong to asynchronous exchanges

    // The agent refuses the value: the library's exception with the agent's code; no re-read.
    sim().clearLog();
    p->Request.VarList.GetItem(cIndex)->Value = "3";
    p->Request.VarList.GetItem(cNumber)->Value = "0";
    try {
        p->Set(true, false, std::to_string(cNumber));
        FAIL() << "no exception";
    } catch (const Exception& e) {
        EXPECT_EQ(e.HelpContext, -110);
        EXPECT_EQ(e.Message, SnmpErrorText(-110));
    }
    EXPECT_EQ(p->Busy, 0);
    const auto log = sim().pduLog();
    ASSERT_EQ(log.size(), 1u);
    EXPECT_EQ(log[0].type, "set");
    EXPECT_EQ(MemoLines(memo).size(), 1);

    // A time-out raises -405 as well.
    auto q = MakeProbe(false);
    q->Mode = VHSNMP_MODE_SYNC;
    q->Request.Timeout = 10;
    q->Request.Retries = 0;
    ASSERT_TRUE(sim().mute(true));
    try {
        q->Get();
        FAIL() << "no exception";
    } catch (const Exception& e) {
        EXPECT_EQ(e.HelpContext, -405);
    }
    EXPECT_EQ(q->Busy, 0);
    EXPECT_EQ(q->AfterGets, 0);
}

TEST_F(BindCoreTest, EveryEndingOfAnAsynchronousGetReachesTheWindow)
{
    // A reply that times out: the error line, then the event; no AfterGet.
    auto p = MakeProbe(false);
    p->SetMessageTarget(&memo);
    p->Request.Timeout = 10;
    p->Request.Retries = 0;
    ASSERT_TRUE(sim().mute(true));
    p->Get();
    ASSERT_TRUE(waitUntil([&] { return !events.Gets.empty(); }));
    ASSERT_TRUE(sim().mute(false));
    EXPECT_EQ(p->Busy, 0);
    EXPECT_EQ(events.Gets[0].Code, -405);
    EXPECT_EQ(p->AfterGets, 0);
    ASSERT_EQ(MemoLines(memo).size(), 1);
    EXPECT_TRUE(MemoLines(memo)[0].startsWith(QString::fromStdString("Get: " + SnmpErrorText(-405))));

    // A row that cannot be shown ends the walk with its message, and with the event.
    events.Gets.clear();
    auto q = MakeProbe();
    q->SetMessageTarget(&memo);
    q->Fail = true;
    q->Get();
    ASSERT_TRUE(waitUntil([&] { return !events.Gets.empty(); }));
    waitUntil([] { return false; }, 100);
    EXPECT_EQ(events.Gets.size(), 1u);
    EXPECT_EQ(events.Gets[0].Code, -521);
    EXPECT_EQ(events.Gets[0].Message, "row failed");
    EXPECT_EQ(q->Busy, 0);
    EXPECT_EQ(q->Rows, 1);
    EXPECT_EQ(q->AfterGets, 0);
    EXPECT_TRUE(MemoLines(memo).last().startsWith("Get: row failed Request:Bind Table."));

    // The window stops the walk: it ends at the next reply, as a successful one.
    events.Gets.clear();
    auto s = MakeProbe();
    s->SetMessageTarget(&memo);
    s->OnRow = [&] { s->Request.Enabled = 0; };
    s->Get();
    ASSERT_TRUE(waitUntil([&] { return !events.Gets.empty(); }));
    EXPECT_EQ(events.Gets[0].Code, 0);
    EXPECT_EQ(s->Rows, 1);
    EXPECT_EQ(s->AfterGets, 1);
    EXPECT_TRUE(MemoLines(memo).last().startsWith("Get: (VhSNMP++) Ok!"));

    // A stopped request sends nothing and tells nothing.
    events.Gets.clear();
    const int lines = static_cast<int>(MemoLines(memo).size());
    s->Get();
    EXPECT_EQ(s->Busy, 0);
    waitUntil([] { return false; }, 50);
    EXPECT_TRUE(events.Gets.empty());
    EXPECT_EQ(MemoLines(memo).size(), lines);
}

TEST_F(BindCoreTest, WithoutATargetTheBoxComesAfterTheReply)
{
    MessageRecorder boxes;
    auto p = MakeProbe(false);
    p->Request.Timeout = 10;
    p->Request.Retries = 0;
    std::size_t shownDuringEvent = 99;
    p->OnGetComplete = [&](VhSNMPRequest2Controls*, VhSNMPError* e) {
        shownDuringEvent = boxes.Shown.size();
        events.Gets.push_back(*e);
    };
    ASSERT_TRUE(sim().mute(true));
    p->Get();
    ASSERT_TRUE(waitUntil([&] { return !boxes.Shown.empty(); }));
    EXPECT_EQ(shownDuringEvent, 0u);
    ASSERT_EQ(boxes.Shown.size(), 1u);
    EXPECT_EQ(boxes.Shown[0].text, SnmpErrorText(-405));
    EXPECT_EQ(boxes.Shown[0].title, ExecutableFileName());
    EXPECT_EQ(boxes.Shown[0].owner, &window);
}

TEST_F(BindCoreTest, AnAsynchronousSetOfATableIsFollowedByARead)
{
    auto p = MakeProbe();
    p->SetMessageTarget(&memo);
    p->Get();
    ASSERT_TRUE(waitUntil([&] { return !p->Busy; }));
    p->Request.VarList.GetItem(cIndex)->Value = "3";
    p->Request.VarList.GetItem(cNumber)->Value = "333";
    events.Gets.clear();
    p->Set(true, false, std::to_string(cNumber));
    EXPECT_EQ(p->Busy, 1);
    ASSERT_TRUE(waitUntil([&] { return !events.Gets.empty(); }));
    ASSERT_EQ(events.Sets.size(), 1u);
    EXPECT_EQ(events.Sets[0].Code, 0);
    EXPECT_EQ(simValue(std::string(BindEntry) + ".10.3"), "INTEGER 333");
    const QStringList lines = MemoLines(memo);
    ASSERT_EQ(lines.size(), 3);
    EXPECT_TRUE(lines[1].startsWith("Set: (VhSNMP++) Ok! Request:Bind Table."));
    EXPECT_TRUE(lines[2].startsWith("Get: (VhSNMP++) Ok! Request:Bind Table."));
    EXPECT_EQ(p->Rows, 6);
    ASSERT_TRUE(sim().setValue(std::string(BindEntry) + ".10.3", "INTEGER", "300"));

    // A refused set: its line and event, no read.
    events.Gets.clear();
    events.Sets.clear();
    p->Request.VarList.GetItem(cIndex)->Value = "3";
    p->Request.VarList.GetItem(cNumber)->Value = "0";
    p->Set(true, false, std::to_string(cNumber));
    ASSERT_TRUE(waitUntil([&] { return !events.Sets.empty(); }));
    EXPECT_EQ(events.Sets[0].Code, -110);
    waitUntil([] { return false; }, 50);
    EXPECT_TRUE(events.Gets.empty());
    EXPECT_TRUE(MemoLines(memo).last().startsWith(QString::fromStdString("Set: " + SnmpErrorText(-110))));
}

TEST_F(BindCoreTest, WaitingSurvivesCompletionsAndDeletion)
{
    // A window that waits for a second request inside a completion: the wait pumps the
    // engine itself, since the library's timer is idle while a completion runs.
    auto a = MakeProbe(false);
    auto b = MakeProbe(false);
    Probe* second = b.get();
    bool waited = false;
    int secondEvents = 0;
    b->OnGetComplete = [&](VhSNMPRequest2Controls*, VhSNMPError*) { ++secondEvents; };
    a->OnGetComplete = [&](VhSNMPRequest2Controls*, VhSNMPError*) {
        second->Get();
        waited = WaitWhileBusy(second, 5000);
    };
    a->Get();
    ASSERT_TRUE(waitUntil([&] { return !a->Busy && waited; }));
    EXPECT_EQ(secondEvents, 1);

    // A handler that the message loop runs during a walk deletes the request: the walk
    // stops touching it and the wait ends.
    Probe* doomed = MakeProbe().release();
    doomed->OnRow = [&doomed] {
        QTimer::singleShot(0, [&doomed] {
            delete doomed;
            doomed = nullptr;
        });
        ProcessMessages();
    };
    doomed->Get();
    EXPECT_TRUE(WaitWhileBusy(doomed, 5000));
    EXPECT_EQ(doomed, nullptr);

    // The same with the list-view binding, whose rows let messages run.
    QTreeWidget list(&window);
    auto* edits = new VhSNMPRequest2Edits(&window);
    aim(edits->Request);
    edits->Request.VarList = VhSNMPVarList(BindTable, MVT_FMV, 1);
    edits->AttachListView(&list, true);
    QObject::connect(list.model(), &QAbstractItemModel::rowsInserted, [&edits] {
        QTimer::singleShot(0, [&edits] {
            delete edits;
            edits = nullptr;
        });
    });
    edits->Get();
    EXPECT_TRUE(WaitWhileBusy(edits, 5000));
    EXPECT_EQ(edits, nullptr);
    EXPECT_EQ(list.topLevelItemCount(), 1);
}

} // namespace
