#include "toolkit/pattern_dfa.h"

#include <algorithm>
#include <cstdint>

#include "toolkit/pattern_assertion.h"

namespace ardotk {

bool LazyDfa::suits(const PatternProgram& program) {
    if (program.needsBacktracking || program.code.size() > kMaxDfaInstructions) {
        return false;
    }
    return std::none_of(program.code.begin(), program.code.end(), [](const Instruction& ins) {
        return ins.op == Op::LineBegin || ins.op == Op::LineEnd || ins.op == Op::WordBoundary ||
               ins.op == Op::NotWordBoundary;
    });
}

bool LazyDfa::matches(const PatternProgram& program, std::wstring_view name) {
    int state = startState(program);
    for (std::size_t pos = 0; pos < name.size() && state >= 0; ++pos) {
        if (states_[state].threads.empty()) {
            return false;  // no thread left: nothing can match any more
        }
        state = step(program, state, name[pos]);
    }
    if (state == kFull) {
        return automatonMatches(program, name, scratch_);
    }
    return states_[state].accepts;
}

int LazyDfa::startState(const PatternProgram& program) {
    if (start_ == kUnknown) {
        AutomatonScratch::ThreadList& list = scratch_.current;
        list.resize(program.code.size());
        list.reset();
        followThreads(program, 0, {}, 0, list, scratch_.stack);
        start_ = intern(program, list.threads());
    }
    return start_;
}

int LazyDfa::step(const PatternProgram& program, int state, wchar_t c) {
    const bool ascii = static_cast<std::uint32_t>(c) < 128;
    if (ascii && states_[state].next[static_cast<std::size_t>(c)] != kUnknown) {
        return states_[state].next[static_cast<std::size_t>(c)];
    }
    AutomatonScratch::ThreadList& list = scratch_.next;
    list.resize(program.code.size());
    list.reset();
    for (int pc : states_[state].threads) {
        if (consumes(program, program.code[pc], c)) {
            followThreads(program, pc + 1, {}, 0, list, scratch_.stack);
        }
    }
    const int next = intern(program, list.threads());
    if (ascii && next >= 0) {
        states_[state].next[static_cast<std::size_t>(c)] = next;
    }
    return next;
}

int LazyDfa::intern(const PatternProgram& program, const std::vector<int>& threads) {
    sorted_.assign(threads.begin(), threads.end());
    std::sort(sorted_.begin(), sorted_.end());
    auto found = index_.find(sorted_);
    if (found != index_.end()) {
        return found->second;
    }
    if (states_.size() >= kMaxDfaStates) {
        return kFull;
    }
    State state;
    state.threads = sorted_;
    state.accepts = std::any_of(sorted_.begin(), sorted_.end(),
                                [&](int pc) { return program.code[pc].op == Op::Match; });
    state.next.fill(kUnknown);
    states_.push_back(std::move(state));
    const int id = static_cast<int>(states_.size()) - 1;
    index_.emplace(sorted_, id);
    return id;
}

}  // namespace ardotk
