#include "classlib/help.h"

#include <QDir>
#include <gtest/gtest.h>

namespace {

TEST(WinHelp, OpensTheAbsoluteFileUrl)
{
    std::vector<QUrl> opened;
    const UrlOpener previous = SetHelpOpener([&](const QUrl& url) {
        opened.push_back(url);
        return true;
    });
    EXPECT_TRUE(WinHelpA(nullptr, "/opt/trq3100/TRQ-3100 r3 dr4.hlp", HELP_CONTENTS, 0));
    EXPECT_TRUE(WinHelpA(nullptr, "help/x#1.hlp", HELP_CONTENTS, 0));
    EXPECT_TRUE(WinHelpA(nullptr, "/opt/x.hlp", HELP_QUIT, 0)); // closes nothing, opens nothing
    EXPECT_FALSE(WinHelpA(nullptr, "", HELP_CONTENTS, 0));
    SetHelpOpener(previous);

    ASSERT_EQ(opened.size(), 2u);
    EXPECT_EQ(opened[0].toString(), "file:///opt/trq3100/TRQ-3100 r3 dr4.hlp");
    EXPECT_EQ(opened[0].toLocalFile(), "/opt/trq3100/TRQ-3100 r3 dr4.hlp");
    EXPECT_EQ(opened[1].toLocalFile(), QDir::current().absoluteFilePath("help/x#1.hlp"));
    EXPECT_EQ(HelpFileUrl("/a/b.hlp"), QUrl("file:///a/b.hlp"));
}

} // namespace
