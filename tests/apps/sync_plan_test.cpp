// Which entries of a tool list a sync writes, and noticing entries the host did not take.
#include <gtest/gtest.h>

#include "sync_plan.h"

namespace {

using kelt2p::TableEntry;
using kelt2p::ToolEntry;

ToolEntry tool(int line, const std::string& id, int head, int position) {
    ToolEntry entry;
    entry.line = line;
    entry.toolId = id;
    entry.type = 10;
    entry.head = head;
    entry.position = position;
    return entry;
}

kelt2p::ToolTable existing() {
    kelt2p::ToolTable table;
    table.workcell = "HERMLE_C42";
    table.entries = {{1, 1, "FACE_MILL_63", 1, "", true}, {2, 1, "BALL_6", 21, "", false}};
    return table;
}

TEST(SyncPlanTest, FreePlacesAreWrittenAndSameToolsAreInPlace) {
    std::vector<ToolEntry> list = {tool(2, "FACE_MILL_63", 1, 1), tool(3, "EM_12", 1, 2),
                                   tool(4, "BALL_6", 1, 1 + 2), tool(5, "BALL_6", 2, 1)};
    kelt2p::SyncPlan plan = kelt2p::planSync(list, existing(), "tools.csv");
    EXPECT_EQ(plan.inPlace, 2);
    ASSERT_EQ(plan.toWrite.size(), 2u);
    EXPECT_EQ(plan.toWrite[0]->line, 3);
    EXPECT_EQ(plan.toWrite[1]->line, 4);  // the same tool may go into another place too
}

TEST(SyncPlanTest, EveryPlaceHeldByAnotherToolIsAConflict) {
    std::vector<ToolEntry> list = {tool(2, "EM_12", 1, 1), tool(3, "EM_6", 1, 4),
                                   tool(4, "DRILL", 2, 1)};
    try {
        kelt2p::planSync(list, existing(), "tools.csv");
        FAIL() << "no conflict reported";
    } catch (const kelt2p::ToolListError& e) {
        EXPECT_EQ(e.report(),
                  "tools.csv:2: head 1 position 1 of workcell HERMLE_C42 holds tool "
                  "FACE_MILL_63, not EM_12\n"
                  "tools.csv:4: head 2 position 1 of workcell HERMLE_C42 holds tool BALL_6, "
                  "not DRILL\n");
    }
}

TEST(SyncPlanTest, MissingEntriesNameWhatTheTableLacks) {
    std::vector<ToolEntry> list = {tool(2, "FACE_MILL_63", 1, 1), tool(3, "BALL_6", 1, 1),
                                   tool(4, "EM_12", 1, 2)};
    std::vector<const ToolEntry*> written = {&list[0], &list[1], &list[2]};
    EXPECT_EQ(kelt2p::missingEntries(written, existing()),
              (std::vector<std::string>{"head 1 position 1 tool BALL_6",
                                        "head 1 position 2 tool EM_12"}));
}

}  // namespace
