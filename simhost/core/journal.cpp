#include "simhost/core/journal.h"

namespace simhost::core {
namespace {

std::vector<std::string>& entries() {
    static std::vector<std::string> list;
    return list;
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
    entries().push_back(std::move(entry));
}

std::vector<std::string> journalEntries() {
    return entries();
}

void journalClear() {
    entries().clear();
}

}  // namespace simhost::core
