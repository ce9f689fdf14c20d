// The generic window as a scalar-group window, against the simulator: the first read once
// the window is shown, the buttons a group gets, Set Checked sending exactly the ticked
// rows, refusals, failures in the memo, the row layout and the services dedicated windows
// use (caption column, a panel in a row's place, Set Checked around their own flags).
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTimer>
#include <gtest/gtest.h>

#include <memory>
#include <set>

#include "classlib/dialogs.h"
#include "configwin/configform.h"
#include "configwin/ctrlbtnpanel.h"
#include "configwin/editspanel.h"
#include "configwin/msgpanel.h"
#include "configwin/optionlists.h"
#include "configwin/snmpeditorpanel.h"
#include "configwin/snmplistviewpanel.h"
#include "configwin_test_util.h"
#include "platform/exception.h"
#include "screenshot.h"
#include "snmplib/bind/request2edits.h"
#include "snmplib/snmperror.h"

using namespace cwtest;

namespace {

const char* const LineEnd = R"(\. Receive at \d\d:\d\d:\d\d (AM|PM)\.$)";

// A scalar-group window built the way a menu handler builds one.
struct ScalarWindow {
    explicit ScalarWindow(const VhSNMPObjectDesc* table, const QString& title = "Scalars")
    {
        form = std::make_unique<TConfigForm>(qApp);
        request = new VhSNMPRequest2Edits(form.get());
        request->Request.VarList = VhSNMPVarList(table, SVT_SV, 0);
        panel = form->SetEditorMode(request);
        form->setWindowTitle(title + ": 127.0.0.1");
    }
    ~ScalarWindow()
    {
        if (form->isVisible())
            form->close();
    }
    QPlainTextEdit* memo() const { return panel->MessagePanel()->Memo; }
    TEditsPanel* edits() const { return panel->EditsPanel; }
    QLineEdit* edit(int row) const { return qobject_cast<QLineEdit*>(edits()->Rows[row].ValueControl.data()); }
    QCheckBox* box(int row) const { return edits()->Rows[row].CheckBox; }
    TCtrlBtnPanel* buttons() const { return panel->ButtonPanel; }
    // Shows the window and waits for the first read's result line.
    bool showAndRead()
    {
        form->show();
        return waitUntil([this] { return memoLines(memo()).size() >= 1; });
    }
    unsigned access(int item) const { return request->Request.VarList.GetItem(item)->Access; }

    std::unique_ptr<TConfigForm> form;
    VhSNMPRequest2Edits* request;
    TSNMPEditorPanel* panel;
};

std::vector<std::string> VisibleButtons(const TCtrlBtnPanel* b)
{
    std::vector<std::string> out;
    for (QWidget* w : b->Controls)
        if (auto* button = qobject_cast<QPushButton*>(w); button && !button->isHidden())
            out.push_back(button->text().toStdString());
    return out;
}

class EditorWindowTest : public ::testing::Test {
protected:
    void SetUp() override { sim().clearLog(); }
    void TearDown() override
    {
        sim().mute(false);
        sim().delay(0);
        sim().setValue("1.3.6.1.4.1.32473.99.7.1.0", "INTEGER", "-5");
        sim().setValue("1.3.6.1.4.1.32473.99.7.2.0", "STRING", "\"two words\"");
    }
};

} // namespace

TEST_F(EditorWindowTest, FirstReadStartsOnlyOnceTheWindowIsShownAndFillsTheRows)
{
    ScalarWindow w(ScalarGroup);
    pump(150); // the posted message arrives while the window is still hidden
    EXPECT_TRUE(reads().empty());
    EXPECT_TRUE(memoLines(w.memo()).isEmpty());

    ASSERT_TRUE(w.showAndRead());
    ASSERT_EQ(reads().size(), 1u);
    EXPECT_EQ(reads()[0].type, "get");
    EXPECT_EQ(reads()[0].varbinds.size(), 3u);
    EXPECT_EQ(w.edit(0)->text(), "-5");
    EXPECT_EQ(w.edit(1)->text(), "two words");
    EXPECT_EQ(w.edit(2)->text(), "4294967295");
    EXPECT_TRUE(w.edit(2)->isReadOnly());
    EXPECT_TRUE(QRegularExpression(QString(R"(^Get: \(VhSNMP\+\+\) Ok!)") + LineEnd)
                    .match(memoLines(w.memo()).last())
                    .hasMatch())
        << memoLines(w.memo()).last().toStdString();
    EXPECT_TRUE(w.memo()->isReadOnly());
    trqtest::saveScreenshot(w.form.get(), "configform-scalar-group");
    EXPECT_EQ(trqtest::clippedLabels(w.form.get()), "");

    // Refresh reads again.
    w.buttons()->RefreshButton->click();
    ASSERT_TRUE(waitUntil([&] { return memoLines(w.memo()).size() == 2; }));
    EXPECT_EQ(reads().size(), 2u);
}

TEST_F(EditorWindowTest, ButtonsAndCheckBoxesFollowTheWritableRows)
{
    struct Case {
        const VhSNMPObjectDesc* table;
        const char* shot;
        std::vector<std::string> buttons;
        bool setEnabled;
        std::vector<bool> boxesShown;
    };
    const Case cases[] = {
        {ScalarGroup, "configform-scalar-two-writable", {"Refresh", "Set Checked", "Check All", "Clear Checks", "Close"},
         false, {true, true, false}},
        {OneWritableGroup, "configform-scalar-one-writable", {"Refresh", "Set", "Close"}, true, {false, false}},
        {ReadOnlyGroup, "configform-scalar-read-only", {"Refresh", "Close"}, false, {false, false}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.shot);
        ScalarWindow w(c.table);
        ASSERT_TRUE(w.showAndRead());
        EXPECT_EQ(VisibleButtons(w.buttons()), c.buttons);
        if (!w.buttons()->SetCheckedButton->isHidden()) {
            EXPECT_EQ(w.buttons()->SetCheckedButton->isEnabled(), c.setEnabled);
        }
        for (std::size_t i = 0; i < c.boxesShown.size(); ++i)
            EXPECT_EQ(!w.box(static_cast<int>(i))->isHidden(), c.boxesShown[i]) << "row " << i;
        // The button column: 116 wide, buttons 96 wide at 10, 5 pixels apart.
        EXPECT_EQ(w.buttons()->width(), 116);
        int top = 10;
        for (QWidget* b : w.buttons()->Controls) {
            if (b->isHidden())
                continue;
            EXPECT_EQ(b->geometry(), QRect(10, top, 96, b->height()));
            top += b->height() + 5;
        }
        EXPECT_LE(w.buttons()->CloseButton->geometry().bottom(), w.form->height());
        EXPECT_EQ(w.edit(0)->width(), 121);
        trqtest::saveScreenshot(w.form.get(), c.shot);
        EXPECT_EQ(trqtest::clippedLabels(w.form.get()), "");
    }
}

TEST_F(EditorWindowTest, SetCheckedSendsOnlyTheTickedRowsOnce)
{
    ScalarWindow w(ScalarGroup);
    ASSERT_TRUE(w.showAndRead());
    QPushButton* set = w.buttons()->SetCheckedButton;
    EXPECT_FALSE(set->isEnabled());
    w.box(1)->setChecked(true);
    EXPECT_TRUE(set->isEnabled());
    w.edit(0)->setText("99"); // not ticked: not sent
    w.edit(1)->setText("changed");
    sim().clearLog();
    sim().delay(100);
    // A second click while the first set is on its way is ignored.
    QTimer::singleShot(30, [set] { set->click(); });
    set->click();
    sim().delay(0);
    ASSERT_TRUE(waitUntil([&] { return memoLines(w.memo()).size() == 2; }));
    pump(150);
    ASSERT_EQ(sets().size(), 1u);
    ASSERT_EQ(sets()[0].varbinds.size(), 1u);
    EXPECT_EQ(sets()[0].varbinds[0].oid, "1.3.6.1.4.1.32473.99.7.2.0");
    EXPECT_EQ(sets()[0].varbinds[0].value, "changed");
    EXPECT_TRUE(memoLines(w.memo()).last().startsWith("Set: (VhSNMP++) Ok!"));
    // The rows are as before; nothing keeps the left-out bit.
    for (int i = 0; i < 3; ++i)
        EXPECT_EQ(w.access(i), ScalarGroup[i].Access) << i;
    EXPECT_EQ(w.request->Mode, 1);

    w.buttons()->ClearChecksButton->click();
    EXPECT_FALSE(set->isEnabled());
    EXPECT_FALSE(w.box(1)->isChecked());
    w.buttons()->CheckAllButton->click();
    EXPECT_TRUE(set->isEnabled());
    EXPECT_TRUE(w.box(0)->isChecked() && w.box(1)->isChecked());
    EXPECT_FALSE(w.box(2)->isChecked());
}

TEST_F(EditorWindowTest, ATickedEmptyRowStopsTheSetAnUntickedOneDoesNot)
{
    ScalarWindow w(ScalarGroup);
    ASSERT_TRUE(w.showAndRead());
    w.edit(0)->clear();
    w.box(0)->setChecked(true);
    w.box(1)->setChecked(true);
    sim().clearLog();
    {
        MessageRecorder recorder;
        w.buttons()->SetCheckedButton->click();
        ASSERT_EQ(recorder.Shown.size(), 1u);
        EXPECT_EQ(recorder.Shown[0].text, "Some items are empty!\nInteger");
        EXPECT_EQ(recorder.Shown[0].buttons, std::vector<int>{IDOK});
    }
    EXPECT_TRUE(sets().empty());
    EXPECT_EQ(w.edit(0)->text(), "");
    EXPECT_TRUE(w.box(0)->isChecked());
    for (int i = 0; i < 3; ++i)
        EXPECT_EQ(w.access(i), ScalarGroup[i].Access) << i;

    w.box(0)->setChecked(false);
    MessageRecorder recorder;
    w.buttons()->SetCheckedButton->click();
    EXPECT_TRUE(recorder.Shown.empty());
    ASSERT_EQ(sets().size(), 1u);
    EXPECT_EQ(sets()[0].varbinds.size(), 1u);
}

TEST_F(EditorWindowTest, FailedSetsAndReadsShowTheLibraryTextAndKeepWhatWasTyped)
{
    ScalarWindow w(ScalarGroup);
    w.request->Request.Timeout = 20;
    ASSERT_TRUE(w.showAndRead());
    w.box(0)->setChecked(true);
    w.edit(0)->setText("7");
    ASSERT_TRUE(sim().failNextSet(10));
    w.buttons()->SetCheckedButton->click();
    ASSERT_TRUE(waitUntil([&] { return memoLines(w.memo()).size() == 2; }));
    EXPECT_TRUE(memoLines(w.memo()).last().startsWith(QString::fromStdString("Set: " + SnmpErrorText(-110))))
        << memoLines(w.memo()).last().toStdString();
    EXPECT_EQ(w.edit(0)->text(), "7");
    EXPECT_TRUE(w.box(0)->isChecked());
    EXPECT_EQ(w.access(0), ScalarGroup[0].Access);

    sim().mute(true);
    w.buttons()->RefreshButton->click();
    ASSERT_TRUE(waitUntil([&] { return memoLines(w.memo()).size() == 3; }));
    EXPECT_TRUE(memoLines(w.memo()).last().startsWith(QString::fromStdString("Get: " + SnmpErrorText(-405))))
        << memoLines(w.memo()).last().toStdString();
    EXPECT_EQ(w.edit(0)->text(), "7");
    trqtest::saveScreenshot(w.form.get(), "configform-scalar-failed");
    EXPECT_EQ(trqtest::clippedLabels(w.form.get()), "");
}

TEST_F(EditorWindowTest, RowsStackByTheHeightOfTheRowAbove)
{
    ScalarWindow w(ScalarGroup);
    TEditsPanel* e = w.edits();
    const auto value = [e](int row) { return e->Rows[row].ValueControl.data(); };
    value(0)->resize(121, 40);
    value(2)->resize(121, 15);
    e->ArrangeEdits(ARRANGE_COLUMN, true);
    EXPECT_EQ(value(0)->y(), 20);
    EXPECT_EQ(value(0)->height(), 40); // the first row keeps its height
    EXPECT_EQ(value(1)->y(), 20 + 40 + 5);
    EXPECT_EQ(value(2)->height(), 21); // a low row is raised before it is placed
    EXPECT_EQ(value(2)->y(), value(1)->y() + value(1)->height() + 5);
    EXPECT_EQ(e->height(), 40 + value(2)->y() + 21);
    // Check box and caption centred on the value control.
    EXPECT_EQ(e->Rows[0].CaptionLabel->y(), 20 + (40 - e->Rows[0].CaptionLabel->height()) / 2);

    // A hidden row takes no line, but its caption still sets the caption column.
    e->Rows[1].CaptionLabel->setText("A rather long caption for the text");
    e->Rows[1].CaptionLabel->adjustSize();
    e->HideVar(1);
    EXPECT_TRUE(w.access(1) & SNMP_ACCESS_HIDDEN);
    e->ArrangeEdits(ARRANGE_COLUMN, true);
    EXPECT_EQ(value(2)->y(), 20 + 40 + 5);
    const int column = e->Rows[0].CaptionLabel->x() + e->Rows[1].CaptionLabel->width() + 5;
    EXPECT_EQ(value(0)->x(), column);
    EXPECT_EQ(value(2)->x(), column);
    e->ShowVar(1);
    EXPECT_FALSE(w.access(1) & SNMP_ACCESS_HIDDEN);

    // Mode 1: one line, each row right of the one before.
    e->ArrangeEdits(ARRANGE_ONE_LINE, false);
    EXPECT_EQ(value(0)->y(), 20);
    EXPECT_GT(value(1)->x(), value(0)->x() + value(0)->width());
    EXPECT_EQ(e->Rows[1].CheckBox->x(), value(0)->x() + value(0)->width() + 5);
}

TEST_F(EditorWindowTest, CaptionWidthEditWidthAndVarFormatLayTheWindowOutAgain)
{
    ScalarWindow w(ScalarGroup);
    // A column narrower than the captions still shows them whole.
    w.panel->SetCaptionWidth(8);
    EXPECT_EQ(trqtest::clippedLabels(w.form.get()), "");
    int widest = 0;
    for (const UISnmpVar& row : w.edits()->Rows)
        widest = std::max(widest, row.CaptionLabel->sizeHint().width());
    for (int i = 0; i < 3; ++i)
        EXPECT_EQ(w.edits()->Rows[i].ValueControl->x(), 20 + 20 + 5 + widest + 5);
    w.panel->SetCaptionWidth(240);
    for (int i = 0; i < 3; ++i)
        EXPECT_EQ(w.edits()->Rows[i].ValueControl->x(), 20 + 20 + 5 + 240 + 5);
    EXPECT_GE(w.form->width(), w.panel->width());
    w.panel->SetEditWidth(300);
    EXPECT_EQ(w.edit(1)->width(), 300);
    EXPECT_GE(w.form->width(), 20 + 20 + 5 + 240 + 5 + 300);

    w.panel->SetVarFormat(0, "%i{n1x65535l5}");
    EXPECT_EQ(w.edits()->Rows[0].Format, "%i{n1x65535l5}");
    w.panel->SetVarFormat(2, "%u"); // a read-only edit takes a format too
    EXPECT_EQ(w.edits()->Rows[2].Format, "%u");

    // A panel 900 pixels wide gives a window of at most 800 x 550.
    w.panel->SetEditWidth(900);
    EXPECT_EQ(w.form->width(), 800);
    EXPECT_LE(w.form->height(), 550);
}

TEST_F(EditorWindowTest, AComboBoxRowRefusesAnInputFormat)
{
    static const VhSNMPObjectDesc table[] = {
        {"1.3.6.1.4.1.32473.99.7.1", "State", SNMP_SYNTAX_INTEGER, SNMP_ACCESS_READWRITE, &DisabledEnabledList},
        {"1.3.6.1.4.1.32473.99.7.1", "Shown", SNMP_SYNTAX_INTEGER, SNMP_ACCESS_READONLY, &DisabledEnabledList},
        {nullptr},
    };
    ScalarWindow w(table);
    EXPECT_EQ(w.edits()->Rows[0].Kind, 3);
    EXPECT_EQ(w.edits()->Rows[1].Kind, 4);
    EXPECT_TRUE(qobject_cast<QComboBox*>(w.edits()->Rows[0].ValueControl.data()));
    try {
        w.panel->SetVarFormat(0, "%i");
        ADD_FAILURE() << "no exception";
    } catch (const Exception& e) {
        EXPECT_EQ(e.Message, "Can not set Var format to a ComboBox!");
    }
    try {
        w.panel->SetVarFormat(1, "%s");
        ADD_FAILURE() << "no exception";
    } catch (const Exception& e) {
        EXPECT_EQ(e.Message, "Unknow UI Control type!");
    }
}

TEST_F(EditorWindowTest, APanelInARowsPlaceCarriesItsValueAndSetCheckedKeepsTheWindowsOwnFlags)
{
    ScalarWindow w(ScalarGroup);
    ASSERT_TRUE(w.showAndRead());
    TEditsPanel* e = w.edits();
    QWidget* old = e->Rows[1].ValueControl;
    const QRect place = old->geometry();
    auto* group = new TPanel;
    e->SetRowPanel(1, group);
    EXPECT_EQ(e->Rows[1].Kind, 5);
    EXPECT_EQ(e->Rows[1].ValueControl.data(), group);
    EXPECT_EQ(group->geometry(), place);
    EXPECT_TRUE(e->IsEmpty(1));
    e->SetValueText(1, "-");
    EXPECT_EQ(group->Caption(), "-");
    EXPECT_FALSE(e->IsEmpty(1));
    e->ClearValue(1);
    EXPECT_TRUE(e->IsEmpty(1));

    // A ticked row whose panel shows nothing stops the set.
    w.box(1)->setChecked(true);
    sim().clearLog();
    {
        MessageRecorder recorder;
        EXPECT_FALSE(w.panel->SetChecked());
        ASSERT_EQ(recorder.Shown.size(), 1u);
        EXPECT_EQ(recorder.Shown[0].text, "Some items are empty!\nText");
    }
    EXPECT_TRUE(sets().empty());

    // A row the window itself left out stays out and keeps its flag, ticked or not.
    w.request->Request.VarList.GetItem(1)->Access |= SNMP_ACCESS_INVALID;
    w.box(0)->setChecked(true);
    w.edit(0)->setText("12");
    EXPECT_TRUE(w.panel->SetChecked());
    ASSERT_EQ(sets().size(), 1u);
    ASSERT_EQ(sets()[0].varbinds.size(), 1u);
    EXPECT_EQ(sets()[0].varbinds[0].oid, "1.3.6.1.4.1.32473.99.7.1.0");
    EXPECT_EQ(w.access(0), ScalarGroup[0].Access);
    EXPECT_EQ(w.access(1), ScalarGroup[1].Access | SNMP_ACCESS_INVALID);
}

TEST_F(EditorWindowTest, SetCheckedWorksForASynchronousRequestAndLeavesItSynchronous)
{
    ScalarWindow w(ScalarGroup);
    w.request->Mode = VHSNMP_MODE_SYNC;
    w.box(0)->setChecked(true);
    w.edit(0)->setText("3");
    EXPECT_TRUE(w.panel->SetChecked());
    EXPECT_EQ(w.request->Mode, 0);
    ASSERT_EQ(sets().size(), 1u);
    EXPECT_EQ(sets()[0].varbinds[0].value, "3");
}

TEST_F(EditorWindowTest, GlyphFilesInTheCurrentDirectoryReplaceTheCaptions)
{
    const char* const files[] = {"Get.bmp",    "Set.bmp",       "SetCheck.bmp",   "Add.bmp",
                                 "Delete.bmp", "SelectAll.bmp", "SelectNone.bmp", "Close.bmp"};
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    QImage glyph(16, 16, QImage::Format_RGB32);
    glyph.fill(Qt::darkGreen);
    for (const char* f : files)
        ASSERT_TRUE(glyph.save(QDir(dir.path()).filePath(f), "BMP"));
    const QString before = QDir::currentPath();
    for (bool present : {true, false}) {
        SCOPED_TRACE(present ? "glyphs" : "captions");
        QDir::setCurrent(present ? dir.path() : before);
        TCtrlBtnPanel panel(nullptr);
        QDir::setCurrent(before);
        for (QWidget* w : panel.Controls) {
            auto* b = qobject_cast<QPushButton*>(w);
            if (!b)
                continue;
            EXPECT_EQ(b->text().isEmpty(), present) << b->objectName().toStdString();
            EXPECT_EQ(!b->icon().isNull(), present) << b->objectName().toStdString();
        }
        if (!present) {
            EXPECT_EQ(panel.RefreshButton->text(), "Refresh");
        }
        EXPECT_TRUE(panel.AddButton->isHidden());
        EXPECT_TRUE(panel.DeleteButton->isHidden());
    }
}

TEST_F(EditorWindowTest, AWindowWithoutModeReadsNothingAndKeepsItsSize)
{
    TConfigForm form(qApp);
    const QSize size = form.size();
    form.show();
    pump(150);
    EXPECT_TRUE(reads().empty());
    EXPECT_EQ(form.size(), size);
    form.close();
    EXPECT_FALSE(form.isVisible());
}

TEST_F(EditorWindowTest, ASecondModeSetterRaisesAndLeavesTheWindowAsItWas)
{
    ScalarWindow w(ScalarGroup);
    auto second = std::make_unique<VhSNMPRequest2Edits>(w.form.get());
    second->Request.VarList = VhSNMPVarList(RowStatusTable, MVT_FMV, 1);
    for (int attempt = 0; attempt < 2; ++attempt) {
        try {
            if (attempt == 0)
                w.form->SetListViewMode(second.get(), rStatus, "createAndGo", rStatus, "destroy");
            else
                w.form->SetEditorMode(second.get());
            ADD_FAILURE() << "no exception";
        } catch (const Exception& e) {
            EXPECT_EQ(e.Message, "Can not change Type of a Config Form!");
        }
    }
    EXPECT_EQ(w.form->FormType, 1);
    ASSERT_EQ(w.form->Requests.size(), 1u);
    EXPECT_EQ(w.form->Requests[0], w.request);
    EXPECT_EQ(w.form->Panel(), w.panel);
}

TEST_F(EditorWindowTest, TheMenuHandlersRoadReadsInTheModalLoopAndClosesWithTheCloseButton)
{
    auto* form = new TConfigForm(qApp);
    auto* request = new VhSNMPRequest2Edits(form);
    request->Request.VarList = VhSNMPVarList(ScalarGroup, SVT_SV, 0);
    TSNMPEditorPanel* panel = form->SetEditorMode(request);
    form->setWindowTitle("Scalars: 127.0.0.1");
    QString read;
    whenShown("ConfigForm", [&](QDialog*) {
        waitUntil([&] { return memoLines(panel->MessagePanel()->Memo).size() == 1; });
        read = qobject_cast<QLineEdit*>(panel->EditsPanel->Rows[1].ValueControl.data())->text();
        panel->ButtonPanel->CloseButton->click();
    });
    form->exec();
    EXPECT_EQ(read, "two words");
    EXPECT_TRUE(form->Requests.empty());
    delete form;
}

TEST_F(EditorWindowTest, MisuseGetsTheFixedTexts)
{
    TEditsPanel bare(nullptr, nullptr);
    TCtrlBtnPanel buttons(nullptr);
    try {
        bare.ArrangeCtrlBtn(&buttons);
        ADD_FAILURE() << "no exception";
    } catch (const Exception& e) {
        EXPECT_EQ(e.Message, "TEditsPanel:ArrangeCtrlBtn - EditCtrl is NULL!");
    }
    ScalarWindow w(ScalarGroup);
    MessageRecorder recorder;
    w.edits()->DisableEdit(3);
    TSNMPPanel loose(nullptr, nullptr, nullptr);
    loose.CloseClick(nullptr);
    ASSERT_EQ(recorder.Shown.size(), 2u);
    EXPECT_EQ(recorder.Shown[0].text, "aIdx is overtop!\n you may define < 3");
    EXPECT_EQ(recorder.Shown[1].text, "Please initial close form");
}
