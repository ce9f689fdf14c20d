// "Save Changes" and "Reboot" against the simulator: the confirmation, the one set each sends
// (the simulator's PDU log), an agent's error and a silent agent; and "Help", through the
// help opener.
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QMessageBox>
#include <QTest>
#include <QTimer>
#include <QUrl>

#include <filesystem>
#include <fstream>

#include "mainsim.h"
#include "mainwin/mainunit.h"
#include "mainwin/startup.h"
#include "classlib/dialogs.h"
#include "platform/launch.h"
#include "classlib/help.h"
#include "snmplib/engine/snmperrs.h"
#include "snmplib/snmperror.h"
#include "screenshot.h"

using namespace mainsim;

namespace {

[[maybe_unused]] const bool g_environment = UseMainWindowOnSimulator();

using Varbinds = std::vector<std::pair<std::string, std::string>>; // oid, "TYPE value"

std::vector<Varbinds> LoggedSets()
{
    std::vector<Varbinds> sets;
    for (const auto& pdu : sim().pduLog())
        if (pdu.type == "set") {
            Varbinds v;
            for (const auto& vb : pdu.varbinds)
                v.emplace_back(vb.oid, vb.type + " " + vb.value);
            sets.push_back(v);
        }
    return sets;
}

// What the user does: the menu item's action.
void Click(const char* name)
{
    QAction* item = mainForm().MenuItem(name);
    ASSERT_NE(item, nullptr) << name;
    item->trigger();
}

// The text an error box shows for a library code.
std::string ShownError(int code)
{
    std::string text = SnmpErrorText(code);
    if (!text.empty() && static_cast<unsigned char>(text.back()) > '.')
        text += '.';
    return text;
}

int CodeOfStatus(int status)
{
    int code = 0;
    std::string message;
    TranslateSnmpStatus(status, code, message);
    return code;
}

struct ActionCase {
    const char* item;
    const char* question;
    const char* caption;
    MessageIcon icon;
    Varbinds set;
};

const ActionCase Actions[] = {
    {"SaveChanges1", "Are you sure?\nIt will spend a lot time !\nPlease wait !", "Device Save Changes",
     MessageIcon::Information, {{"1.3.6.1.4.1.32473.12.1.2.6.0", "INTEGER 3"}}},
    {"Reboot1", "Are you sure?", "Device Reboot", MessageIcon::Warning,
     {{"1.3.6.1.4.1.32473.12.1.2.3.0", "INTEGER 2"}}},
};

TEST(DeviceActions, OkSendsExactlyOneSetAndCancelSendsNothing)
{
    for (const ActionCase& action : Actions) {
        SCOPED_TRACE(action.item);
        for (const int answer : {IDOK, IDCANCEL}) {
            ASSERT_TRUE(sim().clearLog());
            MessageRecorder boxes(answer);
            Click(action.item);
            ASSERT_EQ(boxes.Shown.size(), 1u); // the question; nothing after a success
            const MessageRequest& asked = boxes.Shown[0];
            EXPECT_EQ(asked.text, action.question);
            EXPECT_EQ(asked.title, action.caption);
            EXPECT_EQ(asked.buttons, (std::vector<int>{IDOK, IDCANCEL}));
            EXPECT_EQ(asked.icon, action.icon);
            EXPECT_EQ(asked.defaultButton, IDCANCEL); // Enter writes nothing
            EXPECT_EQ(LoggedSets(), answer == IDOK ? std::vector<Varbinds>{action.set} : std::vector<Varbinds>{});
        }
    }
}

// The box on the screen: Enter answers Cancel and nothing is sent; the box is as wide as
// its title needs.
TEST(DeviceActions, EnterInTheConfirmationSendsNothing)
{
    for (const ActionCase& action : Actions) {
        SCOPED_TRACE(action.item);
        ASSERT_TRUE(sim().clearLog());
        int answer = -1;
        bool seen = false;
        const MessageResponder previous = SetMessageResponder([&](const MessageRequest& request) {
            QTimer::singleShot(0, [&] {
                auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
                ASSERT_NE(box, nullptr);
                seen = true;
                EXPECT_EQ(box->windowTitle().toStdString(), action.caption);
                EXPECT_GE(box->width(), box->fontMetrics().horizontalAdvance(box->windowTitle()) + 100);
                trqtest::saveScreenshot(box, QString("deviceaction_") + action.item);
                QWidget* focus = box->focusWidget() ? box->focusWidget() : box;
                QTest::keyClick(focus, Qt::Key_Return);
            });
            answer = ShowMessageBox(request);
            return answer;
        });
        Click(action.item);
        SetMessageResponder(previous);
        EXPECT_TRUE(seen);
        EXPECT_EQ(answer, IDCANCEL);
        EXPECT_EQ(LoggedSets(), std::vector<Varbinds>{});
    }
}

TEST(DeviceActions, AnAgentErrorIsShownAndTheNextActionWorks)
{
    constexpr int genErr = 5;
    for (const ActionCase& action : Actions) {
        SCOPED_TRACE(action.item);
        ASSERT_TRUE(sim().clearLog());
        ASSERT_TRUE(sim().failNextSet(genErr));
        MessageRecorder boxes(IDOK);
        Click(action.item);
        ASSERT_EQ(boxes.Shown.size(), 2u);
        EXPECT_EQ(boxes.Shown[1].text, ShownError(CodeOfStatus(genErr)));
        EXPECT_EQ(boxes.Shown[1].icon, MessageIcon::Error);
        // Nothing is left behind: the same command runs again and succeeds.
        Click(action.item);
        EXPECT_EQ(boxes.Shown.size(), 3u);
        EXPECT_EQ(LoggedSets(), (std::vector<Varbinds>{action.set, action.set}));
    }
}

TEST(DeviceActions, ASilentAgentTimesOutWhileTheWindowKeepsWorking)
{
    TMainForm& form = mainForm();
    const int32_t timeout = form.DeviceActionTimeout;
    form.DeviceActionTimeout = 30; // 0.3 s and one retry
    ASSERT_TRUE(sim().mute(true));
    MessageRecorder boxes(IDOK);
    // While the set waits, events are handled, and a second click starts nothing.
    bool handledWhileWaiting = false;
    QTimer::singleShot(50, [&] {
        handledWhileWaiting = true;
        Click("Reboot1");
        Click("SaveChanges1");
    });
    Click("SaveChanges1");
    ASSERT_TRUE(sim().mute(false));
    form.DeviceActionTimeout = timeout;
    EXPECT_TRUE(handledWhileWaiting);
    ASSERT_EQ(boxes.Shown.size(), 2u);
    EXPECT_EQ(boxes.Shown[0].title, "Device Save Changes");
    EXPECT_EQ(boxes.Shown[1].text, ShownError(CodeOfStatus(SNMP_CLASS_TIMEOUT)));
    // The switch is answered again afterwards.
    ASSERT_TRUE(sim().clearLog());
    Click("Reboot1");
    EXPECT_EQ(boxes.Shown.size(), 3u);
    EXPECT_EQ(LoggedSets().size(), 1u);
}

// ---- Help ----------------------------------------------------------------------------------

TEST(Help, OpensTheFileBesideTheProgramAndSaysWhyItCannot)
{
    const std::string file = ExecutableFolder() + "TRQ-3100 r3 dr4.hlp";
    struct HelpCase {
        const char* name;
        bool present;
        bool openerAnswers;
        std::string message; // "" none
    } cases[] = {
        {"missing file", false, true, "The help file \"" + file + "\" cannot be found."},
        {"opened", true, true, ""},
        {"no program for it", true, false, "No program is registered to open the help file \"" + file + "\"."},
    };
    for (const HelpCase& c : cases) {
        SCOPED_TRACE(c.name);
        std::filesystem::remove(file);
        if (c.present)
            std::ofstream(file) << "help";
        std::vector<QUrl> opened;
        const UrlOpener previous = SetHelpOpener([&](const QUrl& url) {
            opened.push_back(url);
            return c.openerAnswers;
        });
        MessageRecorder boxes;
        Click("Help2");
        SetHelpOpener(previous);
        ASSERT_EQ(opened.size(), 1u);
        EXPECT_EQ(opened[0].toLocalFile().toStdString(), file);
        if (c.message.empty()) {
            EXPECT_TRUE(boxes.Shown.empty());
        } else {
            ASSERT_EQ(boxes.Shown.size(), 1u);
            EXPECT_EQ(boxes.Shown[0].text, c.message);
        }
    }
    std::filesystem::remove(file);
}

} // namespace
