// Fault injection: the n-th next call of a named function fails with a given code.
#pragma once

#include <optional>
#include <string>

namespace simhost::core {

void faultAdd(const std::string& function, int code, int occurrence);
// Counts this call against every pending fault; returns the code of the one that fires.
std::optional<int> faultConsult(const std::string& function);
void faultsClear();

}  // namespace simhost::core
