// What a sync writes: the entries of the tool list that the workcell's table lacks.
#pragma once

#include <string>
#include <vector>

#include "output.h"
#include "tool_list.h"

namespace kelt2p {

struct SyncPlan {
    std::vector<const ToolEntry*> toWrite;  // in list order
    int inPlace = 0;                        // entries whose place holds their tool already
};

// Compares the tool list with the table the workcell holds. A place (head, position)
// that is free gets the entry; one that holds the same tool id counts as in place; one
// that holds another tool is a conflict. Throws ToolListError naming every conflict
// (`source` names the list), so that nothing is written.
SyncPlan planSync(const std::vector<ToolEntry>& list, const ToolTable& existing,
                  const std::string& source);

// The entries of `written` that `table` lacks, as "head H position P tool T" texts.
std::vector<std::string> missingEntries(const std::vector<const ToolEntry*>& written,
                                        const ToolTable& table);

}  // namespace kelt2p
