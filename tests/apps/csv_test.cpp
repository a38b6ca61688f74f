// Reading CSV text as tool databases export it.
#include <gtest/gtest.h>

#include <sstream>

#include "csv.h"

namespace {

std::vector<kelt2p::CsvRecord> read(const std::string& text) {
    std::istringstream in(text);
    return kelt2p::readCsv(in);
}

int faultLine(const std::string& text) {
    try {
        read(text);
    } catch (const kelt2p::CsvError& e) {
        return e.line;
    }
    return 0;
}

TEST(CsvTest, QuotedFieldsKeepCommasQuotesSpacesAndLineBreaks) {
    auto records = read("a, b ,\"c, d\",\"say \"\"hi\"\"\",\" e \"\n\"two\nlines\",x\n");
    ASSERT_EQ(records.size(), 2u);
    EXPECT_EQ(records[0].fields, (std::vector<std::string>{"a", "b", "c, d", "say \"hi\"", " e "}));
    EXPECT_EQ(records[1].fields, (std::vector<std::string>{"two\nlines", "x"}));
    EXPECT_EQ(records[1].line, 2);
}

TEST(CsvTest, SkipsCommentsEmptyLinesBomAndCarriageReturns) {
    auto records =
        read("\xEF\xBB\xBFid,name\r\n\r\n# a comment, with a comma\n  \n,,\nT1,\"x\"\r\nT2,y");
    ASSERT_EQ(records.size(), 3u);
    EXPECT_EQ(records[0].fields, (std::vector<std::string>{"id", "name"}));
    EXPECT_EQ(records[1].line, 6);
    EXPECT_EQ(records[1].fields, (std::vector<std::string>{"T1", "x"}));
    EXPECT_EQ(records[2].line, 7);
    EXPECT_EQ(records[2].fields, (std::vector<std::string>{"T2", "y"}));
}

TEST(CsvTest, KeepsTrailingEmptyFieldsAndUtf8) {
    auto records = read("a,,\nFräser Ø10,\n");
    ASSERT_EQ(records.size(), 2u);
    EXPECT_EQ(records[0].fields, (std::vector<std::string>{"a", "", ""}));
    EXPECT_EQ(records[1].fields, (std::vector<std::string>{"Fräser Ø10", ""}));
}

TEST(CsvTest, MalformedTextNamesTheLine) {
    EXPECT_EQ(faultLine("a,b\nc,\"open\n"), 2);      // never closed
    EXPECT_EQ(faultLine("a\n\"x\"y,z\n"), 2);        // text after the closing quote
    EXPECT_EQ(faultLine("a\nb\n5\"\n"), 3);          // quote inside an unquoted field
    EXPECT_EQ(faultLine("a\nb\nc\xE9t\xE9\n"), 3);   // Latin-1, not UTF-8
    EXPECT_EQ(faultLine("a\n\xC0\xAF\n"), 2);        // overlong encoding
    EXPECT_EQ(faultLine("a,\"b\n\nc\"\nd\"\n"), 4);  // line count goes on inside quotes
}

TEST(CsvTest, WrittenFieldsReadBackUnchanged) {
    // A carriage return before a line feed inside a field, as a field read from "\r\r\n"
    // holds it: the reader takes a line's "\r\n" for "\n".
    const std::vector<std::string> fields = {"#5 first",   "plain", "a,b", "say \"x\"", " pad",
                                             "two\nlines", "",      "#",   "cr\r\nlf",  "\r\r\n"};
    std::string line;
    for (const std::string& f : fields) {
        line += (line.empty() ? "" : ",") + kelt2p::csvField(f);
    }
    auto records = read("x\n" + line + "\n");
    ASSERT_EQ(records.size(), 2u);
    EXPECT_EQ(records[1].fields, fields);
    EXPECT_EQ(kelt2p::csvField("plain"), "plain");
    // A field that starts with a byte-order mark, written first in a text.
    auto marked = read(kelt2p::csvField("\xEF\xBB\xBFx") + ",y\n");
    ASSERT_EQ(marked.size(), 1u);
    EXPECT_EQ(marked[0].fields, (std::vector<std::string>{"\xEF\xBB\xBFx", "y"}));
}

}  // namespace
