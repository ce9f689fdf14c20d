#pragma once
// The dedicated window kit: the skeleton that every dedicated window of the port, bridge
// and VLAN windows (l2windows/) and of the routing, security and management windows
// (l3mgmtwindows/) is built on. A window's own file holds only its descriptor tables,
// option lists, form, variants, rules and messages; everything below is here, once.
// How to build a window on it, with an example: dedicated/README.md.
//
// Which file holds what:
//   dedicatedform.h/.cpp  TKitDialog (what windows and editors share: large-font scaling,
//                         handlers run through the kit, message target, caption) and
//                         TDedicatedForm (requests, reading and writing, busy tests, list
//                         view and selection, row count, the close discipline), and
//                         TCompanionEditor (an edit window bound to its master's request)
//   windowrequest.h/.cpp  TWindowRequest: the request of a window (idle test, outcomes,
//                         what a set may carry, selection hook)
//   columnmask.h/.cpp     TColumnMask, TAccessWords: columns left out of a write
//   messagetarget.h/.cpp  TMessageTarget: memo, status bar or status panel 0 behind one call
//   portgrids.h/.cpp      TPortGrids: port grids on the unit/port chooser
//   units.h/.cpp          the chassis's units as the windows read them; unit/port entry
//
// The life of a window: the menu handler creates it (the constructor loads the form and
// scales it for large fonts), captions it and shows it modally. Once shown, the kit runs
// FormCreate (requests, bindings, first read; a busy cursor and a "Reading..." line show
// until it has ended) and FormActivate, and FormActivate again
// whenever the window becomes active. Handlers run through the kit (OnClick, OnChange,
// AttachList's row handler): a failure they raise is shown in the message target. Reads
// and writes go through Read and Write, which start nothing while the request is not idle
// or the window is closing. A close (the close box, Escape, Close) stops every request
// and is carried out once they are all idle and no handler of the window is running, so
// that no reply ever reaches a freed window and no wait runs inside the window's own
// exchange: the kit then deletes the requests, then the companion editors, runs FormClose
// and closes; the menu handler deletes the window.
#include <functional>
#include <initializer_list>
#include <memory>
#include <string>
#include <vector>

#include <QDialog>
#include <QPointer>

#include "dedicated/columnmask.h"
#include "dedicated/messagetarget.h"
#include "dedicated/windowrequest.h"
#include "classlib/events.h"
#include "snmplib/varlist.h"

class QLabel;
class QPlainTextEdit;
class QStatusBar;
class QTimer;
class QTreeWidget;
class TCompanionEditor;
class TDedicatedForm;

// A window's caption: title followed by the managed switch's address.
QString DedicatedCaption(const std::string& title);

// The refusal of an action while a request is busy.
inline constexpr char GetDataNotComplete[] = "Get data not complete";

// What dedicated windows and their companion editors share.
class TKitDialog : public QDialog {
    Q_OBJECT
public:
    explicit TKitDialog(QWidget* owner);

    // Shows a message in the window's message target (a message box without one).
    virtual void ShowText(const std::string& text);
    // Runs window code as a handler: a close asked meanwhile waits for it to end, and a
    // failure it raises is shown with ShowText. False when it raised.
    bool RunHandler(const std::function<void()>& body);

    // The window that runs this one's handlers and owns the requests (itself, or an
    // editor's master); none while the window is being destroyed.
    virtual TDedicatedForm* KitForm() { return nullptr; }

protected:
    // With the main window's large fonts, Width and Height grow by 1.25 (truncated).
    // Constructors call it after loading the form, unless the window does not scale.
    void ScaleForLargeFonts();
    // The caption: title + the switch's address.
    void SetCaption(const std::string& title);

    // Runs each time the window becomes active (and once, after FormCreate).
    virtual void FormActivate() {}

    // The window's handlers, named as the system names them, for control events (platform/
    // events.h): a button's or check box's click, an edit's or combo box's change, leaving
    // a control. Set them before the control is bound to a request: a binding keeps them.
    template <class W>
    void OnClick(QWidget* control, void (W::*handler)())
    {
        SetOnClick(control, Bind(handler));
    }
    template <class W>
    void OnChange(QWidget* control, void (W::*handler)())
    {
        SetOnChange(control, Bind(handler));
    }
    template <class W>
    void OnExit(QWidget* control, void (W::*handler)())
    {
        SetOnExit(control, Bind(handler));
    }
    template <class W>
    TNotifyEvent Bind(void (W::*handler)())
    {
        W* self = static_cast<W*>(this);
        return [self, handler](QObject*) { self->RunHandler([self, handler] { (self->*handler)(); }); };
    }

    void showEvent(QShowEvent* event) override;
    void changeEvent(QEvent* event) override;

    TMessageTarget Target;
    bool Shown = false;
};

// Which controls follow the list view's selection.
struct TRowControls {
    // Disabled while a row is shown; enabled when none is (edits among them emptied).
    std::vector<QWidget*> Index;
    // Enabled only while a row is shown and every request of the window is idle; disabled
    // whenever a read or write starts.
    std::vector<QWidget*> RowButtons;
};

class TDedicatedForm : public TKitDialog {
    Q_OBJECT
public:
    explicit TDedicatedForm(QWidget* owner);
    // Requests a close has not deleted are stopped and deleted here.
    ~TDedicatedForm() override;

    TDedicatedForm* KitForm() override { return this; }

    // FormCreate has run.
    bool Created() const { return created_; }
    // A close has been asked for; it is carried out as soon as it can be.
    bool Closing() const { return closePending_; }
    // Every request of the window is idle.
    bool IsIdle() const;
    // The window's requests, in creation order.
    const std::vector<TWindowRequest*>& Requests() const { return requests_; }

    // ---- Reading and writing (handlers and companion editors) ----

    // Reads the request: a scalar group's get, or a table walk into its list view. Nothing
    // happens (false) while the request is not idle or the window closes. A synchronous
    // request has finished when this returns and raises its failure.
    bool Read(TWindowRequest* request);
    // Writes the request's writable columns with the controls' values (a column without a
    // control: the selected row's value), for the row the key controls name, or with
    // keysFromRow the selected row: one set; a table is read again after a successful set
    // when reread is set. Nothing happens (false) while the request is not idle or the
    // window closes, nor when an edit the user types into holds a text that its input
    // format or its column's type refuses (CheckEdits). A synchronous request has finished (set
    // and read) when this returns, and raises the failure of either.
    bool Write(TWindowRequest* request, bool reread, bool keysFromRow = false);
    // Runs the message loop until the request is idle (the reply of the last exchange is
    // in); nothing for a null request. False when the window started closing meanwhile.
    bool AwaitIdle(TWindowRequest* request);
    // Stops a walk after the row in progress.
    static void Stop(TWindowRequest* request);

    // Every request given exists and is idle.
    static bool Idle(std::initializer_list<const TWindowRequest*> requests);
    // True (and the box "Get data not complete") when one of them is missing or busy.
    bool RefuseWhileBusy(std::initializer_list<const TWindowRequest*> requests);

    // Runs body; a failure it raises is shown with ShowText, or as the request's result
    // line when a request is given. False when it raised.
    bool Guarded(const std::function<void()>& body);
    bool Guarded(TWindowRequest* const& request, const std::function<void()>& body);

    // Every edit the user can type into (UserTypesInto) that is bound to a key or to a
    // column the next set sends holds a text its input format accepts and, when it alone
    // holds a number, address or object identifier column, a value of the column's type;
    // otherwise the message, led by the field's name, is shown, the edit gets the focus and
    // the result is false. With keysFromRow and a selected row, the keys are not checked.
    bool CheckEdits(TWindowRequest* request, bool keysFromRow = false);

    // Opens the companion editor modally; true when it asked for a write (result flag).
    bool OpenEditor(TCompanionEditor* editor);

    // The selected row of a list view, or -1.
    static int SelectedRow(const QTreeWidget* view);

public slots:
    void done(int result) override;

protected:
    // Creates the window's requests, binds its controls and starts the first read; run by
    // the kit once the window is shown.
    virtual void FormCreate() {}
    // Runs as the window closes, once its requests and editors are gone.
    virtual void FormClose() {}

    // A request over the descriptor table (list type, key count), with the window's
    // message target; Synchronous makes Read and Write wait for the end. Owned by the kit.
    TWindowRequest* MakeRequest(const VhSNMPObjectDesc* table, uint8_t listType, int keyCount,
                                bool synchronous = false);
    // A companion editor with this window as its master; deleted by the kit on close,
    // after the requests.
    template <class Editor>
    Editor* MakeEditor()
    {
        auto* editor = new Editor(static_cast<typename Editor::Master*>(this));
        editors_.push_back(editor);
        return editor;
    }

    // The message target of the window and of every request it has and makes.
    void SetMessageTarget(QPlainTextEdit* memo);
    void SetMessageTarget(QStatusBar* statusBar);
    void SetMessageTarget(QLabel* statusPanel);

    // Attaches the list view to the request (read-only report, one column per item; a
    // selected row loads every bound control) and makes the controls follow the
    // selection. The window's row handler runs after that, once per change of selection.
    void AttachList(TWindowRequest* request, QTreeWidget* view, const TRowControls& rows = {},
                    std::function<void()> onRow = {});
    template <class W>
    void AttachList(TWindowRequest* request, QTreeWidget* view, const TRowControls& rows, void (W::*onRow)())
    {
        W* self = static_cast<W*>(this);
        AttachList(request, view, rows, [self, onRow] { (self->*onRow)(); });
    }
    // The label shows the list view's row count, whenever it changes.
    void ShowRowCount(QTreeWidget* view, QLabel* label);
    // Disables every row button (a read or write starts, or the selection was cleared).
    void DisableRowButtons();

    void showEvent(QShowEvent* event) override;

private:
    friend class THandlerScope;
    void RunCreate();
    void ShowReading(bool on);
    void EndReadingWhenIdle();
    void TryFinishClose();
    void ApplyRowRules(const TRowControls& rows, bool selected);

    std::vector<TWindowRequest*> requests_;
    std::vector<QPointer<TCompanionEditor>> editors_;
    std::vector<QPointer<QWidget>> rowButtons_;
    QTimer* closeTimer_ = nullptr;
    QLabel* readingLabel_ = nullptr; // "Reading..." until the first read has ended
    int handlerDepth_ = 0;
    int closeResult_ = 0;
    bool created_ = false;
    bool createQueued_ = false;
    bool closePending_ = false;
    bool finishing_ = false;
};

// A companion edit window: its controls are bound to its master's request, so that
// selecting a row in the master loads the row here; its writes go through the master.
// A subclass names its master's class as Master and takes it in its constructor:
//
//   class TRadiusServerEditForm : public TCompanionEditor, public Ui::TRadiusServerEditForm {
//   public:
//       using Master = TRadiusServerForm;
//       explicit TRadiusServerEditForm(TRadiusServerForm* master);
//   };
//
// The master makes it in FormCreate (MakeEditor) and opens it with OpenEditor. The write
// takes one of two forms: the editor asks for it (RequestWrite: the result flag is set and
// the editor closes; OpenEditor returns true and the master writes), or it writes itself
// through its master (Master()->Write(...)).
class TCompanionEditor : public TKitDialog {
    Q_OBJECT
public:
    explicit TCompanionEditor(TDedicatedForm* master);

    TDedicatedForm* KitForm() override { return master_; }
    TDedicatedForm* MasterForm() const { return master_; }
    // Messages go to the master's message target.
    void ShowText(const std::string& text) override;

    // The caption for an edit (title + the switch's address) or for an add (the master's
    // caption followed by " (Add)").
    void CaptionForEdit(const std::string& title);
    void CaptionForAdd();

    // Sets the result flag and closes (V9 form (a)).
    void RequestWrite();
    bool WriteRequested = false;

private:
    QPointer<TDedicatedForm> master_;
};
