#include "classlib/dialogs.h"

#include <algorithm>
#include <cstdio>

#include <QApplication>
#include <QFontMetrics>
#include <QGridLayout>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <QSpacerItem>
#include <QWidget>

#include "platform/sysutils.h"

namespace {

MessageResponder& responder()
{
    static MessageResponder r;
    return r;
}

bool& echo()
{
    static bool on = false;
    return on;
}

// Room a title bar takes beside its text: the window's icon and its buttons.
constexpr int TitleBarDecorations = 140;

struct ButtonMap {
    int code;
    QMessageBox::StandardButton qt;
};
constexpr ButtonMap kButtons[] = {
    {IDOK, QMessageBox::Ok},         {IDCANCEL, QMessageBox::Cancel}, {IDABORT, QMessageBox::Abort},
    {IDRETRY, QMessageBox::Retry},   {IDIGNORE, QMessageBox::Ignore}, {IDYES, QMessageBox::Yes},
    {IDNO, QMessageBox::No},
};

QMessageBox::StandardButton toQtButton(int code)
{
    for (const auto& b : kButtons)
        if (b.code == code)
            return b.qt;
    return QMessageBox::NoButton;
}

int fromQtButton(int qt)
{
    for (const auto& b : kButtons)
        if (b.qt == qt)
            return b.code;
    return 0;
}

QMessageBox::Icon toQtIcon(MessageIcon icon)
{
    switch (icon) {
    case MessageIcon::Error: return QMessageBox::Critical;
    case MessageIcon::Question: return QMessageBox::Question;
    case MessageIcon::Warning: return QMessageBox::Warning;
    case MessageIcon::Information: return QMessageBox::Information;
    case MessageIcon::None: break;
    }
    return QMessageBox::NoIcon;
}

bool contains(const std::vector<int>& v, int code) { return std::find(v.begin(), v.end(), code) != v.end(); }

// The answer when the box is closed without a button: Cancel, else No, else the only button.
int escapeAnswer(const std::vector<int>& buttons)
{
    if (contains(buttons, IDCANCEL))
        return IDCANCEL;
    if (contains(buttons, IDNO))
        return IDNO;
    return buttons.empty() ? IDOK : buttons.front();
}

} // namespace

int ShowMessageBox(const MessageRequest& request)
{
    QString text = toQt(request.text);
    text.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    text.replace(QLatin1Char('\r'), QLatin1Char('\n'));

    QWidget* parent = request.owner ? request.owner->window() : QApplication::activeWindow();
    QMessageBox box(toQtIcon(request.icon), toQt(request.title), text, QMessageBox::NoButton, parent);
    box.setTextFormat(Qt::PlainText);
    for (const int code : request.buttons)
        box.addButton(toQtButton(code));
    box.setDefaultButton(toQtButton(request.defaultButton));
    const int escape = escapeAnswer(request.buttons);
    if (contains(request.buttons, escape))
        box.setEscapeButton(toQtButton(escape));
    // A short text makes a box narrower than its title ("Device Reboot" over "Are you
    // sure?"): the box keeps the title's width. QMessageBox sizes itself to its grid.
    if (auto* grid = qobject_cast<QGridLayout*>(box.layout())) {
        const QFontMetrics title(QApplication::font("QMdiSubWindowTitleBar"));
        const int titleWidth = title.horizontalAdvance(box.windowTitle()) + TitleBarDecorations;
        grid->addItem(new QSpacerItem(titleWidth, 0, QSizePolicy::Minimum, QSizePolicy::Minimum), grid->rowCount(), 0,
                      1, grid->columnCount());
    }
    box.exec();
    const int answer = box.clickedButton() ? fromQtButton(box.standardButton(box.clickedButton())) : 0;
    return answer ? answer : escape;
}

namespace {

std::vector<int> boxButtons(unsigned flags)
{
    switch (flags & 0xF) {
    case MB_OKCANCEL: return {IDOK, IDCANCEL};
    case MB_ABORTRETRYIGNORE: return {IDABORT, IDRETRY, IDIGNORE};
    case MB_YESNOCANCEL: return {IDYES, IDNO, IDCANCEL};
    case MB_YESNO: return {IDYES, IDNO};
    case MB_RETRYCANCEL: return {IDRETRY, IDCANCEL};
    default: return {IDOK};
    }
}

MessageIcon boxIcon(unsigned flags)
{
    switch (flags & 0xF0) {
    case MB_ICONHAND: return MessageIcon::Error;
    case MB_ICONQUESTION: return MessageIcon::Question;
    case MB_ICONEXCLAMATION: return MessageIcon::Warning;
    case MB_ICONASTERISK: return MessageIcon::Information;
    default: return MessageIcon::None;
    }
}

} // namespace

MessageResponder SetMessageResponder(MessageResponder r)
{
    MessageResponder previous = std::move(responder());
    responder() = std::move(r);
    return previous;
}

MessageRecorder::MessageRecorder(int answer) : Answer(answer)
{
    previous_ = SetMessageResponder([this](const MessageRequest& r) {
        Shown.push_back(r);
        return Answer;
    });
}

MessageRecorder::~MessageRecorder() { SetMessageResponder(std::move(previous_)); }

void SetMessageEcho(bool on) { echo() = on; }

int ShowMessageRequest(const MessageRequest& request)
{
    if (echo()) {
        std::string text = request.text;
        for (std::size_t at = text.find("\r\n"); at != std::string::npos; at = text.find("\r\n", at))
            text.erase(at, 1);
        std::fprintf(stderr, "%s: %s\n", request.title.c_str(), text.c_str());
        std::fflush(stderr);
    }
    if (const MessageResponder r = responder()) // a copy: the responder may replace itself
        return r(request);
    if (!qobject_cast<QApplication*>(QCoreApplication::instance()) ||
        QGuiApplication::platformName() == QLatin1String("offscreen")) {
        if (!echo())
            qWarning("message box \"%s\" answered without a person: %s", request.title.c_str(), request.text.c_str());
        return request.defaultButton;
    }
    return ShowMessageBox(request);
}

int MessageBoxA(QWidget* owner, const std::string& text, const std::string& caption, unsigned flags)
{
    MessageRequest request;
    request.title = caption;
    request.text = text;
    request.buttons = boxButtons(flags);
    const size_t def = (flags & MB_DEFBUTTON3) ? 2 : (flags & MB_DEFBUTTON2) ? 1 : 0;
    request.defaultButton = request.buttons[std::min(def, request.buttons.size() - 1)];
    request.icon = boxIcon(flags);
    request.owner = owner;
    return ShowMessageRequest(request);
}

int MessageDlg(const std::string& text, TMsgDlgType type, TMsgDlgButtons buttons, int helpContext)
{
    return MessageDlg(text, type, buttons, helpContext, 0);
}

int MessageDlg(const std::string& text, TMsgDlgType type, TMsgDlgButtons buttons, int /*helpContext*/,
               TMsgDlgButtons defaultButton)
{
    MessageRequest request;
    request.title = ExecutableFileName();
    request.text = text;
    // The class library's button order.
    const struct { TMsgDlgButtons bit; int code; } order[] = {
        {mbYes, IDYES},     {mbNo, IDNO},       {mbOK, IDOK},         {mbCancel, IDCANCEL},
        {mbAbort, IDABORT}, {mbRetry, IDRETRY}, {mbIgnore, IDIGNORE},
    };
    for (const auto& o : order)
        if (buttons & o.bit)
            request.buttons.push_back(o.code);
    if (request.buttons.empty())
        request.buttons.push_back(IDOK);
    // The default is the one asked for when offered, else OK or Yes when offered, else the
    // first button.
    request.defaultButton = contains(request.buttons, IDOK)    ? IDOK
                            : contains(request.buttons, IDYES) ? IDYES
                                                               : request.buttons.front();
    for (const auto& o : order)
        if ((defaultButton & buttons) == o.bit)
            request.defaultButton = o.code;
    switch (type) {
    case mtWarning: request.icon = MessageIcon::Warning; break;
    case mtError: request.icon = MessageIcon::Error; break;
    case mtInformation: request.icon = MessageIcon::Information; break;
    case mtConfirmation: request.icon = MessageIcon::Question; break;
    case mtCustom: request.icon = MessageIcon::None; break;
    }
    return ShowMessageRequest(request);
}

void ShowMessage(const std::string& text) { MessageDlg(text, mtCustom, mbOK); }

void KeepEnterFromButtons(QWidget* window)
{
    if (!window)
        return;
    for (QPushButton* button : window->findChildren<QPushButton*>()) {
        button->setAutoDefault(false);
        button->setDefault(false);
    }
}
