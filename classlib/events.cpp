#include "classlib/events.h"

#include <QAbstractItemView>
#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QFocusEvent>
#include <QItemSelectionModel>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPersistentModelIndex>
#include <QRadioButton>
#include <QTableWidget>
#include <QTreeWidget>
#include <QValidator>
#include <QVariant>

#include <algorithm>
#include <vector>

namespace {

constexpr const char* TagProperty = "Tag";

// The handlers of one control and the connections that call them. A child of the control.
class EventHub : public QObject {
public:
    explicit EventHub(QWidget* control);

    TNotifyEvent OnChange;
    TNotifyEvent OnClick;
    TNotifyEvent OnExit;
    TKeyEvent OnKeyDown;
    TLVSelectItemEvent OnSelectItem;

    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void Fire(const TNotifyEvent& handler);
    bool FocusOut(QFocusEvent* event);
    bool KeyPress(QKeyEvent* event);
    std::vector<int> SelectedRows() const;
    void SelectionChanged();

    QWidget* control_;
    const QMetaObject* type_; // the control's class; another one means it is being destroyed
    bool entered_;
    QAbstractItemView* view_ = nullptr;
    std::vector<QPersistentModelIndex> selected_;
};

EventHub* FindHub(const QObject* control)
{
    if (!control)
        return nullptr;
    for (QObject* child : control->children())
        if (auto* hub = dynamic_cast<EventHub*>(child))
            return hub;
    return nullptr;
}

EventHub* Hub(QWidget* control)
{
    EventHub* hub = FindHub(control);
    return hub ? hub : new EventHub(control);
}

EventHub::EventHub(QWidget* control)
    : QObject(control), control_(control), type_(control->metaObject()), entered_(control->hasFocus())
{
    if (auto* edit = qobject_cast<QLineEdit*>(control)) {
        connect(edit, &QLineEdit::textChanged, this, [this] { Fire(OnChange); });
    } else if (auto* combo = qobject_cast<QComboBox*>(control)) {
        connect(combo, &QComboBox::activated, this, [this] { Fire(OnChange); });
    } else if (auto* check = qobject_cast<QCheckBox*>(control)) {
        connect(check, &QCheckBox::toggled, this, [this] { Fire(OnClick); });
    } else if (auto* radio = qobject_cast<QRadioButton*>(control)) {
        connect(radio, &QRadioButton::toggled, this, [this](bool on) {
            if (on)
                Fire(OnClick);
        });
    } else if (auto* button = qobject_cast<QAbstractButton*>(control)) {
        connect(button, &QAbstractButton::clicked, this, [this] { Fire(OnClick); });
    } else if (auto* tree = qobject_cast<QTreeWidget*>(control)) {
        view_ = tree;
        connect(tree, &QTreeWidget::itemSelectionChanged, this, [this] { SelectionChanged(); });
    } else if (auto* table = qobject_cast<QTableWidget*>(control)) {
        view_ = table;
        connect(table, &QTableWidget::itemSelectionChanged, this, [this] { SelectionChanged(); });
    } else if (auto* group = control->findChild<QButtonGroup*>(QString(), Qt::FindDirectChildrenOnly)) {
        connect(group, &QButtonGroup::idToggled, this, [this](int, bool on) {
            if (on)
                Fire(OnClick);
        });
    }
    if (view_)
        for (int row : SelectedRows())
            selected_.emplace_back(view_->model()->index(row, 0));
    control->installEventFilter(this);
}

void EventHub::Fire(const TNotifyEvent& handler)
{
    if (handler) {
        TNotifyEvent h = handler; // the handler may replace itself or delete the control
        h(control_);
    }
}

bool EventHub::eventFilter(QObject* watched, QEvent* event)
{
    if (watched != control_)
        return false;
    switch (event->type()) {
    case QEvent::FocusIn: entered_ = true; return false;
    case QEvent::FocusOut: return FocusOut(static_cast<QFocusEvent*>(event));
    case QEvent::KeyPress: return KeyPress(static_cast<QKeyEvent*>(event));
    default: return false;
    }
}

bool EventHub::FocusOut(QFocusEvent* event)
{
    const Qt::FocusReason reason = event->reason();
    if (reason == Qt::ActiveWindowFocusReason || reason == Qt::PopupFocusReason)
        return false;
    const bool entered = entered_;
    entered_ = false;
    if (!entered || !OnExit || control_->metaObject() != type_)
        return false;
    QPointer<EventHub> self(this);
    static_cast<QObject*>(control_)->event(event); // the control's own focus-out work first
    if (self)
        Fire(OnExit);
    return true;
}

bool EventHub::KeyPress(QKeyEvent* event)
{
    if (!OnKeyDown)
        return false;
    int key = event->key();
    TKeyEvent h = OnKeyDown;
    QPointer<EventHub> self(this);
    h(control_, key, event->modifiers());
    return !self || key == 0;
}

std::vector<int> EventHub::SelectedRows() const
{
    std::vector<int> rows;
    if (QItemSelectionModel* selection = view_->selectionModel())
        for (const QModelIndex& index : selection->selectedIndexes())
            if (!index.parent().isValid())
                rows.push_back(index.row());
    std::sort(rows.begin(), rows.end());
    rows.erase(std::unique(rows.begin(), rows.end()), rows.end());
    return rows;
}

void EventHub::SelectionChanged()
{
    std::vector<int> before;
    for (const QPersistentModelIndex& index : selected_)
        if (index.isValid()) // a row removed since then is forgotten
            before.push_back(index.row());
    std::sort(before.begin(), before.end());
    const std::vector<int> now = SelectedRows();

    selected_.clear();
    for (int row : now)
        selected_.emplace_back(view_->model()->index(row, 0));
    if (!OnSelectItem)
        return;

    std::vector<int> gone, added;
    std::set_difference(before.begin(), before.end(), now.begin(), now.end(), std::back_inserter(gone));
    std::set_difference(now.begin(), now.end(), before.begin(), before.end(), std::back_inserter(added));
    QPointer<EventHub> self(this);
    const auto call = [&](int row, bool on) {
        if (!self || !OnSelectItem)
            return;
        TLVSelectItemEvent h = OnSelectItem;
        h(control_, row, on);
    };
    for (int row : gone)
        call(row, false);
    for (int row : added)
        call(row, true);
}

// Refuses a typed or pasted text longer than the limit. setText is never validated; while
// the program's text is over the limit, Qt lets the user edit it freely until it fits.
class LengthLimit : public QValidator {
public:
    LengthLimit(QObject* parent, int limit) : QValidator(parent), Limit(limit) {}
    State validate(QString& input, int&) const override { return input.size() <= Limit ? Acceptable : Invalid; }
    int Limit;
};

} // namespace

#define TRQ_EVENT_PROPERTY(Name, Type)                                                                  \
    Type GetOn##Name(QWidget* control)                                                                  \
    {                                                                                                   \
        EventHub* hub = FindHub(control);                                                               \
        return hub ? hub->On##Name : Type();                                                            \
    }                                                                                                   \
    void SetOn##Name(QWidget* control, Type handler)                                                    \
    {                                                                                                   \
        if (control)                                                                                    \
            Hub(control)->On##Name = std::move(handler);                                                \
    }

TRQ_EVENT_PROPERTY(Change, TNotifyEvent)
TRQ_EVENT_PROPERTY(Click, TNotifyEvent)
TRQ_EVENT_PROPERTY(Exit, TNotifyEvent)
TRQ_EVENT_PROPERTY(KeyDown, TKeyEvent)
TRQ_EVENT_PROPERTY(SelectItem, TLVSelectItemEvent)

#undef TRQ_EVENT_PROPERTY

int GetTag(const QObject* component)
{
    return component ? component->property(TagProperty).toInt() : 0;
}

void SetTag(QObject* component, int tag)
{
    if (component)
        component->setProperty(TagProperty, tag);
}

int GetMaxLength(const QLineEdit* edit)
{
    const auto* limit = edit ? dynamic_cast<const LengthLimit*>(edit->validator()) : nullptr;
    return limit ? limit->Limit : 0;
}

void SetMaxLength(QLineEdit* edit, int length)
{
    if (!edit)
        return;
    auto* limit = dynamic_cast<LengthLimit*>(const_cast<QValidator*>(edit->validator()));
    if (length <= 0) {
        if (limit) {
            edit->setValidator(nullptr);
            delete limit;
        }
    } else if (limit) {
        limit->Limit = length;
    } else {
        edit->setValidator(new LengthLimit(edit, length));
    }
}
