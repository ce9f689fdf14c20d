#pragma once
// The dedicated windows that menu items open (kind 'F' of the menu table): one row per
// form class, with the caption prefix the menu handler gives it and the factory that
// creates it. A window's own change fills its row's factory (TRQ_FORM, or TRQ_FORM_OF for
// the windows of l2windows/ and l3mgmtwindows/, below); a row without a factory is a
// window not built yet, and its menu item stays disabled.
//
// The handler creates the form with the owner the menu table gives (the main window or
// none, for the application), keeps it in the form's global pointer while it is shown,
// captions it prefix + device address (DedicatedCaption) where the row has a prefix, shows
// it modally and deletes it.
#include <span>
#include <string>

#include "dedicated/formregistration.h"

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

// A row's factory, for a form of this folder: {"TAboutForm", nullptr, TRQ_FORM(TAboutForm, AboutForm)};
// a form the handler keeps in a local only (no global pointer): TRQ_LOCAL_FORM(TAboutForm).
#define TRQ_FORM(Class, Global) &CreateForm<Class, &Global>, &ForgetForm<Class, &Global>
#define TRQ_LOCAL_FORM(Class) &CreateLocalForm<Class>, nullptr

// The dedicated windows of l2windows/ and l3mgmtwindows/ define their factories themselves
// (dedicated/formregistration.h): formtable.cpp declares them and fills their rows,
//   TRQ_EXTERN_FORM(TPortControlForm);
//   {"TPortControlForm", "Port Control Table: ", TRQ_FORM_OF(TPortControlForm)},
