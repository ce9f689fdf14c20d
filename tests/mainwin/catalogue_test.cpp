// The catalogue of generic windows as data: every record, of every group the build holds,
// checked against the menu tables, the option lists and the rules of the generic window.
#include <gtest/gtest.h>

#include <QLineEdit>

#include <map>
#include <regex>
#include <set>
#include <string>

#include "configwin/optionlists.h"
#include "mainwin/catalogue.h"
#include "mainwin/formtable.h"
#include "mainwin/menutable.h"
#include "snmplib/bind/editconstraint.h"

namespace {

std::vector<const TCatalogueRecord*> AllRecords()
{
    std::vector<const TCatalogueRecord*> all;
    for (const TCatalogueGroup* group : CatalogueGroups()) {
        EXPECT_FALSE(group->Records.empty()) << group->Name;
        all.insert(all.end(), group->Records.begin(), group->Records.end());
    }
    return all;
}

const TMenuItemDef* MenuItemNamed(const std::string& name)
{
    for (const TMenuItemDef* table : {MainMenuItems, PortInfoPopupMenuItems})
        for (const TMenuItemDef* item = table; item->Name; ++item)
            if (name == item->Name)
                return item;
    return nullptr;
}

bool IsListed(const VhOptionList* list)
{
    for (const OptionListEntry& entry : OptionListRegistry())
        if (entry.List == list)
            return true;
    return false;
}

bool HasLabel(const VhOptionList* list, const char* label)
{
    return list && label && list->IndexOfText(label) >= 0;
}

bool FormatParses(const char* format)
{
    QLineEdit edit;
    VhEditConstraint constraints(nullptr, false);
    try {
        constraints.AddConstraint(format, &edit);
        return true;
    } catch (const std::exception&) {
        return false;
    }
}

const std::set<unsigned> Syntaxes = {SNMP_SYNTAX_INTEGER,   SNMP_SYNTAX_BITSTR,     SNMP_SYNTAX_OCTETSTR,
                                     SNMP_SYNTAX_OBJECTID,  SNMP_SYNTAX_IPADDRESS,  SNMP_SYNTAX_COUNTER,
                                     SNMP_SYNTAX_GAUGE,     SNMP_SYNTAX_TIMETICKS,  SNMP_SYNTAX_COUNTER64,
                                     SNMP_SYNTAX_MACADDRESS, SNMP_SYNTAX_DISPLAYSTR};
const std::set<unsigned> Accesses = {SNMP_ACCESS_NOTACCESS, SNMP_ACCESS_READONLY, SNMP_ACCESS_READWRITE,
                                     SNMP_ACCESS_NOTACCESS | SNMP_ACCESS_IMPLIED};

// One descriptor table: its first keyCount records are the keys.
void CheckObjects(const VhSNMPObjectDesc* objects, int count, int keyCount)
{
    const std::regex oid(R"(\d+(\.\d+)+)");
    ASSERT_GT(count, 0);
    std::set<std::string> oids;
    for (int i = 0; i < count; ++i) {
        const VhSNMPObjectDesc& o = objects[i];
        const bool key = i < keyCount;
        SCOPED_TRACE(std::to_string(i) + " " + (o.Caption ? o.Caption : "(no caption)"));
        // A key that is never read nor sent may stand without an OID (a blank).
        if (std::string(o.Oid) == " ") {
            EXPECT_TRUE(key && o.Access == SNMP_ACCESS_NOTACCESS);
        } else {
            EXPECT_TRUE(std::regex_match(o.Oid, oid)) << o.Oid;
        }
        EXPECT_TRUE(std::string(o.Oid) == " " || oids.insert(o.Oid).second) << "twice: " << o.Oid;
        EXPECT_TRUE(o.Caption && *o.Caption);
        EXPECT_TRUE(Syntaxes.count(o.Syntax)) << o.Syntax;
        EXPECT_TRUE(Accesses.count(o.Access)) << o.Access;
        if (o.Access & SNMP_ACCESS_IMPLIED) {
            EXPECT_EQ(i, keyCount - 1) << "IMPLIED on a key that is not the last";
        }
        if (o.Options) {
            EXPECT_TRUE(IsListed(o.Options)) << "an option list that is not program-wide";
        }
        EXPECT_FALSE(o.GetExpr || o.SetExpr || o.Extra || o.Value || o.Instance);
    }
}

void CheckObjects(const TCatalogueRecord& r)
{
    CheckObjects(r.Objects, CatalogueObjectCount(r), r.KeyCount);
    if (r.Beside) {
        SCOPED_TRACE("beside the rows");
        EXPECT_EQ(r.Kind, MENU_GENERIC_TABLE);
        CheckObjects(r.Beside, CatalogueBesideCount(r), 0);
    }
}

void CheckShape(const TCatalogueRecord& r)
{
    const int count = CatalogueObjectCount(r);
    switch (r.Kind) {
    case MENU_GENERIC_EDITOR:
        EXPECT_EQ(r.ListType, SVT_SV);
        EXPECT_EQ(r.KeyCount, 0);
        break;
    case MENU_PORT_EDITOR:
        EXPECT_EQ(r.ListType, MVT_SV);
        EXPECT_EQ(r.KeyCount, 0);
        break;
    case MENU_GENERIC_TABLE:
        EXPECT_TRUE(r.ListType == MVT_FMV || r.ListType == MVT_UMV);
        EXPECT_GE(r.KeyCount, 1);
        EXPECT_LT(r.KeyCount, count) << "a table of keys only";
        break;
    default:
        ADD_FAILURE() << "kind " << r.Kind;
    }
    // Rows are added and deleted through a writable row-status object with both labels.
    if (r.StatusColumn == -1) {
        EXPECT_FALSE(r.AddLabel || r.DeleteLabel);
    } else {
        EXPECT_EQ(r.Kind, MENU_GENERIC_TABLE);
        ASSERT_GE(r.StatusColumn, r.KeyCount);
        ASSERT_LT(r.StatusColumn, count);
        const VhSNMPObjectDesc& status = r.Objects[r.StatusColumn];
        EXPECT_EQ(status.Access & SNMP_ACCESS_READWRITE, SNMP_ACCESS_READWRITE);
        EXPECT_TRUE(HasLabel(status.Options, r.AddLabel)) << (r.AddLabel ? r.AddLabel : "(none)");
        EXPECT_TRUE(HasLabel(status.Options, r.DeleteLabel)) << (r.DeleteLabel ? r.DeleteLabel : "(none)");
    }
    // Formats: ascending, each on an edit (a row without value labels), each one that parses.
    int previous = -1;
    for (const TCatalogueFormat& f : r.Formats) {
        if (!f.Format) {
            EXPECT_EQ(f.Index, -1);
            continue;
        }
        EXPECT_GT(f.Index, previous) << f.Format;
        previous = f.Index;
        ASSERT_LT(f.Index, count) << f.Format;
        EXPECT_EQ(r.Objects[f.Index].Options, nullptr) << "format " << f.Format << " on a drop-down list";
        EXPECT_TRUE(FormatParses(f.Format)) << f.Format;
    }
    EXPECT_FALSE(r.EditWidth > 0 && r.EditWidthPlus > 0);
    EXPECT_FALSE(r.EditHidden && r.Kind != MENU_GENERIC_TABLE);
    EXPECT_GE(r.Height, 0);
    EXPECT_GE(r.HeightPlus, 0);
    EXPECT_GE(r.WidthPlus, 0);
}

TEST(Catalogue, EveryRecordIsWellFormedAndMatchesItsMenuItem)
{
    const auto records = AllRecords();
    ASSERT_FALSE(records.empty());
    std::set<std::string> items;
    for (const TCatalogueRecord* r : records) {
        SCOPED_TRACE(r->MenuItem ? r->MenuItem : "(no menu item)");
        ASSERT_TRUE(r->MenuItem && r->Title && r->Objects);
        EXPECT_TRUE(items.insert(r->MenuItem).second) << "two records for one menu item";
        const TMenuItemDef* item = MenuItemNamed(r->MenuItem);
        ASSERT_NE(item, nullptr) << "no such menu item";
        EXPECT_EQ(item->Kind, r->Kind);
        EXPECT_STREQ(item->Target, r->Title);
        CheckObjects(*r);
        CheckShape(*r);
    }
}

TEST(Catalogue, EveryGenericMenuItemHasItsRecord)
{
    // The generic windows of every menu and the port popup: 131 windows, 874 descriptor
    // records (the table's and those shown beside it).
    int windows = 0, records = 0;
    for (const TMenuItemDef* table : {MainMenuItems, PortInfoPopupMenuItems})
        for (const TMenuItemDef* item = table; item->Name; ++item)
            if (item->Kind == MENU_GENERIC_TABLE || item->Kind == MENU_GENERIC_EDITOR || item->Kind == MENU_PORT_EDITOR) {
                const TCatalogueRecord* record = FindCatalogueRecord(item->Name);
                EXPECT_NE(record, nullptr) << item->Name;
                if (!record)
                    continue;
                ++windows;
                records += CatalogueObjectCount(*record) + CatalogueBesideCount(*record);
            }
    EXPECT_EQ(windows, static_cast<int>(AllRecords().size()));
    EXPECT_EQ(windows, 131);
    EXPECT_EQ(records, 874);
}

TEST(Catalogue, VariableListKeepsTheRecordOrder)
{
    for (const TCatalogueRecord* r : AllRecords()) {
        const VhSNMPVarList list(r->Objects, r->ListType, r->KeyCount);
        ASSERT_EQ(list.Count(), CatalogueObjectCount(*r)) << r->MenuItem;
        for (int i = 0; i < list.Count(); ++i) {
            EXPECT_EQ(list.GetItem(i)->Oid, r->Objects[i].Oid) << r->MenuItem << " " << i;
            EXPECT_EQ(list.GetItem(i)->Caption, r->Objects[i].Caption) << r->MenuItem << " " << i;
        }
        EXPECT_EQ(list.KeyCount, r->KeyCount);
        EXPECT_EQ(list.ListType, r->ListType);
    }
}

TEST(Catalogue, FindsRecordsByMenuItemNotByTitle)
{
    // One title, two windows: the walked port table and the port popup's editor.
    const TCatalogueRecord* popup = FindCatalogueRecord("PortInformation2");
    ASSERT_NE(popup, nullptr);
    EXPECT_EQ(popup->Kind, MENU_PORT_EDITOR);
    EXPECT_STREQ(popup->Title, "Port Information Table");
    EXPECT_EQ(FindCatalogueRecord("Port Information Table"), nullptr);
    EXPECT_EQ(FindCatalogueRecord("About1"), nullptr);
}

TEST(FormTable, EveryDedicatedMenuItemHasItsRowAndEveryRowAnItem)
{
    std::map<std::string, int> used;
    for (const TMenuItemDef* table : {MainMenuItems, PortInfoPopupMenuItems})
        for (const TMenuItemDef* item = table; item->Name; ++item)
            if (item->Kind == MENU_COMPILED_WINDOW) {
                EXPECT_NE(FindFormFactory(item->Target), nullptr) << item->Name << " " << item->Target;
                ++used[item->Target];
            }
    std::set<std::string> rows;
    for (const TFormFactory& row : FormFactories()) {
        EXPECT_TRUE(rows.insert(row.FormClass).second) << "two rows for " << row.FormClass;
        EXPECT_EQ(used[row.FormClass], 1) << row.FormClass;
        EXPECT_EQ(row.Forget != nullptr && row.Create == nullptr, false) << row.FormClass;
    }
}

} // namespace
