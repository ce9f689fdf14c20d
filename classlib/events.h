#pragma once
// The class library's event properties, Tag and MaxLength on Qt widgets.
//
// Each control holds one handler per event, set and read like a property. The first
// handler set on a control attaches a small dispatcher to it (a child object, so it and
// every handler die with the control) that turns the Qt signal or event into a call of
// the handler in force at that moment:
//
//   OnChange      QLineEdit: textChanged (typing and program changes alike);
//                 QComboBox: activated (the user's choice only; setting the index in code
//                 does not fire it).
//   OnClick       QCheckBox: toggled, either way; QRadioButton: toggled on; a group box
//                 holding a QButtonGroup (the radio group): a button toggled on. As in the
//                 class library, a change made in code (setChecked, SetItemIndex) fires it
//                 too, so a binding that fills the control runs the window's handler.
//                 Other buttons: clicked.
//   OnExit        any widget: the focus leaves it for another control of its window, after
//                 the control has done its own focus-out work. Leaving because the window
//                 is deactivated or a popup opens is no exit; nor is a focus-out that never
//                 followed a focus-in (the focus taken back inside another exit handler),
//                 nor the one a widget gets while it is destroyed.
//   OnKeyDown     any widget: a key press, before the control sees it; a handler that sets
//                 the key to 0 swallows it.
//   OnSelectItem  QTreeWidget / QTableWidget (the report list view): itemSelectionChanged,
//                 split into one call per row (top-level item) whose selection changed:
//                 first the rows deselected, then the rows selected, each in row order.
//
// A library object that takes over a control's handler uses TEventHook: it keeps the
// handler it found, installs its own, and gives the kept one back when it ends.
#include <functional>
#include <memory>
#include <utility>

#include <QPointer>
#include <QWidget>

using TNotifyEvent = std::function<void(QObject* sender)>;
using TKeyEvent = std::function<void(QObject* sender, int& key, Qt::KeyboardModifiers shift)>;
// item: the row (top-level item index) whose selection changed.
using TLVSelectItemEvent = std::function<void(QObject* sender, int item, bool selected)>;

TNotifyEvent GetOnChange(QWidget* control);
void SetOnChange(QWidget* control, TNotifyEvent handler);
TNotifyEvent GetOnClick(QWidget* control);
void SetOnClick(QWidget* control, TNotifyEvent handler);
TNotifyEvent GetOnExit(QWidget* control);
void SetOnExit(QWidget* control, TNotifyEvent handler);
TKeyEvent GetOnKeyDown(QWidget* control);
void SetOnKeyDown(QWidget* control, TKeyEvent handler);
TLVSelectItemEvent GetOnSelectItem(QWidget* control);
void SetOnSelectItem(QWidget* control, TLVSelectItemEvent handler);

// The integer Tag of every component (0 until set).
int GetTag(const QObject* component);
void SetTag(QObject* component, int tag);

class QLineEdit;
// The class library's MaxLength of an edit: the most characters the user may type or paste;
// 0 for no limit. Unlike QLineEdit::setMaxLength it never cuts a text the program sets, so
// a value longer than the limit (or a place-holder text) is shown whole; the user may then
// edit such a text freely until it fits. It is a validator of the edit's own, taking the
// place of any other.
int GetMaxLength(const QLineEdit* edit);
void SetMaxLength(QLineEdit* edit, int length);

// Takes over one event property of a control: on construction it keeps the control's
// handler and installs its own; Release (or the destructor) gives the kept handler back.
// When another hook has taken the property over in the meantime, the property is left to
// it and this hook's handler turns into a plain forward to the kept one, so that nobody
// ever calls into a released owner. A control deleted first is simply forgotten.
template <class Handler>
class TEventHook;

template <class... Args>
class TEventHook<std::function<void(Args...)>> {
public:
    using Handler = std::function<void(Args...)>;
    using Getter = Handler (*)(QWidget*);
    using Setter = void (*)(QWidget*, Handler);

    TEventHook() = default;
    TEventHook(QWidget* control, Getter get, Setter set, Handler own)
        : control_(control), get_(get), set_(set), node_(std::make_shared<Node>())
    {
        node_->saved = get_(control);
        node_->own = std::move(own);
        set_(control, Closure{node_});
    }
    ~TEventHook() { Release(); }
    TEventHook(const TEventHook&) = delete;
    TEventHook& operator=(const TEventHook&) = delete;
    TEventHook(TEventHook&& other) noexcept { *this = std::move(other); }
    TEventHook& operator=(TEventHook&& other) noexcept
    {
        if (this != &other) {
            Release();
            control_ = std::move(other.control_);
            get_ = other.get_;
            set_ = other.set_;
            node_ = std::move(other.node_);
        }
        return *this;
    }

    // The handler the control had when the hook was made (empty when none).
    Handler Saved() const { return node_ ? node_->saved : Handler(); }
    // Calls the kept handler, when there is one.
    void CallSaved(Args... args) const
    {
        if (node_ && node_->saved) {
            Handler h = node_->saved;
            h(args...);
        }
    }
    bool Active() const { return node_ != nullptr; }

    void Release()
    {
        if (!node_)
            return;
        if (control_) {
            Handler current = get_(control_);
            const Closure* mine = current.template target<Closure>();
            if (mine && mine->node == node_)
                set_(control_, node_->saved);
        }
        node_->own = nullptr;
        node_.reset();
        control_.clear();
    }

private:
    struct Node {
        Handler own;
        Handler saved;
    };
    struct Closure {
        std::shared_ptr<Node> node;
        void operator()(Args... args) const
        {
            // A copy runs, so that a handler may release its hook while it runs.
            Handler h = node->own ? node->own : node->saved;
            if (h)
                h(args...);
        }
    };

    QPointer<QWidget> control_;
    Getter get_ = nullptr;
    Setter set_ = nullptr;
    std::shared_ptr<Node> node_;
};

using TNotifyHook = TEventHook<TNotifyEvent>;
using TSelectItemHook = TEventHook<TLVSelectItemEvent>;
