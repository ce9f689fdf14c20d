#include "classlib/dialogs.h"

#include <QApplication>
#include <QDialog>
#include <QLineEdit>
#include <QTest>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>
#include <gtest/gtest.h>

namespace {

class DialogsTest : public ::testing::Test {
protected:
    MessageRecorder boxes;
};

TEST_F(DialogsTest, MessageBoxMapsTheHostFlags)
{
    const struct {
        unsigned flags;
        std::vector<int> buttons;
        int defaultButton;
        MessageIcon icon;
    } cases[] = {
        {MB_OK, {IDOK}, IDOK, MessageIcon::None},
        {MB_OKCANCEL | MB_ICONINFORMATION, {IDOK, IDCANCEL}, IDOK, MessageIcon::Information}, // 0x41
        {MB_YESNO | MB_ICONQUESTION | MB_DEFBUTTON2, {IDYES, IDNO}, IDNO, MessageIcon::Question},
        {MB_YESNOCANCEL | MB_ICONSTOP | MB_DEFBUTTON3, {IDYES, IDNO, IDCANCEL}, IDCANCEL, MessageIcon::Error},
        {MB_ABORTRETRYIGNORE | MB_ICONWARNING, {IDABORT, IDRETRY, IDIGNORE}, IDABORT, MessageIcon::Warning},
        {MB_RETRYCANCEL | MB_DEFBUTTON3, {IDRETRY, IDCANCEL}, IDCANCEL, MessageIcon::None},
    };
    for (const auto& c : cases) {
        boxes.Shown.clear();
        boxes.Answer = c.buttons.back();
        EXPECT_EQ(MessageBoxA(nullptr, "Are you sure?", "Device Reboot", c.flags), c.buttons.back());
        ASSERT_EQ(boxes.Shown.size(), 1u);
        EXPECT_EQ(boxes.Shown[0].title, "Device Reboot");
        EXPECT_EQ(boxes.Shown[0].text, "Are you sure?");
        EXPECT_EQ(boxes.Shown[0].buttons, c.buttons) << c.flags;
        EXPECT_EQ(boxes.Shown[0].defaultButton, c.defaultButton) << c.flags;
        EXPECT_EQ(boxes.Shown[0].icon, c.icon) << c.flags;
    }
}

TEST_F(DialogsTest, MessageDlgIsTitledWithTheExecutableName)
{
    EXPECT_EQ(ExecutableFileName(), "classlib_dialogs_test");
    boxes.Answer = mrNo;
    EXPECT_EQ(MessageDlg("Are you sure to delete it?", mtConfirmation, mbYesNo), mrNo);
    EXPECT_EQ(MessageDlg("Refresh?", mtWarning, mbOKCancel), mrNo); // the responder's answer, as given
    ShowMessage("Get data not complete");
    ASSERT_EQ(boxes.Shown.size(), 3u);
    EXPECT_EQ(boxes.Shown[0].title, "classlib_dialogs_test");
    EXPECT_EQ(boxes.Shown[0].text, "Are you sure to delete it?");
    EXPECT_EQ(boxes.Shown[0].buttons, (std::vector<int>{IDYES, IDNO}));
    EXPECT_EQ(boxes.Shown[0].defaultButton, IDYES);
    EXPECT_EQ(boxes.Shown[0].icon, MessageIcon::Question);
    EXPECT_EQ(boxes.Shown[1].buttons, (std::vector<int>{IDOK, IDCANCEL}));
    EXPECT_EQ(boxes.Shown[1].icon, MessageIcon::Warning);
    EXPECT_EQ(boxes.Shown[2].title, "classlib_dialogs_test");
    EXPECT_EQ(boxes.Shown[2].buttons, (std::vector<int>{IDOK}));
    EXPECT_EQ(boxes.Shown[2].icon, MessageIcon::None);
}

// A question whose OK or Yes writes names its safe button: Enter then answers with it.
TEST_F(DialogsTest, AQuestionCanNameTheButtonEnterPresses)
{
    const struct {
        TMsgDlgButtons buttons;
        TMsgDlgButtons asked;
        int defaultButton;
    } cases[] = {
        {mbOKCancel, mbCancel, IDCANCEL},
        {mbYesNo, mbNo, IDNO},
        {mbYesNoCancel, mbCancel, IDCANCEL},
        {mbOKCancel, 0, IDOK},    // none asked: OK
        {mbOKCancel, mbNo, IDOK}, // one not offered: as if none was asked
    };
    for (const auto& c : cases) {
        boxes.Shown.clear();
        MessageDlg("Are you sure to delete it?", mtConfirmation, c.buttons, 0, c.asked);
        ASSERT_EQ(boxes.Shown.size(), 1u);
        EXPECT_EQ(boxes.Shown[0].defaultButton, c.defaultButton) << c.buttons << " " << c.asked;
    }
}

// Enter in an edit of a dialog presses its first button, unless the dialog keeps Enter from
// its buttons: then nothing is pressed, and Space still presses a button.
TEST(Dialogs, KeepEnterFromButtonsLeavesEnterToTheEdit)
{
    for (const bool kept : {false, true}) {
        QDialog dialog;
        auto* edit = new QLineEdit(&dialog);
        auto* refresh = new QPushButton("Refresh", &dialog);
        auto* set = new QPushButton("Set", &dialog);
        refresh->move(0, 30);
        set->move(0, 60);
        int refreshed = 0, sets = 0;
        QObject::connect(refresh, &QPushButton::clicked, [&] { ++refreshed; });
        QObject::connect(set, &QPushButton::clicked, [&] { ++sets; });
        if (kept)
            KeepEnterFromButtons(&dialog);
        dialog.show();
        edit->setFocus();
        QTest::keyClicks(edit, "999");
        QTest::keyClick(edit, Qt::Key_Return);
        QTest::keyClick(edit, Qt::Key_Enter);
        EXPECT_EQ(refreshed, kept ? 0 : 2) << kept;
        EXPECT_EQ(sets, 0);
        EXPECT_EQ(edit->text(), "999");
        if (kept) {
            set->setFocus();
            QTest::keyClick(set, Qt::Key_Return);
            EXPECT_EQ(sets, 0);
            QTest::keyClick(set, Qt::Key_Space);
            EXPECT_EQ(sets, 1);
        }
    }
}

TEST(Dialogs, WithoutResponderOffscreenAnswersTheDefault)
{
    {
        MessageRecorder outer(IDYES);
        {
            MessageRecorder inner(IDNO);
            EXPECT_EQ(MessageBoxA(nullptr, "x", "t", MB_YESNO), IDNO);
        }
        EXPECT_EQ(MessageBoxA(nullptr, "x", "t", MB_YESNO), IDYES);
        EXPECT_EQ(outer.Shown.size(), 1u);
    }
    ASSERT_EQ(QGuiApplication::platformName(), "offscreen");
    EXPECT_EQ(MessageBoxA(nullptr, "x", "t", MB_YESNO | MB_DEFBUTTON2), IDNO);
    EXPECT_EQ(MessageDlg("x", mtConfirmation, mbOKCancel), mrOk);
}

// The real box: shows the text and buttons given, and maps the button pressed back.
TEST(Dialogs, RealBoxReturnsThePressedButton)
{
    const struct { int press; } cases[] = {{IDYES}, {IDNO}, {IDCANCEL}, {0 /* Escape */}};
    for (const auto& c : cases) {
        QString seenText;
        QStringList seenButtons;
        QTimer::singleShot(0, [&] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            ASSERT_NE(box, nullptr);
            seenText = box->text();
            for (QAbstractButton* b : box->buttons())
                seenButtons << b->text();
            if (c.press == 0) {
                box->reject();
                return;
            }
            const auto qt = c.press == IDYES ? QMessageBox::Yes : c.press == IDNO ? QMessageBox::No : QMessageBox::Cancel;
            box->button(qt)->click();
        });
        MessageRequest r;
        r.title = "t";
        r.text = "SNMP Version has been modified!\r\nSwitch?\xE9";
        r.buttons = {IDYES, IDNO, IDCANCEL};
        r.defaultButton = IDYES;
        EXPECT_EQ(ShowMessageBox(r), c.press == 0 ? IDCANCEL : c.press);
        EXPECT_EQ(seenText, QString::fromUtf8("SNMP Version has been modified!\nSwitch?\u00E9"));
        EXPECT_EQ(seenButtons.size(), 3);
    }
}

} // namespace
