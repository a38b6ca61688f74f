// Printing tool tables for people and programs, the options that choose how, and the
// names of result codes in messages.
#include <gtest/gtest.h>

#include <sstream>

#include "csv.h"
#include "options.h"
#include "output.h"
#include "result_codes.h"

namespace {

using kelt2p::Format;

kelt2p::ToolTable sample() {
    kelt2p::ToolTable table;
    table.model = "MILL_JOB";
    table.workcell = "HERMLE_C42";
    table.entries = {{1, 1, "FACE_MILL_63", 1, "face mill 63", true},
                     {1, 12, "CHAMFER_90", -1, "chamfer, 90°", false},
                     {2, 3, "T\"Q", 21, "", true}};
    return table;
}

std::string print(const kelt2p::ToolTable& table, Format format) {
    std::ostringstream out;
    kelt2p::write(out, table, format);
    return out.str();
}

TEST(OutputTest, TableAlignsColumnsByCharactersNotBytes) {
    EXPECT_EQ(print(sample(), Format::Table),
              "Tool table of workcell HERMLE_C42 in MILL_JOB\n"
              "HEAD  POS  TOOL ID       REG  COMMENT       IN USE\n"
              "   1    1  FACE_MILL_63    1  face mill 63  yes\n"
              "   1   12  CHAMFER_90         chamfer, 90°\n"
              "   2    3  T\"Q            21                yes\n"
              "3 entries, 2 in use\n");
}

TEST(OutputTest, CsvReadsBackAsTheSameFields) {
    std::string text = print(sample(), Format::Csv);
    std::istringstream in(text);
    auto records = kelt2p::readCsv(in);
    ASSERT_EQ(records.size(), 4u);
    EXPECT_EQ(records[0].fields, (std::vector<std::string>{"head", "position", "tool_id",
                                                           "register", "comment", "in_use"}));
    EXPECT_EQ(records[2].fields,
              (std::vector<std::string>{"1", "12", "CHAMFER_90", "", "chamfer, 90°", "0"}));
    EXPECT_EQ(records[3].fields, (std::vector<std::string>{"2", "3", "T\"Q", "21", "", "1"}));
}

TEST(OutputTest, JsonEscapesTextsAndWritesNullForNoRegister) {
    std::string json = print(sample(), Format::Json);
    EXPECT_NE(json.find("\"workcell\": \"HERMLE_C42\""), std::string::npos);
    EXPECT_NE(json.find("{\"head\": 1, \"position\": 12, \"tool_id\": \"CHAMFER_90\", "
                        "\"register\": null, \"comment\": \"chamfer, 90°\", \"in_use\": false}"),
              std::string::npos);
    EXPECT_NE(json.find("\"tool_id\": \"T\\\"Q\""), std::string::npos);
    EXPECT_EQ(kelt2p::jsonString("a\\b\n\x01"), "\"a\\\\b\\n\\u0001\"");

    kelt2p::ToolTable empty;
    EXPECT_EQ(print(empty, Format::Json),
              "{\n  \"model\": \"\",\n  \"workcell\": \"\",\n  \"entries\": []\n}\n");
}

TEST(OptionsTest, ReadsOptionsInAnyOrderAndBothForms) {
    auto options = kelt2p::parseOptions(
        {"--format=json", "job.mfg", "--wcell", "hermle_c42", "tools.csv", "--start-file", "s"});
    EXPECT_EQ(options.operands, (std::vector<std::string>{"job.mfg", "tools.csv"}));
    EXPECT_EQ(options.format, Format::Json);
    EXPECT_EQ(options.wcell, "HERMLE_C42");
    EXPECT_EQ(options.startFile, "s");
    EXPECT_EQ(kelt2p::parseOptions({"--", "--wcell"}).operands,
              (std::vector<std::string>{"--wcell"}));
}

TEST(OptionsTest, RefusesWhatItCannotTake) {
    EXPECT_THROW(kelt2p::parseOptions({"--format", "xml"}), kelt2p::UsageError);
    EXPECT_THROW(kelt2p::parseOptions({"--wcell"}), kelt2p::UsageError);
    EXPECT_THROW(kelt2p::parseOptions({"--wcell", ".*"}), kelt2p::UsageError);
    EXPECT_THROW(kelt2p::parseOptions({"--verbose"}), kelt2p::UsageError);
}

TEST(ResultCodesTest, NamesPublishedCodes) {
    EXPECT_EQ(kelt2p::describeResultCode(-4), "-4 PRO_TK_E_NOT_FOUND");
    EXPECT_EQ(kelt2p::describeResultCode(-45), "-45 PRO_TK_EMPTY");
    EXPECT_EQ(kelt2p::describeResultCode(-100), "-100 PRO_TK_APP_JLINK_NOT_ALLOWED");
    EXPECT_EQ(kelt2p::describeResultCode(-80), "-80");
    EXPECT_EQ(kelt2p::describeResultCode(261), "261");
}

}  // namespace
