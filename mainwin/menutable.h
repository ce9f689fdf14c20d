#pragma once
// The main menu and the port popup menu as static tables, and the menus built from them.
//
// Each table lists its items in menu order, depth first: an item is followed by the items
// of its submenu, one level deeper. Every item keeps its name (the action's objectName),
// its caption exactly (trailing blanks included) and its hidden flag. An item with a
// click handler carries the handler's kind and target, which the menu dispatch uses:
//
//   'L' generic table window    Target: the window title
//   'E' generic scalar window   Target: the window title
//   'P' port popup editor       Target: the window title
//   'F' compiled window         Target: the form class; OwnerMainWindow: owned by the main window
//   'T' sibling MIB tool        Target: the page argument
//   'A' device action           Target: "save" or "reboot"
//   'R' chassis refresh         'H' help file         'N' nothing
//
// A submenu without a handler has Kind 0. The click handler of item X is the main
// window's slot XClick().
class QMenu;
class QMenuBar;
class QObject;
class QAction;

struct TMenuItemDef {
    const char* Name = nullptr; // null ends a table
    const char* Caption = nullptr;
    int Level = 0;
    bool Hidden = false;
    char Kind = 0;
    const char* Target = nullptr;
    bool OwnerMainWindow = false;
};

extern const TMenuItemDef MainMenuItems[];          // MainMenu1
extern const TMenuItemDef PortInfoPopupMenuItems[]; // PortInfoPopupMenu

// Fills the menu bar (level 0 items are its menus) or the popup menu (level 0 items are
// its items) from the table. Each item's triggered signal goes to the receiver's slot
// named after the item with "Click" appended, where the receiver has one.
void BuildMenuBar(QMenuBar* bar, const TMenuItemDef* table, QObject* receiver);
void BuildPopupMenu(QMenu* menu, const TMenuItemDef* table, QObject* receiver);
