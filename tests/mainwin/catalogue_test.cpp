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
#include "sim/profile.h"
#include "simharness.h"
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

// The switch's object as the simulator's profile declares it: its first cell under the OID
// (a scalar's .0, a column's first row), or a declared column of a table without rows.
struct Declared {
    uint8_t Type = 0;
    trqsim::Access Access = trqsim::Access::ReadOnly;
    const trqsim::Constraint* Limits = nullptr;
};

std::optional<Declared> DeclaredObject(const trqsim::Profile& profile, const std::string& text)
{
    trqsim::Oid oid;
    if (!trqsim::parseOid(text, oid))
        return std::nullopt;
    Declared declared;
    declared.Limits = profile.store.constraint(oid);
    if (const auto* cell = profile.store.next(oid, oid)) {
        declared.Type = cell->second.value.type;
        declared.Access = cell->second.access;
        return declared;
    }
    trqsim::Oid entry(oid.begin(), oid.end() - 1);
    if (const trqsim::TableDef* table = profile.store.tableOf(oid); table && table->entry == entry) {
        const auto column = table->columns.find(oid.back());
        if (column != table->columns.end()) {
            declared.Type = column->second.type;
            declared.Access = column->second.access;
            return declared;
        }
    }
    return std::nullopt;
}

// The SMI type the switch serves for an object of that syntax.
uint8_t TypeOf(unsigned syntax)
{
    switch (syntax) {
    case SNMP_SYNTAX_INTEGER:
        return trqsim::TagInteger;
    case SNMP_SYNTAX_OCTETSTR:
    case SNMP_SYNTAX_DISPLAYSTR:
    case SNMP_SYNTAX_MACADDRESS:
    case SNMP_SYNTAX_BITSTR:
        return trqsim::TagOctetString;
    case SNMP_SYNTAX_OBJECTID:
        return trqsim::TagObjectId;
    case SNMP_SYNTAX_IPADDRESS:
        return trqsim::TagIpAddress;
    case SNMP_SYNTAX_COUNTER:
        return trqsim::TagCounter32;
    case SNMP_SYNTAX_GAUGE:
        return trqsim::TagGauge32;
    case SNMP_SYNTAX_TIMETICKS:
        return trqsim::TagTimeTicks;
    case SNMP_SYNTAX_COUNTER64:
        return trqsim::TagCounter64;
    default:
        return 0;
    }
}

// A format's bounds ({n<min>x<max>...}), when it has both.
std::optional<std::pair<long long, long long>> FormatBounds(const std::string& format)
{
    static const std::regex bounds(R"(\{[^}]*n(-?\d+)x(-?\d+)[^}]*\})");
    std::smatch m;
    if (!std::regex_search(format, m, bounds))
        return std::nullopt;
    return std::pair{std::stoll(m[1].str()), std::stoll(m[2].str())};
}

// Every object of every record against the switch's own declaration of it (the
// simulator's profile, written from the switch's objects, not from the catalogue): its
// type, whether it can be written, and each input format's bounds against the numbers the
// switch takes. Two objects of a record swapped, a column read at the next OID, a
// writable object marked read-only or a format that lets through what the switch refuses
// fail here.
TEST(Catalogue, EveryObjectIsTheSwitchsObjectOfItsTypeAccessAndRange)
{
    trqsim::Profile profile;
    std::string error;
    ASSERT_TRUE(trqsim::loadProfile(trqtest::simFile("trq3100.profile"), profile, &error)) << error;
    for (const TCatalogueRecord* r : AllRecords()) {
        SCOPED_TRACE(r->MenuItem);
        std::map<int, const char*> formats;
        for (const TCatalogueFormat& f : r->Formats)
            if (f.Format)
                formats[f.Index] = f.Format;
        for (int i = 0; i < CatalogueObjectCount(*r); ++i) {
            const VhSNMPObjectDesc& o = r->Objects[i];
            if (o.Access & (SNMP_ACCESS_NOTACCESS | SNMP_ACCESS_INVALID))
                continue;
            SCOPED_TRACE(std::string(o.Caption) + " " + o.Oid);
            // The engine and statistics groups are net-snmp's own, not the profile's.
            if (std::string(o.Oid).rfind("1.3.6.1.6.3.", 0) == 0)
                continue;
            const std::optional<Declared> declared = DeclaredObject(profile, o.Oid);
            if (!declared) {
                ADD_FAILURE() << "the switch has no such object";
                continue;
            }
            EXPECT_EQ(static_cast<int>(declared->Type), static_cast<int>(TypeOf(o.Syntax)));
            if (i >= r->KeyCount) {
                const bool writable = declared->Access == trqsim::Access::ReadWrite ||
                                      declared->Access == trqsim::Access::ReadCreate;
                EXPECT_EQ((o.Access & SNMP_ACCESS_WRITEONLY) != 0, writable) << "writable on the switch: " << writable;
            }
            const auto format = formats.find(i);
            if (format == formats.end() || !declared->Limits || declared->Limits->ranges.empty())
                continue;
            const auto bounds = FormatBounds(format->second);
            if (!bounds)
                continue;
            // The window may take less than the switch (a priority's reserved values), never more.
            const auto takes = [&](long long n) {
                for (const auto& [from, to] : declared->Limits->ranges)
                    if (n >= from && n <= to)
                        return true;
                return false;
            };
            EXPECT_TRUE(takes(bounds->first) && takes(bounds->second)) << format->second << " lets through what the switch refuses";
        }
    }
}

// Ping Test as the switch has it: its objects in order, and the repetition count the
// switch takes (1 to 255) as the only numbers its edit lets through.
TEST(Catalogue, PingTestIsTheSwitchsPingGroup)
{
    const TCatalogueRecord* ping = FindCatalogueRecord("PingTest1");
    ASSERT_NE(ping, nullptr);
    const std::vector<std::pair<std::string, std::string>> expected = {
        {"Source IP Address", "1.3.6.1.4.1.32473.12.1.4.1"}, {"Repetition", "1.3.6.1.4.1.32473.12.1.4.2"},
        {"Control State", "1.3.6.1.4.1.32473.12.1.4.3"},     {"Ping Status", "1.3.6.1.4.1.32473.12.1.4.4"},
        {"Success Count", "1.3.6.1.4.1.32473.12.1.4.5"},     {"Fail Count", "1.3.6.1.4.1.32473.12.1.4.6"},
    };
    std::vector<std::pair<std::string, std::string>> objects;
    for (int i = 0; i < CatalogueObjectCount(*ping); ++i)
        objects.emplace_back(ping->Objects[i].Caption, ping->Objects[i].Oid);
    EXPECT_EQ(objects, expected);
    const char* repetition = nullptr;
    for (const TCatalogueFormat& f : ping->Formats)
        if (f.Format && f.Index == 1)
            repetition = f.Format;
    ASSERT_NE(repetition, nullptr);
    QLineEdit edit;
    VhEditConstraint constraints(nullptr, false);
    constraints.AddConstraint(repetition, &edit);
    for (const auto& [text, accepted] : std::vector<std::pair<QString, bool>>{
             {"1", true}, {"255", true}, {"4", true}, {"0", false}, {"256", false}, {"1000", false}}) {
        edit.setText(text);
        EXPECT_EQ(constraints.CheckText(&edit).empty(), accepted) << text.toStdString();
    }
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
