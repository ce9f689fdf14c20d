#include "mainwin/menudispatch.h"

#include <QAbstractButton>
#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>

#include <algorithm>
#include <memory>

#include "configwin/configform.h"
#include "configwin/editspanel.h"
#include "configwin/msgpanel.h"
#include "configwin/optionlists.h"
#include "classlib/panel.h"
#include "configwin/snmpeditorpanel.h"
#include "dedicated/dedicatedform.h"
#include "mainwin/catalogue.h"
#include "mainwin/formtable.h"
#include "mainwin/genericwindow.h"
#include "mainwin/mainunit.h"
#include "mainwin/menutable.h"
#include "classlib/application.h"
#include "classlib/events.h"
#include "classlib/speedbutton.h"
#include "platform/sysutils.h"
#include "snmplib/bind/request2edits.h"

namespace {

// Items with a handler of their own. Built: false while the handler does nothing yet.
struct TNamedHandler {
    const char* Item;
    void (TMainForm::*Handler)();
    bool Built;
};

const TNamedHandler NamedHandlers[] = {
    {"mmisnmp_Config", &TMainForm::mmisnmp_ConfigClick, true},
    {"RefreshPanel1", &TMainForm::RefreshPanel1Click, true},
    {"SaveChanges1", &TMainForm::SaveChanges1Click, true},
    {"Reboot1", &TMainForm::Reboot1Click, true},
    {"Help2", &TMainForm::Help2Click, true},
};

// Generic windows with code of their own, run once the window is built and before it is
// captioned.
struct TGenericWindowException {
    const char* Item;
    void (TMainForm::*Decorate)(TGenericWindow& window);
};

const TGenericWindowException GenericWindowExceptions[] = {
    {"CurrentTime1", &TMainForm::AddTimeZoneHint},
    {"RMONSetting1", &TMainForm::HookRmonControlClose},
    {"LearningConstraintTable", &TMainForm::AddConstraintDefaults},
};

const TGenericWindowException* FindGenericWindowException(const std::string& item)
{
    for (const TGenericWindowException& e : GenericWindowExceptions)
        if (item == e.Item)
            return &e;
    return nullptr;
}

std::string NotBuiltNote(const std::string& what) { return "Not available yet: " + what + " is still to be built."; }

TMenuBinding Bind(void (TMainForm::*road)(const TMenuItemDef&), TMenuItemState state, std::string note)
{
    return {[road](TMainForm& form, const TMenuItemDef& item) { (form.*road)(item); }, state, std::move(note)};
}

} // namespace

TMenuBinding ResolveMenuItem(const TMenuItemDef& item)
{
    for (const TNamedHandler& named : NamedHandlers)
        if (std::string(item.Name) == named.Item)
            return {[handler = named.Handler](TMainForm& form, const TMenuItemDef&) { (form.*handler)(); },
                    named.Built ? TMenuItemState::Works : TMenuItemState::ActionNotBuilt,
                    std::string(named.Item) + "Click"};

    const std::string target = item.Target ? item.Target : "";
    switch (item.Kind) {
    case MENU_GENERIC_TABLE:
    case MENU_GENERIC_EDITOR:
    case MENU_PORT_EDITOR: {
        const TCatalogueRecord* record = FindCatalogueRecord(item.Name);
        if (!record)
            return {{}, TMenuItemState::NotBuilt, NotBuiltNote("the window \"" + target + "\"")};
        if (record->Kind != item.Kind || target != record->Title)
            return {{}, TMenuItemState::Unbound, "catalogue record differs from the menu table"};
        if (item.Kind == MENU_PORT_EDITOR)
            return Bind(&TMainForm::OpenPortEditor, TMenuItemState::Works, "port editor \"" + target + "\"");
        return Bind(&TMainForm::OpenGenericWindow, TMenuItemState::Works, "generic window \"" + target + "\"");
    }
    case MENU_COMPILED_WINDOW: {
        const TFormFactory* factory = FindFormFactory(target);
        if (!factory)
            return {{}, TMenuItemState::Unbound, "no form table row for " + target};
        if (!factory->Create)
            return {{}, TMenuItemState::NotBuilt, NotBuiltNote("the window " + target)};
        return Bind(&TMainForm::OpenCompiledWindow, TMenuItemState::Works, "window " + target);
    }
    case MENU_SIBLING_TOOL:
        return {[](TMainForm& form, const TMenuItemDef& i) { form.LaunchMibTool(i.Target ? i.Target : ""); },
                TMenuItemState::Works, "tool " + target};
    case MENU_NOTHING:
        return {[](TMainForm&, const TMenuItemDef&) {}, TMenuItemState::Nothing, "nothing"};
    default:
        return {{}, TMenuItemState::Unbound, std::string("no handler for kind ") + item.Kind};
    }
}

// ---- The main window's side ---------------------------------------------------------------

void TMainForm::BindMenuItem(QAction* action, const TMenuItemDef& item)
{
    const TMenuBinding binding = ResolveMenuItem(item);
    if (!binding.Handler) {
        action->setEnabled(false);
        action->setToolTip(toQt(binding.Note));
        return;
    }
    // The tables are static: the item outlives the connection.
    connect(action, &QAction::triggered, this, [this, &item] { MenuItemClick(item); });
}

void TMainForm::MenuItemClick(const TMenuItemDef& item)
{
    const TMenuBinding binding = ResolveMenuItem(item);
    if (!binding.Handler)
        return;
    try {
        binding.Handler(*this, item);
    } catch (const std::exception& e) {
        ShowException(e);
    }
}

void TMainForm::OpenGenericWindow(const TMenuItemDef& item)
{
    if (const TCatalogueRecord* record = FindCatalogueRecord(item.Name))
        RunGenericWindow(*record, std::string());
}

void TMainForm::OpenPortEditor(const TMenuItemDef& item)
{
    const TCatalogueRecord* record = FindCatalogueRecord(item.Name);
    auto* button = qobject_cast<QAbstractButton*>(PopupComponent(PortInfoPopupMenu));
    Chassis->ReleasePortButtons();
    if (!record || !button)
        return;
    TChassisView::SetButtonDown(button, true);
    // Every object is read and set at the port of the button.
    RunGenericWindow(*record, std::to_string(GetTag(button)));
}

void TMainForm::RunGenericWindow(const TCatalogueRecord& record, const std::string& suffix)
{
    if (!record.CaptionPrefix)
        WindowTitle = record.Title;
    const TGenericWindow window = BuildGenericWindow(record, ScaleFactor, suffix);
    const std::unique_ptr<TConfigForm> form(window.Form);
    struct TGlobal {
        bool Stored;
        ~TGlobal()
        {
            if (Stored)
                ConfigForm = nullptr;
        }
    } global{record.StoredInConfigForm};
    if (global.Stored)
        ConfigForm = form.get();
    TGenericWindow decorated = window;
    if (const TGenericWindowException* exception = FindGenericWindowException(record.MenuItem))
        (this->*exception->Decorate)(decorated);
    form->setWindowTitle(toQt(GenericWindowCaption(record, DeviceAddress)));
    form->exec();
}

void TMainForm::OpenCompiledWindow(const TMenuItemDef& item)
{
    const TFormFactory* factory = FindFormFactory(item.Target ? item.Target : "");
    if (!factory || !factory->Create)
        return;
    struct TForget {
        void (*Forget)();
        ~TForget()
        {
            if (Forget)
                Forget();
        }
    } forget{factory->Forget};
    const std::unique_ptr<QDialog> form(factory->Create(item.OwnerMainWindow ? this : nullptr));
    if (factory->CaptionPrefix)
        form->setWindowTitle(DedicatedCaption(factory->CaptionPrefix));
    form->exec();
}

// ---- Generic windows with code of their own -----------------------------------------------

void TMainForm::AddTimeZoneHint(TGenericWindow& window)
{
    TEditsPanel* edits = window.Panel->EditsPanel;
    constexpr int TimeZoneRow = 4;
    if (edits->RowCount() <= TimeZoneRow || !edits->Rows[0].ValueControl)
        return;
    const QLabel* caption = edits->Rows[TimeZoneRow].CaptionLabel;
    auto* hint = new QLabel(edits->Rows[0].ValueControl->parentWidget());
    hint->setObjectName("TimeZoneHint");
    hint->setText("System Time Zone is local time offset in minutes from GMT.\n"
                  "e.g.,if you fill 1 in it and set it, then you will find Current Time\n"
                  "to be put off 1 minute. Correspondingly, fill -1, you will see\n"
                  "Current Time to be ahead of time just 1 minute.");
    hint->setStyleSheet("color: red");
    hint->adjustSize();
    hint->move(caption->x(), caption->y() + caption->height() + Scaled(8, ScaleFactor));
    hint->show();
    // The rows' area, the panel and the window grow to show the hint whole.
    constexpr int Margin = 20;
    QWidget* area = hint->parentWidget();
    const QRect shown = hint->geometry();
    area->resize(std::max(area->width(), shown.right() + 1 + Margin), std::max(area->height(), shown.bottom() + 1 + Margin));
    edits->resize(std::max(edits->width(), area->width() + Margin), std::max(edits->height(), area->height() + Margin));
    window.Panel->SetContent(edits);
    window.Panel->AttachToForm(window.Form);
}

void TMainForm::HookRmonControlClose(TGenericWindow& window)
{
    TConfigForm* form = window.Form;
    form->OnClose = [this, form](QObject* sender) { RmonControlClose(form, sender); };
}

void TMainForm::RmonControlClose(TConfigForm* form, QObject* sender)
{
    form->FormClose(sender);
    UpdateRmonMenus();
}

// The defaults of the learning constraints: the record's scalars, shown beside the table's rows.
void TMainForm::AddConstraintDefaults(TGenericWindow& window)
{
    if (!window.Record || !window.Record->Beside)
        return;
    TConfigForm* form = window.Form;
    auto request = std::make_unique<VhSNMPRequest2Edits>(form);
    request->Request.VarList = VhSNMPVarList(window.Record->Beside, SVT_SV, 0);
    if (TMsgPanel* messages = window.Panel->MessagePanel())
        request->SetMessageTarget(messages->Memo);
    auto* strip = new TEditsPanel(window.Panel->InnerPanel, request.get());
    strip->setObjectName("ConstraintDefaultsPanel");
    strip->ArrangeEdits(ARRANGE_COLUMN, true);
    int needed = strip->width();
    // The default constraint type is the switch's to change: "Set" beside it writes the
    // drop-down's choice (none chosen, nothing is written), and the defaults are read again
    // after the reply. Enter never presses it.
    QComboBox* type = strip->RowCount() > 1 ? qobject_cast<QComboBox*>(strip->Rows[1].ValueControl.data()) : nullptr;
    if (type) {
        if (QCheckBox* box = strip->Rows[1].CheckBox)
            box->hide();
        QWidget* rows = type->parentWidget();
        auto* set = new QPushButton("Set", rows);
        set->setObjectName("ConstraintDefaultsSetButton");
        set->setAutoDefault(false);
        const QSize size = set->sizeHint();
        set->setGeometry(type->geometry().right() + 8, type->geometry().center().y() - size.height() / 2, size.width(),
                         size.height());
        rows->resize(std::max(rows->width(), set->geometry().right() + 8), rows->height());
        set->show();
        needed += size.width() + 16;
    }
    SetAlign(strip, alBottom);
    strip->show();
    // The window widens until the defaults show whole.
    const int missing = needed - window.Panel->InnerPanel->width();
    if (missing > 0)
        form->resize(form->width() + missing, form->height());
    // The window deletes its requests when it closes.
    VhSNMPRequest2Edits* defaults = request.release();
    form->Requests.push_back(defaults);
    if (auto* set = strip->findChild<QPushButton*>("ConstraintDefaultsSetButton")) {
        QObject::connect(set, &QPushButton::clicked, form, [defaults, type] {
            if (defaults->Busy || !type || type->currentIndex() < 0)
                return;
            try {
                defaults->Set(false, true);
            } catch (const std::exception& e) {
                defaults->ShowMessage(e.what());
            }
        });
        defaults->OnSetComplete = [defaults](VhSNMPRequest2Controls*, VhSNMPError* error) {
            if (!error || error->Code != 0 || defaults->Busy)
                return;
            try {
                defaults->Get();
            } catch (const std::exception& e) {
                defaults->ShowMessage(e.what());
            }
        };
    }
    // Read each time the rows have been read.
    VhSNMPRequest2Edits* table = window.Request;
    table->OnGetComplete = [previous = table->OnGetComplete, defaults](VhSNMPRequest2Controls* sender,
                                                                      VhSNMPError* error) {
        if (previous)
            previous(sender, error);
        if (defaults->Busy)
            return;
        try {
            defaults->Get();
        } catch (const std::exception& e) {
            defaults->ShowMessage(e.what());
        }
    };
}
