#include "dedicated/dedicatedform.h"

#include <QAbstractItemView>
#include <QEvent>
#include <QItemSelectionModel>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStatusBar>
#include <QTimer>
#include <QTreeWidget>

#include <utility>

#include "classlib/dialogs.h"
#include "classlib/screen.h"
#include "dedicated/windowhost.h"
#include "platform/sysutils.h"
#include "snmplib/textforms.h"

namespace {

// How often a close that waits for the window's requests looks again.
constexpr int CloseRetryMs = 10;
// How often the "Reading..." line looks whether the first read has ended.
constexpr int ReadingCheckMs = 20;

} // namespace

// While it lives, the window counts as running a handler: a close asked meanwhile is
// carried out after it.
class THandlerScope {
public:
    explicit THandlerScope(TDedicatedForm* form) : Form(form)
    {
        if (Form)
            ++Form->handlerDepth_;
    }
    ~THandlerScope()
    {
        if (Form)
            --Form->handlerDepth_;
    }
    THandlerScope(const THandlerScope&) = delete;
    THandlerScope& operator=(const THandlerScope&) = delete;

private:
    QPointer<TDedicatedForm> Form;
};

QString DedicatedCaption(const std::string& title)
{
    return toQt(title + (WindowHost() ? WindowHost()->DeviceAddress() : std::string()));
}

// ---- TKitDialog -------------------------------------------------------------------------

TKitDialog::TKitDialog(QWidget* owner) : QDialog(owner) {}

void TKitDialog::ShowText(const std::string& text) { Target.Show(text, this); }

bool TKitDialog::RunHandler(const std::function<void()>& body)
{
    const QPointer<TKitDialog> self(this);
    const THandlerScope scope(KitForm());
    try {
        body();
    } catch (const std::exception& e) {
        if (self)
            self->ShowText(e.what());
        return false;
    }
    return true;
}

void TKitDialog::ScaleForLargeFonts()
{
    if (WindowHost() && WindowHost()->LargeFonts())
        resize(ScalePixels(width(), kLargeFontsScale), ScalePixels(height(), kLargeFontsScale));
}

void TKitDialog::SetCaption(const std::string& title) { setWindowTitle(DedicatedCaption(title)); }

void TKitDialog::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    if (Shown)
        return;
    Shown = true;
    // Enter in an edit must not press a button that writes to the switch.
    KeepEnterFromButtons(this);
}

void TKitDialog::changeEvent(QEvent* event)
{
    QDialog::changeEvent(event);
    if (event->type() == QEvent::ActivationChange && isActiveWindow() && KitForm() && KitForm()->Created())
        RunHandler([this] { FormActivate(); });
}

// ---- TDedicatedForm: life ---------------------------------------------------------------

TDedicatedForm::TDedicatedForm(QWidget* owner) : TKitDialog(owner)
{
    closeTimer_ = new QTimer(this);
    closeTimer_->setInterval(CloseRetryMs);
    connect(closeTimer_, &QTimer::timeout, this, &TDedicatedForm::TryFinishClose);
}

TDedicatedForm::~TDedicatedForm()
{
    closeTimer_->stop();
    for (TWindowRequest* request : requests_)
        request->Request.Enabled = 0;
    // The request's own destructor lets outstanding replies arrive first.
    while (!requests_.empty()) {
        TWindowRequest* request = requests_.back();
        requests_.pop_back();
        delete request;
    }
}

void TDedicatedForm::showEvent(QShowEvent* event)
{
    TKitDialog::showEvent(event);
    if (createQueued_)
        return;
    createQueued_ = true;
    // Once the window is on the screen: a synchronous first read shows an open window.
    QMetaObject::invokeMethod(this, &TDedicatedForm::RunCreate, Qt::QueuedConnection);
}

void TDedicatedForm::RunCreate()
{
    if (closePending_ || created_)
        return;
    ShowReading(true);
    RunHandler([this] { FormCreate(); });
    created_ = true;
    RunHandler([this] { FormActivate(); });
    EndReadingWhenIdle();
}

// ---- The first read in sight ----------------------------------------------------------------
// Until the first read has ended (every request idle after FormCreate), the window shows a
// busy cursor and a "Reading..." line in its middle, so that empty controls and zeros are
// not taken for the switch's values.

void TDedicatedForm::ShowReading(bool on)
{
    if (on) {
        if (!readingLabel_) {
            readingLabel_ = new QLabel(QStringLiteral("Reading..."), this);
            readingLabel_->setObjectName(QStringLiteral("ReadingLabel"));
            readingLabel_->setAutoFillBackground(true);
            readingLabel_->setBackgroundRole(QPalette::ToolTipBase);
            readingLabel_->setForegroundRole(QPalette::ToolTipText);
            readingLabel_->setFrameShape(QFrame::Box);
            readingLabel_->setMargin(8);
        }
        readingLabel_->adjustSize();
        // In the middle, over the window's empty controls, as a busy indicator.
        readingLabel_->move((width() - readingLabel_->width()) / 2, (height() - readingLabel_->height()) / 2);
        readingLabel_->raise();
        readingLabel_->show();
        setCursor(Qt::BusyCursor);
        return;
    }
    if (readingLabel_)
        readingLabel_->hide();
    unsetCursor();
}

void TDedicatedForm::EndReadingWhenIdle()
{
    if (IsIdle() || closePending_) {
        ShowReading(false);
        return;
    }
    // An asynchronous first read: looked at again until its replies are in.
    QTimer::singleShot(ReadingCheckMs, this, &TDedicatedForm::EndReadingWhenIdle);
}

bool TDedicatedForm::IsIdle() const
{
    for (const TWindowRequest* request : requests_)
        if (!request->IsIdle())
            return false;
    return true;
}

// ---- Closing ------------------------------------------------------------------------------

void TDedicatedForm::done(int result)
{
    if (finishing_) {
        QDialog::done(result);
        return;
    }
    closeResult_ = result;
    if (!closePending_) {
        closePending_ = true;
        for (TWindowRequest* request : requests_)
            request->Request.Enabled = 0; // a walk ends at its next reply
    }
    TryFinishClose();
}

void TDedicatedForm::TryFinishClose()
{
    if (finishing_ || !closePending_)
        return;
    // Never inside a handler of the window (an exchange it waits for may be on the stack),
    // never while a reply is outstanding.
    if (handlerDepth_ > 0 || !IsIdle()) {
        if (!closeTimer_->isActive())
            closeTimer_->start();
        return;
    }
    closeTimer_->stop();
    finishing_ = true;
    // Out of the list before deletion: whatever runs meanwhile finds no request to use.
    std::vector<TWindowRequest*> requests = std::exchange(requests_, {});
    while (!requests.empty()) {
        delete requests.back();
        requests.pop_back();
    }
    for (const QPointer<TCompanionEditor>& editor : std::exchange(editors_, {}))
        delete editor.data();
    const QPointer<TDedicatedForm> self(this);
    try {
        FormClose();
    } catch (const std::exception& e) {
        PostException(e.what());
    }
    if (self)
        QDialog::done(closeResult_);
}

// ---- Requests -----------------------------------------------------------------------------

TWindowRequest* TDedicatedForm::MakeRequest(const VhSNMPObjectDesc* table, uint8_t listType, int keyCount,
                                            bool synchronous)
{
    auto request = std::make_unique<TWindowRequest>(this);
    request->Request.VarList = VhSNMPVarList(table, listType, keyCount);
    request->Synchronous = synchronous;
    request->SetConstraintOwner(this);
    Target.Apply(request.get());
    requests_.push_back(request.get());
    return request.release();
}

bool TDedicatedForm::Read(TWindowRequest* request)
{
    if (!request || closePending_ || !request->IsFree())
        return false;
    const THandlerScope scope(this);
    DisableRowButtons();
    request->Request.Enabled = 1;
    request->Get();
    if (request->Synchronous) {
        AwaitIdle(request);
        request->RaiseFailure(request->LastRead);
    }
    return true;
}

namespace {

// The message that refuses the edit's text as a value of its column, or "": an edit that
// alone holds a number, address or object identifier column must hold a value of its type
// (the number within the range both the type and the edit's format allow). An empty text
// is for the set to refuse (ControlsToVarList), a place-holder is the switch's.
std::string TypedValueMessage(const TWindowRequest& request, const ControlBinding& binding, const QLineEdit* edit)
{
    const VhSNMPVarItem& item = *request.Request.VarList.GetItem(binding.Column);
    const QString text = edit->text();
    if (item.Options || !binding.IsWhole(item) || binding.Controls.size() != 1 || text.isEmpty() ||
        text == QLatin1String("(NOTDONE)") || text == QLatin1String("(NULL)") ||
        IsTypedValue(fromQt(text), item.Syntax))
        return {};
    const VhTypedForm form = TypedFormOf(item.Syntax);
    std::string low = form.Min, high = form.Max;
    const _EditConstraint_s* rec = request.EditConstraints ? request.EditConstraints->FindConstraint(edit) : nullptr;
    if (form.Form == VhTypedForm::Number && rec && (rec->Type == 'i' || rec->Type == 'u')) {
        if (rec->Minimum > AtofC(low))
            low = FloatToStr(rec->Minimum);
        if (rec->Maximum < AtofC(high))
            high = FloatToStr(rec->Maximum);
    }
    return TypedValueHint(item.Syntax, low, high);
}

} // namespace

bool TDedicatedForm::CheckEdits(TWindowRequest* request, bool keysFromRow)
{
    const VhSNMPVarList& list = request->Request.VarList;
    const bool table = list.ListType != SVT_SV && list.ListType != MVT_SV;
    // Keys taken from the selected row are the switch's, whatever the key edits show.
    const bool rowKeys = keysFromRow && request->ListView && request->ListView->selectionModel() &&
                         !request->ListView->selectionModel()->selectedRows().isEmpty();
    for (const auto& binding : request->Bindings) {
        const int column = binding->Column;
        if (binding->Removed || column >= list.Count())
            continue;
        const bool key = table && column < list.KeyCount;
        const bool sent = list.IsWritable(column) && !(list.GetItem(column)->Access & SNMP_ACCESS_INVALID);
        if ((key && rowKeys) || (!key && !sent))
            continue;
        for (const QPointer<QWidget>& control : binding->Controls) {
            // The formats are typing aids: what the user cannot type into came from the
            // switch or from the selected row, and is taken as it is.
            auto* edit = qobject_cast<QLineEdit*>(control.data());
            if (!UserTypesInto(edit))
                continue;
            std::string message = request->EditConstraints->CheckText(edit);
            if (message.empty())
                message = TypedValueMessage(*request, *binding, edit);
            if (message.empty())
                continue;
            ::ShowMessage(FieldName(*list.GetItem(column)) + ": " + message);
            edit->setFocus();
            return false;
        }
    }
    return true;
}

bool TDedicatedForm::Write(TWindowRequest* request, bool reread, bool keysFromRow)
{
    if (!request || closePending_ || !request->IsFree() || !CheckEdits(request, keysFromRow))
        return false;
    const THandlerScope scope(this);
    DisableRowButtons();
    request->Request.Enabled = 1;
    request->KeysFromSelectedRow = keysFromRow;
    const int reads = request->ReadCount;
    request->Set(reread, true);
    if (request->Synchronous) {
        AwaitIdle(request);
        request->RaiseFailure(request->LastWrite);
        if (request->ReadCount != reads)
            request->RaiseFailure(request->LastRead);
    }
    return true;
}

bool TDedicatedForm::AwaitIdle(TWindowRequest* request)
{
    if (!request)
        return !closePending_;
    const THandlerScope scope(this);
    struct Awaiting {
        TWindowRequest* r;
        explicit Awaiting(TWindowRequest* request) : r(request) { ++r->Awaiting; }
        ~Awaiting() { --r->Awaiting; }
    } awaiting(request);
    PumpWhile([request] { return !request->IsIdle(); });
    return !closePending_;
}

void TDedicatedForm::Stop(TWindowRequest* request)
{
    if (request)
        request->Request.Enabled = 0;
}

bool TDedicatedForm::Idle(std::initializer_list<const TWindowRequest*> requests)
{
    for (const TWindowRequest* request : requests)
        if (!request || !request->IsFree())
            return false;
    return true;
}

bool TDedicatedForm::RefuseWhileBusy(std::initializer_list<const TWindowRequest*> requests)
{
    if (Idle(requests))
        return false;
    ::ShowMessage(GetDataNotComplete);
    return true;
}

bool TDedicatedForm::Guarded(const std::function<void()>& body)
{
    try {
        body();
    } catch (const std::exception& e) {
        ShowText(e.what());
        return false;
    }
    return true;
}

bool TDedicatedForm::Guarded(TWindowRequest* const& request, const std::function<void()>& body)
{
    try {
        body();
    } catch (const std::exception& e) {
        if (request)
            request->ShowMessage(e.what());
        else
            ShowText(e.what());
        return false;
    }
    return true;
}

bool TDedicatedForm::OpenEditor(TCompanionEditor* editor)
{
    if (!editor || closePending_)
        return false;
    const THandlerScope scope(this);
    editor->WriteRequested = false;
    editor->exec();
    return editor->WriteRequested;
}

// ---- Message target -----------------------------------------------------------------------

void TDedicatedForm::SetMessageTarget(QPlainTextEdit* memo)
{
    Target.Set(memo);
    for (TWindowRequest* request : requests_)
        Target.Apply(request);
}

void TDedicatedForm::SetMessageTarget(QStatusBar* statusBar)
{
    Target.Set(statusBar);
    for (TWindowRequest* request : requests_)
        Target.Apply(request);
}

void TDedicatedForm::SetMessageTarget(QLabel* statusPanel)
{
    Target.Set(statusPanel);
    for (TWindowRequest* request : requests_)
        Target.Apply(request);
}

// ---- List view and selection --------------------------------------------------------------

int TDedicatedForm::SelectedRow(const QTreeWidget* view)
{
    if (!view)
        return -1;
    const QList<QTreeWidgetItem*> selected = view->selectedItems();
    return selected.isEmpty() ? -1 : view->indexOfTopLevelItem(selected.first());
}

void TDedicatedForm::AttachList(TWindowRequest* request, QTreeWidget* view, const TRowControls& rows,
                                std::function<void()> onRow)
{
    request->AttachListView(view, true);
    for (QWidget* button : rows.RowButtons)
        rowButtons_.emplace_back(button);
    request->OnSelection = [this, rows, onRow = std::move(onRow)](bool selected) {
        RunHandler([&] {
            ApplyRowRules(rows, selected);
            if (onRow)
                onRow();
        });
    };
}

void TDedicatedForm::ApplyRowRules(const TRowControls& rows, bool selected)
{
    for (QWidget* control : rows.Index) {
        if (!selected)
            if (auto* edit = qobject_cast<QLineEdit*>(control))
                edit->clear();
        control->setEnabled(!selected);
    }
    const bool enable = selected && IsIdle();
    for (QWidget* button : rows.RowButtons)
        button->setEnabled(enable);
}

void TDedicatedForm::DisableRowButtons()
{
    for (const QPointer<QWidget>& button : rowButtons_)
        if (button)
            button->setEnabled(false);
}

void TDedicatedForm::ShowRowCount(QTreeWidget* view, QLabel* label)
{
    // The model, not the view: it also reports while the view is being destroyed.
    QAbstractItemModel* model = view->model();
    const QPointer<QLabel> target(label);
    const auto update = [model, target] {
        if (target)
            target->setText(QString::number(model->rowCount()));
    };
    connect(model, &QAbstractItemModel::rowsInserted, label, update);
    connect(model, &QAbstractItemModel::rowsRemoved, label, update);
    connect(model, &QAbstractItemModel::modelReset, label, update);
    update();
}

// ---- TCompanionEditor -----------------------------------------------------------------------

TCompanionEditor::TCompanionEditor(TDedicatedForm* master) : TKitDialog(master), master_(master) {}

void TCompanionEditor::ShowText(const std::string& text)
{
    if (master_)
        master_->ShowText(text);
    else
        TKitDialog::ShowText(text);
}

void TCompanionEditor::CaptionForEdit(const std::string& title) { SetCaption(title); }

void TCompanionEditor::CaptionForAdd()
{
    setWindowTitle((master_ ? master_->windowTitle() : QString()) + QStringLiteral(" (Add)"));
}

void TCompanionEditor::RequestWrite()
{
    WriteRequested = true;
    accept();
}
