#pragma once
// Message boxes and the class library's message dialogs.
//
// Every box is modal and returns the code of the button pressed. Tests (and anything
// else that must answer without a person) install a responder: while one is set, no
// box is shown and the responder's answer is returned instead.
#include <functional>
#include <string>
#include <vector>

#include "platform/paths.h" // ExecutableFileName, the boxes' title

class QWidget;

// Button codes of the host's message box; the class library's modal results share them.
inline constexpr int IDOK = 1;
inline constexpr int IDCANCEL = 2;
inline constexpr int IDABORT = 3;
inline constexpr int IDRETRY = 4;
inline constexpr int IDIGNORE = 5;
inline constexpr int IDYES = 6;
inline constexpr int IDNO = 7;
inline constexpr int mrNone = 0;
inline constexpr int mrOk = IDOK;
inline constexpr int mrCancel = IDCANCEL;
inline constexpr int mrAbort = IDABORT;
inline constexpr int mrRetry = IDRETRY;
inline constexpr int mrIgnore = IDIGNORE;
inline constexpr int mrYes = IDYES;
inline constexpr int mrNo = IDNO;

// Flags of the host's message box: one button set, one icon, one default button.
inline constexpr unsigned MB_OK = 0x0;
inline constexpr unsigned MB_OKCANCEL = 0x1;
inline constexpr unsigned MB_ABORTRETRYIGNORE = 0x2;
inline constexpr unsigned MB_YESNOCANCEL = 0x3;
inline constexpr unsigned MB_YESNO = 0x4;
inline constexpr unsigned MB_RETRYCANCEL = 0x5;
inline constexpr unsigned MB_ICONHAND = 0x10;
inline constexpr unsigned MB_ICONSTOP = MB_ICONHAND;
inline constexpr unsigned MB_ICONERROR = MB_ICONHAND;
inline constexpr unsigned MB_ICONQUESTION = 0x20;
inline constexpr unsigned MB_ICONEXCLAMATION = 0x30;
inline constexpr unsigned MB_ICONWARNING = MB_ICONEXCLAMATION;
inline constexpr unsigned MB_ICONASTERISK = 0x40;
inline constexpr unsigned MB_ICONINFORMATION = MB_ICONASTERISK;
inline constexpr unsigned MB_DEFBUTTON2 = 0x100;
inline constexpr unsigned MB_DEFBUTTON3 = 0x200;

// The class library's dialog types and buttons.
enum TMsgDlgType { mtWarning, mtError, mtInformation, mtConfirmation, mtCustom };
using TMsgDlgButtons = unsigned;
inline constexpr TMsgDlgButtons mbYes = 0x1;
inline constexpr TMsgDlgButtons mbNo = 0x2;
inline constexpr TMsgDlgButtons mbOK = 0x4;
inline constexpr TMsgDlgButtons mbCancel = 0x8;
inline constexpr TMsgDlgButtons mbAbort = 0x10;
inline constexpr TMsgDlgButtons mbRetry = 0x20;
inline constexpr TMsgDlgButtons mbIgnore = 0x40;
inline constexpr TMsgDlgButtons mbYesNo = mbYes | mbNo;
inline constexpr TMsgDlgButtons mbYesNoCancel = mbYes | mbNo | mbCancel;
inline constexpr TMsgDlgButtons mbOKCancel = mbOK | mbCancel;

enum class MessageIcon { None, Error, Question, Warning, Information };

// What a box would show.
struct MessageRequest {
    std::string title;
    std::string text;          // as given (line breaks "\r\n" or "\n")
    std::vector<int> buttons;  // button codes, in the order shown
    int defaultButton = IDOK;  // the button Enter presses
    MessageIcon icon = MessageIcon::None;
    QWidget* owner = nullptr;
};
using MessageResponder = std::function<int(const MessageRequest&)>;

// Installs the responder (an empty one shows real boxes again); returns the previous one.
MessageResponder SetMessageResponder(MessageResponder responder);

// Answers every box with Answer while it lives, keeping what each box showed in Shown;
// restores the previous responder when it ends. For tests.
class MessageRecorder {
public:
    explicit MessageRecorder(int answer = IDOK);
    ~MessageRecorder();
    MessageRecorder(const MessageRecorder&) = delete;
    MessageRecorder& operator=(const MessageRecorder&) = delete;

    int Answer;
    std::vector<MessageRequest> Shown;

private:
    MessageResponder previous_;
};

// Shows one box; the single place where every box below ends up. Without a responder,
// and with no screen to show it on (no widget application, or the offscreen platform),
// it logs the text and answers with the default button.
int ShowMessageRequest(const MessageRequest& request);
// Shows the box on the screen and waits for the answer, whatever the responder.
int ShowMessageBox(const MessageRequest& request);

// The host's message box over owner (or the active window when null).
int MessageBoxA(QWidget* owner, const std::string& text, const std::string& caption, unsigned flags);
// The class library's message dialog, titled with the executable's file name. Enter
// presses OK or Yes when offered, else the first button; a question whose OK or Yes
// writes to the switch names its safe button (mbCancel, mbNo) as defaultButton instead.
int MessageDlg(const std::string& text, TMsgDlgType type, TMsgDlgButtons buttons, int helpContext = 0);
int MessageDlg(const std::string& text, TMsgDlgType type, TMsgDlgButtons buttons, int helpContext,
               TMsgDlgButtons defaultButton);
// The class library's message with an OK button, titled with the executable's file name.
void ShowMessage(const std::string& text);

// While on, every box's title and text are also written to standard error (as
// "title: text"), for a program whose boxes may have nobody to read them.
void SetMessageEcho(bool on);

// Enter in a window's edits presses no button: no push button of window is its default
// button, and none becomes it when it takes the focus. Every dialog that edits what the
// switch holds runs this before it is shown (a button added later needs another call).
// Enter on a focused button does nothing; Space presses it.
void KeepEnterFromButtons(QWidget* window);
