// The backtracking matcher for programs with backreferences or lookahead, which the
// automaton cannot run. It tries the alternatives in the grammar's order (greedy or
// lazy), keeps the captures for backreferences, and counts its steps: a name that needs
// more than kMaxBacktrackSteps is refused with PatternError rather than matched for an
// unbounded time. Its stack is explicit, so the name's length does not reach the call
// stack; only lookahead nests calls, at most as deep as the groups nest.
#pragma once

#include <string_view>

#include "toolkit/pattern_program.h"

namespace ardotk {

// Under a millisecond of work; ordinary patterns with lookahead or backreferences need
// a few thousand steps on a name of 259 characters.
constexpr long kMaxBacktrackSteps = 100000;

// True when the whole name matches; throws PatternError when the step budget runs out.
bool backtrackMatches(const PatternProgram& program, std::wstring_view name);

}  // namespace ardotk
