// The linear-time matcher: runs a program without backreferences and lookahead as a
// set of simultaneous threads over the name (one per instruction at most), so a name
// of n characters costs at most n times the program's length, whatever the pattern.
// Greedy and lazy quantifiers take the same names, so only the verdict is computed.
#pragma once

#include <cstddef>
#include <string_view>
#include <vector>

#include "toolkit/pattern_program.h"

namespace ardotk {

// The matcher's working memory, kept from name to name: a listing matches every name
// against one program, and matching then allocates nothing once the buffers have grown.
class AutomatonScratch {
public:
    // The threads at one position: instructions that consume a character or match,
    // each listed once (a stamp per instruction tells whether it was reached).
    class ThreadList {
    public:
        void resize(std::size_t size);
        void reset();
        // False when `pc` was already reached at this position.
        bool visit(int pc);
        void add(int pc) { threads_.push_back(pc); }
        const std::vector<int>& threads() const { return threads_; }

    private:
        std::vector<unsigned> seen_;
        unsigned generation_ = 0;
        std::vector<int> threads_;
    };

    ThreadList current;
    ThreadList next;
    std::vector<int> stack;
    std::vector<std::size_t> classPosition;
    std::vector<char> classAnswer;
};

// Adds to `list` every instruction that consumes a character or matches and is reachable
// from `start` without consuming, at position `pos` of `name`; `stack` is working memory.
void followThreads(const PatternProgram& program, int start, std::wstring_view name,
                   std::size_t pos, AutomatonScratch::ThreadList& list, std::vector<int>& stack);

// True when the whole name matches; `program` must not need backtracking.
bool automatonMatches(const PatternProgram& program, std::wstring_view name,
                      AutomatonScratch& scratch);

}  // namespace ardotk
