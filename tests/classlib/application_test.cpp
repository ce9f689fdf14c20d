// The application object is the program's one QApplication, so this binary has its own
// main that creates it.
#include "classlib/application.h"
#include "classlib/dialogs.h"
#include "classlib/messages.h"

#include <QTimer>
#include <cstdlib>
#include <gtest/gtest.h>
#include <stdexcept>

#include "platform/exception.h"

namespace {

TApplication* app = nullptr;

class Thrower : public QObject {
public:
    std::exception_ptr toThrow;

protected:
    void customEvent(QEvent*) override { std::rethrow_exception(toThrow); }
};

class ApplicationTest : public ::testing::Test {
protected:
    MessageRecorder boxes;
};

TEST_F(ApplicationTest, ExceptionLeavingAHandlerIsShownAndTheLoopGoesOn)
{
    const struct { std::exception_ptr e; const char* text; } cases[] = {
        {std::make_exception_ptr(Exception("Request Timed Out", -405)), "Request Timed Out."},
        {std::make_exception_ptr(EConvertError("'' is not a valid integer value")), "'' is not a valid integer value."},
        {std::make_exception_ptr(Exception("Are you sure?")), "Are you sure?."},
        {std::make_exception_ptr(Exception("Create file error!")), "Create file error!"},
        {std::make_exception_ptr(Exception("ends with a stop.")), "ends with a stop."},
        {std::make_exception_ptr(std::runtime_error("std error")), "std error."},
        {std::make_exception_ptr(42), "Unknown exception."},
    };
    for (const auto& c : cases) {
        boxes.Shown.clear();
        Thrower t;
        t.toThrow = c.e;
        PostMessageA(&t, WM_USER, 0, 0);
        app->ProcessMessages();
        ASSERT_EQ(boxes.Shown.size(), 1u) << c.text;
        EXPECT_EQ(boxes.Shown[0].text, c.text);
        EXPECT_EQ(boxes.Shown[0].title, "classlib_application_test");
        EXPECT_EQ(boxes.Shown[0].icon, MessageIcon::Error);
        EXPECT_EQ(boxes.Shown[0].buttons, std::vector<int>{IDOK});
    }
}

TEST_F(ApplicationTest, ShowExceptionOutsideTheLoop)
{
    ShowException(Exception("Platform should be Pelmora or HP-OpenView"));
    ShowException(std::string());
    ASSERT_EQ(boxes.Shown.size(), 2u);
    EXPECT_EQ(boxes.Shown[0].text, "Platform should be Pelmora or HP-OpenView.");
    EXPECT_EQ(boxes.Shown[1].text, "");
}

// Runs last: a terminated application does not come back to life.
TEST_F(ApplicationTest, TerminateEndsTheLoopWhenItStartsOrAtOnce)
{
    // A loop that Terminate fails to end is ended by this guard with code 1.
    QTimer guard;
    guard.setSingleShot(true);
    QObject::connect(&guard, &QTimer::timeout, [] { QApplication::exit(1); });

    // While the loop runs.
    QTimer::singleShot(0, app, [] { app->Terminate(); });
    guard.start(2000);
    EXPECT_EQ(QApplication::exec(), 0);
    EXPECT_TRUE(app->Terminated());

    // Before the loop: start-up's "No parameter input" path. Pumping in between (a
    // synchronous request during start-up) must not lose the request to terminate.
    app->Terminate();
    app->ProcessMessages();
    EXPECT_EQ(app->Run(), 0);

    // A plain message loop ends at once too when nothing pumped in between.
    app->Terminate();
    guard.start(2000);
    EXPECT_EQ(QApplication::exec(), 0);
}

} // namespace

int main(int argc, char** argv)
{
    ::testing::InitGoogleTest(&argc, argv);
    if (!std::getenv("QT_QPA_PLATFORM"))
        setenv("QT_QPA_PLATFORM", "offscreen", 1);
    TApplication application(argc, argv);
    app = &application;
    return RUN_ALL_TESTS();
}
