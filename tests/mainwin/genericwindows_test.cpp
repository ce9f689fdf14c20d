// Every generic window of the catalogue, opened from its menu item against the simulator:
// its caption, its first read, what it shows against what the simulator serves, and a
// clean close. The cases come from the catalogue itself, so every group of windows added
// to it is swept too; CTest runs the binary in shards.
#include <gtest/gtest.h>

#include <QComboBox>
#include <QDialog>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTreeWidget>

#include "configwin/configform.h"
#include "configwin/ctrlbtnpanel.h"
#include "configwin/listviewpanel.h"
#include "configwin/snmpeditorpanel.h"
#include "configwin/snmplistviewpanel.h"
#include "mainsim.h"
#include "mainwin/catalogue.h"
#include "mainwin/genericwindow.h"
#include "mainwin/menutable.h"
#include "classlib/dialogs.h"
#include "platform/exception.h"
#include "snmplib/request.h"
#include "screenshot.h"

using namespace mainsim;

namespace {

// Built three times: over SNMPv2c, over SNMPv1, and over SNMPv3 at authPriv.
// Each build names its pictures apart, so that one picture directory holds all three.
#ifdef TRQ_SWEEP_USM_AUTHPRIV
[[maybe_unused]] const bool g_environment = UseMainWindowOnSimulator("trq3100.profile", SimSecurity::UsmAuthPriv);
const char* const kPicturePrefix = "generic_v3_";
#elif defined(TRQ_SWEEP_V1)
[[maybe_unused]] const bool g_environment = UseMainWindowOnSimulator("trq3100.profile", SimSecurity::CommunityV1);
const char* const kPicturePrefix = "generic_v1_";
#else
[[maybe_unused]] const bool g_environment = UseMainWindowOnSimulator();
const char* const kPicturePrefix = "generic_";
#endif

std::vector<const TCatalogueRecord*> AllRecords()
{
    std::vector<const TCatalogueRecord*> all;
    for (const TCatalogueGroup* group : CatalogueGroups())
        all.insert(all.end(), group->Records.begin(), group->Records.end());
    return all;
}

// A table window offers Add and Delete exactly when it has a row-status column, and Edit
// unless the record hides it or nothing can be written.
void ExpectButtonsOf(const TCatalogueRecord& record, TSNMPEditorPanel* panel)
{
    const TCtrlBtnPanel* buttons = panel->ButtonPanel;
    if (record.Kind != MENU_GENERIC_TABLE)
        return;
    EXPECT_EQ(buttons->AddButton->isHidden(), record.StatusColumn == -1);
    EXPECT_EQ(buttons->DeleteButton->isHidden(), record.StatusColumn == -1);
    bool writable = false;
    for (int i = record.KeyCount; record.Objects[i].Oid; ++i)
        writable = writable || (record.Objects[i].Access & SNMP_ACCESS_WRITEONLY);
    EXPECT_EQ(buttons->EditButton->isHidden(), record.EditHidden || !writable);
}

class GenericWindow : public ::testing::TestWithParam<const TCatalogueRecord*> {};

TEST_P(GenericWindow, OpensFromItsMenuItemShowsTheSimulatorsValuesAndCloses)
{
    const TCatalogueRecord& record = *GetParam();
    MessageRecorder boxes(IDOK);
    std::unique_ptr<StandInPortButton> port;
    std::string suffix;
    if (record.Kind == MENU_PORT_EDITOR) {
        port = std::make_unique<StandInPortButton>(70);
        suffix = "70";
    }
    QPointer<TConfigForm> seen;
    ASSERT_TRUE(sim().clearLog());
    const bool opened = withModal(record.MenuItem, [&](QDialog* window) {
        auto* form = qobject_cast<TConfigForm*>(window);
        ASSERT_NE(form, nullptr);
        seen = form;
        EXPECT_EQ(form->windowTitle().toStdString(), GenericWindowCaption(record, "127.0.0.1"));
        ASSERT_TRUE(firstReadDone(form)) << ::testing::PrintToString(memoLines(form));
        for (const std::string& line : memoLines(form))
            EXPECT_EQ(line.rfind("Get: (VhSNMP++) Ok!.", 0), 0u) << line;
        auto* panel = dynamic_cast<TSNMPEditorPanel*>(form->Panel());
        ASSERT_NE(panel, nullptr);
        if (record.Kind == MENU_GENERIC_TABLE)
            ExpectRowsAsServed(record, form);
        else
            ExpectScalarsAsServed(record, form, suffix);
        ExpectButtonsOf(record, panel);
        EXPECT_EQ(ConfigForm == form, record.StoredInConfigForm);
        trqtest::saveScreenshot(form, QString(kPicturePrefix) + record.MenuItem);
        panel->ButtonPanel->CloseButton->click();
    });
    EXPECT_TRUE(opened);
    // Every read went out with the version and credentials the program was started with,
    // and none named a key that only the index carries. Over SNMPv1 a walk past the end of
    // the agent's objects is answered noSuchName.
    for (const trqtest::PduLogEntry& pdu : sim().pduLog()) {
        EXPECT_EQ(pdu.version, readVersion()) << pdu.type;
        EXPECT_EQ(pdu.securityName, readSecurityName()) << pdu.type;
        const bool v1EndOfWalk = readVersion() == 0 && pdu.type == "getnext" && pdu.errorStatus == 2;
        EXPECT_TRUE(pdu.errorStatus == 0 || v1EndOfWalk) << pdu.type << " " << pdu.errorStatus;
        for (const auto& vb : pdu.varbinds)
            for (int i = 0; record.Objects[i].Oid; ++i)
                if (record.Objects[i].Access & SNMP_ACCESS_NOTACCESS) {
                    EXPECT_NE((vb.oid + ".").rfind(std::string(record.Objects[i].Oid) + ".", 0), 0u) << vb.oid;
                }
    }
    EXPECT_TRUE(seen.isNull()) << "the window was not deleted";
    EXPECT_EQ(ConfigForm, nullptr);
    EXPECT_TRUE(boxes.Shown.empty()) << boxes.Shown.front().text;
}

// The agent's answer to a set of one object at one instance: 0, or its error status.
int SetStatus(const std::string& oid, const std::string& instance, unsigned syntax, const std::string& value)
{
    const VhSNMPObjectDesc object[] = {{oid.c_str(), "object", syntax, SNMP_ACCESS_READWRITE}, {}};
    VhSNMPRequest request;
    request.LoadDefaults();
    request.VarList = VhSNMPVarList(object, MVT_SV, 0);
    request.VarList.Suffix = instance;
    request.VarList.GetItem(0)->Value = value;
    try {
        request.Set(false, "", nullptr);
        return 0;
    } catch (const Exception& e) {
        return -e.HelpContext - 100; // agent error-status n is -100 - n
    }
}

// What the window cannot write, the simulator refuses as the device does: a read-only
// object answers notWritable, a number outside a drop-down list's labels wrongValue (over
// SNMPv1 noSuchName and badValue).
TEST_P(GenericWindow, TheSimulatorRefusesWhatTheWindowCannotWrite)
{
    const TCatalogueRecord& record = *GetParam();
    const bool v1 = readVersion() == 0;
    for (int i = 0; record.Objects[i].Oid; ++i) {
        const VhSNMPObjectDesc& object = record.Objects[i];
        const bool readOnly = (object.Access & SNMP_ACCESS_READWRITE) == SNMP_ACCESS_READONLY;
        const bool labelled = (object.Access & SNMP_ACCESS_WRITEONLY) && object.Options &&
                              object.Syntax == SNMP_SYNTAX_INTEGER;
        if (!readOnly && !labelled)
            continue;
        const std::string suffix = record.Kind == MENU_PORT_EDITOR ? "70" : "";
        const auto served = sim().walk(std::string(object.Oid) + (suffix.empty() ? "" : "." + suffix));
        if (served.empty())
            continue; // a port popup object of another port, or a column without rows
        const std::string instance = served.front().oid.substr(std::string(object.Oid).size() + 1);
        SCOPED_TRACE(std::string(object.Caption) + " at " + served.front().oid);
        if (readOnly) {
            EXPECT_EQ(SetStatus(object.Oid, instance, SNMP_SYNTAX_INTEGER, "0"), v1 ? 2 : 17);
        } else {
            long outside = 1;
            for (int k = 0; k < object.Options->Count(); ++k)
                outside = std::max(outside, static_cast<long>(object.Options->ItemAt(k)->Value) + 7);
            EXPECT_EQ(SetStatus(object.Oid, instance, SNMP_SYNTAX_INTEGER, std::to_string(outside)), v1 ? 3 : 10);
        }
    }
}

// ---- Enter ---------------------------------------------------------------------------------
// Once, over SNMPv2c: what Enter does does not hang on the version.
#if !defined(TRQ_SWEEP_USM_AUTHPRIV) && !defined(TRQ_SWEEP_V1)

// What a value control shows: an edit's text, a drop-down list's label, a list's current row.
QString ShownValue(QWidget* control)
{
    if (auto* edit = qobject_cast<QLineEdit*>(control))
        return edit->text();
    if (auto* combo = qobject_cast<QComboBox*>(control))
        return combo->currentText();
    if (auto* view = qobject_cast<QTreeWidget*>(control))
        return QString::number(view->topLevelItemCount()) + "/" +
               (view->currentItem() ? view->currentItem()->text(0) : QString());
    return {};
}

// The first value control of a window that the user can change: an editable line edit or
// an enabled drop-down list with more than one label; null when there is none.
QWidget* ChangeableValue(QWidget* window)
{
    for (QWidget* control : window->findChildren<QWidget*>()) {
        if (!control->objectName().startsWith(QLatin1String("ValueControl")) || !control->isVisible() ||
            !control->isEnabled())
            continue;
        if (auto* edit = qobject_cast<QLineEdit*>(control); edit && !edit->isReadOnly())
            return edit;
        if (auto* combo = qobject_cast<QComboBox*>(control); combo && combo->count() > 1)
            return combo;
    }
    return nullptr;
}

// Types into the control (a digit after the text, or the next label) and presses Enter in
// it. Returns what the control held before Enter.
QString TypeAndPressEnter(QWidget* control)
{
    control->setFocus();
    if (auto* edit = qobject_cast<QLineEdit*>(control)) {
        edit->end(false);
        QTest::keyClicks(edit, "7");
        if (edit->text().isEmpty())
            QTest::keyClicks(edit, "a");
    } else if (auto* combo = qobject_cast<QComboBox*>(control)) {
        combo->setCurrentIndex((combo->currentIndex() + 1) % combo->count());
    }
    const QString before = ShownValue(control);
    QTest::keyClick(control, Qt::Key_Return);
    QTest::keyClick(control, Qt::Key_Enter);
    return before;
}

// Every PDU the program sent since the log was cleared, once the simulator has answered a
// get sent after them (a Refresh that Enter pressed would be logged before it).
std::vector<trqtest::PduLogEntry> SentSinceCleared()
{
    const VhSNMPObjectDesc marker[] = {{"1.3.6.1.2.1.1.3", "marker", SNMP_SYNTAX_TIMETICKS, SNMP_ACCESS_READONLY}, {}};
    VhSNMPRequest request;
    request.LoadDefaults();
    request.VarList = VhSNMPVarList(marker, SVT_SV, 0);
    EXPECT_NO_THROW(request.Get(true));
    std::vector<trqtest::PduLogEntry> sent = sim().pduLog();
    EXPECT_FALSE(sent.empty());
    if (!sent.empty())
        sent.pop_back(); // the marker
    return sent;
}

std::string Described(const std::vector<trqtest::PduLogEntry>& pdus)
{
    std::string text;
    for (const auto& pdu : pdus)
        text += pdu.type + (pdu.varbinds.empty() ? std::string() : " " + pdu.varbinds.front().oid) + "; ";
    return text;
}

bool AnyWritable(const TCatalogueRecord& record)
{
    for (int i = record.KeyCount; record.Objects[i].Oid; ++i)
        if (record.Objects[i].Access & SNMP_ACCESS_WRITEONLY)
            return true;
    return false;
}

// Enter in a value the user typed neither re-reads (which would throw the typed value
// away) nor writes nor closes the window: in a scalar window, in a table window's list and
// in its edit (or add) window.
TEST_P(GenericWindow, EnterKeepsWhatWasTypedAndSendsNothing)
{
    const TCatalogueRecord& record = *GetParam();
    if (!AnyWritable(record))
        GTEST_SKIP() << "nothing to type in";
    MessageRecorder boxes(IDCANCEL);
    std::unique_ptr<StandInPortButton> port;
    if (record.Kind == MENU_PORT_EDITOR)
        port = std::make_unique<StandInPortButton>(70);
    // The generic window is idle; the window Enter was pressed in is still open.
    const auto expectNothingSent = [&](QDialog* generic, QDialog* window, QWidget* control, const QString& typed) {
        EXPECT_EQ(Described(SentSinceCleared()), "");
        EXPECT_EQ(ShownValue(control), typed);
        EXPECT_TRUE(window->isVisible());
        EXPECT_TRUE(Idle(generic));
    };
    const bool opened = withModal(record.MenuItem, [&](QDialog* window) {
        TConfigForm* form = Generic(window);
        ASSERT_NE(form, nullptr);
        ASSERT_TRUE(firstReadDone(form));
        if (TSNMPListViewPanel* table = TablePanel(window)) {
            QTreeWidget* view = table->ListViewPanel->ListView;
            ASSERT_TRUE(sim().clearLog());
            view->setFocus();
            QTest::keyClick(view, Qt::Key_Return);
            expectNothingSent(window, window, view, ShownValue(view));
            const bool rows = view->topLevelItemCount() > 0;
            QPushButton* open = rows ? table->ButtonPanel->EditButton : table->ButtonPanel->AddButton;
            if (rows)
                SelectRow(view, 0);
            if (open->isHidden() || !open->isEnabled())
                return;
            const bool edited = withModal([open] { open->click(); }, [&](QDialog* rowWindow) {
                QWidget* control = ChangeableValue(rowWindow);
                if (!control)
                    control = rowWindow;
                SCOPED_TRACE((rows ? "edit window: " : "add window: ") + control->objectName().toStdString());
                ASSERT_TRUE(sim().clearLog());
                const QString typed = TypeAndPressEnter(control);
                expectNothingSent(window, rowWindow, control, typed);
            });
            EXPECT_TRUE(edited);
            ASSERT_TRUE(waitUntil([&] { return Idle(window); }));
            return;
        }
        // A window whose writable rows are all panels of check boxes: Enter in the window.
        QWidget* control = ChangeableValue(window);
        if (!control)
            control = window;
        SCOPED_TRACE(control->objectName().toStdString());
        ASSERT_TRUE(sim().clearLog());
        const QString typed = TypeAndPressEnter(control);
        expectNothingSent(window, window, control, typed);
        trqtest::saveScreenshot(window, QString(kPicturePrefix) + "enter_" + record.MenuItem);
    });
    EXPECT_TRUE(opened);
    EXPECT_TRUE(boxes.Shown.empty()) << boxes.Shown.front().text;
}
#endif

INSTANTIATE_TEST_SUITE_P(Catalogue, GenericWindow, ::testing::ValuesIn(AllRecords()),
                         [](const ::testing::TestParamInfo<const TCatalogueRecord*>& info) {
                             return std::string(info.param->MenuItem);
                         });

} // namespace
