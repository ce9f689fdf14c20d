#include "mainsim.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QTreeWidget>
#include <QApplication>
#include <QDialog>
#include <QElapsedTimer>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>

#include <cctype>
#include <cerrno>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>
#include <memory>
#include <optional>

#include "configwin/configform.h"
#include "configwin/ctrlbtnpanel.h"
#include "configwin/editspanel.h"
#include "configwin/listviewpanel.h"
#include "configwin/snmplistviewpanel.h"
#include "configwin/msgpanel.h"
#include "configwin/snmppanel.h"
#include "dedicated/dedicatedform.h"
#include "fixture.h"
#include "mainwin/catalogue.h"
#include "mainwin/mainunit.h"
#include "mainwin/menutable.h"
#include "mainwin/startup.h"
#include "classlib/events.h"
#include "classlib/speedbutton.h"
#include "snmplib/bind/request2edits.h"
#include "snmplib/textforms.h"
#include "snmplib/varlist.h"
#include "simlibrary.h"
#include "support/modal.h"

namespace mainsim {

namespace {

std::unique_ptr<trqtest::SimProcess> g_sim;
std::unique_ptr<TMainForm> g_form;
SimSecurity g_security = SimSecurity::Community;

class MainWindowEnvironment : public ::testing::Environment {
public:
    MainWindowEnvironment(std::string profile, SimSecurity security) : profile_(std::move(profile))
    {
        g_security = security;
    }

    void SetUp() override
    {
        ASSERT_TRUE(dir_.isValid());
        const std::string root = dir_.path().toStdString() + "/";
        ASSERT_EQ(chdir(root.c_str()), 0);
        setenv("TRQ3100_REGISTRY", (root + "registry.ini").c_str(), 1);
        std::filesystem::create_directories(root + "bin");
        SetExecutableFolder(root + "bin/");

        g_sim = std::make_unique<trqtest::SimProcess>(trqtest::SimOptions{profile_, "", {}});
        std::string error;
        ASSERT_TRUE(g_sim->start(&error)) << error;
        // SNMPv2c or SNMPv3 on the simulator's port, as the host platform would start the
        // program. The file holds list indexes: level 2 authPriv, protocols 2 SHA-1 and 1 DES.
        const std::string port = std::to_string(g_sim->port());
        if (g_security == SimSecurity::UsmAuthPriv)
            std::ofstream(root + "127.0.0.1.cfg", std::ios::binary)
                << settingsFile({{"AgentPort", port.c_str()},
                                 {"Version", "3"},
                                 {"SecurityModel", "3"},
                                 {"SecurityName", "shades"},
                                 {"SecurityLevel", "2"},
                                 {"AuthProtocol", "2"},
                                 {"PrivProtocol", "1"},
                                 {"AuthPassword", "authpass123"},
                                 {"PrivPassword", "privpass123"}});
        else
            std::ofstream(root + "127.0.0.1.cfg", std::ios::binary)
                << settingsFile({{"AgentPort", port.c_str()},
                                 {"Version", g_security == SimSecurity::CommunityV1 ? "0" : "1"},
                                 {"SecurityModel", "3"},
                                 {"SecurityLevel", "-1"},
                                 {"AuthProtocol", "-1"},
                                 {"PrivProtocol", "-1"}});
        g_form.reset(TMainForm::Create({"/I127.0.0.1", "/Rmardle", "/Wquillon"}));
        ASSERT_NE(g_form->MainRequest, nullptr);
        // The main window goes on reading (front panel, power, fans) after it is made: the
        // first test starts once the switch has heard nothing new for a while, so that
        // what it finds in the simulator's log is its own.
        std::size_t heard = g_sim->pduLog().size();
        QElapsedTimer settling;
        settling.start();
        while (settling.elapsed() < 10000) {
            trqtest::pump(250);
            const std::size_t now = g_sim->pduLog().size();
            if (now == heard)
                break;
            heard = now;
        }
    }
    void TearDown() override
    {
        g_form.reset();
        g_sim.reset();
        SetExecutableFolder("");
        unsetenv("TRQ3100_REGISTRY");
    }

private:
    std::string profile_;
    QTemporaryDir dir_;
};

} // namespace

bool UseMainWindowOnSimulator(const std::string& profile, SimSecurity security)
{
    ::testing::AddGlobalTestEnvironment(new MainWindowEnvironment(profile, security));
    return true;
}

int readVersion()
{
    return g_security == SimSecurity::UsmAuthPriv ? 3 : g_security == SimSecurity::CommunityV1 ? 0 : 1;
}

std::string readSecurityName() { return g_security == SimSecurity::UsmAuthPriv ? "shades" : "mardle"; }

TMainForm& mainForm() { return *g_form; }
trqtest::SimProcess& sim() { return *g_sim; }

bool waitUntil(const std::function<bool()>& done, int milliseconds) { return trqtest::waitUntil(done, milliseconds); }

bool withModal(const std::function<void()>& open, const std::function<void(QDialog*)>& inside,
               const std::function<bool(QDialog*)>& ready)
{
    return trqtest::withModal(open, inside, ready ? ready : [](QDialog* window) {
        auto* generic = qobject_cast<TConfigForm*>(window);
        return !generic || firstReadDone(generic);
    }, ReadyWithin);
}

bool withModal(QAction* item, const std::function<void(QDialog*)>& inside, const std::function<bool(QDialog*)>& ready)
{
    return item && withModal([item] { item->trigger(); }, inside, ready);
}

bool withModal(const std::string& menuItem, const std::function<void(QDialog*)>& inside,
               const std::function<bool(QDialog*)>& ready)
{
    return withModal(mainForm().MenuItem(menuItem), inside, ready);
}

QPlainTextEdit* memoOf(TConfigForm* form)
{
    TMsgPanel* messages = form && form->Panel() ? form->Panel()->MessagePanel() : nullptr;
    return messages ? messages->Memo : nullptr;
}

std::vector<std::string> memoLines(TConfigForm* form)
{
    std::vector<std::string> lines;
    if (QPlainTextEdit* memo = memoOf(form))
        for (const QString& line : memo->toPlainText().split('\n', Qt::SkipEmptyParts))
            lines.push_back(line.toStdString());
    return lines;
}

bool windowHasRead(QDialog* window)
{
    if (auto* generic = qobject_cast<TConfigForm*>(window))
        return firstReadDone(generic);
    if (auto* form = dynamic_cast<TDedicatedForm*>(window))
        return form->Created() && form->IsIdle();
    return true;
}

std::vector<MenuEntry> menuEntries(const std::function<bool(const TMenuItemDef&)>& keep)
{
    std::vector<MenuEntry> all;
    for (const TMenuItemDef* item = MainMenuItems; item->Name; ++item)
        if (keep(*item))
            all.push_back({item, false});
    for (const TMenuItemDef* item = PortInfoPopupMenuItems; item->Name; ++item)
        if (keep(*item))
            all.push_back({item, true});
    return all;
}

std::string menuEntryName(const MenuEntry& entry)
{
    std::string name = std::string(entry.Popup ? "Popup_" : "") + entry.Def->Name;
    for (char& c : name)
        if (!std::isalnum(static_cast<unsigned char>(c)))
            c = '_';
    return name;
}

bool firstReadDone(TConfigForm* form)
{
    if (!form)
        return false;
    for (const VhSNMPRequest2Edits* request : form->Requests)
        if (request->Busy)
            return false;
    return !form->Requests.empty() && memoLines(form).size() >= form->Requests.size();
}

Varbinds VarbindsOf(const trqtest::PduLogEntry& pdu)
{
    Varbinds out;
    for (const auto& vb : pdu.varbinds)
        out.emplace_back(vb.oid, vb.type + " " + vb.value);
    return out;
}

std::vector<trqtest::PduLogEntry> Logged(const std::string& type)
{
    std::vector<trqtest::PduLogEntry> out;
    for (auto& e : sim().pduLog())
        if (e.type == type)
            out.push_back(e);
    return out;
}

TConfigForm* Generic(QDialog* window)
{
    auto* form = qobject_cast<TConfigForm*>(window);
    EXPECT_NE(form, nullptr);
    return form;
}

TSNMPListViewPanel* TablePanel(QDialog* window)
{
    TConfigForm* form = Generic(window);
    return form ? dynamic_cast<TSNMPListViewPanel*>(form->Panel()) : nullptr;
}

// The list-view row whose first columns (the keys) show these texts; -1 if none.
int RowWithKeys(const QTreeWidget* view, const std::vector<std::string>& keys) { return trqtest::rowWithKeys(view, keys); }

void SelectRow(QTreeWidget* view, int row)
{
    ASSERT_NE(view, nullptr);
    QTreeWidgetItem* item = view->topLevelItem(row);
    ASSERT_NE(item, nullptr) << "no row " << row;
    view->clearSelection();
    item->setSelected(true);
}

void Choose(QWidget* combo, const char* label)
{
    auto* box = qobject_cast<QComboBox*>(combo);
    ASSERT_NE(box, nullptr);
    box->setCurrentIndex(box->findText(label));
    ASSERT_EQ(box->currentText(), label);
}

// Writes one column of the selected row in the table's edit window.
void EditSelectedRow(TSNMPListViewPanel* table, int column, const std::function<void(QWidget* value)>& enter)
{
    const bool opened = withModal([table] { table->ButtonPanel->EditButton->click(); }, [&](QDialog* edit) {
        const std::string n = std::to_string(column);
        enter(Find<QWidget>(edit, ("ValueControl" + n).c_str()));
        Find<QCheckBox>(edit, ("CheckBox" + n).c_str())->setChecked(true);
        Find<QPushButton>(edit, "SetCheckedButton")->click();
    });
    EXPECT_TRUE(opened);
}

bool Idle(QDialog* window)
{
    TConfigForm* form = Generic(window);
    if (!form)
        return true;
    for (const VhSNMPRequest2Edits* request : form->Requests)
        if (request->Busy)
            return false;
    return true;
}

StandInPortButton::StandInPortButton(int port)
{
    TMainForm& form = mainForm();
    Button = new QPushButton(QString::number(port), &form);
    Button->setCheckable(true);
    SetTag(Button, port);
    form.Chassis->PortButtons->append(Button);
    SetPopupComponent(form.PortInfoPopupMenu, Button);
}

StandInPortButton::~StandInPortButton()
{
    mainForm().Chassis->PortButtons->removeAll(Button);
    delete Button;
}

namespace {

// The text the generic window shows for a served value of a record's object.
std::string ShownText(const TCatalogueRecord& record, int item, const trqtest::PduLogEntry::Varbind& served)
{
    const VhSNMPObjectDesc& object = record.Objects[item];
    if (object.Options)
        return object.Options->ValueToText(served.value);
    switch (object.Syntax) {
    case SNMP_SYNTAX_DISPLAYSTR:
        return served.value;
    case SNMP_SYNTAX_OCTETSTR:
    case SNMP_SYNTAX_BITSTR:
    case SNMP_SYNTAX_MACADDRESS:
        // The simulator names printable octets STRING and gives the others as hex.
        return served.type == "STRING" ? HexText(served.value) : HexText(HexToOctets(served.value));
    case SNMP_SYNTAX_TIMETICKS:
        return TimeTicksText(static_cast<uint32_t>(std::strtoul(served.value.c_str(), nullptr, 10)));
    default:
        return served.value;
    }
}

// A whole decimal number, or nothing: a test's texts are never trusted to be numbers.
std::optional<long> Number(const std::string& text)
{
    char* end = nullptr;
    errno = 0;
    const long value = std::strtol(text.c_str(), &end, 10);
    if (text.empty() || errno != 0 || *end != '\0')
        return std::nullopt;
    return value;
}

// The engine's time in seconds, which the agent serves as it goes on.
const std::string EngineTime = "1.3.6.1.6.3.10.2.1.3";

bool Readable(const VhSNMPObjectDesc& object)
{
    return (object.Access & SNMP_ACCESS_READONLY) && !(object.Access & SNMP_ACCESS_INVALID);
}

// An instance suffix as numbers, for ordering rows as a walk meets them.
std::vector<unsigned long> Arcs(const std::string& instance)
{
    std::vector<unsigned long> arcs;
    std::size_t from = 0;
    while (from < instance.size()) {
        const std::size_t dot = instance.find('.', from);
        arcs.push_back(std::strtoul(instance.substr(from, dot - from).c_str(), nullptr, 10));
        from = dot == std::string::npos ? instance.size() : dot + 1;
    }
    return arcs;
}

struct ArcsLess {
    bool operator()(const std::string& a, const std::string& b) const { return Arcs(a) < Arcs(b); }
};

std::string ControlText(const QWidget* control)
{
    if (auto* edit = qobject_cast<const QLineEdit*>(control))
        return edit->text().toStdString();
    if (auto* combo = qobject_cast<const QComboBox*>(control))
        return combo->currentText().toStdString();
    return {};
}

// The texts of the key items that a row instance gives, as the window shows them; items
// of syntaxes not read here, and the keys after them, are left out. rest: the arcs that no
// key takes (0 unless the keys are too few for the index).
std::map<int, std::string> KeyTexts(const TCatalogueRecord& record, const std::string& instance, std::size_t& rest)
{
    rest = 0;
    std::map<int, std::string> keys;
    const std::vector<unsigned long> arcs = Arcs(instance);
    std::size_t at = 0;
    const auto take = [&](std::size_t n, std::string& octets) {
        if (at + n > arcs.size())
            return false;
        for (std::size_t k = 0; k < n; ++k)
            octets += static_cast<char>(arcs[at + k]);
        at += n;
        return true;
    };
    for (int i = 0; i < record.KeyCount; ++i) {
        const VhSNMPObjectDesc& key = record.Objects[i];
        const bool implied = (key.Access & SNMP_ACCESS_IMPLIED) != 0;
        std::string text, octets;
        switch (key.Syntax) {
        case SNMP_SYNTAX_INTEGER:
        case SNMP_SYNTAX_GAUGE:
            if (at >= arcs.size())
                return keys;
            text = std::to_string(static_cast<int32_t>(arcs[at++]));
            break;
        case SNMP_SYNTAX_IPADDRESS:
            if (!take(4, octets))
                return keys;
            for (unsigned char c : octets)
                text += (text.empty() ? "" : ".") + std::to_string(c);
            break;
        case SNMP_SYNTAX_MACADDRESS:
            if (!take(6, octets))
                return keys;
            text = HexText(octets);
            break;
        case SNMP_SYNTAX_DISPLAYSTR:
        case SNMP_SYNTAX_OCTETSTR: {
            const std::size_t n = implied ? arcs.size() - at : (at < arcs.size() ? arcs[at++] : 0);
            if (!take(n, octets))
                return keys;
            text = key.Syntax == SNMP_SYNTAX_DISPLAYSTR ? octets : HexText(octets);
            break;
        }
        case SNMP_SYNTAX_OBJECTID: {
            const std::size_t n = implied ? arcs.size() - at : (at < arcs.size() ? arcs[at++] : 0);
            if (at + n > arcs.size())
                return keys;
            for (std::size_t k = 0; k < n; ++k)
                text += (k ? "." : "") + std::to_string(arcs[at + k]);
            at += n;
            break;
        }
        default:
            return keys; // the keys after it cannot be placed either
        }
        keys[i] = key.Options ? key.Options->ValueToText(text) : text;
    }
    rest = arcs.size() - at;
    return keys;
}

} // namespace

void ExpectScalarsAsServed(const TCatalogueRecord& record, TConfigForm* form, const std::string& suffix)
{
    auto* panel = form ? dynamic_cast<TSNMPEditorPanel*>(form->Panel()) : nullptr;
    ASSERT_NE(panel, nullptr);
    const TEditsPanel* edits = panel->EditsPanel;
    ASSERT_EQ(edits->RowCount(), CatalogueObjectCount(record));
    for (int i = 0; i < edits->RowCount(); ++i) {
        const VhSNMPObjectDesc& object = record.Objects[i];
        if (!Readable(object))
            continue;
        const std::string oid = std::string(object.Oid) + "." + (suffix.empty() ? "0" : suffix);
        const auto served = sim().walk(oid);
        ASSERT_EQ(served.size(), 1u) << "the simulator serves no " << oid;
        const QWidget* control = edits->Rows[i].ValueControl;
        const std::string shown = ControlText(control);
        if (object.Oid == EngineTime) {
            // The engine's clock may have ticked between the window's read and this one.
            const std::optional<long> now = Number(served.front().value), read = Number(shown);
            EXPECT_TRUE(now && read && *now - *read >= 0 && *now - *read <= 2)
                << object.Caption << " shows \"" << shown << "\", served " << served.front().value;
        } else {
            EXPECT_EQ(shown, ShownText(record, i, served.front())) << object.Caption;
        }
        // A value longer than its edit shows from its start.
        if (auto* edit = qobject_cast<const QLineEdit*>(control)) {
            EXPECT_EQ(edit->cursorPosition(), 0) << object.Caption;
        }
    }
}

void ExpectRowsAsServed(const TCatalogueRecord& record, TConfigForm* form)
{
    auto* table = form ? dynamic_cast<TSNMPListViewPanel*>(form->Panel()) : nullptr;
    ASSERT_NE(table, nullptr);
    const QTreeWidget* view = table->ListViewPanel->ListView;
    // The column of each item, by its caption.
    std::map<int, int> columnOf;
    for (int i = 0; record.Objects[i].Oid; ++i)
        for (int c = 0; c < view->columnCount(); ++c)
            if (view->headerItem()->text(c).toStdString() == record.Objects[i].Caption)
                columnOf[i] = c;
    // Per row instance, per item, the served value.
    std::map<std::string, std::map<int, trqtest::PduLogEntry::Varbind>, ArcsLess> served;
    for (int i = 0; record.Objects[i].Oid; ++i) {
        if (!Readable(record.Objects[i]))
            continue;
        const std::string base = std::string(record.Objects[i].Oid) + ".";
        for (const auto& vb : sim().walk(record.Objects[i].Oid))
            served[vb.oid.substr(base.size())][i] = vb;
    }
    ASSERT_FALSE(served.empty()) << "the simulator serves no row";
    ASSERT_EQ(view->topLevelItemCount(), static_cast<int>(served.size()));
    int row = 0;
    for (const auto& [instance, values] : served) {
        const QTreeWidgetItem* shown = view->topLevelItem(row++);
        std::size_t rest = 0;
        for (const auto& [i, text] : KeyTexts(record, instance, rest)) {
            if (columnOf.count(i)) {
                EXPECT_EQ(shown->text(columnOf[i]).toStdString(), text)
                    << "row " << instance << ", key " << record.Objects[i].Caption;
            }
        }
        EXPECT_EQ(rest, 0u) << "row " << instance << ": index arcs that no key takes";
        for (int i = 0; record.Objects[i].Oid; ++i) {
            if (!Readable(record.Objects[i]) || !columnOf.count(i))
                continue;
            const auto value = values.find(i);
            std::string expected = value == values.end() ? "" : ShownText(record, i, value->second);
            // An SNMPv1 agent skips 64-bit counters: their column is past its end at once.
            if (readVersion() == 0 && record.Objects[i].Syntax == SNMP_SYNTAX_COUNTER64)
                expected = "(NOTDONE)";
            EXPECT_EQ(shown->text(columnOf[i]).toStdString(), expected)
                << "row " << instance << ", " << record.Objects[i].Caption;
        }
    }
}

} // namespace mainsim
