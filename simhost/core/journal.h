// The call journal: one entry per contract call, the latest ones up to a limit, so that
// a long-running program does not grow without bound.
#pragma once

#include <cstddef>
#include <initializer_list>
#include <string>
#include <vector>

namespace simhost::core {

constexpr std::size_t kJournalDefaultLimit = 100000;

void journalAdd(std::initializer_list<std::string> call);
// The kept entries, oldest first.
std::vector<std::string> journalEntries();
void journalClear();
// Keeps at most `limit` entries from now on, dropping the oldest beyond it.
void journalLimitSet(std::size_t limit);

}  // namespace simhost::core
