// A value far longer than a control can lay out (a hostile switch's 65,000 octets), bound
// to an edit or a label: shown in part, the edit kept read-only whatever its window does,
// and read back for a set exactly as it was given, never as the part shown.
#include <QLabel>
#include <QLineEdit>
#include <QWidget>
#include <gtest/gtest.h>

#include <string>

#include "snmplib/bind/request2edits.h"

namespace {

const VhSNMPObjectDesc LongTable[] = {
    {"1.3.6.1.4.1.32473.99.9.31", "Text", SNMP_SYNTAX_DISPLAYSTR, SNMP_ACCESS_READWRITE},
    {"1.3.6.1.4.1.32473.99.9.32", "Note", SNMP_SYNTAX_DISPLAYSTR, SNMP_ACCESS_READWRITE},
    {nullptr},
};

struct Bound {
    QWidget window;
    VhSNMPRequest2Edits request{&window};
    QLineEdit* edit = new QLineEdit(&window);
    QLabel* label = new QLabel(&window);

    explicit Bound(int maxLength = 32767)
    {
        request.Request.VarList = VhSNMPVarList(LongTable, SVT_SV, 0);
        edit->setMaxLength(maxLength);
        request.AddControlsFmt(0, "%s{l64}", edit);
        request.AddControl(1, label);
    }
    void fill(const std::string& text)
    {
        for (int i = 0; i < 2; ++i)
            request.Request.VarList.GetItem(i)->Value = text;
        request.UpdateControls(-1);
    }
    // What a set would carry for each item.
    std::pair<std::string, std::string> read()
    {
        for (int i = 0; i < 2; ++i)
            request.Request.VarList.GetItem(i)->Value.clear();
        request.UpdateVarList(-1);
        return {request.Request.VarList.GetItem(0)->Value, request.Request.VarList.GetItem(1)->Value};
    }
};

TEST(LongValue, IsShownInPartAndReadBackWhole)
{
    // The default edit (it would cut at 32,767 characters) and one the window limited.
    for (const int maxLength : {32767, 10}) {
        SCOPED_TRACE(maxLength);
        Bound b(maxLength);
        const std::string value = std::string(64999, 'x') + "z";
        b.fill(value);
        EXPECT_LE(b.edit->text().size(), VhSNMPRequest2Edits::EditTextLimit + 1);
        EXPECT_LE(b.edit->text().size(), maxLength);
        EXPECT_LE(b.label->text().size(), VhSNMPRequest2Edits::EditTextLimit + 1);
        EXPECT_TRUE(b.edit->isReadOnly());
        EXPECT_TRUE(b.request.ShowsInPart(b.edit));
        EXPECT_TRUE(b.request.ShowsInPart(b.label));
        // The window makes the edit writable (as the generic window does for a ticked row):
        // it stays read-only while it shows the part.
        b.edit->setReadOnly(false);
        EXPECT_TRUE(b.edit->isReadOnly());
        EXPECT_EQ(b.read(), std::make_pair(value, value));

        // A text the window puts in is the value, and the edit is as the window last made it.
        b.edit->setText("mine");
        b.label->setText("its own");
        EXPECT_FALSE(b.edit->isReadOnly());
        EXPECT_FALSE(b.request.ShowsInPart(b.edit));
        EXPECT_EQ(b.read(), std::make_pair(std::string("mine"), std::string("its own")));

        // Long again, then short: shown whole, and the edit the window's again.
        b.fill(value);
        EXPECT_TRUE(b.edit->isReadOnly());
        b.fill("short");
        EXPECT_EQ(b.edit->text(), "short");
        EXPECT_FALSE(b.edit->isReadOnly());
        EXPECT_EQ(b.read(), std::make_pair(std::string("short"), std::string("short")));
    }
}

TEST(LongValue, AnEditReadOnlyBeforeStaysSoAndTheBindingGivesItBack)
{
    Bound b;
    b.edit->setReadOnly(true);
    b.edit->setToolTip("the window's");
    b.fill(std::string(5000, 'q'));
    EXPECT_NE(b.edit->toolTip(), "the window's");
    b.request.RemoveControls(0);
    EXPECT_TRUE(b.edit->isReadOnly());
    EXPECT_EQ(b.edit->toolTip(), "the window's");
}

} // namespace
