// The generic window as a table window, against the simulator: the walk and its row
// count, the hint, adding with the add label, editing without the add and delete labels,
// deleting with exactly the delete label, a state-column table, a refresh during a walk,
// closing during a walk and while an add window is open, and a walk that fails halfway.
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QTextBlock>
#include <QTextLayout>
#include <QToolTip>
#include <QHelpEvent>
#include <QTest>
#include <QTextDocument>
#include <QTreeWidget>
#include <QElapsedTimer>
#include <gtest/gtest.h>

#include <memory>
#include <set>
#include <utility>

#include "classlib/dialogs.h"
#include "classlib/messages.h"
#include "configwin/configform.h"
#include "configwin/ctrlbtnpanel.h"
#include "configwin/editspanel.h"
#include "configwin/listviewpanel.h"
#include "configwin/msgpanel.h"
#include "configwin/optionlists.h"
#include "configwin/snmplistviewpanel.h"
#include "configwin_test_util.h"
#include "platform/exception.h"
#include "screenshot.h"
#include "snmplib/bind/request2edits.h"
#include "snmplib/snmperror.h"

using namespace cwtest;

namespace {

using Varbinds = std::set<std::pair<std::string, std::string>>;

Varbinds VarbindsOf(const trqtest::PduLogEntry& pdu)
{
    Varbinds out;
    for (const auto& vb : pdu.varbinds)
        out.insert({vb.oid, vb.value});
    return out;
}

std::string Cell(const char* entry, int column, int row)
{
    return std::string(entry) + "." + std::to_string(column) + "." + std::to_string(row);
}

QStringList Items(const QComboBox* combo)
{
    QStringList items;
    for (int i = 0; i < combo->count(); ++i)
        items << combo->itemText(i);
    return items;
}

template <class T>
T* Find(QWidget* window, const char* name)
{
    T* found = window->findChild<T*>(name);
    EXPECT_NE(found, nullptr) << name;
    return found;
}

// A table window built the way a menu handler builds one.
struct TableWindow {
    TableWindow(const VhSNMPObjectDesc* table, int status, const char* addLabel, const char* deleteLabel,
                const QString& title = "Rows")
    {
        form = std::make_unique<TConfigForm>(qApp);
        request = new VhSNMPRequest2Edits(form.get());
        request->Request.VarList = VhSNMPVarList(table, MVT_FMV, 1);
        panel = form->SetListViewMode(request, addLabel ? status : -1, addLabel, deleteLabel ? status : -1,
                                      deleteLabel);
        form->setWindowTitle(title + ": 127.0.0.1");
    }
    ~TableWindow()
    {
        if (form->isVisible())
            form->close();
        waitUntil([this] { return !form->isVisible(); });
    }
    QTreeWidget* view() const { return panel->ListViewPanel->ListView; }
    QPlainTextEdit* memo() const { return panel->MessagePanel()->Memo; }
    TCtrlBtnPanel* buttons() const { return panel->ButtonPanel; }
    TEditsPanel* edits() const { return panel->EditsPanel; }
    // True once the first read has ended well: its result line says "Ok".
    bool showAndRead()
    {
        form->show();
        if (!waitUntil([this] { return memoLines(memo()).size() >= 1 && !request->Busy; }))
            return false;
        const QString line = memoLines(memo()).last();
        EXPECT_TRUE(line.startsWith(QString::fromStdString("Get: " + SnmpErrorText(0)))) << line.toStdString();
        return line.startsWith(QString::fromStdString("Get: " + SnmpErrorText(0)));
    }
    // False (and a failure) when the row is not there.
    bool select(int row)
    {
        QTreeWidgetItem* item = row >= 0 ? view()->topLevelItem(row) : nullptr;
        EXPECT_NE(item, nullptr) << "no row " << row;
        if (!item)
            return false;
        view()->clearSelection();
        item->setSelected(true);
        return true;
    }
    int rowOf(const QString& index) const
    {
        for (int i = 0; i < view()->topLevelItemCount(); ++i)
            if (view()->topLevelItem(i)->text(0) == index)
                return i;
        return -1;
    }

    std::unique_ptr<TConfigForm> form;
    VhSNMPRequest2Edits* request;
    TSNMPListViewPanel* panel;
};

// The per-port table 99.5.1: 66 rows (every port of the profile's five modules).
const VhSNMPObjectDesc PortTable[] = {
    {"1.3.6.1.4.1.32473.99.5.1.1", "Port", SNMP_SYNTAX_INTEGER, SNMP_ACCESS_READONLY},
    {"1.3.6.1.4.1.32473.99.5.1.2", "Octets", SNMP_SYNTAX_COUNTER, SNMP_ACCESS_READONLY},
    {nullptr},
};
constexpr int PortRows = 66;

// The get-next requests of the port table in the simulator's log.
int getNexts()
{
    int n = 0;
    for (const auto& pdu : reads())
        n += pdu.type == "getnext" && !pdu.varbinds.empty() &&
             pdu.varbinds[0].oid.find("32473.99.5.1.") != std::string::npos;
    return n;
}

class TableWindowTest : public ::testing::Test {
protected:
    void SetUp() override { sim().clearLog(); }
    void TearDown() override
    {
        sim().mute(false);
        sim().delay(0);
    }
};

} // namespace

TEST_F(TableWindowTest, TheWalkFillsTheListTheCountAndTheSelectedRowsValues)
{
    TableWindow w(RowStatusTable, rStatus, "createAndGo", "destroy");
    EXPECT_EQ(w.panel->ListViewPanel->height(), 350);
    // The list's width rule, then the button column, the splitter and 3.
    EXPECT_EQ(w.panel->width(), std::min(450, 8 * (5 + 4 + 5 + 7 + 6) + 2 * w.view()->frameWidth()) + 116 + 3 + 3);
    ASSERT_TRUE(w.showAndRead());
    ASSERT_EQ(w.view()->topLevelItemCount(), 2);
    EXPECT_EQ(w.buttons()->SamplesCount->text(), "2");
    EXPECT_EQ(w.view()->topLevelItem(1)->text(1), "entry 2");
    EXPECT_EQ(w.view()->topLevelItem(1)->text(4), "active");
    for (QWidget* b : {static_cast<QWidget*>(w.buttons()->RefreshButton), static_cast<QWidget*>(w.buttons()->EditButton),
                       static_cast<QWidget*>(w.buttons()->AddButton), static_cast<QWidget*>(w.buttons()->DeleteButton),
                       static_cast<QWidget*>(w.buttons()->CloseButton)})
        EXPECT_FALSE(b->isHidden()) << b->objectName().toStdString();
    EXPECT_TRUE(w.buttons()->SetCheckedButton->isHidden());
    EXPECT_FALSE(w.buttons()->EditButton->isEnabled());
    EXPECT_FALSE(w.buttons()->DeleteButton->isEnabled());
    trqtest::saveScreenshot(w.form.get(), "configform-rowstatus-table");
    EXPECT_EQ(trqtest::clippedLabels(w.form.get()), "");

    ASSERT_TRUE(w.select(1));
    EXPECT_TRUE(w.buttons()->EditButton->isEnabled());
    EXPECT_TRUE(w.buttons()->DeleteButton->isEnabled());
    EXPECT_EQ(qobject_cast<QLineEdit*>(w.edits()->Rows[rName].ValueControl.data())->text(), "entry 2");
    w.view()->clearSelection();
    EXPECT_FALSE(w.buttons()->EditButton->isEnabled());
    EXPECT_EQ(qobject_cast<QLineEdit*>(w.edits()->Rows[rName].ValueControl.data())->text(), "");

    // The hint of a row: caption, tabs up to the longest caption, two blanks, the cell.
    const QRect r = w.view()->visualItemRect(w.view()->topLevelItem(0));
    w.panel->ListViewMouseMove(r.center().x(), r.center().y());
    EXPECT_EQ(w.view()->toolTip(),
              "Index\t\t  1\nName\t\t\t  entry 1\nValue\t\t  10\nAddress  10.0.0.1\nStatus\t  active\n");
    // A value holding markup is shown as it stands, not drawn as rich text (the tooltip
    // takes a text for rich text when its first line looks like markup).
    w.view()->topLevelItem(0)->setText(0, "<b>1</b> & <font color=red>red</font>");
    w.panel->ListViewMouseMove(r.center().x(), r.center().y());
    QTextDocument shown;
    shown.setHtml(w.view()->toolTip());
    EXPECT_TRUE(shown.toPlainText().startsWith("Index\t\t  <b>1</b> & <font color=red>red</font>"))
        << w.view()->toolTip().toStdString();
    w.panel->ListViewMouseMove(r.center().x(), w.view()->viewport()->height() - 2);
    EXPECT_EQ(w.view()->toolTip(), "");
}

TEST_F(TableWindowTest, AddSendsTheAddLabelAtTheTypedIndexWithTheTickedColumns)
{
    TableWindow w(RowStatusTable, rStatus, "createAndGo", "destroy");
    ASSERT_TRUE(w.showAndRead());
    ASSERT_TRUE(w.select(0)); // whatever was selected, the add window starts empty
    QString caption;
    whenShown("AddWindow", [&](QDialog* d) {
        caption = d->windowTitle();
        auto* index = Find<QLineEdit>(d, "ValueControl0");
        auto* name = Find<QLineEdit>(d, "ValueControl1");
        auto* status = Find<QComboBox>(d, "ValueControl4");
        if (index && name && status) {
            EXPECT_EQ(index->text(), "");
            EXPECT_FALSE(index->isReadOnly());
            EXPECT_TRUE(Find<QCheckBox>(d, "CheckBox0")->isChecked());
            EXPECT_FALSE(Find<QCheckBox>(d, "CheckBox0")->isEnabled());
            EXPECT_EQ(status->currentText(), "createAndGo");
            EXPECT_FALSE(status->isEnabled());
            EXPECT_TRUE(Find<QPushButton>(d, "RefreshButton")->isHidden());
            index->setText("7");
            name->setText("seven");
            Find<QCheckBox>(d, "CheckBox1")->setChecked(true);
            Find<QLineEdit>(d, "ValueControl2")->setText("123"); // not ticked: not sent
            trqtest::saveScreenshot(d, "configform-add-window");
            EXPECT_EQ(trqtest::clippedLabels(d), "");
            Find<QPushButton>(d, "SetCheckedButton")->click();
            EXPECT_FALSE(d->isVisible()); // a successful set closes the window
        }
        if (d->isVisible())
            d->reject();
    });
    w.buttons()->AddButton->click();
    EXPECT_EQ(caption, "Rows: 127.0.0.1 (Add)");
    ASSERT_EQ(sets().size(), 1u);
    EXPECT_EQ(VarbindsOf(sets()[0]),
              (Varbinds{{Cell(RowStatusEntry, 2, 7), "seven"}, {Cell(RowStatusEntry, 5, 7), "4"}}));
    ASSERT_TRUE(waitUntil([&] { return w.rowOf("7") >= 0 && !w.request->Busy; }));
    EXPECT_EQ(w.view()->topLevelItem(w.rowOf("7"))->text(4), "active");
    EXPECT_EQ(w.buttons()->SamplesCount->text(), "3");
    EXPECT_TRUE(w.edits()->isHidden());
    EXPECT_EQ(w.edits()->parentWidget(), w.panel->InnerPanel);
    removeRowStatusRow(7);
}

TEST_F(TableWindowTest, AFailedAddKeepsTheWindowOpenWithWhatWasTyped)
{
    TableWindow w(RowStatusTable, rStatus, "createAndGo", "destroy");
    ASSERT_TRUE(w.showAndRead());
    bool stayed = false;
    whenShown("AddWindow", [&](QDialog* d) {
        Find<QLineEdit>(d, "ValueControl0")->setText("8");
        Find<QLineEdit>(d, "ValueControl1")->setText("eight");
        Find<QCheckBox>(d, "CheckBox1")->setChecked(true);
        sim().failNextSet(12);
        Find<QPushButton>(d, "SetCheckedButton")->click();
        stayed = d->isVisible();
        EXPECT_EQ(Find<QLineEdit>(d, "ValueControl1")->text(), "eight");
        trqtest::saveScreenshot(d, "configform-add-window-failed");
        EXPECT_EQ(trqtest::clippedLabels(d), "");
        Find<QPushButton>(d, "CloseButton")->click();
        if (d->isVisible())
            d->reject();
    });
    w.buttons()->AddButton->click();
    EXPECT_TRUE(stayed);
    ASSERT_EQ(sets().size(), 1u);
    ASSERT_TRUE(waitUntil([&] { return !w.request->Busy; }));
    bool shown = false;
    for (const QString& line : memoLines(w.memo()))
        shown = shown || line.startsWith(QString::fromStdString("Set: " + SnmpErrorText(-112)));
    EXPECT_TRUE(shown) << w.memo()->toPlainText().toStdString();
    EXPECT_EQ(w.rowOf("8"), -1);
}

TEST_F(TableWindowTest, EditOffersNoAddOrDeleteLabelAndPutsThemBackInListOrder)
{
    TableWindow w(RowStatusTable, rStatus, "createAndGo", "destroy");
    ASSERT_TRUE(w.showAndRead());
    ASSERT_TRUE(w.select(0));
    auto* status = qobject_cast<QComboBox*>(w.edits()->Rows[rStatus].ValueControl.data());
    ASSERT_NE(status, nullptr);
    EXPECT_EQ(status->currentText(), "active");
    QString caption;
    whenShown("EditWindow", [&](QDialog* d) {
        caption = d->windowTitle();
        EXPECT_EQ(Items(status), (QStringList{"active", "notInService", "notReady", "createAndWait"}));
        EXPECT_EQ(status->currentText(), "active");
        EXPECT_TRUE(Find<QLineEdit>(d, "ValueControl0")->isReadOnly());
        auto* set = Find<QPushButton>(d, "SetCheckedButton");
        EXPECT_FALSE(set->isEnabled());
        Find<QCheckBox>(d, "CheckBox2")->setChecked(true);
        EXPECT_TRUE(set->isEnabled());
        Find<QLineEdit>(d, "ValueControl2")->setText("55");
        // Asking again while the window is open opens nothing more.
        w.buttons()->EditButton->click();
        int open = 0;
        for (QWidget* t : QApplication::topLevelWidgets())
            open += t->objectName() == "EditWindow" && t->isVisible();
        EXPECT_EQ(open, 1);
        trqtest::saveScreenshot(d, "configform-edit-window");
        EXPECT_EQ(trqtest::clippedLabels(d), "");
        set->click();
        if (d->isVisible())
            d->reject();
    });
    w.buttons()->EditButton->click();
    EXPECT_EQ(caption, "Rows: 127.0.0.1");
    ASSERT_EQ(sets().size(), 1u);
    EXPECT_EQ(VarbindsOf(sets()[0]), (Varbinds{{Cell(RowStatusEntry, 3, 1), "55"}}));
    // Every label is back where the value-label list has it.
    QStringList all;
    for (int i = 0; i < RowStatusList.Count(); ++i)
        all << QString::fromStdString(RowStatusList.ItemAt(i)->Text);
    EXPECT_EQ(Items(status), all);
    ASSERT_TRUE(waitUntil([&] { return !w.request->Busy && w.rowOf("1") >= 0; }));
    EXPECT_EQ(w.view()->topLevelItem(w.rowOf("1"))->text(2), "55");
    restoreRowStatusRow(1);
}

TEST_F(TableWindowTest, DeleteSendsExactlyTheDeleteLabelAtTheSelectedRowAndReadsAgain)
{
    TableWindow w(RowStatusTable, rStatus, "createAndGo", "destroy");
    ASSERT_TRUE(w.showAndRead());
    ASSERT_TRUE(w.select(1));
    // Whatever the status control shows, the row is destroyed.
    qobject_cast<QComboBox*>(w.edits()->Rows[rStatus].ValueControl.data())->setCurrentIndex(0);
    {
        MessageRecorder cancel(IDCANCEL);
        w.buttons()->DeleteButton->click();
        ASSERT_EQ(cancel.Shown.size(), 1u);
        EXPECT_EQ(cancel.Shown[0].text, "Are you sure to delete it?");
        EXPECT_EQ(cancel.Shown[0].buttons, (std::vector<int>{IDOK, IDCANCEL}));
        EXPECT_EQ(cancel.Shown[0].defaultButton, IDCANCEL); // Enter deletes nothing
    }
    EXPECT_TRUE(sets().empty());

    MessageRecorder ok(IDOK);
    const auto readsBefore = reads().size();
    // The re-read takes a while: Delete returns only once it has ended, and a second
    // click while it waits starts nothing.
    sim().delay(30);
    int clicksDuringTheWait = 0;
    // Clicked as the re-read brings its first row.
    const QMetaObject::Connection again =
        QObject::connect(w.view()->model(), &QAbstractItemModel::rowsInserted, [&] {
            if (clicksDuringTheWait++ == 0)
                w.buttons()->DeleteButton->click();
        });
    w.buttons()->DeleteButton->click();
    QObject::disconnect(again);
    EXPECT_FALSE(w.request->Busy);
    EXPECT_EQ(w.view()->topLevelItemCount(), 1);
    sim().delay(0);
    EXPECT_GE(clicksDuringTheWait, 1);
    EXPECT_EQ(ok.Shown.size(), 1u);
    ASSERT_EQ(sets().size(), 1u);
    EXPECT_EQ(VarbindsOf(sets()[0]), (Varbinds{{Cell(RowStatusEntry, 5, 2), "6"}}));
    EXPECT_EQ(sets()[0].errorStatus, 0);
    EXPECT_GT(reads().size(), readsBefore);
    EXPECT_EQ(w.rowOf("2"), -1);
    EXPECT_EQ(w.buttons()->SamplesCount->text(), "1");
    for (int i = 0; i < w.request->Request.VarList.Count(); ++i)
        EXPECT_EQ(w.request->Request.VarList.GetItem(i)->Access, RowStatusTable[i].Access);
    restoreRowStatusRow(2);
}

TEST_F(TableWindowTest, LabelsThatAreNotInTheStatusListAreRefused)
{
    struct Case {
        int column;
        const char* add;
        const char* del;
        std::string message;
    };
    const Case cases[] = {
        {rStatus, "createAndGoX", "destroy", "TSNMPListViewPanel::SetAddStatus - Wrong AddStatusValue:createAndGoX"},
        {rStatus, "createAndGo", "gone", "TSNMPListViewPanel::SetDeleteStatus - Wrong DeleteStatusValue:gone"},
        {rName, "createAndGo", nullptr, "TSNMPListViewPanel::SetAddStatus - Wrong AddStatusValue:createAndGo"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.message);
        TConfigForm form(qApp);
        auto* request = new VhSNMPRequest2Edits(&form);
        request->Request.VarList = VhSNMPVarList(RowStatusTable, MVT_FMV, 1);
        try {
            form.SetListViewMode(request, c.column, c.add, c.column, c.del);
            ADD_FAILURE() << "no exception";
        } catch (const Exception& e) {
            EXPECT_EQ(e.Message, c.message);
        }
        EXPECT_EQ(form.Requests.size(), 1u); // the window owns it all the same
    }
}

TEST_F(TableWindowTest, AStateColumnTableAddsEditsAndDeletesWithItsOwnLabels)
{
    TableWindow w(StateTable, sState, "valid", "invalid", "States");
    ASSERT_TRUE(w.showAndRead());
    ASSERT_EQ(w.view()->topLevelItemCount(), 3);
    EXPECT_EQ(w.view()->topLevelItem(0)->text(3), "valid");
    trqtest::saveScreenshot(w.form.get(), "configform-state-table");
    EXPECT_EQ(trqtest::clippedLabels(w.form.get()), "");

    whenShown("AddWindow", [&](QDialog* d) {
        EXPECT_EQ(Find<QComboBox>(d, "ValueControl3")->currentText(), "valid");
        Find<QLineEdit>(d, "ValueControl0")->setText("9");
        Find<QPushButton>(d, "SetCheckedButton")->click();
        if (d->isVisible())
            d->reject();
    });
    w.buttons()->AddButton->click();
    ASSERT_EQ(sets().size(), 1u);
    EXPECT_EQ(VarbindsOf(sets()[0]), (Varbinds{{Cell(StateEntry, 4, 9), "3"}}));
    ASSERT_TRUE(waitUntil([&] { return !w.request->Busy && w.rowOf("9") >= 0; }));

    // Both labels of the list are the add and delete labels: the edit window has no
    // status row, and the row is back afterwards. "Check All" ticks only the rows shown,
    // so "Set Checked" sends them without the hidden one.
    ASSERT_TRUE(w.select(w.rowOf("1")));
    const QString mac = w.view()->topLevelItem(w.rowOf("1"))->text(1);
    const QString port = w.view()->topLevelItem(w.rowOf("1"))->text(2);
    auto* state = qobject_cast<QComboBox*>(w.edits()->Rows[sState].ValueControl.data());
    sim().clearLog();
    std::vector<MessageRequest> boxes;
    whenShown("EditWindow", [&](QDialog* d) {
        EXPECT_TRUE(state->isHidden());
        EXPECT_EQ(state->count(), 0);
        EXPECT_TRUE(w.edits()->Rows[sState].CaptionLabel->isHidden());
        MessageRecorder recorder;
        Find<QPushButton>(d, "CheckAllButton")->click();
        EXPECT_FALSE(w.edits()->Rows[sState].CheckBox->isChecked());
        EXPECT_TRUE(w.edits()->Rows[sMac].CheckBox->isChecked());
        Find<QPushButton>(d, "SetCheckedButton")->click();
        boxes = recorder.Shown;
        if (d->isVisible())
            d->reject();
    });
    w.buttons()->EditButton->click();
    EXPECT_TRUE(boxes.empty()) << boxes.front().text;
    ASSERT_EQ(sets().size(), 1u);
    EXPECT_EQ(VarbindsOf(sets()[0]),
              (Varbinds{{Cell(StateEntry, 2, 1), mac.toStdString()}, {Cell(StateEntry, 3, 1), port.toStdString()}}));
    EXPECT_FALSE(state->isHidden());
    EXPECT_EQ(Items(state), (QStringList{"invalid", "valid"}));
    EXPECT_FALSE(w.request->Request.VarList.GetItem(sState)->Access & SNMP_ACCESS_HIDDEN);

    ASSERT_TRUE(waitUntil([&] { return !w.request->Busy && w.rowOf("9") >= 0; }));
    sim().clearLog();
    ASSERT_TRUE(w.select(w.rowOf("9")));
    MessageRecorder ok(IDOK);
    w.buttons()->DeleteButton->click();
    ASSERT_EQ(sets().size(), 1u);
    EXPECT_EQ(VarbindsOf(sets()[0]), (Varbinds{{Cell(StateEntry, 4, 9), "2"}}));
    ASSERT_TRUE(waitUntil([&] { return !w.request->Busy && w.view()->topLevelItemCount() == 3; }));
    EXPECT_EQ(w.rowOf("9"), -1);
    removeStateRow(9);
}

TEST_F(TableWindowTest, RefreshDuringAWalkIsIgnored)
{
    TableWindow w(RowStatusTable, rStatus, "createAndGo", "destroy");
    sim().delay(60);
    w.form->show();
    ASSERT_TRUE(waitUntil([&] { return w.request->Busy != 0; }));
    w.buttons()->RefreshButton->click();
    pump(70);
    w.buttons()->RefreshButton->click();
    ASSERT_TRUE(waitUntil([&] { return memoLines(w.memo()).size() == 1 && !w.request->Busy; }));
    pump(100);
    EXPECT_EQ(memoLines(w.memo()).size(), 1);
    // One walk: the first step names the columns themselves.
    int starts = 0;
    for (const auto& pdu : reads())
        if (!pdu.varbinds.empty() && pdu.varbinds[0].oid == RowStatusTable[0].Oid)
            ++starts;
    EXPECT_EQ(starts, 1);
    EXPECT_EQ(w.buttons()->SamplesCount->text(), "2");
}

// Closing stops the walk: the window waits for the reply on its way, and asks for no
// further row (a walk of 66 rows that finished instead would ask some 60 times more).
TEST_F(TableWindowTest, ClosingDuringAWalkStopsItWaitsForItAndDeletesTheRequestOnce)
{
    TableWindow w(PortTable, -1, nullptr, nullptr, "Ports");
    sim().delay(30);
    w.form->show();
    ASSERT_TRUE(waitUntil([&] { return getNexts() >= 3; }));
    w.form->close();
    const int asked = getNexts();
    EXPECT_TRUE(w.form->isVisible()); // still busy: the window waits
    EXPECT_EQ(w.form->Requests.size(), 1u);
    w.form->close(); // asked twice
    PostMessageA(w.form.get(), WM_CLOSE, 0, 0);
    ASSERT_TRUE(waitUntil([&] { return !w.form->isVisible(); }));
    pump(100);
    EXPECT_LE(getNexts(), asked + 1) << "the walk went on after the close";
    EXPECT_TRUE(w.form->Requests.empty());
    EXPECT_EQ(w.form->ActiveRequest, nullptr);
    EXPECT_EQ(w.panel->Request, nullptr);
    // Asking again afterwards deletes nothing more.
    w.form->FormClose(w.form.get());
    w.form->close();
    pump(50);
    EXPECT_FALSE(w.form->isVisible());
}

TEST_F(TableWindowTest, ClosingTheTableWindowWhileTheAddWindowIsOpenClosesBoth)
{
    TableWindow w(RowStatusTable, rStatus, "createAndGo", "destroy");
    ASSERT_TRUE(w.showAndRead());
    bool addClosed = false;
    whenShown("AddWindow", [&](QDialog* d) {
        QPointer<QDialog> add(d);
        w.form->close();
        addClosed = !add || !add->isVisible();
        if (add && add->isVisible())
            add->reject();
    });
    w.buttons()->AddButton->click();
    EXPECT_TRUE(addClosed);
    EXPECT_FALSE(w.form->isVisible());
    EXPECT_TRUE(w.form->Requests.empty());
    EXPECT_EQ(w.edits()->parentWidget(), w.panel->InnerPanel);
    EXPECT_TRUE(sets().empty());
}

TEST_F(TableWindowTest, AWalkThatFailsHalfwayKeepsTheRowsThatArrived)
{
    TableWindow w(PortTable, -1, nullptr, nullptr, "Ports");
    EXPECT_TRUE(w.buttons()->EditButton->isHidden()); // nothing to edit
    EXPECT_TRUE(w.buttons()->AddButton->isHidden());
    EXPECT_TRUE(w.buttons()->DeleteButton->isHidden());
    w.request->Request.Timeout = 20;
    sim().delay(20);
    w.form->show();
    ASSERT_TRUE(waitUntil([&] { return w.view()->topLevelItemCount() >= 3; }));
    sim().mute(true);
    ASSERT_TRUE(waitUntil([&] { return memoLines(w.memo()).size() == 1; }));
    EXPECT_TRUE(memoLines(w.memo()).last().startsWith(QString::fromStdString("Get: " + SnmpErrorText(-405))))
        << memoLines(w.memo()).last().toStdString();
    const int rows = w.view()->topLevelItemCount();
    EXPECT_GE(rows, 3);
    EXPECT_LT(rows, PortRows);
    EXPECT_EQ(w.buttons()->SamplesCount->text(), QString::number(rows));
    EXPECT_FALSE(w.request->Busy);
    // The window is narrow: the result line is wider than the memo. It stays one line, never
    // broken inside a word, shown from its start; its whole text is the tooltip over it, and
    // a double-click selects it whole.
    w.form->show();
    pump(20);
    const QTextBlock last = w.memo()->document()->lastBlock();
    EXPECT_EQ(last.layout()->lineCount(), 1);
    ASSERT_GT(last.layout()->lineAt(0).naturalTextWidth(), w.memo()->viewport()->width());
    const QTextCursor topLeft = w.memo()->cursorForPosition(QPoint(1, 1));
    EXPECT_EQ(topLeft.block().blockNumber(), last.blockNumber());
    EXPECT_EQ(topLeft.positionInBlock(), 0);
    const QRect line = w.memo()->cursorRect(QTextCursor(last));
    QHelpEvent tip(QEvent::ToolTip, line.center(), w.memo()->viewport()->mapToGlobal(line.center()));
    QApplication::sendEvent(w.memo()->viewport(), &tip);
    EXPECT_EQ(QToolTip::text(), last.text());
    QTest::mouseDClick(w.memo()->viewport(), Qt::LeftButton, {}, line.center());
    EXPECT_EQ(w.memo()->textCursor().selectedText(), last.text());
    trqtest::saveScreenshot(w.form.get(), "configform-walk-failed");
    EXPECT_EQ(trqtest::clippedLabels(w.form.get()), "");
}

// A table with a hole in every place fills the window with every row, a "" where a column
// has no value and "(NOTDONE)" where a column has ended, and the read ends well.
TEST_F(TableWindowTest, ATableWithHolesShowsEveryRow)
{
    static const VhSNMPObjectDesc holes[] = {
        {"1.3.6.1.4.1.32473.99.11.1.1", "Index", SNMP_SYNTAX_INTEGER, SNMP_ACCESS_READONLY},
        {"1.3.6.1.4.1.32473.99.11.1.2", "Name", SNMP_SYNTAX_DISPLAYSTR, SNMP_ACCESS_READONLY},
        {"1.3.6.1.4.1.32473.99.11.1.3", "Value", SNMP_SYNTAX_INTEGER, SNMP_ACCESS_READONLY},
        {"1.3.6.1.4.1.32473.99.11.1.4", "Extra", SNMP_SYNTAX_INTEGER, SNMP_ACCESS_READONLY},
        {nullptr},
    };
    TableWindow w(holes, -1, nullptr, nullptr, "Holes");
    ASSERT_TRUE(w.showAndRead());
    QList<QStringList> rows;
    for (int r = 0; r < w.view()->topLevelItemCount(); ++r) {
        QStringList cells;
        for (int c = 0; c < 4; ++c)
            cells << w.view()->topLevelItem(r)->text(c);
        rows << cells;
    }
    const QString nd = "(NOTDONE)";
    EXPECT_EQ(rows, (QList<QStringList>{{"1", "", "100", nd},
                                        {"2", "row 2", "200", nd},
                                        {"3", "row 3", "300", nd},
                                        {"4", "row 4", "400", nd},
                                        {"5", "row 5", nd, nd}}));
    EXPECT_EQ(w.buttons()->SamplesCount->text(), "5");
}

// The rows of a walk go into the list together at a human rate, not one insertion (and
// repaint) per row; the count and the rows are all there at the end.
TEST_F(TableWindowTest, TheListTakesTheRowsOfAWalkInFewSteps)
{
    TableWindow w(PortTable, -1, nullptr, nullptr, "Ports");
    int inserts = 0;
    QObject::connect(w.view()->model(), &QAbstractItemModel::rowsInserted, [&] { ++inserts; });
    sim().delay(5);
    QElapsedTimer clock;
    clock.start();
    ASSERT_TRUE(w.showAndRead());
    const qint64 elapsed = clock.elapsed();
    EXPECT_EQ(w.view()->topLevelItemCount(), PortRows);
    EXPECT_EQ(w.buttons()->SamplesCount->text(), QString::number(PortRows));
    EXPECT_GE(inserts, 2); // the first row at once, the others later
    EXPECT_LE(inserts, 2 + elapsed / VhSNMPRequest2Edits::RowIntervalMs) << elapsed << " ms";
}

// A text that is no value of its column's type is refused with a message that names the
// field, and nothing is sent: "abc" would create row 0, "999.1.1.1" another address.
TEST_F(TableWindowTest, TypedTextsThatAreNoValueOfTheirTypeAreRefused)
{
    TableWindow w(RowStatusTable, rStatus, "createAndGo", "destroy");
    ASSERT_TRUE(w.showAndRead());
    const struct {
        int column;
        const char* text;
        std::string message;
    } cases[] = {
        {rIndex, "abc", "Index: Please enter a number between -2147483648 and 2147483647!"},
        {rIndex, "2147483648", "Index: Please enter a number between -2147483648 and 2147483647!"},
        {rValue, "12abc", "Value: Please enter a number between -2147483648 and 2147483647!"},
        {rValue, "(NOTDONE)", "Value: Please enter a number between -2147483648 and 2147483647!"},
        {rAddress, "999.1.1.1", "Address: Please enter an IP address: four numbers from 0 to 255 separated by \".\"!"},
        {rAddress, "10.0.0", "Address: Please enter an IP address: four numbers from 0 to 255 separated by \".\"!"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        std::vector<MessageRequest> shown;
        bool stayed = false;
        whenShown("AddWindow", [&](QDialog* d) {
            Find<QLineEdit>(d, "ValueControl0")->setText("7");
            Find<QLineEdit>(d, "ValueControl1")->setText("seven");
            Find<QCheckBox>(d, "CheckBox1")->setChecked(true);
            for (int col : {rValue, rAddress})
                Find<QCheckBox>(d, ("CheckBox" + std::to_string(col)).c_str())->setChecked(true);
            Find<QLineEdit>(d, "ValueControl2")->setText("70");
            Find<QLineEdit>(d, "ValueControl3")->setText("10.0.0.7");
            Find<QLineEdit>(d, ("ValueControl" + std::to_string(c.column)).c_str())->setText(c.text);
            {
                MessageRecorder boxes;
                Find<QPushButton>(d, "SetCheckedButton")->click();
                shown = boxes.Shown;
            }
            stayed = d->isVisible();
            d->reject();
        });
        w.buttons()->AddButton->click();
        ASSERT_EQ(shown.size(), 1u);
        EXPECT_EQ(shown[0].text, c.message);
        EXPECT_TRUE(stayed);
        EXPECT_TRUE(sets().empty());
        ASSERT_TRUE(waitUntil([&] { return !w.request->Busy; }));
    }
    // The same fields with values of their types go through.
    whenShown("AddWindow", [&](QDialog* d) {
        Find<QLineEdit>(d, "ValueControl0")->setText(" 7 ");
        Find<QLineEdit>(d, "ValueControl1")->setText("seven");
        Find<QCheckBox>(d, "CheckBox1")->setChecked(true);
        Find<QCheckBox>(d, "CheckBox3")->setChecked(true);
        Find<QLineEdit>(d, "ValueControl3")->setText("10.0.0.255");
        Find<QPushButton>(d, "SetCheckedButton")->click();
        if (d->isVisible())
            d->reject();
    });
    w.buttons()->AddButton->click();
    ASSERT_EQ(sets().size(), 1u);
    EXPECT_EQ(VarbindsOf(sets()[0]), (Varbinds{{Cell(RowStatusEntry, 2, 7), "seven"},
                                               {Cell(RowStatusEntry, 4, 7), "10.0.0.255"},
                                               {Cell(RowStatusEntry, 5, 7), "4"}}));
    ASSERT_TRUE(waitUntil([&] { return !w.request->Busy; }));
    removeRowStatusRow(7);

    // A hex form takes hex digits only.
    sim().clearLog();
    TableWindow states(StateTable, sState, "valid", "invalid", "States");
    ASSERT_TRUE(states.showAndRead());
    ASSERT_TRUE(states.select(0));
    std::vector<MessageRequest> shown;
    whenShown("EditWindow", [&](QDialog* d) {
        Find<QCheckBox>(d, "CheckBox1")->setChecked(true);
        Find<QLineEdit>(d, "ValueControl1")->setText("0080C80000GG");
        MessageRecorder boxes;
        Find<QPushButton>(d, "SetCheckedButton")->click();
        shown = boxes.Shown;
        d->reject();
    });
    states.buttons()->EditButton->click();
    ASSERT_EQ(shown.size(), 1u);
    EXPECT_EQ(shown[0].text, "Mac: Please enter a hex string: digits 0-9 and A-F only!");
    EXPECT_TRUE(sets().empty());
}

// The edit window of a table whose only writable column is its state column has nothing
// to write: it offers no Set, which would send a set without a varbind.
TEST_F(TableWindowTest, AnEditWindowWithNothingToWriteOffersNoSet)
{
    static const VhSNMPObjectDesc stateOnly[] = {
        {"1.3.6.1.4.1.32473.99.3.1.1", "Index", SNMP_SYNTAX_INTEGER, SNMP_ACCESS_READONLY},
        {"1.3.6.1.4.1.32473.99.3.1.3", "Port", SNMP_SYNTAX_INTEGER, SNMP_ACCESS_READONLY},
        {"1.3.6.1.4.1.32473.99.3.1.4", "State", SNMP_SYNTAX_INTEGER, SNMP_ACCESS_READWRITE, &InvalidValidList},
        {nullptr},
    };
    TableWindow w(stateOnly, 2, "valid", "invalid", "States");
    ASSERT_TRUE(w.showAndRead());
    ASSERT_TRUE(w.select(0));
    bool offered = true;
    whenShown("EditWindow", [&](QDialog* d) {
        offered = !Find<QPushButton>(d, "SetCheckedButton")->isHidden() ||
                  !Find<QPushButton>(d, "CheckAllButton")->isHidden() ||
                  !Find<QPushButton>(d, "ClearChecksButton")->isHidden();
        trqtest::saveScreenshot(d, "configform-edit-window-nothing-to-write");
        d->reject();
    });
    w.buttons()->EditButton->click();
    EXPECT_FALSE(offered);
    EXPECT_TRUE(sets().empty());

    // With a column to write beside the state column, Set is there.
    TableWindow full(StateTable, sState, "valid", "invalid", "States");
    ASSERT_TRUE(full.showAndRead());
    ASSERT_TRUE(full.select(0));
    whenShown("EditWindow", [&](QDialog* d) {
        offered = !Find<QPushButton>(d, "SetCheckedButton")->isHidden();
        d->reject();
    });
    full.buttons()->EditButton->click();
    EXPECT_TRUE(offered);
}
