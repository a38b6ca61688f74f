// The linear-time matcher: runs a program without backreferences and lookahead as a
// set of simultaneous threads over the name (one per instruction at most), so a name
// of n characters costs at most n times the program's length, whatever the pattern.
// Greedy and lazy quantifiers take the same names, so only the verdict is computed.
#pragma once

#include <string_view>

#include "toolkit/pattern_program.h"

namespace ardotk {

// True when the whole name matches; `program` must not need backtracking.
bool automatonMatches(const PatternProgram& program, std::wstring_view name);

}  // namespace ardotk
