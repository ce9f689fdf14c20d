#pragma once
// Menu dispatch: how each item of the main menu and the port popup menu is handled.
//
// Every item with a Kind (menutable.h) resolves to one handler of the main window:
//   - a handler of its own, for the few items that have one (the SNMP settings window, the
//     device actions, help, the chassis refresh);
//   - otherwise the road of its kind: the generic window of its catalogue record (L, E,
//     P), the dedicated window of its form class (F, formtable.h), the sibling tool of its
//     page (T), or nothing (N).
// An item whose window is not built yet (no catalogue record, no factory) has no handler:
// the main window disables it and its tool tip says so. An item that resolves to nothing
// at all is a fault of the tables; the tests fail on it.
//
// The handlers themselves are TMainForm methods (mainunit.h); what one raises is shown in a
// message box, as the class library shows an exception that reaches its message loop.
#include <functional>
#include <string>

struct TMenuItemDef;
class TMainForm;

enum class TMenuItemState {
    Works,          // opens its window or runs its command
    ActionNotBuilt, // bound to a handler that does nothing yet
    Nothing,        // its handler is empty by design
    NotBuilt,       // its window is not built yet: disabled
    Unbound,        // no handler: a fault of the tables
};

struct TMenuBinding {
    std::function<void(TMainForm& form, const TMenuItemDef& item)> Handler; // empty: none
    TMenuItemState State = TMenuItemState::Unbound;
    std::string Note; // what the item does, or why it has no handler
};

TMenuBinding ResolveMenuItem(const TMenuItemDef& item);
