#include "platform/paths.h"

#include <QCoreApplication>
#include <gtest/gtest.h>

namespace {

TEST(ExecutablePaths, NameTheRunningProgram)
{
    const std::string path = ExecutablePath();
    ASSERT_FALSE(path.empty());
    EXPECT_EQ(path.front(), '/');
    EXPECT_EQ(ExecutableFileName(), "platform_files_test");
    EXPECT_EQ(ExecutableFolder() + ExecutableFileName(), path);

    // A test's folder stands in for the real one until it is cleared.
    SetExecutableFolder("/tmp/trq/bin/");
    EXPECT_EQ(ExecutableFolder(), "/tmp/trq/bin/");
    EXPECT_EQ(ExecutableFileName(), "platform_files_test");
    SetExecutableFolder("");
    EXPECT_EQ(ExecutableFolder() + ExecutableFileName(), path);
}

TEST(LocalFileName, KeepsTheBytesOfAName)
{
    const std::string name = "/opt/trq3100/TRQ-3100 r3 dr4.hlp";
    EXPECT_EQ(LocalFileName(name), QString::fromStdString(name));
    EXPECT_TRUE(LocalFileName("").isEmpty());
}

} // namespace
