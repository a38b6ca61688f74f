// The call journal: one entry per contract call.
#pragma once

#include <initializer_list>
#include <string>
#include <vector>

namespace simhost::core {

void journalAdd(std::initializer_list<std::string> call);
std::vector<std::string> journalEntries();
void journalClear();

}  // namespace simhost::core
