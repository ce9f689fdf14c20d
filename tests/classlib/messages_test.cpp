#include "classlib/messages.h"

#include <QApplication>
#include <QLineEdit>
#include <QVBoxLayout>
#include <QWidget>
#include <gtest/gtest.h>
#include <vector>

namespace {

// A window that records the posted messages it receives and accepts those it is told to.
class Receiver : public QWidget {
public:
    struct Got {
        unsigned msg;
        WPARAM w;
        LPARAM l;
    };
    std::vector<Got> got;
    bool acceptAll = true;

protected:
    void customEvent(QEvent* e) override
    {
        if (PostedMessage* m = PostedMessage::from(e)) {
            got.push_back({m->Msg, m->WParam, m->LParam});
            if (acceptAll)
                m->accept();
        }
    }
};

TEST(PostMessage, DeliversLaterInOrder)
{
    Receiver r;
    ASSERT_TRUE(PostMessageA(&r, WM_USER + 1, 7, -1));
    ASSERT_TRUE(PostMessageA(&r, WM_USER + 2, ~WPARAM(0), 42));
    EXPECT_TRUE(r.got.empty()); // not before the loop runs
    ProcessMessages();
    ASSERT_EQ(r.got.size(), 2u);
    EXPECT_EQ(r.got[0].msg, WM_USER + 1);
    EXPECT_EQ(r.got[0].w, 7u);
    EXPECT_EQ(r.got[0].l, -1);
    EXPECT_EQ(r.got[1].msg, WM_USER + 2);
    EXPECT_EQ(r.got[1].w, ~WPARAM(0));
    EXPECT_FALSE(PostMessageA(nullptr, WM_USER, 0, 0));
}

TEST(PostMessage, ToAnObjectDeletedBeforeDeliveryDoesNothing)
{
    auto* r = new Receiver;
    r->acceptAll = false; // would close a live window
    ASSERT_TRUE(PostMessageA(r, WM_CLOSE, 0, 0));
    ASSERT_TRUE(PostMessageA(r, WM_NEXTDLGCTL, 0, 0));
    delete r;
    ProcessMessages(); // must not touch the freed window (the sanitizer build checks)
}

TEST(PostMessage, CloseIsDoneUnlessTheWindowHandlesIt)
{
    Receiver r;
    r.show();
    PostMessageA(&r, WM_CLOSE, 0, 0);
    ProcessMessages();
    EXPECT_TRUE(r.isVisible()); // accepted by the window: nothing more

    r.acceptAll = false;
    PostMessageA(&r, WM_CLOSE, 0, 0);
    ProcessMessages();
    EXPECT_FALSE(r.isVisible());
    EXPECT_EQ(r.got.size(), 2u);
}

TEST(PostMessage, NextDialogControlMovesTheFocusAlongTheTabOrder)
{
    Receiver window;
    window.acceptAll = false;
    auto* layout = new QVBoxLayout(&window);
    auto* first = new QLineEdit;
    auto* disabled = new QLineEdit;
    auto* second = new QLineEdit;
    disabled->setEnabled(false);
    layout->addWidget(first);
    layout->addWidget(disabled);
    layout->addWidget(second);
    window.show();
    first->setFocus();
    ASSERT_EQ(window.focusWidget(), first);

    // The message goes to the owner window, whichever control has the focus.
    PostMessageA(&window, WM_NEXTDLGCTL, 0, 0);
    ProcessMessages();
    EXPECT_EQ(window.focusWidget(), second); // skips the disabled edit

    PostMessageA(first, WM_NEXTDLGCTL, 0, 0); // any widget of the window will do
    ProcessMessages();
    EXPECT_EQ(window.focusWidget(), first); // wraps around

    PostMessageA(&window, WM_NEXTDLGCTL, 1, 0);
    ProcessMessages();
    EXPECT_EQ(window.focusWidget(), second); // backwards
}

} // namespace
