// The host's tool-type names: the numbers they stand for, and the exact reading of a
// tool model's TOOL_TYPE text.
#include <gtest/gtest.h>

#include "kelt2proe/tool.h"
#include "support/expect.h"

namespace {

// Every listed type has its name, and the names a tool model can give read back to it.
TEST(ToolTypeNames, ListedTypesAndTheirNamesReadBack) {
    ASSERT_EQ(Ardo::kelt2pToolTypeCount(), 28);
    int readable = 0;
    for (int i = 0; i < Ardo::kelt2pToolTypeCount(); ++i) {
        Ardo::kelt2pToolType type = Ardo::kelt2pToolTypeAt(i);
        const char* name = Ardo::kelt2pToolTypeName(type);
        ASSERT_NE(name, nullptr) << type;
        bool found = false;
        Ardo::kelt2pToolType read = Ardo::kelt2pToolTypeFromName(name, &found);
        if (found) {
            EXPECT_EQ(read, type) << name;
            ++readable;
        }
    }
    // Two types have a name but no tool model gives it.
    EXPECT_EQ(readable, 26);
    EXPECT_STREQ(Ardo::kelt2pToolTypeName(Ardo::KELT2P_TOOL_END_MILL), "END MILL");
    EXPECT_STREQ(Ardo::kelt2pToolTypeName(Ardo::KELT2P_TOOL_CENTER_DRILLING), "CENTER-DRILLING");
    EXPECT_EQ(Ardo::kelt2pToolTypeName(Ardo::KELT2P_TOOL_NONE), nullptr);
    EXPECT_EQ(Ardo::kelt2pToolTypeName(static_cast<Ardo::kelt2pToolType>(3)), nullptr);
    EXPECT_SUBSCRIPT_ERROR(Ardo::kelt2pToolTypeAt(-1));
    EXPECT_SUBSCRIPT_ERROR(Ardo::kelt2pToolTypeAt(Ardo::kelt2pToolTypeCount()));
}

// A tool model's text is compared exactly: no other case, spelling or spacing.
TEST(ToolTypeNames, ReadATextAsAToolModelsTypeExactly) {
    bool found = false;
    EXPECT_EQ(Ardo::kelt2pToolTypeFromName("PLUNGE_MILLING", &found),
              Ardo::KELT2P_TOOL_PLUNGE_MILLING);
    EXPECT_TRUE(found);
    for (const char* other : {"MULTI TASK", "TAPER BALL MILL", "end mill", "END_MILL", "END  MILL",
                              "END MILL ", "CENTER DRILLING", "", "8"}) {
        SCOPED_TRACE(other);
        found = true;
        EXPECT_EQ(Ardo::kelt2pToolTypeFromName(other, &found), Ardo::KELT2P_TOOL_NONE);
        EXPECT_FALSE(found);
    }
    found = true;
    EXPECT_EQ(Ardo::kelt2pToolTypeFromName(nullptr, &found), Ardo::KELT2P_TOOL_NONE);
    EXPECT_FALSE(found);
    EXPECT_EQ(Ardo::kelt2pToolTypeFromName("LOLLIPOP", nullptr), Ardo::KELT2P_TOOL_LOLLIPOP);
}

}  // namespace
