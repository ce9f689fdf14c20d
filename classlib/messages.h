#pragma once
// Posting a message to a window, and pumping the message loop.
//
// PostMessageA queues (msg, wParam, lParam) for the target; it is delivered from the
// event loop as a PostedMessage event sent to the target, or dropped when the target
// has been deleted by then. A window receives it by overriding QObject::customEvent (or
// event) and calling accept() on the event when it handled it. A message that no
// handler accepts gets the host's default treatment on a widget:
//   WM_CLOSE       closes the widget's window;
//   WM_NEXTDLGCTL  moves the focus of the widget's window to the next control in the
//                  tab order (to the previous one when wParam is not 0).
#include <QEvent>
#include <cstdint>

class QObject;

using WPARAM = uintptr_t;
using LPARAM = intptr_t;

inline constexpr unsigned WM_CLOSE = 0x0010;
inline constexpr unsigned WM_NEXTDLGCTL = 0x0028;
inline constexpr unsigned WM_USER = 0x0400;

class PostedMessage : public QEvent {
public:
    PostedMessage(unsigned msg, WPARAM wParam, LPARAM lParam);
    static QEvent::Type eventType();
    // The event as a posted message, or null when it is another event.
    static PostedMessage* from(QEvent* event);

    const unsigned Msg;
    const WPARAM WParam;
    const LPARAM LParam;
};

// Queues the message; false when target is null or there is no application object.
bool PostMessageA(QObject* target, unsigned msg, WPARAM wParam, LPARAM lParam);

// Runs the pending events once (the class library's ProcessMessages).
void ProcessMessages();
