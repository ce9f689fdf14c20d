#pragma once
// The dedicated windows that menu items open (kind 'F' of the menu table): one row per
// form class, with the caption prefix the menu handler gives it and the factory that
// creates it. A window's own change fills its row's factory (TRQ_FORM); a row without a
// factory is a window not built yet, and its menu item stays disabled.
//
// The handler creates the form with the owner the menu table gives (the main window or
// none, for the application), keeps it in the form's global pointer while it is shown,
// captions it prefix + device address where the row has a prefix, shows it modally and
// deletes it.
#include <span>
#include <string>

class QDialog;
class QWidget;

struct TFormFactory {
    const char* FormClass = nullptr;
    const char* CaptionPrefix = nullptr;       // null: the window keeps the caption it sets itself
    QDialog* (*Create)(QWidget* owner) = nullptr; // null: not built yet
    void (*Forget)() = nullptr;                // clears the form's global pointer; null: none
};

// Every dedicated window a menu item names.
std::span<const TFormFactory> FormFactories();
// The row of a form class, or null.
const TFormFactory* FindFormFactory(const std::string& formClass);

// Factories of a form class whose global pointer is Global (or none).
template <class Form, Form** Global>
QDialog* CreateForm(QWidget* owner)
{
    *Global = new Form(owner);
    return *Global;
}
template <class Form, Form** Global>
void ForgetForm()
{
    *Global = nullptr;
}
template <class Form>
QDialog* CreateLocalForm(QWidget* owner)
{
    return new Form(owner);
}

// A row's factory: {"TPortControlForm", "Port Control Table: ", TRQ_FORM(TPortControlForm, PortControlForm)};
// a form the handler keeps in a local only (no global pointer): TRQ_LOCAL_FORM(TPortTrunkForm).
#define TRQ_FORM(Class, Global) &CreateForm<Class, &Global>, &ForgetForm<Class, &Global>
#define TRQ_LOCAL_FORM(Class) &CreateLocalForm<Class>, nullptr
