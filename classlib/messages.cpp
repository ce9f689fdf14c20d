#include "classlib/messages.h"

#include <QCoreApplication>
#include <QPointer>
#include <QWidget>

namespace {

bool canTakeTabFocus(QWidget* w, QWidget* window)
{
    return w != window && (w->focusPolicy() & Qt::TabFocus) && w->isEnabled() && w->isVisibleTo(window) &&
           w->window() == window;
}

void moveFocus(QWidget* window, bool backwards)
{
    QWidget* start = window->focusWidget() ? window->focusWidget() : window;
    QWidget* w = start;
    do {
        w = backwards ? w->previousInFocusChain() : w->nextInFocusChain();
        if (canTakeTabFocus(w, window)) {
            w->setFocus(backwards ? Qt::BacktabFocusReason : Qt::TabFocusReason);
            return;
        }
    } while (w && w != start);
}

void defaultProcessing(QObject* target, const PostedMessage& message)
{
    auto* widget = qobject_cast<QWidget*>(target);
    if (!widget)
        return;
    switch (message.Msg) {
    case WM_CLOSE: widget->window()->close(); break;
    case WM_NEXTDLGCTL: moveFocus(widget->window(), message.WParam != 0); break;
    default: break;
    }
}

} // namespace

PostedMessage::PostedMessage(unsigned msg, WPARAM wParam, LPARAM lParam)
    : QEvent(eventType()), Msg(msg), WParam(wParam), LParam(lParam)
{
}

QEvent::Type PostedMessage::eventType()
{
    static const QEvent::Type type = static_cast<QEvent::Type>(QEvent::registerEventType());
    return type;
}

PostedMessage* PostedMessage::from(QEvent* event)
{
    return event && event->type() == eventType() ? static_cast<PostedMessage*>(event) : nullptr;
}

bool PostMessageA(QObject* target, unsigned msg, WPARAM wParam, LPARAM lParam)
{
    QCoreApplication* app = QCoreApplication::instance();
    if (!target || !app)
        return false;
    QPointer<QObject> guard(target);
    QMetaObject::invokeMethod(
        app,
        [guard, msg, wParam, lParam] {
            if (!guard)
                return;
            PostedMessage message(msg, wParam, lParam);
            message.ignore();
            QCoreApplication::sendEvent(guard, &message);
            if (!message.isAccepted() && guard)
                defaultProcessing(guard, message);
        },
        Qt::QueuedConnection);
    return true;
}

void ProcessMessages() { QCoreApplication::processEvents(); }
