// The argument check of operations that refuse a text longer than its host buffer
// before any host call.
#pragma once

#include <cstddef>

namespace Ardo {

// Raises Ardo::Error(code, operation) when `text` has more than `maxChars` characters
// (bytes of the narrow text); a null text counts as empty.
void refuseLongerThan(const char* text, std::size_t maxChars, int code, const char* operation);

}  // namespace Ardo
