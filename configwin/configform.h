#pragma once
// The generic MIB window. A menu handler creates it, binds one request to it and makes it
// a scalar-group window (SetEditorMode) or a table window (SetListViewMode). The window
// reads its objects by itself once it is shown (message 34002, posted by the
// constructor) and deletes its requests when it closes.
//
// Closing stops every request (Enabled 0); while one is still busy the window stays open
// and closes as soon as all are idle. Each request is deleted exactly once, however often
// the close is asked for.
#include <cstdint>
#include <functional>
#include <vector>

#include <QDialog>
#include <QPointer>

class PostedMessage;
class QTimer;
class TSNMPEditorPanel;
class TSNMPListViewPanel;
class TSNMPPanel;
class VhSNMPRequest2Edits;

class TConfigForm : public QDialog {
    Q_OBJECT
public:
    // The message that starts the first read.
    static constexpr unsigned WM_CONFIGFORM_REFRESH = 34002;

    // Menu handlers pass the application object (or nothing) as owner.
    explicit TConfigForm(QObject* owner = nullptr);
    // Deletes the requests a close has not deleted.
    ~TConfigForm() override;

    // The window owns request from here on. A second mode setter call raises
    // "Can not change Type of a Config Form!" and leaves the request to the caller.
    TSNMPEditorPanel* SetEditorMode(VhSNMPRequest2Edits* request);
    // Columns are indexes into the request's variable list; a null label means none.
    TSNMPListViewPanel* SetListViewMode(VhSNMPRequest2Edits* request, int addStatusColumn, const char* addStatusLabel,
                                        int deleteStatusColumn, const char* deleteStatusLabel);
    // Reads the window's request; a failure becomes a result line in the memo.
    void Refresh();
    // Message 34002 runs Refresh (once the window is shown); others get the default.
    virtual void Dispatch(PostedMessage& message);
    // Stops each request, waits while it is busy and deletes it.
    void FormClose(QObject* sender);
    // The close handler, run once the requests are idle: FormClose unless a menu handler
    // put its own in place (which then runs FormClose itself).
    std::function<void(QObject* sender)> OnClose;

    // The panel the mode setter made; null before.
    TSNMPPanel* Panel() const { return Panel_; }

    // What the mode setter made of the window.
    static constexpr uint8_t FORM_TYPE_NONE = 0;
    static constexpr uint8_t FORM_TYPE_EDITOR = 1;    // a scalar group (SetEditorMode)
    static constexpr uint8_t FORM_TYPE_LIST_VIEW = 2; // a table (SetListViewMode)
    uint8_t FormType = FORM_TYPE_NONE;
    std::vector<VhSNMPRequest2Edits*> Requests;
    VhSNMPRequest2Edits* ActiveRequest = nullptr;

public slots:
    void done(int result) override;

protected:
    void customEvent(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void StartMode(VhSNMPRequest2Edits* request, uint8_t type);
    void FinishMode();
    bool AnyBusy() const;

    QPointer<TSNMPPanel> Panel_;
    QTimer* CloseTimer;
    bool Closing = false;
    bool Finishing = false;
    bool FirstReadPending = false;
};

// The generic window that some menu handlers keep here while it is open; null otherwise.
extern TConfigForm* ConfigForm;
