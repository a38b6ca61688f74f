// Tool lists: what a tool database's export may hold, and every fault reported with its
// line before anything reaches the host.
#include <gtest/gtest.h>

#include <sstream>

#include "tool_list.h"
#include "tool_types.h"

namespace {

using kelt2p::ToolEntry;
using kelt2p::ToolListError;

std::vector<ToolEntry> parse(const std::string& text) {
    std::istringstream in(text);
    return kelt2p::parseToolList(in, "tools.csv");
}

// The report of a refused list, or "" when it was accepted.
std::string refusal(const std::string& text) {
    try {
        parse(text);
    } catch (const ToolListError& e) {
        return e.report();
    }
    return "";
}

const std::string kHeader = "tool_id,type,model,head,position,register,comment\n";

TEST(ToolListTest, ReadsTypesParametersModelsAndDefaults) {
    auto tools = parse(
        "Tool ID, TYPE ,Model,Head,Position,Register,Comment,cutter diam,TOOL-MATERIAL\n"
        "# from the tool database\n"
        "EM_12,end_mill,,2,4,12,\"end mill, 12\",12.5,HSS\n"
        "TAP_M8,,tap_m8.PRT,,7,,,,\n"
        "D5,0x40000,,1,8,,,-5e-1,\n");
    ASSERT_EQ(tools.size(), 3u);
    const ToolEntry& em = tools[0];
    EXPECT_EQ(em.line, 3);
    EXPECT_EQ(em.toolId, "EM_12");
    EXPECT_EQ(em.type, 10);
    EXPECT_EQ(em.head, 2);
    EXPECT_EQ(em.position, 4);
    EXPECT_EQ(em.reg, 12);
    EXPECT_EQ(em.comment, "end mill, 12");
    ASSERT_EQ(em.parameters.size(), 2u);
    EXPECT_EQ(em.parameters[0].name, "CUTTER_DIAM");
    EXPECT_EQ(em.parameters[0].number, 12.5);
    EXPECT_EQ(em.parameters[1].name, "TOOL_MATERIAL");
    EXPECT_FALSE(em.parameters[1].number);
    EXPECT_EQ(em.parameters[1].text, "HSS");

    const ToolEntry& tap = tools[1];
    EXPECT_EQ(tap.model, "tap_m8");
    EXPECT_EQ(tap.type, 0);
    EXPECT_EQ(tap.head, 1);
    EXPECT_EQ(tap.reg, 0);
    EXPECT_TRUE(tap.parameters.empty());

    EXPECT_EQ(tools[2].type, 0x40000);  // CENTER-DRILLING by number
    EXPECT_EQ(tools[2].parameters.at(0).number, -0.5);
}

TEST(ToolListTest, TextsThatLookAlmostNumericStayTexts) {
    auto tools = parse(
        "tool_id,type,position,SHANK,ANGLE,GRADE\n"
        "T1,DRILLING,1,12mm,1e,nan\n");
    ASSERT_EQ(tools[0].parameters.size(), 3u);
    for (const auto& p : tools[0].parameters) {
        EXPECT_FALSE(p.number) << p.name;
    }
}

TEST(ToolListTest, ToolTypeNamesAndNumbers) {
    EXPECT_EQ(kelt2p::toolTypeFromText("END MILL"), 10);
    EXPECT_EQ(kelt2p::toolTypeFromText("center drilling"), 0x40000);
    EXPECT_EQ(kelt2p::toolTypeFromText("Thread-Mill"), 0x100000);
    EXPECT_EQ(kelt2p::toolTypeFromText("TAPER BALL MILL"), 20);
    EXPECT_EQ(kelt2p::toolTypeFromText("0x8000"), 0x8000);
    EXPECT_EQ(kelt2p::toolTypeFromText("010"), 10);  // decimal, not octal
    EXPECT_FALSE(kelt2p::toolTypeFromText("ENDMILL"));
    EXPECT_FALSE(kelt2p::toolTypeFromText("3"));  // no tool type has this number
    EXPECT_FALSE(kelt2p::toolTypeFromText("0"));
    EXPECT_FALSE(kelt2p::toolTypeFromText(""));
    EXPECT_FALSE(kelt2p::toolTypeFromText(" _- "));
    EXPECT_EQ(kelt2p::toolTypeFromText("  multi__task "), 19);
}

TEST(ToolListTest, BadValuesAreAllReportedWithTheirLines) {
    std::string report = refusal(kHeader +
                                 "T1,END MIL,,1,1,,\n"       // 2
                                 "T2,END MILL,,3,2,,\n"      // 3
                                 "T3,END MILL,,1,two,,\n"    // 4
                                 "T4,END MILL,,1,4,R5,\n"    // 5
                                 "T5,END MILL,,1,0,,\n"      // 6
                                 "T6,END MILL,,1,,,\n"       // 7
                                 "T7,END MILL,,1,7,-1,\n");  // 8
    EXPECT_EQ(report,
              "tools.csv:2: unknown tool type \"END MIL\"\n"
              "tools.csv:3: head 3 is neither 1 nor 2\n"
              "tools.csv:4: position \"two\" is not a whole number\n"
              "tools.csv:5: register \"R5\" is not a whole number\n"
              "tools.csv:6: position 0 is not positive\n"
              "tools.csv:7: the position is missing\n"
              "tools.csv:8: register \"-1\" is not a whole number\n");
}

TEST(ToolListTest, ToolsMustBeNamedAndDescribedOnce) {
    std::string report = refusal(kHeader +
                                 ",END MILL,,1,1,,\n"                                     // 2
                                 "T 2,END MILL,,1,2,,\n"                                  // 3
                                 "T3,,,1,3,,\n"                                           // 4
                                 "T4,DRILLING,t4.prt,1,4,,\n"                             // 5
                                 "T5,DRILLING,,1,5,,\n"                                   // 6
                                 "T5,END MILL,,2,5,,\n"                                   // 7
                                 "T6,DRILLING,,1,6,,\"two\nlines\"\n"                     // 8
                                 "TOOL_ID_OF_THIRTY_TWO_CHARACTERS,DRILLING,,1,10,,\n");  // 10
    EXPECT_EQ(report,
              "tools.csv:2: the tool id is empty\n"
              "tools.csv:3: tool id \"T 2\" is not 1 to 31 letters, digits, underscores or "
              "hyphens\n"
              "tools.csv:4: the tool has neither a type nor a model\n"
              "tools.csv:5: give either a tool type or a tool model, not both\n"
              "tools.csv:7: tool T5 is defined differently on line 6\n"
              "tools.csv:8: the comment is longer than 255 bytes or holds a line break\n"
              "tools.csv:10: tool id \"TOOL_ID_OF_THIRTY_TWO_CHARACTERS\" is not 1 to 31 "
              "letters, digits, underscores or hyphens\n");
}

TEST(ToolListTest, SameToolMeansExactlyTheSameValues) {
    const std::string header = kHeader.substr(0, kHeader.size() - 1) + ",CUTTER_DIAM\n";
    EXPECT_EQ(refusal(header + "EM,END MILL,,1,1,,,12.0000001\nEM,END MILL,,1,2,,,12.0000004\n"),
              "tools.csv:3: tool EM is defined differently on line 2\n");
    EXPECT_EQ(refusal(header + "EM,END MILL,,1,1,,,12\nEM,END MILL,,1,2,,,12.000\n"), "");
}

TEST(ToolListTest, OneToolInTwoPlacesButNotTwoToolsInOnePlace) {
    auto tools = parse(kHeader + "EM_12,END MILL,,1,2,,\nEM_12,END MILL,,2,2,,\n");
    EXPECT_EQ(tools.size(), 2u);
    EXPECT_EQ(refusal(kHeader + "A,END MILL,,1,2,,\nB,END MILL,,1,3,,\nC,DRILLING,,1,2,,\n"),
              "tools.csv:4: head 1 position 2 is taken on line 2 already\n");
}

TEST(ToolListTest, ParameterColumnsAndValues) {
    EXPECT_EQ(refusal("tool_id,type,position,tool_id\nT,DRILLING,1,x\n"),
              "tools.csv:1: column \"tool_id\" is named twice\n");
    EXPECT_NE(refusal("tool_id,type,position,2ND_DIAM\nT,DRILLING,1,1\n"), "");
    EXPECT_NE(refusal("tool_id,type,position,A_PARAMETER_NAME_OF_31_LETTERS1\nT,DRILLING,1,1\n"),
              "");
    EXPECT_EQ(refusal("tool_id,type,position,NOTE\nT,DRILLING,1," + std::string(81, 'x') + "\n"),
              "tools.csv:2: the value of NOTE is longer than 80 characters or holds a line "
              "break\n");
    EXPECT_EQ(refusal("tool_id,model,position,CUTTER_DIAM\nT,t.prt,1,8\n"),
              "tools.csv:2: a tool made from a model takes its parameters from the model; "
              "CUTTER_DIAM is given as well\n");
}

TEST(ToolListTest, HeaderAndShapeFaults) {
    EXPECT_EQ(refusal("tool_id,type,head\nT,DRILLING,1\n"),
              "tools.csv:1: the header has no column position\n");
    EXPECT_EQ(refusal("tool_id,position\nT,1\n"),
              "tools.csv:1: the header has neither a column type nor a column model\n");
    EXPECT_EQ(refusal(kHeader + "T1,DRILLING,,1,1\n"),
              "tools.csv:2: the line has 5 fields, the header 7\n");
    EXPECT_EQ(refusal("# only a comment\n\n"), "tools.csv: the tool list has no header line\n");
    EXPECT_EQ(refusal(kHeader), "tools.csv: the tool list holds no tools\n");
    EXPECT_EQ(refusal(kHeader + "T1,\"DRILLING,,1,1,,\n"),
              "tools.csv:2: a quoted field is not closed\n");
}

TEST(ToolListTest, MissingFileIsRefused) {
    try {
        kelt2p::readToolList("/nonexistent/tools.csv");
        FAIL() << "no exception";
    } catch (const ToolListError& e) {
        EXPECT_EQ(e.report(), "/nonexistent/tools.csv: cannot open the file\n");
    }
}

}  // namespace
