#include "platform/launch.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QThread>
#include <gtest/gtest.h>

namespace {

TEST(WinExec, StartsAProgramOrReportsItMissing)
{
    EXPECT_GT(WinExec({"/bin/true"}), 31u);
    EXPECT_GT(WinExec({"true", "ignored"}), 31u); // looked up in PATH
    EXPECT_EQ(WinExec({"/nonexistent/MIB", "/I10.1.1.7"}), ERROR_FILE_NOT_FOUND);
    EXPECT_EQ(WinExec({"no-such-program-trq3100"}), ERROR_FILE_NOT_FOUND);
    EXPECT_EQ(WinExec({}), ERROR_FILE_NOT_FOUND);
    EXPECT_EQ(WinExec({"/"}), ERROR_FILE_NOT_FOUND); // a folder is no program
}

TEST(WinExec, PassesEachArgumentAsItStandsWithoutAShell)
{
    QTemporaryDir dir;
    const QString name = dir.filePath("a b;echo x>$HOME'\"");
    EXPECT_GT(WinExec({"touch", name.toStdString()}), 31u);
    for (int i = 0; i < 500 && !QFile::exists(name); ++i)
        QThread::msleep(10);
    EXPECT_TRUE(QFile::exists(name));
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files).size(), 1);
}

TEST(WinExec, StarterCanBeReplaced)
{
    std::string program;
    std::vector<std::string> args;
    const ProgramStarter previous = SetProgramStarter([&](const std::string& p, const std::vector<std::string>& a) {
        program = p;
        args = a;
        return true;
    });
    EXPECT_GT(WinExec({"MIB", "/I10.1.1.7", "/TMIB_IFTable"}), 31u);
    SetProgramStarter(previous);
    EXPECT_EQ(program, "MIB");
    EXPECT_EQ(args, (std::vector<std::string>{"/I10.1.1.7", "/TMIB_IFTable"}));
}

} // namespace
