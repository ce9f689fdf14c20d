// Every writable field of every dedicated window, written through the window's own request
// as its Set does: for each edit the user can type into and each combo box, bound to a
// column the set sends, the cases of its column's type (a number within and beyond the
// type, an emptied field, an address, an object identifier, hex, a string beyond and at its
// length, a combo box without a choice). The window either refuses, with a message naming
// the field, and the simulator sees no set; or the set carries exactly what the field
// shows. The cases come from the windows' descriptor tables and bindings, so that every
// window added is swept too; CTest runs the binary in shards.
#include <gtest/gtest.h>

#include <QCheckBox>
#include <QComboBox>
#include <QPushButton>
#include <QRegularExpression>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QStatusBar>
#include <QTreeWidget>

#include <algorithm>
#include <iostream>
#include <memory>

#include "classlib/dialogs.h"
#include "configwin/configform.h"
#include "configwin/ctrlbtnpanel.h"
#include "configwin/editspanel.h"
#include "configwin/listviewpanel.h"
#include "configwin/snmplistviewpanel.h"
#include "mainsim.h"
#include "mainwin/catalogue.h"
#include "mainwin/formtable.h"
#include "platform/sysutils.h"
#include "snmplib/textforms.h"
#include "windowworld.h"

using namespace wintest;

namespace {

// A case: the text typed, and whether the window must refuse it (else it may refuse it,
// naming the field, or send it exactly).
struct TypedCase {
    std::string Text;
    bool MustRefuse = false;
};

// The cases of a column's type. length: the edit format's length (0: none).
std::vector<TypedCase> CasesOf(unsigned syntax, int length)
{
    switch (syntax) {
    case SNMP_SYNTAX_INTEGER:
        return {{"2147483647"}, {"3000000000", true}, {"-2147483649", true}, {"", true}, {"12abc", true}};
    case SNMP_SYNTAX_GAUGE:
    case SNMP_SYNTAX_UINTEGER:
    case SNMP_SYNTAX_COUNTER:
        return {{"4294967295"}, {"4294967296", true}, {"-1", true}, {"", true}};
    case SNMP_SYNTAX_IPADDRESS: return {{"10.1.2.3"}, {"999.1.1.1", true}, {"10.1.2", true}, {"", true}};
    case SNMP_SYNTAX_OBJECTID: return {{"1.3.6.1.4.1.32473"}, {"abc", true}, {"1.3..6", true}, {"", true}};
    case SNMP_SYNTAX_DISPLAYSTR:
        if (length > 0)
            return {{std::string(static_cast<std::size_t>(length), 'x')},
                    {std::string(static_cast<std::size_t>(length) + 1, 'x'), true}};
        return {{"text"}};
    case SNMP_SYNTAX_OCTETSTR:
    case SNMP_SYNTAX_BITSTR:
    case SNMP_SYNTAX_MACADDRESS: return {{"0080C8000001"}, {"zz"}};
    default: return {};
    }
}

// The value the simulator logs for the text of a column of that syntax.
std::string Logged(unsigned syntax, const std::string& text)
{
    switch (TypedFormOf(syntax).Form) {
    case VhTypedForm::Number: return std::to_string(std::stoll(Trim(text)));
    case VhTypedForm::Hex: return HexText(HexToOctets(text));
    case VhTypedForm::ObjectId: return text[0] == '.' ? text.substr(1) : text;
    default: return text;
    }
}

// What the window's message targets and boxes say.
std::string Messages(QWidget& window)
{
    std::string all;
    for (const QPlainTextEdit* memo : window.findChildren<QPlainTextEdit*>())
        all += fromQt(memo->toPlainText()) + "\n";
    for (const QStatusBar* bar : window.findChildren<QStatusBar*>()) {
        all += fromQt(bar->currentMessage()) + "\n";
        for (const QLabel* label : bar->findChildren<QLabel*>())
            all += fromQt(label->text()) + "\n";
    }
    return all;
}

struct Field {
    TWindowRequest* Request;
    int Column;
    QWidget* Control;
};

// The writable fields of the window: single edits the user types into, and combo boxes,
// each the whole of a column the set sends.
std::vector<Field> FieldsOf(TDedicatedForm& form)
{
    std::vector<Field> fields;
    for (TWindowRequest* request : form.Requests()) {
        const VhSNMPVarList& list = request->Request.VarList;
        const bool table = list.ListType != SVT_SV && list.ListType != MVT_SV;
        for (const auto& binding : request->Bindings) {
            if (binding->Removed || binding->Controls.size() != 1 || binding->Column >= list.Count())
                continue;
            const VhSNMPVarItem& item = *list.GetItem(binding->Column);
            if ((table && binding->Column < list.KeyCount) || !list.IsWritable(binding->Column) ||
                (item.Access & SNMP_ACCESS_INVALID) || !binding->IsWhole(item))
                continue;
            QWidget* control = binding->Controls[0].data();
            auto* edit = qobject_cast<QLineEdit*>(control);
            if ((edit && UserTypesInto(edit) && !item.Options) || qobject_cast<QComboBox*>(control))
                fields.push_back({request, binding->Column, control});
        }
    }
    return fields;
}

// Selects the first row of a table request's list view; false when it has none.
bool ChooseRow(TWindowRequest* request)
{
    auto* view = qobject_cast<QTreeWidget*>(request->ListView.data());
    const VhSNMPVarList& list = request->Request.VarList;
    if (list.ListType == SVT_SV || list.ListType == MVT_SV)
        return true;
    if (!view || view->topLevelItemCount() == 0)
        return false;
    selectRow(view, 0);
    return true;
}

// Writes the request as the window's Set does; the refusal's text, if it raised.
std::string WriteNow(TDedicatedForm& form, TWindowRequest* request)
{
    try {
        form.Write(request, false);
        waitIdle(form);
    } catch (const std::exception& e) {
        waitIdle(form);
        return e.what();
    }
    return {};
}

std::vector<const TFormFactory*> Windows()
{
    std::vector<const TFormFactory*> all;
    for (const TFormFactory& row : FormFactories())
        if (row.Create)
            all.push_back(&row);
    return all;
}

class WindowWrites : public ::testing::TestWithParam<const TFormFactory*> {};

TEST_P(WindowWrites, RefuseNamingTheFieldOrSendExactlyWhatWasTyped)
{
    const std::string formClass = GetParam()->FormClass;
    {
        // The form table also names windows that are not built on the kit.
        std::unique_ptr<QDialog> probe(GetParam()->Create(nullptr));
        if (GetParam()->Forget)
            GetParam()->Forget();
        if (!dynamic_cast<TDedicatedForm*>(probe.get()))
            GTEST_SKIP() << formClass << " is not a dedicated window";
    }
    int cases = 0;
    const bool opened = withFactoryOf(formClass, [&](TDedicatedForm& form) {
        for (const Field& field : FieldsOf(form)) {
            const VhSNMPVarItem& item = *field.Request->Request.VarList.GetItem(field.Column);
            const std::string name = FieldName(item);
            auto* edit = qobject_cast<QLineEdit*>(field.Control);
            std::vector<TypedCase> typed;
            if (edit) {
                const _EditConstraint_s* rec = field.Request->EditConstraints->FindConstraint(edit);
                typed = CasesOf(item.Syntax, rec && rec->Type == 's' ? rec->Length : 0);
            } else {
                typed = {{"(no choice)"}};
            }
            // Each case starts from the field as the window showed it, and the field is so
            // again afterwards: no case is refused for what another left behind. A field
            // whose window refuses what it shows (another field the user still has to fill)
            // has no case.
            if (!ChooseRow(field.Request))
                continue;
            {
                MessageRecorder boxes;
                clearLog();
                const std::string raised = WriteNow(form, field.Request);
                if (logged("set").empty()) {
                    std::cout << formClass << " " << name << ": refused as shown: " << raised
                              << (boxes.Shown.empty() ? "" : boxes.Shown[0].text) << std::endl;
                    continue;
                }
                if (!ChooseRow(field.Request))
                    continue;
            }
            const QString original = edit ? edit->text() : QString();
            const int choice = edit ? -1 : static_cast<QComboBox*>(field.Control)->currentIndex();
            const auto restore = [&] {
                if (edit)
                    edit->setText(original);
                else
                    static_cast<QComboBox*>(field.Control)->setCurrentIndex(choice);
            };
            for (const TypedCase& c : typed) {
                SCOPED_TRACE(formClass + " " + name + " \"" + c.Text + "\"");
                restore();
                if (!ChooseRow(field.Request))
                    break;
                std::string shown;
                if (edit) {
                    edit->setText(toQt(c.Text));
                    shown = fromQt(edit->text()); // what the edit's format let through
                } else {
                    static_cast<QComboBox*>(field.Control)->setCurrentIndex(-1);
                }
                ++cases;
                const std::string before = Messages(form);
                MessageRecorder boxes;
                clearLog();
                const std::string raised = WriteNow(form, field.Request);
                const auto sets = logged("set");
                if (sets.empty()) {
                    std::string said = raised;
                    for (const auto& box : boxes.Shown)
                        said += box.text + "\n";
                    const std::string after = Messages(form);
                    if (after != before)
                        said += after;
                    EXPECT_NE(said.find(name), std::string::npos) << "refused without naming the field: " << said;
                    continue;
                }
                EXPECT_FALSE(c.MustRefuse && edit && shown == c.Text) << "sent what is no value of its type";
                ASSERT_EQ(sets.size(), 1u);
                const std::string prefix = item.Oid + ".";
                const auto vb = std::find_if(sets[0].varbinds.begin(), sets[0].varbinds.end(),
                                             [&](const auto& v) { return v.oid.rfind(prefix, 0) == 0; });
                if (!edit) {
                    EXPECT_EQ(vb, sets[0].varbinds.end()) << "a combo box without a choice was written";
                    continue;
                }
                ASSERT_NE(vb, sets[0].varbinds.end()) << "the typed field was left out of the set";
                EXPECT_EQ(vb->value, Logged(item.Syntax, shown));
            }
            restore();
        }
    });
    if (!opened) {
        std::cout << formClass << ": not a dedicated window of the menu" << std::endl;
        return;
    }
    std::cout << formClass << ": " << cases << " cases" << std::endl;
}

INSTANTIATE_TEST_SUITE_P(FormTable, WindowWrites, ::testing::ValuesIn(Windows()),
                         [](const ::testing::TestParamInfo<const TFormFactory*>& info) {
                             return std::string(info.param->FormClass);
                         });

// ---- Generic windows ----------------------------------------------------------------------

std::vector<const TCatalogueRecord*> Records()
{
    std::vector<const TCatalogueRecord*> all;
    for (const TCatalogueGroup* group : CatalogueGroups())
        for (const TCatalogueRecord* record : group->Records)
            for (int i = record->Kind == MENU_GENERIC_TABLE ? record->KeyCount : 0; record->Objects[i].Oid; ++i)
                if ((record->Objects[i].Access & SNMP_ACCESS_WRITEONLY) && !record->Objects[i].Options &&
                    !CasesOf(record->Objects[i].Syntax, 0).empty()) {
                    all.push_back(record);
                    break;
                }
    return all;
}

// The outcome of one typed case: the boxes shown and the sets sent.
struct Outcome {
    bool Typed = false;  // the field is one the user types into
    std::string Said;    // the boxes shown and the window's new result lines
    std::vector<trqtest::PduLogEntry> Sets;
    std::string Shown;   // what the field held when Set was pressed
};

// Ticks the field's row alone, types the text and presses the window's Set (which returns
// once the set has its reply). The window's result lines are read from main.
Outcome TypeAndSet(QWidget* window, QWidget* main, int row, const std::string& text)
{
    Outcome out;
    // As the user ticks and unticks (Set Checked follows the clicks).
    for (QCheckBox* box : window->findChildren<QCheckBox*>(QRegularExpression("^CheckBox\\d+$")))
        if (box->isChecked() && box->isEnabled())
            box->click();
    auto* edit = window->findChild<QLineEdit*>(("ValueControl" + std::to_string(row)).c_str());
    auto* box = window->findChild<QCheckBox*>(("CheckBox" + std::to_string(row)).c_str());
    auto* set = window->findChild<QPushButton*>("SetCheckedButton");
    if (!edit || !set || !edit->isEnabled() || edit->isReadOnly())
        return out;
    edit->setText(toQt(text));
    out.Typed = true;
    out.Shown = fromQt(edit->text());
    if (box && box->isEnabled()) {
        if (box->isChecked())
            box->click();
        box->click();
    }
    if (!set->isEnabled()) {
        out.Typed = false; // a Set the user cannot press
        std::cout << "  row " << row << ": Set Checked stays disabled" << std::endl;
        return out;
    }
    const std::string before = Messages(*main);
    MessageRecorder boxes;
    clearLog();
    set->click();
    for (const auto& b : boxes.Shown)
        out.Said += b.text + "\n";
    const std::string after = Messages(*main);
    if (after != before)
        out.Said += after;
    out.Sets = logged("set");
    return out;
}

class GenericWrites : public ::testing::TestWithParam<const TCatalogueRecord*> {};

TEST_P(GenericWrites, RefuseNamingTheFieldOrSendExactlyWhatWasTyped)
{
    const TCatalogueRecord& record = *GetParam();
    std::unique_ptr<mainsim::StandInPortButton> port;
    if (record.Kind == MENU_PORT_EDITOR)
        port = std::make_unique<mainsim::StandInPortButton>(70);
    const bool table = record.Kind == MENU_GENERIC_TABLE;
    int cases = 0;
    const bool opened = mainsim::withModal(record.MenuItem, [&](QDialog* window) {
        TSNMPListViewPanel* rows = table ? mainsim::TablePanel(window) : nullptr;
        QTreeWidget* view = rows ? rows->ListViewPanel->ListView : nullptr;
        if (table && (!rows || rows->ButtonPanel->EditButton->isHidden() || !view || view->topLevelItemCount() == 0))
            return;
        for (int i = table ? record.KeyCount : 0; record.Objects[i].Oid; ++i) {
            const VhSNMPObjectDesc& object = record.Objects[i];
            if (!(object.Access & SNMP_ACCESS_WRITEONLY) || object.Options)
                continue;
            const std::string name = Trim(object.Caption);
            for (const TypedCase& c : CasesOf(object.Syntax, 0)) {
                SCOPED_TRACE(std::string(record.MenuItem) + " " + name + " \"" + c.Text + "\"");
                Outcome out;
                if (table) {
                    // The table is read again after a set: its rows first.
                    mainsim::waitUntil([window] { return mainsim::Idle(window); });
                    if (view->topLevelItemCount() == 0)
                        break;
                    mainsim::SelectRow(view, 0);
                    mainsim::withModal([rows] { rows->ButtonPanel->EditButton->click(); }, [&](QDialog* edit) {
                        out = TypeAndSet(edit, window, i, c.Text);
                        if (edit->isVisible())
                            edit->reject();
                    });
                } else {
                    out = TypeAndSet(window, window, i, c.Text);
                }
                if (!out.Typed)
                    break; // no edit the user types into
                ++cases;
                if (out.Sets.empty()) {
                    EXPECT_NE(out.Said.find(name), std::string::npos) << "refused without naming the field: " << out.Said;
                    continue;
                }
                EXPECT_FALSE(c.MustRefuse && out.Shown == c.Text) << "sent what is no value of its type";
                ASSERT_EQ(out.Sets.size(), 1u);
                const std::string prefix = std::string(object.Oid) + ".";
                const auto vb = std::find_if(out.Sets[0].varbinds.begin(), out.Sets[0].varbinds.end(),
                                             [&](const auto& v) { return v.oid.rfind(prefix, 0) == 0; });
                ASSERT_NE(vb, out.Sets[0].varbinds.end()) << "the typed field was left out of the set";
                EXPECT_EQ(vb->value, Logged(object.Syntax, out.Shown));
            }
        }
    });
    EXPECT_TRUE(opened);
    std::cout << record.MenuItem << ": " << cases << " cases" << std::endl;
}

INSTANTIATE_TEST_SUITE_P(Catalogue, GenericWrites, ::testing::ValuesIn(Records()),
                         [](const ::testing::TestParamInfo<const TCatalogueRecord*>& info) {
                             return std::string(info.param->MenuItem);
                         });

} // namespace
