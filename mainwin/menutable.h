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
// A submenu without a handler has Kind 0. The main window binds every item with a Kind to
// its handler (menudispatch.h).
#include <functional>

#include "mainwin/menukinds.h"

class QMenu;
class QMenuBar;
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

// Called once for each item with a Kind, with the item's action.
using TMenuBinder = std::function<void(QAction* action, const TMenuItemDef& item)>;

// Fills the menu bar (level 0 items are its menus) or the popup menu (level 0 items are
// its items) from the table. Menus show the tool tips of their items.
void BuildMenuBar(QMenuBar* bar, const TMenuItemDef* table, const TMenuBinder& bind);
void BuildPopupMenu(QMenu* menu, const TMenuItemDef* table, const TMenuBinder& bind);
