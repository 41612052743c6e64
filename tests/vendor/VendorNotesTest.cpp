#include <gtest/gtest.h>

#include "TempFolder.h"
#include "VendorTestServer.h"
#include "vendor/VendorNotes.h"

namespace {

struct NotesCase {
    const char* name;
    std::string body;
    std::string note;  // "" stands for the default text
    std::string notice;
    std::vector<std::string> templates;
};

// Names the case in test listings instead of dumping its bytes.
void PrintTo(const NotesCase& c, std::ostream* os) { *os << c.name; }

const std::string kNotice101 =
    "\n\nYour copy of Zelmo Marlix is out of date. To get version 1.01, please visit our "
    "website.\n";

std::vector<NotesCase> Cases() {
    const std::vector<std::string> sorted = {"Alpha", "Mid", "Zeta"};
    return {
        {"InTheExpectedLayout",
         "BEGINNOTE\nSpring sale!\nNew templates.\nENDNOTE\nBEGINVERSION\n1.00\nENDVERSION\n"
         "BEGINTEMPLATES\nZeta\nAlpha\nMid\nENDTEMPLATES\n",
         "Spring sale!\nNew templates.", "", sorted},
        {"WithCarriageReturns",
         "BEGINNOTE\r\nSpring sale!\r\nNew templates.\r\nENDNOTE\r\nBEGINVERSION\r\n1.00\r\n"
         "ENDVERSION\r\nBEGINTEMPLATES\r\nZeta\r\nAlpha\r\nMid\r\nENDTEMPLATES\r\n",
         "Spring sale!\nNew templates.", "", sorted},
        {"InAnyOrderAmongOtherText",
         "hello\nBEGINTEMPLATES\nZeta\nAlpha\nMid\nENDTEMPLATES\nBEGINVERSION\n1.01\nENDVERSION\n"
         "between\nBEGINNOTE\n\n\n  Spring sale!  \n\nENDNOTE\nbye\n",
         "Spring sale!", kNotice101, sorted},
        {"OlderVersion", "BEGINVERSION\n0.9\nENDVERSION\n", "", "", {}},
        {"VersionThatIsNoNumber",
         "BEGINNOTE\nHi\nENDNOTE\nBEGINVERSION\nsoon\nENDVERSION\nBEGINTEMPLATES\nB\nA\n"
         "ENDTEMPLATES\n",
         "Hi",
         "",
         {"A", "B"}},
        {"NoBlocks", "", "", "", {}},
        {"EndNoteWithoutBeginNote",
         "Hi\nENDNOTE\nBEGINVERSION\n1.01\nENDVERSION\n",
         "",
         kNotice101,
         {}},
        {"EmptyAndEqualNamesAndALastNameWithoutLineFeed",
         "BEGINTEMPLATES\nMid\n\nAlpha\nMid\n\xC3\xA9t\xC3\xA9\nzeta\nLast"
         "ENDTEMPLATES",
         "",
         "",
         {"", "Alpha", "Last", "Mid", "Mid", "zeta", "\xC3\xA9t\xC3\xA9"}},
    };
}

class VendorNotesTest : public testing::TestWithParam<NotesCase> {
protected:
    static void SetUpTestSuite() { server_ = new VendorTestServer; }
    static void TearDownTestSuite() { delete server_; }
    static VendorTestServer* server_;
};
VendorTestServer* VendorNotesTest::server_ = nullptr;

TEST_P(VendorNotesTest, FetchesAndReadsTheNotesFile) {
    ASSERT_TRUE(server_->running());
    const NotesCase& c = GetParam();
    WriteFileBytes(server_->root() + "/marlix/info.txt", c.body);

    VendorNotes notes;
    std::string error;
    ASSERT_TRUE(FetchVendorNotes(server_->url(), notes, &error)) << error;
    const std::string note = c.note.empty() ? DefaultNotesText(server_->url()) : c.note;
    EXPECT_EQ(notes.notesText, note + c.notice);
    EXPECT_EQ(notes.templates, c.templates);
    EXPECT_EQ(server_->TakeRequests(), std::vector<std::string>{"/marlix/info.txt"});
}

INSTANTIATE_TEST_SUITE_P(Replies, VendorNotesTest, testing::ValuesIn(Cases()),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(VendorNotes, AFailedRequestGivesItsReason) {
    VendorNotes notes;
    std::string error;
    EXPECT_FALSE(
        FetchVendorNotes("http://127.0.0.1:" + std::to_string(ClosedPort()), notes, &error));
    EXPECT_FALSE(error.empty());

    VendorTestServer server;  // no info.txt in its fixtures
    ASSERT_TRUE(server.running());
    EXPECT_FALSE(FetchVendorNotes(server.url(), notes, &error));
    EXPECT_EQ(error, "the server answered 404");
}

}  // namespace
