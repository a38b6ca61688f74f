// The host's tool-type names: the numbers they stand for, and the exact reading of a
// tool model's TOOL_TYPE text.
#include <gtest/gtest.h>

#include <string>

#include "kelt2proe/tool.h"
#include "support/expect.h"

namespace {

struct Named {
    const char* name;
    std::int32_t number;
};

// The host's table, in its order; the last two no TOOL_TYPE text gives.
constexpr Named kHostTable[] = {
    {"MILLING", 8},
    {"PLUNGE_MILLING", 0x20000000},
    {"BACK SPOTTING", 0x8000000},
    {"CHAMFERING", 6},
    {"COUNTERSINK", 0x10000},
    {"REAMING", 0x20000},
    {"TAPER MILL", 0x40000000},
    {"DRILLING", 1},
    {"CORNER ROUNDING", 5},
    {"BORING", 0x4000},
    {"THREAD_MILL", 0x100000},
    {"SIDE_MILLING", 0x800000},
    {"GROOVING", 16},
    {"CENTER-DRILLING", 0x40000},
    {"TAPPING", 0x8000},
    {"TURNING", 2},
    {"TURN-GROOVING", 0x80000},
    {"MULTI_TIP", 9},
    {"END MILL", 10},
    {"BALL MILL", 11},
    {"BULL MILL", 12},
    {"BASIC DRILL", 13},
    {"SPOT DRILL", 14},
    {"BORING BAR", 15},
    {"KEY CUTTER", 17},
    {"LOLLIPOP", 18},
    {"MULTI TASK", 19},
    {"TAPER BALL MILL", 20},
};
constexpr int kReadFromToolModel = 26;

TEST(ToolTypeNames, ListEveryNamedTypeInTheHostsOrder) {
    ASSERT_EQ(Ardo::kelt2pToolTypeCount(), static_cast<int>(std::size(kHostTable)));
    for (int i = 0; i < Ardo::kelt2pToolTypeCount(); ++i) {
        SCOPED_TRACE(kHostTable[i].name);
        Ardo::kelt2pToolType type = Ardo::kelt2pToolTypeAt(i);
        EXPECT_EQ(type, kHostTable[i].number);
        ASSERT_NE(Ardo::kelt2pToolTypeName(type), nullptr);
        EXPECT_STREQ(Ardo::kelt2pToolTypeName(type), kHostTable[i].name);
    }
    EXPECT_SUBSCRIPT_ERROR(Ardo::kelt2pToolTypeAt(-1));
    EXPECT_SUBSCRIPT_ERROR(Ardo::kelt2pToolTypeAt(Ardo::kelt2pToolTypeCount()));
    EXPECT_EQ(Ardo::kelt2pToolTypeName(Ardo::KELT2P_TOOL_NONE), nullptr);
    EXPECT_EQ(Ardo::kelt2pToolTypeName(static_cast<Ardo::kelt2pToolType>(3)), nullptr);
}

TEST(ToolTypeNames, ReadATextAsAToolModelsTypeExactly) {
    for (int i = 0; i < Ardo::kelt2pToolTypeCount(); ++i) {
        SCOPED_TRACE(kHostTable[i].name);
        bool found = false;
        Ardo::kelt2pToolType type = Ardo::kelt2pToolTypeFromName(kHostTable[i].name, &found);
        if (i < kReadFromToolModel) {
            EXPECT_TRUE(found);
            EXPECT_EQ(type, kHostTable[i].number);
        } else {
            EXPECT_FALSE(found);
            EXPECT_EQ(type, Ardo::KELT2P_TOOL_NONE);
        }
    }
    for (const char* other :
         {"end mill", "END_MILL", "END  MILL", "END MILL ", "CENTER DRILLING", "", "8"}) {
        SCOPED_TRACE(other);
        bool found = true;
        EXPECT_EQ(Ardo::kelt2pToolTypeFromName(other, &found), Ardo::KELT2P_TOOL_NONE);
        EXPECT_FALSE(found);
    }
    bool found = true;
    EXPECT_EQ(Ardo::kelt2pToolTypeFromName(nullptr, &found), Ardo::KELT2P_TOOL_NONE);
    EXPECT_FALSE(found);
    EXPECT_EQ(Ardo::kelt2pToolTypeFromName("LOLLIPOP", nullptr), Ardo::KELT2P_TOOL_LOLLIPOP);
}

}  // namespace
