#include "configwin/snmplistviewpanel.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QEvent>
#include <QHelpEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <QStackedWidget>
#include <QTabWidget>
#include <QToolTip>
#include <QTextDocument>
#include <QTreeWidget>

#include <algorithm>

#include "classlib/dialogs.h"
#include "classlib/events.h"
#include "classlib/formstyle.h"
#include "configwin/ctrlbtnpanel.h"
#include "configwin/editspanel.h"
#include "configwin/listviewpanel.h"
#include "configwin/msgpanel.h"
#include "platform/exception.h"
#include "platform/sysutils.h"
#include "snmplib/bind/request2edits.h"

namespace {

// Clears a flag when the scope ends, unless its panel went meanwhile.
struct TFlagGuard {
    QPointer<QObject> Owner;
    bool& Flag;
    TFlagGuard(QObject* owner, bool& flag) : Owner(owner), Flag(flag) { Flag = true; }
    ~TFlagGuard()
    {
        if (Owner)
            Flag = false;
    }
};

QComboBox* ComboOf(const TEditsPanel* edits, int row)
{
    if (row < 0 || row >= edits->RowCount())
        return nullptr;
    return qobject_cast<QComboBox*>(edits->Rows[static_cast<std::size_t>(row)].ValueControl.data());
}

int FindLabel(const QComboBox* combo, const std::string& label)
{
    return combo->findText(toQt(label), Qt::MatchExactly | Qt::MatchCaseSensitive);
}

// The add or edit window's rows in one column beside its buttons, without Refresh; with
// nothing to write, without the set buttons either.
void LayOutRowWindow(TEditsPanel* edits, TSNMPPanel* panel, QWidget* window, bool nothingToWrite)
{
    TCtrlBtnPanel* buttons = panel->ButtonPanel;
    edits->ArrangeCtrlBtn(buttons);
    buttons->RefreshButton->hide();
    if (nothingToWrite)
        for (QWidget* button : {static_cast<QWidget*>(buttons->SetCheckedButton),
                                static_cast<QWidget*>(buttons->CheckAllButton),
                                static_cast<QWidget*>(buttons->ClearChecksButton)})
            button->hide();
    buttons->ArrangeButtons();
    edits->ArrangeEdits(ARRANGE_COLUMN, true);
    panel->SetContent(edits);
    panel->AttachToForm(window);
}

} // namespace

TSNMPListViewPanel::TSNMPListViewPanel(QWidget* owner, VhSNMPRequest2Edits* request)
    : TSNMPEditorPanel(owner, request)
{
    setObjectName("SNMPListViewPanel");
    ListViewPanel = new TListViewPanel(InnerPanel, request);
    QTreeWidget* view = ListViewPanel->ListView;
    connect(view, &QTreeWidget::itemSelectionChanged, this, [this, view] { ListViewClick(view); });
    connect(view, &QTreeWidget::itemDoubleClicked, this, [this, view] { ListViewDblClick(view); });
    QAbstractItemModel* model = view->model();
    const auto change = [this, view] { ListViewChange(view); };
    connect(model, &QAbstractItemModel::rowsInserted, this, change);
    connect(model, &QAbstractItemModel::rowsRemoved, this, change);
    connect(model, &QAbstractItemModel::modelReset, this, change);
    view->viewport()->setMouseTracking(true);
    view->viewport()->installEventFilter(this);

    SetOnClick(ButtonPanel->RefreshButton, [this](QObject* sender) { RefreshClick(sender); });
    SetOnClick(ButtonPanel->EditButton, [this](QObject* sender) { EditClick(sender); });
    SetOnClick(ButtonPanel->AddButton, [this](QObject* sender) { AddClick(sender); });
    SetOnClick(ButtonPanel->DeleteButton, [this](QObject* sender) { Delete(sender); });

    ListViewPanel->ArrangeCtrlBtn(ButtonPanel);
    if (EditsPanel->AllReadOnly()) {
        ButtonPanel->EditButton->hide();
        ButtonPanel->ArrangeButtons();
    }
    SetContent(ListViewPanel);
    BeforeAdd = [this] { EditsPanel->ClearAll(); };
}

TSNMPListViewPanel::~TSNMPListViewPanel()
{
    // The list view outlives this part of the panel for a moment: its last signals must
    // not reach it.
    QTreeWidget* view = ListViewPanel->ListView;
    view->disconnect(this);
    view->model()->disconnect(this);
    view->viewport()->removeEventFilter(this);
    // An add or edit window still open holds the rows; it goes with the table window.
    delete RowWindow.data();
}

// ---- Status columns -------------------------------------------------------------------

void TSNMPListViewPanel::SetStatusLabel(int column, const std::string& label, bool add)
{
    const QComboBox* combo = ComboOf(EditsPanel, column);
    const bool known = combo && EditsPanel->Rows[static_cast<std::size_t>(column)].Kind == ROW_WRITABLE_LIST &&
                       FindLabel(combo, label) >= 0;
    if (!known)
        throw Exception(add ? "TSNMPListViewPanel::SetAddStatus - Wrong AddStatusValue:" + label
                            : "TSNMPListViewPanel::SetDeleteStatus - Wrong DeleteStatusValue:" + label);
    if (add) {
        ListViewPanel->AddStatusColumn = column;
        ListViewPanel->AddStatusLabel = label;
        ButtonPanel->AddButton->show();
    } else {
        ListViewPanel->DeleteStatusColumn = column;
        ListViewPanel->DeleteStatusLabel = label;
        ButtonPanel->DeleteButton->show();
    }
    ButtonPanel->ArrangeButtons();
}

void TSNMPListViewPanel::SetAddStatus(int column, const std::string& label) { SetStatusLabel(column, label, true); }

void TSNMPListViewPanel::SetDeleteStatus(int column, const std::string& label)
{
    SetStatusLabel(column, label, false);
}

// ---- Refresh and the list view --------------------------------------------------------

void TSNMPListViewPanel::RefreshClick(QObject*)
{
    if (!Request || (Request->Mode == VHSNMP_MODE_ASYNC && Request->Busy))
        return;
    const QPointer<TSNMPListViewPanel> self(this);
    ButtonPanel->EditButton->setEnabled(false);
    ButtonPanel->DeleteButton->setEnabled(false);
    try {
        Request->Get();
    } catch (const std::exception& e) {
        if (self)
            ShowError(e);
    }
    if (self)
        ListViewChange(ListViewPanel->ListView);
}

void TSNMPListViewPanel::ListViewClick(QObject*)
{
    try {
        const bool selected = !ListViewPanel->ListView->selectedItems().isEmpty();
        ButtonPanel->EditButton->setEnabled(selected);
        ButtonPanel->DeleteButton->setEnabled(selected);
        if (!selected)
            EditsPanel->ClearAll();
    } catch (...) {
    }
}

void TSNMPListViewPanel::ListViewDblClick(QObject*)
{
    try {
        QPushButton* edit = ButtonPanel->EditButton;
        // Only where the Edit button itself could be pressed.
        if (ListViewPanel->ListView->selectedItems().isEmpty() || !IsShownFlag(edit) || !edit->isEnabled())
            return;
        if (const TNotifyEvent handler = GetOnClick(edit))
            handler(edit);
    } catch (...) {
    }
}

void TSNMPListViewPanel::ListViewChange(QObject*)
{
    try {
        ButtonPanel->SamplesCount->setText(QString::number(ListViewPanel->ListView->topLevelItemCount()));
    } catch (...) {
    }
}

void TSNMPListViewPanel::ListViewMouseMove(int x, int y)
{
    QTreeWidget* view = ListViewPanel->ListView;
    const QTreeWidgetItem* item = view->itemAt(x, y);
    if (!item) {
        view->setToolTip(QString());
        return;
    }
    const QTreeWidgetItem* header = view->headerItem();
    qsizetype longest = 0;
    for (int c = 0; c < view->columnCount(); ++c)
        longest = std::max(longest, header->text(c).size());
    QString hint;
    for (int c = 0; c < view->columnCount(); ++c) {
        const QString caption = header->text(c);
        hint += caption + QString(longest - caption.size(), QChar('\t')) + "  " + item->text(c) + "\n";
    }
    // A value that holds markup is shown as it stands, never drawn as rich text.
    if (Qt::mightBeRichText(hint))
        hint = "<p style='white-space:pre'>" + hint.toHtmlEscaped().replace(QLatin1Char('\n'), QLatin1String("<br>")) +
               "</p>";
    view->setToolTip(hint);
}

bool TSNMPListViewPanel::eventFilter(QObject* watched, QEvent* event)
{
    QTreeWidget* view = ListViewPanel->ListView;
    if (watched == view->viewport()) {
        if (event->type() == QEvent::MouseMove) {
            const QPoint pos = static_cast<QMouseEvent*>(event)->position().toPoint();
            ListViewMouseMove(pos.x(), pos.y());
        } else if (event->type() == QEvent::ToolTip) {
            const auto* help = static_cast<QHelpEvent*>(event);
            ListViewMouseMove(help->pos().x(), help->pos().y());
            if (view->toolTip().isEmpty())
                QToolTip::hideText();
            else
                QToolTip::showText(help->globalPos(), view->toolTip(), view);
            return true;
        }
    }
    return TSNMPEditorPanel::eventFilter(watched, event);
}

// ---- Add, edit, delete ----------------------------------------------------------------

void TSNMPListViewPanel::RunHooked(const std::function<void()>& before, void (TSNMPListViewPanel::*action)(),
                                   const std::function<void()>& after)
{
    // A hook or the window may take the panel with it.
    const QPointer<TSNMPListViewPanel> self(this);
    if (before)
        before();
    if (self)
        (this->*action)();
    if (self && after)
        after();
}

void TSNMPListViewPanel::AddClick(QObject*) { RunHooked(BeforeAdd, &TSNMPListViewPanel::Add, AfterAdd); }

void TSNMPListViewPanel::EditClick(QObject*) { RunHooked(BeforeEdit, &TSNMPListViewPanel::Edit, AfterEdit); }

QString TSNMPListViewPanel::AddCaption() const
{
    QWidget* parent = parentWidget();
    if (parent && parent->isWindow())
        return parent->windowTitle();
    if (parent && qobject_cast<QStackedWidget*>(parent->parentWidget()))
        if (auto* tabs = qobject_cast<QTabWidget*>(parent->parentWidget()->parentWidget()))
            return tabs->tabText(tabs->indexOf(parent));
    return Form ? Form->windowTitle() : QString();
}

void TSNMPListViewPanel::Add()
{
    if (!Request || InRowWindow || ListViewPanel->AddStatusColumn < 0)
        return;
    RunRowWindow(AddCaption() + " (Add)", true);
}

void TSNMPListViewPanel::Edit()
{
    if (!Request || InRowWindow)
        return;
    RunRowWindow(Form ? Form->windowTitle() : QString(), false);
}

void TSNMPListViewPanel::RunRowWindow(const QString& caption, bool add)
{
    const QPointer<TSNMPListViewPanel> self(this);
    const TFlagGuard busy(this, InRowWindow);
    // A walk that went on would write its rows into the values being edited.
    if (!StopWalk(1000) || !self || !Request)
        return;
    VhSNMPRequest2Edits* request = Request;
    TEditsPanel* edits = EditsPanel;
    QTreeWidget* view = ListViewPanel->ListView;
    if (add) {
        // Before the rows are readied: a cleared selection empties them.
        view->clearSelection();
        view->setCurrentItem(nullptr, 0, QItemSelectionModel::NoUpdate);
    }

    auto* window = new QDialog(nullptr);
    window->setObjectName(add ? "AddWindow" : "EditWindow");
    window->setWindowTitle(caption);
    window->setModal(true);
    window->resize(1, 1); // it grows to its panel
    UseFormFont(window);
    request->Owner = window;
    request->SetConstraintOwner(window);
    auto* panel = new TSNMPPanel(window, MessagePanel(), request);
    QPushButton* setButton = panel->ButtonPanel->SetCheckedButton;
    SetOnClick(setButton, [this](QObject* sender) { SetCheckedClick(sender); });
    SetTag(setButton, 1);
    SetOnClick(panel->ButtonPanel->CheckAllButton, [this](QObject* sender) { CheckAllClick(sender); });
    SetOnClick(panel->ButtonPanel->ClearChecksButton, [this](QObject* sender) { ClearChecksClick(sender); });
    RowWindow = window;
    RowPanel = panel;

    // The status rows of the edit window: their drop-down lists lose the add and delete
    // labels for as long as the window is open (a list left empty hides its row).
    struct StatusRow {
        int Row;
        const VhOptionList* Options;
        bool Hidden;
    };
    std::vector<StatusRow> statusRows;

    edits->SetCheckState(0);
    if (add) {
        for (int i = 0; i < request->Request.VarList.KeyCount && i < edits->RowCount(); ++i) {
            // Index columns are typed in and always sent.
            edits->EnableEdit(i);
            UISnmpVar& row = edits->Rows[static_cast<std::size_t>(i)];
            row.CheckBox->setChecked(true);
            row.CheckBox->show();
            row.CheckBox->setEnabled(false);
            row.ValueControl->setEnabled(true);
        }
        const int status = ListViewPanel->AddStatusColumn;
        if (QComboBox* combo = ComboOf(edits, status)) {
            UISnmpVar& row = edits->Rows[static_cast<std::size_t>(status)];
            combo->setEnabled(false);
            row.CheckBox->setEnabled(false);
            row.CheckBox->setChecked(true);
            combo->setCurrentIndex(FindLabel(combo, ListViewPanel->AddStatusLabel));
        }
        LayOutRowWindow(edits, panel, window, false);
        setButton->setEnabled(true);
        ButtonPanel->EditButton->setEnabled(false);
        ButtonPanel->DeleteButton->setEnabled(false);
    } else {
        setButton->setEnabled(false);
        for (int column : {ListViewPanel->AddStatusColumn, ListViewPanel->DeleteStatusColumn}) {
            QComboBox* combo = ComboOf(edits, column);
            if (!combo || std::any_of(statusRows.begin(), statusRows.end(),
                                      [column](const StatusRow& s) { return s.Row == column; }))
                continue;
            const QString current = combo->currentText();
            for (const std::string* label : {&ListViewPanel->AddStatusLabel, &ListViewPanel->DeleteStatusLabel})
                if (!label->empty())
                    if (const int at = FindLabel(combo, *label); at >= 0)
                        combo->removeItem(at);
            combo->setCurrentIndex(combo->findText(current, Qt::MatchExactly | Qt::MatchCaseSensitive));
            StatusRow s{column, request->Request.VarList.GetItem(column)->Options, false};
            if (combo->count() == 0) {
                edits->HideVar(column);
                s.Hidden = true;
            }
            statusRows.push_back(s);
        }
        // Nothing left to write (the status column was the only writable one): no Set,
        // which would send a set without a varbind.
        LayOutRowWindow(edits, panel, window, edits->EnabledCheckCount() == 0);
    }

    const QPointer<QDialog> windowAlive(window);
    KeepEnterFromButtons(window);
    window->exec();

    // The rows come back to the table window whatever happened meanwhile. A status list
    // gets every label again, in the value-label list's order, so that a label's position
    // is its option's again.
    const QPointer<TEditsPanel> editsAlive(edits);
    if (editsAlive) {
        for (const StatusRow& s : statusRows) {
            if (s.Hidden)
                edits->ShowVar(s.Row);
            if (QComboBox* combo = ComboOf(edits, s.Row); combo && s.Options) {
                const QString current = combo->currentText();
                s.Options->FillComboBox(combo);
                combo->setCurrentIndex(combo->findText(current, Qt::MatchExactly | Qt::MatchCaseSensitive));
            }
        }
        if (self) {
            edits->hide();
            SetAlign(edits, alNone);
            edits->setParent(InnerPanel);
        }
    }
    delete windowAlive.data();
    if (!self)
        return;
    if (Request) {
        Request->Owner = Form;
        Request->SetConstraintOwner(Form);
        RefreshClick(nullptr);
    }
}

void TSNMPListViewPanel::Delete(QObject*)
{
    const int status = ListViewPanel->DeleteStatusColumn;
    if (!Request || Deleting || InRowWindow || status < 0 || status >= Request->Request.VarList.Count())
        return;
    const QPointer<TSNMPListViewPanel> self(this);
    const TFlagGuard busy(this, Deleting);
    // Enter answers Cancel: a row goes only when OK is chosen.
    if (MessageDlg("Are you sure to delete it?", mtConfirmation, mbOKCancel, 0, mbCancel) != mrOk)
        return;
    // The dialog let everything run: look again. A walk still running is stopped first,
    // since it writes its rows into the values.
    if (!self || !StopWalk(1000) || !self || !Request)
        return;
    VhSNMPRequest2Edits* request = Request;
    VhSNMPVarList& list = request->Request.VarList;
    if (!request->ReadSelectedRow())
        return;

    // Only the index columns, which name the row, and the status column are sent; the
    // status is the delete label whatever the controls show.
    std::vector<unsigned> saved;
    for (const auto& item : list.Items)
        saved.push_back(item->Access);
    for (int i = 0; i < list.Count(); ++i)
        if (i >= list.KeyCount && i != status)
            list.Items[static_cast<std::size_t>(i)]->Access |= SNMP_ACCESS_INVALID;
    VhSNMPVarItem* item = list.GetItem(status);
    item->Access &= ~SNMP_ACCESS_INVALID;
    item->Value = ListViewPanel->DeleteStatusLabel;

    request->LastOp = VHSNMP_LAST_SET;
    const TExchangeResult result = RunExchange(TExchange::Set, [request] { request->Set(false, false); });
    if (result.Gone)
        return;
    for (std::size_t i = 0; i < saved.size() && i < list.Items.size(); ++i)
        list.Items[i]->Access = saved[i];
    // Delete ends once the table has been read again, so the list shows what is left.
    if (self)
        RunExchange(TExchange::Get, [this] { RefreshClick(nullptr); });
}

void TSNMPListViewPanel::ReleaseRequest()
{
    TSNMPEditorPanel::ReleaseRequest();
    if (RowPanel)
        RowPanel->ReleaseRequest();
    if (RowWindow)
        RowWindow->reject();
}
