// The fast path of the linear-time matcher for programs without assertions: a
// deterministic automaton built as names are matched. Each state is a set of threads of
// the linear-time matcher; the step from a state on an ASCII character is computed once
// and kept, so matching a name costs one table lookup per character. Steps on other
// characters are computed each time. Only small programs run here, and the number of
// states is bounded, so building the automaton never costs more than a few names'
// matching: a large program, or names that need more states, are matched by the
// linear-time matcher alone.
#pragma once

#include <array>
#include <cstddef>
#include <map>
#include <string_view>
#include <vector>

#include "toolkit/pattern_automaton.h"
#include "toolkit/pattern_program.h"

namespace ardotk {

constexpr std::size_t kMaxDfaStates = 256;
constexpr std::size_t kMaxDfaInstructions = 256;

class LazyDfa {
public:
    // True for a program this automaton runs: at most kMaxDfaInstructions, without
    // assertions, backreferences and lookahead.
    static bool suits(const PatternProgram& program);

    // True when the whole name matches. One LazyDfa serves one program, which must suit.
    bool matches(const PatternProgram& program, std::wstring_view name);

private:
    static constexpr int kUnknown = -1;
    static constexpr int kFull = -2;  // no room for another state

    struct State {
        std::vector<int> threads;  // sorted
        bool accepts = false;
        std::array<int, 128> next;
    };

    int startState(const PatternProgram& program);
    int step(const PatternProgram& program, int state, wchar_t c);
    int intern(const PatternProgram& program, const std::vector<int>& threads);

    std::vector<State> states_;
    std::map<std::vector<int>, int> index_;
    int start_ = kUnknown;
    AutomatonScratch scratch_;
    std::vector<int> sorted_;
};

}  // namespace ardotk
