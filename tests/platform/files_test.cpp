#include "platform/files.h"

#include <sys/stat.h>

#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>
#include <cerrno>
#include <fstream>
#include <gtest/gtest.h>
#include <vector>

namespace {

// Every kind of name a registry variable or a settings folder may lead to: only a regular
// file gives bytes; the others give their error at once, without an exception and without
// waiting for a writer of a pipe.
TEST(ReadWholeFile, OnlyARegularFileGivesBytes)
{
    QTemporaryDir dir;
    const std::string base = dir.path().toStdString() + "/";
    std::ofstream(base + "file", std::ios::binary) << std::string("a\0b\r\n", 5);
    std::ofstream(base + "empty", std::ios::binary);
    ASSERT_EQ(mkfifo((base + "pipe").c_str(), 0600), 0);

    struct Case {
        std::string name;
        int error; // 0: read
        std::string bytes;
    };
    std::vector<Case> cases = {
        {base + "file", 0, std::string("a\0b\r\n", 5)},
        {base + "empty", 0, ""},
        {base + "missing", ENOENT, ""},
        {"", ENOENT, ""},
        {base, EISDIR, ""},
        {base + "pipe", EINVAL, ""},
        {base + "file/below", ENOTDIR, ""},
        // A regular file whose read fails (the process's memory at address 0).
        {"/proc/self/mem", EIO, ""},
    };
    // A character device, where the machine has one (some containers make /dev/null a file).
    struct stat devnull {};
    if (::stat("/dev/null", &devnull) == 0 && S_ISCHR(devnull.st_mode))
        cases.push_back({"/dev/null", EINVAL, ""});
    for (const auto& c : cases) {
        int error = -1;
        const auto bytes = ReadWholeFile(c.name, &error);
        if (c.error == 0) {
            ASSERT_TRUE(bytes.has_value()) << c.name;
            EXPECT_EQ(*bytes, c.bytes) << c.name;
        } else {
            EXPECT_FALSE(bytes.has_value()) << c.name;
            EXPECT_EQ(error, c.error) << c.name;
        }
    }
}

TEST(SyncFolderOf, FlushesAnExistingFolderOnly)
{
    QTemporaryDir dir;
    EXPECT_TRUE(SyncFolderOf(dir.filePath("x.cfg").toStdString()));
    EXPECT_TRUE(SyncFolderOf("relative.cfg")); // the current folder
    EXPECT_FALSE(SyncFolderOf(dir.filePath("missing/x.cfg").toStdString()));
}

// The file holds the new bytes whole, readable by its owner only, and no temporary file is
// left beside it; a write that cannot be made leaves the old file as it was.
TEST(ReplaceFileContents, ReplacesWholeOrNotAtAll)
{
    QTemporaryDir dir;
    const std::string file = dir.filePath("10.1.1.7.cfg").toStdString();
    std::ofstream(file, std::ios::binary) << "old";
    ASSERT_EQ(chmod(file.c_str(), 0644), 0);

    const std::string bytes("[a]\0\r\nb=c", 9);
    ASSERT_TRUE(ReplaceFileContents(file, bytes));
    EXPECT_EQ(ReadWholeFile(file), bytes);
    struct stat info {};
    ASSERT_EQ(stat(file.c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 0777, 0600u);
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden).size(), 1);

    EXPECT_FALSE(ReplaceFileContents(dir.filePath("missing/x.cfg").toStdString(), bytes));
    // A folder in the file's place is not replaced.
    ASSERT_TRUE(QDir(dir.path()).mkdir("folder.cfg"));
    EXPECT_FALSE(ReplaceFileContents(dir.filePath("folder.cfg").toStdString(), bytes));
    EXPECT_TRUE(QFileInfo(dir.filePath("folder.cfg")).isDir());
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden).size(), 1);
}

} // namespace
