// Messages in the host's message area: the message-file format, placeholders, and the
// host's codes for missing files, keys and malformed texts.
#define PRO_USE_VAR_ARGS
#include <ProMessage.h>

#include <string>

#include "simhost/state/message_files.h"
#include "ui_helpers.h"

namespace {

using simhost::state::MessageFile;
using simhost::state::messageFileParse;

constexpr char kMessages[] =
    "# messages of the test application\n"
    "\n"
    "HELLO\n"
    "Hello from the application.\n"
    "Hallo von der Anwendung.\n"
    "#\n"
    "ARGS\n"
    "%0s has %1d tools at %2f mm, %3w; 100%%\n"
    "#\n"
    "#\n"
    "SECOND_FIRST\n"
    "%1s before %0s\n"
    "#\n"
    "\n"
    "BAD PLACEHOLDER\n"
    "broken %x here\n"
    "#\n"
    "#\n"
    "LAST\n"
    "no closing line\n"
    "#";

class MessageTest : public uitest::TextPathTest {
protected:
    void SetUp() override {
        TextPathTest::SetUp();
        writeMessages("msg.txt", kMessages);
    }
    uitest::FileName file{"msg.txt"};
};

TEST(MessageFileFormat, BlocksOfFourLinesWithOptionalTranslation) {
    MessageFile messages;
    ASSERT_TRUE(messageFileParse(kMessages, messages));
    ASSERT_EQ(messages.size(), 5u);
    EXPECT_EQ(messages["HELLO"].english, "Hello from the application.");
    EXPECT_EQ(messages["HELLO"].translation, "Hallo von der Anwendung.");
    EXPECT_EQ(messages["ARGS"].translation, "");
    EXPECT_EQ(messages["LAST"].english, "no closing line");

    // Windows line ends and trailing blanks are not part of keys and texts.
    ASSERT_TRUE(messageFileParse("KEY  \r\ntext\r\n#\r\n#\r\n", messages));
    EXPECT_EQ(messages.count("KEY"), 1u);
    EXPECT_EQ(messages["KEY"].english, "text");

    // A block cut short, a block without its closing line, a key twice: refused.
    EXPECT_FALSE(messageFileParse("KEY\ntext\n", messages));
    EXPECT_FALSE(messageFileParse("KEY\ntext\n#\nNEXT\nmore\n#\n#\n", messages));
    EXPECT_FALSE(messageFileParse("KEY\na\n#\n#\nKEY\nb\n#\n#\n", messages));
    ASSERT_TRUE(messageFileParse("", messages));
    EXPECT_TRUE(messages.empty());
}

TEST_F(MessageTest, ShowsTheEnglishTextWithArgumentsSubstituted) {
    ASSERT_EQ(ProMessageDisplay(file.text, const_cast<char*>("HELLO")), PRO_TK_NO_ERROR);
    char tool[] = "T1";
    int count = 3;
    double diameter = 12.5;
    wchar_t where[] = L"table 2";
    ASSERT_EQ(
        ProMessageDisplay(file.text, const_cast<char*>("ARGS"), tool, &count, &diameter, where),
        PRO_TK_NO_ERROR);
    char first[] = "first";
    char second[] = "second";
    ASSERT_EQ(ProMessageDisplay(file.text, const_cast<char*>("SECOND_FIRST"), first, second),
              PRO_TK_NO_ERROR);
    auto shown = simhost::messages();
    ASSERT_EQ(shown.size(), 3u);
    EXPECT_EQ(shown[0].file, "msg.txt");
    EXPECT_EQ(shown[0].key, "HELLO");
    EXPECT_EQ(shown[0].text, "Hello from the application.");
    EXPECT_EQ(shown[1].text, "T1 has 3 tools at 12.5 mm, table 2; 100%");
    EXPECT_EQ(shown[2].text, "second before first");
    EXPECT_TRUE(testkit::journalHas("ProMessageDisplay msg.txt ARGS"));
    simhost::clearMessages();
    EXPECT_TRUE(simhost::messages().empty());
}

TEST_F(MessageTest, MissingFilesKeysAndMalformedTextsAreTheHostsErrors) {
    uitest::FileName missing("none.txt");
    EXPECT_EQ(ProMessageDisplay(missing.text, const_cast<char*>("HELLO")), PRO_TK_E_NOT_FOUND);
    EXPECT_EQ(ProMessageDisplay(file.text, const_cast<char*>("NO_SUCH_KEY")), PRO_TK_MSG_NOT_FOUND);
    EXPECT_EQ(ProMessageDisplay(file.text, const_cast<char*>("BAD PLACEHOLDER")),
              PRO_TK_MSG_FMT_ERROR);
    EXPECT_EQ(
        ProMessageDisplay(file.text, const_cast<char*>("ARGS"), nullptr, nullptr, nullptr, nullptr),
        PRO_TK_MSG_FMT_ERROR);
    EXPECT_EQ(ProMessageDisplay(file.text, const_cast<char*>("")), PRO_TK_BAD_INPUTS);
    EXPECT_EQ(ProMessageDisplay(file.text, nullptr), PRO_TK_BAD_INPUTS);
    EXPECT_EQ(ProMessageDisplay(nullptr, const_cast<char*>("HELLO")), PRO_TK_BAD_INPUTS);
    // The file is read from the text folder only.
    uitest::FileName outside("../text/msg.txt");
    EXPECT_EQ(ProMessageDisplay(outside.text, const_cast<char*>("HELLO")), PRO_TK_E_NOT_FOUND);

    // A file that is not a message file is refused as a whole, its good blocks too.
    writeMessages("broken.txt", "HELLO\nHi\n#\n#\nCUT\nshort\n");
    uitest::FileName broken("broken.txt");
    EXPECT_EQ(ProMessageDisplay(broken.text, const_cast<char*>("HELLO")), PRO_TK_MSG_FMT_ERROR);

    simhost::injectFault("ProMessageDisplay", PRO_TK_GENERAL_ERROR);
    EXPECT_EQ(ProMessageDisplay(file.text, const_cast<char*>("HELLO")), PRO_TK_GENERAL_ERROR);
    EXPECT_TRUE(simhost::messages().empty());
}

TEST_F(MessageTest, WithoutATextPathNoMessageFileIsFound) {
    simhost::reset();
    connect("");
    EXPECT_EQ(ProMessageDisplay(file.text, const_cast<char*>("HELLO")), PRO_TK_E_NOT_FOUND);
    simhost::reset();
    EXPECT_EQ(ProMessageDisplay(file.text, const_cast<char*>("HELLO")), PRO_TK_COMM_ERROR);
    EXPECT_TRUE(simhost::messages().empty());
}

}  // namespace
