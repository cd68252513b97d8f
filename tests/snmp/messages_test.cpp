// Message tables: file loading, status translation and status lines.
#include <gtest/gtest.h>

#include <QTemporaryFile>
#include <filesystem>
#include <fstream>
#include <regex>

#include "messages.h"

namespace {

class TempFile {
  public:
    explicit TempFile(const std::string& content) {
        file_.open();
        file_.write(content.data(), static_cast<qint64>(content.size()));
        file_.flush();
    }
    std::string path() const { return file_.fileName().toStdString(); }

  private:
    QTemporaryFile file_;
};

// Restores a table after a test replaced it.
class TableGuard {
  public:
    explicit TableGuard(MessageTable& t) : table_(t), saved_(t) {}
    ~TableGuard() { table_ = saved_; }

  private:
    MessageTable& table_;
    MessageTable saved_;
};

}  // namespace

TEST(MessageFile, NonBlankLinesBecomeTextsInOrder) {
    struct Case {
        const char* name;
        std::string content;
        MessageTable expected;
    } cases[] = {
        {"blank lines skipped", "first\n\n   \n\t\nsecond\n", {"first", "second"}},
        {"blanks around text kept", "  padded  \n", {"  padded  "}},
        {"CRLF line ends", "one\r\ntwo\r\n", {"one", "two"}},
        {"LF line ends", "one\ntwo\n", {"one", "two"}},
        {"no final line end", "one\ntwo", {"one", "two"}},
    };
    for (const Case& c : cases) {
        TableGuard guard(StatusTemplates);
        TempFile f(c.content);
        LoadLines(StatusTemplates, f.path());
        EXPECT_EQ(StatusTemplates, c.expected) << c.name;
    }
}

TEST(MessageFile, MissingOrBlankFileKeepsBuiltInTexts) {
    TableGuard guard(CommonTexts);
    const MessageTable before = CommonTexts;
    LoadLines(CommonTexts, "/nonexistent/errmsg/common.err");
    EXPECT_EQ(CommonTexts, before);
    TempFile blank("\n  \n\r\n");
    LoadLines(CommonTexts, blank.path());
    EXPECT_EQ(CommonTexts, before);
    EXPECT_EQ(CommonTexts.size(), 26u);
    EXPECT_EQ(CommonTexts[19], " Please enter a valid IP address!");
}

TEST(MessageFile, LongLineIsReadInPiecesAndShortFileFallsBackToBuiltIn) {
    TableGuard guard(NmSnmpTexts);
    TempFile f(std::string(1500, 'x') + "\nsecond\n");
    LoadLines(NmSnmpTexts, f.path());
    ASSERT_EQ(NmSnmpTexts.size(), 3u);
    EXPECT_EQ(NmSnmpTexts[0].size(), 1023u);
    EXPECT_EQ(NmSnmpTexts[1].size(), 477u);
    EXPECT_EQ(NmSnmpTexts[2], "second");
    // A lookup past the shorter table gets the built-in text.
    EXPECT_EQ(nmSnmpText(-509), "Invalid IP Address or DNS name!");
}

TEST(TranslateStatus, MapsEveryRangeOntoItsTable) {
    struct Case {
        int status;
        int code;
        std::string text;
    } cases[] = {
        {0, 0, "Ok."},
        {1400, 0, "Ok."},
        {-1401, 0, "Ok."},
        {2, -102, "(SNMP) Variable does not exist!"},
        {1, -101, "(SNMP) Response PDU Too Big!"},
        {18, -118, "(SNMP) Cannot create variable, Inconsistent Name!"},
        {19, -528, "Unknown error code!"},
        {-5, -405, "(SNMPClass) SNMP request timed out!"},
        {-23, -423, "(SNMPClass) Blocked Mode Shutdown!"},
        {-24, -528, "Unknown error code!"},
        {1401, -301, "(SNMPv3USM) error!"},
        {1408, -308, "(SNMPv3USM) Authentication failure!"},
        {1414, -314, "(SNMPv3USM) Address error!"},
        {-1402, -201, "(SNMPv3) Unsupported Security Model!"},
        {-1418, -217, "(SNMPv3) Report sent!"},
        {1415, -528, "Unknown error code!"},
    };
    for (const Case& c : cases) {
        int code = 99;
        std::string text;
        TranslateStatus(c.status, code, text);
        EXPECT_EQ(code, c.code) << c.status;
        EXPECT_EQ(text, c.text) << c.status;
    }
}

TEST(StatusLine, WithAndWithoutListName) {
    const std::regex withName(R"(Get: Ok\. Request:ifTable\. Receive at \d\d:\d\d:\d\d\.)");
    EXPECT_TRUE(std::regex_match(ComposeStatusLine(0, "ifTable", "Ok."), withName));

    const std::regex withoutName(
        R"(Set: \(SNMPClass\) SNMP request timed out! Receive at \d\d:\d\d:\d\d\.)");
    EXPECT_TRUE(std::regex_match(ComposeStatusLine(1, "", "(SNMPClass) SNMP request timed out!"),
                                 withoutName));

    // A replacement does not look again at the text it inserted.
    const std::string line = ComposeStatusLine(0, "[VARLIST]x", "Ok.");
    EXPECT_EQ(line.rfind("Get: Ok. Request:[VARLIST]x. Receive at ", 0), 0u) << line;
}

TEST(StatusLine, TemplateFromFileReplacesEveryOccurrence) {
    TableGuard guard(StatusTemplates);
    TempFile f("[ERROR]/[ERROR] [VARLIST]\n");
    LoadLines(StatusTemplates, f.path());
    EXPECT_EQ(ComposeStatusLine(0, "x", "e"), "e/e x");
    // Without a list name the text after "[ERROR]" up to one past "[VARLIST]" goes.
    EXPECT_EQ(ComposeStatusLine(0, "", "e"), "e");
}

TEST(Raise, CarriesCurrentTextAndCode) {
    try {
        raiseNmSnmpError(-508);
        FAIL();
    } catch (const NmSNMPException& e) {
        EXPECT_EQ(e.code(), -508);
        EXPECT_EQ(e.text(), "Error when saving SNMP engine boots counter!");
    }
    try {
        raiseCommonError(-8, {{"[MIN]", "1"}, {"[MAX]", "65535"}});
        FAIL();
    } catch (const NmSNMPException& e) {
        EXPECT_EQ(e.code(), -8);
        EXPECT_EQ(e.text(), " Please enter a number between 1 and 65535!");
    }
}
