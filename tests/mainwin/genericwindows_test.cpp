// Every generic window of the catalogue, opened from its menu item against the simulator:
// its caption, its first read, what it shows against what the simulator serves, and a
// clean close. The cases come from the catalogue itself, so every group of windows added
// to it is swept too; CTest runs the binary in shards.
#include <gtest/gtest.h>

#include <QComboBox>
#include <QDialog>
#include <QHeaderView>
#include <QLineEdit>
#include <QPushButton>
#include <QTreeWidget>

#include <algorithm>
#include <map>
#include <set>

#include "configwin/configform.h"
#include "configwin/ctrlbtnpanel.h"
#include "configwin/editspanel.h"
#include "configwin/listviewpanel.h"
#include "configwin/snmplistviewpanel.h"
#include "mainsim.h"
#include "mainwin/catalogue.h"
#include "mainwin/genericwindow.h"
#include "mainwin/mainunit.h"
#include "mainwin/menutable.h"
#include "platform/dialogs.h"
#include "screenshot.h"
#include "snmplib/bind/request2edits.h"

using namespace mainsim;

namespace {

[[maybe_unused]] const bool g_environment = UseMainWindowOnSimulator();

std::vector<const TCatalogueRecord*> AllRecords()
{
    std::vector<const TCatalogueRecord*> all;
    for (const TCatalogueGroup* group : CatalogueGroups())
        all.insert(all.end(), group->Records.begin(), group->Records.end());
    return all;
}

// An instance suffix as numbers, for ordering rows as a walk meets them.
std::vector<unsigned long> Arcs(const std::string& instance)
{
    std::vector<unsigned long> arcs;
    std::size_t from = 0;
    while (from < instance.size()) {
        const std::size_t dot = instance.find('.', from);
        arcs.push_back(std::stoul(instance.substr(from, dot - from)));
        from = dot == std::string::npos ? instance.size() : dot + 1;
    }
    return arcs;
}

struct ArcsLess {
    bool operator()(const std::string& a, const std::string& b) const { return Arcs(a) < Arcs(b); }
};

bool Readable(const VhSNMPObjectDesc& object)
{
    return (object.Access & SNMP_ACCESS_READONLY) && !(object.Access & SNMP_ACCESS_INVALID);
}

// What the simulator serves of a record's table: per row instance, per item, the value.
using Served = std::map<std::string, std::map<int, trqtest::PduLogEntry::Varbind>, ArcsLess>;

Served ServedRows(const TCatalogueRecord& record)
{
    Served rows;
    for (int i = 0; record.Objects[i].Oid; ++i) {
        if (!Readable(record.Objects[i]))
            continue;
        const std::string base = std::string(record.Objects[i].Oid) + ".";
        for (const auto& vb : sim().walk(record.Objects[i].Oid))
            rows[vb.oid.substr(base.size())][i] = vb;
    }
    return rows;
}

std::string ControlText(const QWidget* control)
{
    if (auto* edit = qobject_cast<const QLineEdit*>(control))
        return edit->text().toStdString();
    if (auto* combo = qobject_cast<const QComboBox*>(control))
        return combo->currentText().toStdString();
    return {};
}

void CheckScalars(const TCatalogueRecord& record, TSNMPEditorPanel* panel, const std::string& suffix)
{
    const TEditsPanel* edits = panel->EditsPanel;
    ASSERT_EQ(edits->RowCount(), CatalogueObjectCount(record));
    for (int i = 0; i < edits->RowCount(); ++i) {
        const VhSNMPObjectDesc& object = record.Objects[i];
        if (!Readable(object))
            continue;
        const std::string oid = std::string(object.Oid) + "." + (suffix.empty() ? "0" : suffix);
        const auto served = sim().walk(oid);
        ASSERT_EQ(served.size(), 1u) << "the simulator serves no " << oid;
        EXPECT_EQ(ControlText(edits->Rows[i].ValueControl), ShownText(record, i, served.front()))
            << object.Caption;
    }
}

void CheckRows(const TCatalogueRecord& record, TSNMPEditorPanel* panel)
{
    auto* table = dynamic_cast<TSNMPListViewPanel*>(panel);
    ASSERT_NE(table, nullptr);
    const QTreeWidget* view = table->ListViewPanel->ListView;
    // The column of each item, by its caption.
    std::map<int, int> columnOf;
    for (int i = 0; record.Objects[i].Oid; ++i)
        for (int c = 0; c < view->columnCount(); ++c)
            if (view->headerItem()->text(c).toStdString() == record.Objects[i].Caption)
                columnOf[i] = c;
    const Served served = ServedRows(record);
    ASSERT_FALSE(served.empty()) << "the simulator serves no row";
    ASSERT_EQ(view->topLevelItemCount(), static_cast<int>(served.size()));
    int row = 0;
    for (const auto& [instance, values] : served) {
        const QTreeWidgetItem* shown = view->topLevelItem(row++);
        for (int i = 0; record.Objects[i].Oid; ++i) {
            if (!Readable(record.Objects[i]) || !columnOf.count(i))
                continue;
            const auto value = values.find(i);
            const std::string expected = value == values.end() ? "" : ShownText(record, i, value->second);
            EXPECT_EQ(shown->text(columnOf[i]).toStdString(), expected)
                << "row " << instance << ", " << record.Objects[i].Caption;
        }
    }
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
            CheckRows(record, panel);
        else
            CheckScalars(record, panel, suffix);
        trqtest::saveScreenshot(form, QString("generic_") + record.MenuItem);
        panel->ButtonPanel->CloseButton->click();
    });
    EXPECT_TRUE(opened);
    EXPECT_TRUE(seen.isNull()) << "the window was not deleted";
    EXPECT_TRUE(boxes.Shown.empty()) << boxes.Shown.front().text;
}

INSTANTIATE_TEST_SUITE_P(Catalogue, GenericWindow, ::testing::ValuesIn(AllRecords()),
                         [](const ::testing::TestParamInfo<const TCatalogueRecord*>& info) {
                             return std::string(info.param->MenuItem);
                         });

} // namespace
