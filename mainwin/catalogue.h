#pragma once
// The catalogue of generic windows: every menu item that opens the generic MIB window
// (TConfigForm) has one record here, keyed by the item's name (titles repeat: "Port
// Information Table" is both a walked table and the port popup's editor).
//
// A record holds what the menu handler passes to the window: the kind (table, scalar
// group, port popup editor), the variable list's type and key count, the row-status column
// with its add and delete labels, the input formats, the layout adjustments, and the MIB
// object descriptor table in record order (variable indexes count in that order).
//
// The records live in mainwin/catalogue/, one data file per group of windows; each file
// defines CatalogueGroup_<file name>, and the build collects every file of the folder, so a
// new group is a new file there. genericwindow.h builds a window from a record; the few
// windows that need code of their own are listed in menudispatch.cpp.
#include <cstdint>
#include <span>
#include <string>

#include "mainwin/menukinds.h"
#include "snmplib/varlist.h"

// One input format: the variable index and the format text of its edit.
struct TCatalogueFormat {
    int Index = -1;
    const char* Format = nullptr;
};

inline constexpr int CatalogueMaxFormats = 16;

struct TCatalogueRecord {
    const char* MenuItem = nullptr; // the key: the menu item that opens the window
    const char* Title = nullptr;    // the handler's WindowTitle; caption Title + ": " + address
    char Kind = 0;                  // MENU_GENERIC_TABLE, MENU_GENERIC_EDITOR or MENU_PORT_EDITOR
    uint8_t ListType = SVT_SV;
    int KeyCount = 0;
    const VhSNMPObjectDesc* Objects = nullptr;
    // Table windows that add and delete rows: the row-status variable and its labels.
    int StatusColumn = -1;
    const char* AddLabel = nullptr;
    const char* DeleteLabel = nullptr;
    // Layout adjustments, in the order they are applied. Pixel sizes are scaled by the
    // main window's ScaleFactor, except the fixed edit width.
    bool EditHidden = false; // no Edit button and no editing by double click
    int EditWidthPlus = 0;   // edit width: the first row's value control + k
    int EditWidth = 0;       // edit width: this width
    int Height = 0;          // the window's height
    int HeightPlus = 0;
    int WidthPlus = 0;
    bool StoredInConfigForm = false;     // the global ConfigForm points at the window while it is open
    const char* CaptionPrefix = nullptr; // caption = prefix + address, WindowTitle left as it is
    // Ascending variable index; unused entries have Index -1.
    TCatalogueFormat Formats[CatalogueMaxFormats] = {};
    // Scalars that a table window also shows, in a strip of their own below its rows and
    // read each time the rows have been read (descriptor records after the table's), or
    // null. The window that has them names its own code for them (menudispatch.cpp).
    const VhSNMPObjectDesc* Beside = nullptr;
};

// One data file's records.
struct TCatalogueGroup {
    const char* Name = nullptr;
    std::span<const TCatalogueRecord* const> Records;
};

// Every group of the build (generated from mainwin/catalogue/).
std::span<const TCatalogueGroup* const> CatalogueGroups();

// The record of a menu item, or null.
const TCatalogueRecord* FindCatalogueRecord(const std::string& menuItem);

// Number of descriptor records before the end record (of the table; of the scalars beside it).
int CatalogueObjectCount(const TCatalogueRecord& record);
int CatalogueBesideCount(const TCatalogueRecord& record);
