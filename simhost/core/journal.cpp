#include "simhost/core/journal.h"

#include <deque>

namespace simhost::core {
namespace {

struct Journal {
    std::deque<std::string> entries;
    std::size_t limit = kJournalDefaultLimit;

    void trim() {
        while (entries.size() > limit) {
            entries.pop_front();
        }
    }
};

Journal& journal() {
    static Journal kept;
    return kept;
}

}  // namespace

void journalAdd(std::initializer_list<std::string> call) {
    std::string entry;
    for (const std::string& part : call) {
        if (!entry.empty()) {
            entry += ' ';
        }
        entry += part.empty() ? std::string("\"\"") : part;
    }
    Journal& j = journal();
    j.entries.push_back(std::move(entry));
    j.trim();
}

std::vector<std::string> journalEntries() {
    const Journal& j = journal();
    return std::vector<std::string>(j.entries.begin(), j.entries.end());
}

void journalClear() {
    journal().entries.clear();
}

void journalLimitSet(std::size_t limit) {
    Journal& j = journal();
    j.limit = limit;
    j.trim();
}

}  // namespace simhost::core
