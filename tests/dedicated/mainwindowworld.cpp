// The window world on the main window: the main window as the host platform starts it, on
// the binary's private simulator (tests/mainwin/mainsim.h), opening windows through its
// menu items and its own menu handler.
#include <QAction>

#include "mainsim.h"
#include "mainwin/mainunit.h"
#include "mainwin/menutable.h"
#include "windowworld.h"

namespace wintest {

namespace {

const TMenuItemDef* CompiledWindowItem(const std::string& formClass)
{
    for (const TMenuItemDef* item = MainMenuItems; item->Name; ++item)
        if (item->Kind == MENU_COMPILED_WINDOW && item->Target && formClass == item->Target)
            return item;
    return nullptr;
}

} // namespace

bool UseWindowWorld(const std::string& profile) { return mainsim::UseMainWindowOnSimulator(profile); }

trqtest::SimProcess& sim() { return mainsim::sim(); }

bool withWindowOf(const std::string& menuItem, const std::function<void(TDedicatedForm&)>& inside,
                  const std::function<bool(TDedicatedForm&)>& ready)
{
    QAction* action = mainsim::mainForm().MenuItem(menuItem);
    if (!action)
        return false;
    return runModal([action] { action->trigger(); }, inside, ready);
}

bool withFactoryOf(const std::string& formClass, const std::function<void(TDedicatedForm&)>& inside,
                   const std::function<bool(TDedicatedForm&)>& ready)
{
    const TMenuItemDef* item = CompiledWindowItem(formClass);
    if (!item)
        return false;
    return runModal([item] { mainsim::mainForm().OpenCompiledWindow(*item); }, inside, ready);
}

} // namespace wintest
