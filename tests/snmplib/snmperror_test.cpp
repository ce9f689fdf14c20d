#include <QTemporaryDir>
#include <cstdlib>
#include <fstream>
#include <gtest/gtest.h>

#include "platform/exception.h"
#include "snmplib/snmperror.h"
#include "snmplib/utils.h"

namespace {

struct StatusCase {
    int status;
    int code;
    const char* text;
};

class TranslateStatus : public ::testing::TestWithParam<StatusCase> {};

TEST_P(TranslateStatus, GivesCodeAndText)
{
    const StatusCase& c = GetParam();
    int code = 12345;
    std::string message = "stale";
    TranslateSnmpStatus(c.status, code, message);
    EXPECT_EQ(code, c.code);
    EXPECT_EQ(message, c.text);
}

// Every range of the translation at both ends, and the first value outside each.
INSTANTIATE_TEST_SUITE_P(
    SnmpError, TranslateStatus,
    ::testing::Values(StatusCase{0, 0, "(VhSNMP++) Ok!"}, StatusCase{-1401, 0, "(VhSNMP++) Ok!"},
                      StatusCase{1400, 0, "(VhSNMP++) Ok!"},
                      StatusCase{1401, -301, "(SNMPv3USM) error!"},
                      StatusCase{1414, -314, "(SNMPv3USM) Address error!"},
                      StatusCase{1415, -315, "(SNMPv3USM) Pass phrase too short: it needs 8 characters at least!"},
                      StatusCase{1416, -528, "(VhSNMP++) Unknown error code!"},
                      StatusCase{-1400, -528, "(VhSNMP++) Unknown error code!"},
                      StatusCase{-1402, -201, "(SNMPv3) Unsupported Security Model!"},
                      StatusCase{-1418, -217, "(SNMPv3) Report sent!"},
                      StatusCase{-1419, -528, "(VhSNMP++) Unknown error code!"},
                      StatusCase{1, -101, "(SNMP) Response PDU Too Big!"},
                      StatusCase{2, -102, "(SNMP) Variable does not exist!"},
                      StatusCase{18, -118, "(SNMP) Cannot create variable, Inconsistent Name!"},
                      StatusCase{19, -528, "(VhSNMP++) Unknown error code!"},
                      StatusCase{-1, -401, "(SNMPClass) Operation failed!"},
                      StatusCase{-5, -405, "(SNMPClass) SNMP request timed out!"},
                      StatusCase{-9, -409, "(SNMPClass)Unknown error code!"},
                      StatusCase{-20, -420, "(SNMP Class) Transport is not supported!"},
                      StatusCase{-23, -423, "(SNMPClass) Blocked Mode Shutdown!"},
                      StatusCase{-24, -528, "(VhSNMP++) Unknown error code!"}));

// An agent's error-status: only 0 succeeds, and a number outside 1..18 (engine success
// codes, security-layer numbers, negatives) is the agent's unknown status, never a text of
// another layer.
TEST(SnmpError, AgentErrorStatus)
{
    const struct {
        int status;
        int code;
        const char* text;
    } cases[] = {
        {0, 0, "(VhSNMP++) Ok!"},
        {5, -105, "(SNMP) Cannot perform operation, General Error!"},
        {18, -118, "(SNMP) Cannot create variable, Inconsistent Name!"},
        {19, -119, "(SNMP) unknown error status 19!"},
        {1400, -119, "(SNMP) unknown error status 1400!"},
        {-1401, -119, "(SNMP) unknown error status -1401!"},
        {1408, -119, "(SNMP) unknown error status 1408!"},
        {-5, -119, "(SNMP) unknown error status -5!"},
    };
    for (const auto& c : cases) {
        int code = 12345;
        std::string message;
        TranslateErrorStatus(c.status, code, message);
        EXPECT_EQ(code, c.code) << c.status;
        EXPECT_EQ(message, c.text) << c.status;
    }
}

TEST(SnmpError, TextsByCodeAndRaising)
{
    const std::pair<int, const char*> cases[] = {
        {-1, "Bad logic operand!"},
        {-14, "The source to dncrypt is not encrypted!"},
        {-18, "Fail to read option data from file([FILENAME])!"},
        {-117, "(SNMP) Cannot create/set variable, Not Writable!"},
        {-216, "(SNMPv3) Unknown Context!"},
        {-303, "(SNMPv3USM) Unsupported SecurityLevel!"},
        {-420, "(SNMP Class) Transport is not supported!"},
        {0, "(VhSNMP++) Ok!"},
        {-501, "(VhSNMP++) Fail to read SNMP variables from file([FILENAME])!"},
        {-515, "(VhSNMP++) Bad item type of SNMP variable list!"},
        {-528, "(VhSNMP++) Unknown error code!"},
        {-19, "(VhSNMP++) Unknown error code!"},   // between the ranges
        {-500, "(VhSNMP++) Unknown error code!"},  // not a code: 0 is the success text
        {-531, "(VhSNMP++) Unknown error code!"},
        {-119, "(SNMP) unknown error status [STATUS]!"},
        {-530, "(VhSNMP++) The agent's reply does not advance in the table: the read was stopped!"},
        {7, "(VhSNMP++) Unknown error code!"},
    };
    for (const auto& [code, text] : cases) {
        EXPECT_EQ(SnmpErrorText(code), text) << code;
        try {
            RaiseSnmpError(code);
            ADD_FAILURE() << "no exception for " << code;
        } catch (const Exception& e) {
            EXPECT_EQ(e.Message, text);
            EXPECT_EQ(e.HelpContext, code);
        }
    }
    EXPECT_EQ(SnmpErrorText(-9),
              "Please enter a delimited number string with delimiter '[DELIMITER]'.\nHere,the count of the number is "
              "less than [MAXCOUNT]!");
    EXPECT_EQ(CommonMsgTable.Text(0), "Ok!");
    EXPECT_EQ(ResultMsgTable.Text(1), "Set: [ERROR] Request:[VARLIST]. Receive at [TIME].");
}

// Message-file tests change the global tables; every test starts and ends built in.
class MessageFiles : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(Dir.isValid());
        ResetAll();
    }
    void TearDown() override { ResetAll(); }
    static void ResetAll()
    {
        for (const VhMessageFile& f : VhMessageFiles)
            f.Table->Reset();
    }
    std::string Write(const std::string& name, const std::string& bytes)
    {
        const std::string path = Dir.filePath(QString::fromStdString(name)).toStdString();
        std::ofstream(path, std::ios::binary) << bytes;
        return path;
    }

    QTemporaryDir Dir;
};

TEST_F(MessageFiles, LoadsNonBlankLinesAndCutsLineEnds)
{
    LoadTextLines(ResultMsgTable, Write("snmp.msg", "Lire: [ERROR]\r\n\r\n   \t\n second kept  \nlast"));
    ASSERT_TRUE(ResultMsgTable.IsLoaded());
    ASSERT_EQ(ResultMsgTable.Count(), 3);
    EXPECT_EQ(ResultMsgTable.Text(0), "Lire: [ERROR]");
    EXPECT_EQ(ResultMsgTable.Text(1), " second kept  "); // inner and outer blanks kept
    EXPECT_EQ(ResultMsgTable.Text(2), "last");           // last line without line feed
    EXPECT_EQ(ResultMsgTable.BuiltInText(0), "Get: [ERROR] Request:[VARLIST]. Receive at [TIME].");
}

TEST_F(MessageFiles, HighBytesAndEscapedLineBreaks)
{
    LoadTextLines(CommonMsgTable, Write("common.err", "D\xe9j\xe0\nun\\ndeux\n\xe9\n"));
    ASSERT_EQ(CommonMsgTable.Count(), 3);
    EXPECT_EQ(CommonMsgTable.Text(0), "D\xe9j\xe0");
    EXPECT_EQ(CommonMsgTable.Text(1), "un\ndeux");
    EXPECT_EQ(CommonMsgTable.Text(2), "\xe9"); // a line of one high byte is not blank
}

TEST_F(MessageFiles, LongLinesBecomeSeveralEntries)
{
    const std::string longLine(1023 + 10, 'x');
    LoadTextLines(SnmpMsgTable, Write("snmp.err", longLine + "\nnext\n"));
    ASSERT_EQ(SnmpMsgTable.Count(), 3);
    EXPECT_EQ(SnmpMsgTable.Text(0), std::string(1023, 'x'));
    EXPECT_EQ(SnmpMsgTable.Text(1), std::string(10, 'x'));
    EXPECT_EQ(SnmpMsgTable.Text(2), "next");
}

TEST_F(MessageFiles, MissingOrBlankFilesKeepTheBuiltInTable)
{
    LoadTextLines(SnmpMsgTable, Dir.filePath("nothing.err").toStdString());
    LoadTextLines(SnmpV3MsgTable, Write("blank.err", "\r\n  \n\t\r\n"));
    LoadTextLines(SnmpUsmMsgTable, Write("empty.err", ""));
    EXPECT_FALSE(SnmpMsgTable.IsLoaded());
    EXPECT_FALSE(SnmpV3MsgTable.IsLoaded());
    EXPECT_FALSE(SnmpUsmMsgTable.IsLoaded());
    EXPECT_EQ(SnmpErrorText(-102), "(SNMP) Variable does not exist!");
}

TEST_F(MessageFiles, ShortFileFallsBackToBuiltInTexts)
{
    LoadTextLines(SnmpClassMsgTable, Write("snmpclass.err", "(Classe) Echec!\n(Classe) Ressource!\n"));
    ASSERT_EQ(SnmpClassMsgTable.Count(), 2);
    int code = 0;
    std::string message;
    TranslateSnmpStatus(-2, code, message);
    EXPECT_EQ(message, "(Classe) Ressource!");
    TranslateSnmpStatus(-23, code, message);
    EXPECT_EQ(code, -423);
    EXPECT_EQ(message, "(SNMPClass) Blocked Mode Shutdown!");
    EXPECT_EQ(SnmpClassMsgTable.Text(99), "");
}

TEST_F(MessageFiles, ShippedFilesHoldTheBuiltInTextsAndTranslationsReplaceThem)
{
    const char* source = std::getenv("TRQ_SOURCE_DIR");
    if (!source)
        source = TRQ_SOURCE_DIR_DEFAULT;
    const std::string errmsg = MakeFilePath(source, "errmsg");
    for (const VhMessageFile& f : VhMessageFiles) {
        SCOPED_TRACE(f.FileName);
        const int builtIn = f.Table->Count();
        LoadTextLines(*f.Table, MakeFilePath(errmsg, f.FileName));
        ASSERT_TRUE(f.Table->IsLoaded());
        ASSERT_EQ(f.Table->Count(), builtIn);
        for (int i = 0; i < builtIn; ++i)
            EXPECT_EQ(f.Table->Text(i), f.Table->BuiltInText(i)) << i;
    }

    // A translated file, written with CR LF as an editor on the host would.
    std::string translated;
    for (int i = 0; i < 18; ++i)
        translated += "(SNMP) Fehler " + std::to_string(i + 1) + "!\r\n";
    LoadTextLines(SnmpMsgTable, Write("snmp.err", translated));
    int code = 0;
    std::string message;
    TranslateSnmpStatus(2, code, message);
    EXPECT_EQ(code, -102);
    EXPECT_EQ(message, "(SNMP) Fehler 2!");
    try {
        RaiseSnmpError(-118);
        FAIL();
    } catch (const Exception& e) {
        EXPECT_EQ(e.Message, "(SNMP) Fehler 18!");
    }
}

} // namespace
