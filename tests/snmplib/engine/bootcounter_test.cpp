// The engine-boots counter file.
#include "snmplib/engine/bootcounter.h"
#include "snmplib/engine/snmperrs.h"

#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

namespace {

std::string readFile(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    std::stringstream s;
    s << in.rdbuf();
    return s.str();
}

void writeFile(const std::string& path, const std::string& text)
{
    std::ofstream(path, std::ios::binary) << text;
}

const char* const kAppId = "VhSNMP_PP_Application";
const char* const kAppLine = "EFFHECDNDME@EOE@E@EODAG@G@FLFIFCFAGDFIFOFN";

} // namespace

TEST(BootCounter, EncodesEachOctetAsTwoLetters)
{
    EXPECT_EQ(encodeBootCounterEngineId(kAppId), kAppLine);
    const unsigned char raw[] = {0x00, 0x80, 0xFF};
    EXPECT_EQ(encodeBootCounterEngineId(OctetStr(raw, 3)), "@@H@OO");
}

TEST(BootCounter, FirstAndSecondStartKeepOtherEnginesLines)
{
    QTemporaryDir dir;
    const std::string file = dir.filePath("VhSNMP_PP_BootCounter").toStdString();
    unsigned int boots = 99;

    // No file: -2 and 0; the first save creates the file with 1.
    EXPECT_EQ(getBootCounter(file.c_str(), kAppId, boots), SNMPv3_FILEOPEN_ERROR);
    EXPECT_EQ(boots, 0u);
    ASSERT_EQ(saveBootCounter(file.c_str(), kAppId, boots + 1), SNMPv3_OK);
    EXPECT_NE(readFile(file).find(std::string(kAppLine) + " 1\n"), std::string::npos);

    // Another engine's line is added and kept by our second start.
    ASSERT_EQ(saveBootCounter(file.c_str(), "other", 41), SNMPv3_OK);
    ASSERT_EQ(getBootCounter(file.c_str(), kAppId, boots), SNMPv3_OK);
    EXPECT_EQ(boots, 1u);
    ASSERT_EQ(saveBootCounter(file.c_str(), kAppId, boots + 1), SNMPv3_OK);
    const std::string text = readFile(file);
    EXPECT_NE(text.find(std::string(kAppLine) + " 2\n"), std::string::npos);
    EXPECT_EQ(text.find(std::string(kAppLine) + " 1\n"), std::string::npos);
    EXPECT_NE(text.find(encodeBootCounterEngineId("other") + " 41\n"), std::string::npos);
    ASSERT_EQ(getBootCounter(file.c_str(), "other", boots), SNMPv3_OK);
    EXPECT_EQ(boots, 41u);
    EXPECT_FALSE(QFileInfo::exists(QString::fromStdString(file + ".tmp")));
}

TEST(BootCounter, ReadsCommentsAndMissingEngines)
{
    QTemporaryDir dir;
    const std::string file = dir.filePath("boots").toStdString();
    writeFile(file, "# a comment\r\n\r\n" + encodeBootCounterEngineId("x") + "   7\r\n");
    unsigned int boots = 0;
    EXPECT_EQ(getBootCounter(file.c_str(), "x", boots), SNMPv3_OK);
    EXPECT_EQ(boots, 7u);
    EXPECT_EQ(getBootCounter(file.c_str(), kAppId, boots), SNMPv3_NO_ENTRY_ERROR);
    EXPECT_EQ(boots, 0u);

    // Saving keeps the comment.
    ASSERT_EQ(saveBootCounter(file.c_str(), kAppId, 3), SNMPv3_OK);
    EXPECT_EQ(readFile(file).rfind("# a comment\n", 0), 0u);

    // Our own line damaged is an error below -2, not a silent restart from 0.
    writeFile(file, std::string(kAppLine) + " seven\n");
    EXPECT_LT(getBootCounter(file.c_str(), kAppId, boots), -2);
    EXPECT_LT(getBootCounter(nullptr, kAppId, boots), -2);
}

// A line ended by more than one CR reads the same before and after another engine's
// counter is saved (the save writes every line back with a bare LF).
TEST(BootCounter, SaveKeepsWhatOtherLinesSay)
{
    QTemporaryDir dir;
    const std::string file = dir.filePath("boots").toStdString();
    const std::string other = encodeBootCounterEngineId("other");
    writeFile(file, other + " 5\r\r\n# note\r\r\r\n");
    unsigned int before = 0;
    EXPECT_EQ(getBootCounter(file.c_str(), "other", before), SNMPv3_OK);
    EXPECT_EQ(before, 5u);
    ASSERT_EQ(saveBootCounter(file.c_str(), kAppId, 3), SNMPv3_OK);
    unsigned int after = 0;
    EXPECT_EQ(getBootCounter(file.c_str(), "other", after), SNMPv3_OK);
    EXPECT_EQ(after, 5u);
    EXPECT_EQ(readFile(file), other + " 5\n# note\n" + std::string(kAppLine) + " 3\n");
}

TEST(BootCounter, SaveFailsWhereItCannotWrite)
{
    QTemporaryDir dir;
    const std::string missingDir = dir.filePath("no/such/dir/boots").toStdString();
    EXPECT_LT(saveBootCounter(missingDir.c_str(), kAppId, 1), 0);
    // A path that cannot be read as a file is never replaced.
    const std::string directory = dir.filePath("adir").toStdString();
    ASSERT_TRUE(QDir().mkdir(QString::fromStdString(directory)));
    EXPECT_LT(saveBootCounter(directory.c_str(), kAppId, 1), 0);
    EXPECT_TRUE(QFileInfo(QString::fromStdString(directory)).isDir());
}
