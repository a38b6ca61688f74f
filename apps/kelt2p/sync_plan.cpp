#include "sync_plan.h"

#include <map>
#include <set>
#include <tuple>
#include <utility>

namespace kelt2p {

namespace {

std::string place(int head, int position) {
    return "head " + std::to_string(head) + " position " + std::to_string(position);
}

}  // namespace

SyncPlan planSync(const std::vector<ToolEntry>& list, const ToolTable& existing,
                  const std::string& source) {
    std::map<std::pair<int, int>, const TableEntry*> places;
    for (const TableEntry& entry : existing.entries) {
        places.emplace(std::make_pair(entry.head, entry.position), &entry);
    }
    SyncPlan plan;
    std::vector<Problem> conflicts;
    for (const ToolEntry& entry : list) {
        auto found = places.find({entry.head, entry.position});
        if (found == places.end()) {
            plan.toWrite.push_back(&entry);
        } else if (found->second->toolId == entry.toolId) {
            ++plan.inPlace;
        } else {
            conflicts.push_back({entry.line, place(entry.head, entry.position) + " of workcell " +
                                                 existing.workcell + " holds tool " +
                                                 found->second->toolId + ", not " + entry.toolId});
        }
    }
    if (!conflicts.empty()) {
        throw ToolListError(source, std::move(conflicts));
    }
    return plan;
}

std::vector<std::string> missingEntries(const std::vector<const ToolEntry*>& written,
                                        const ToolTable& table) {
    std::set<std::tuple<int, int, std::string>> present;
    for (const TableEntry& e : table.entries) {
        present.emplace(e.head, e.position, e.toolId);
    }
    std::vector<std::string> missing;
    for (const ToolEntry* entry : written) {
        if (!present.count({entry->head, entry->position, entry->toolId})) {
            missing.push_back(place(entry->head, entry->position) + " tool " + entry->toolId);
        }
    }
    return missing;
}

}  // namespace kelt2p
