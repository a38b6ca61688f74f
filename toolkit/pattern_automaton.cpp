#include "toolkit/pattern_automaton.h"

#include <algorithm>
#include <cstdint>
#include <vector>

#include "toolkit/pattern_assertion.h"

namespace ardotk {

using ThreadList = AutomatonScratch::ThreadList;

void ThreadList::resize(std::size_t size) {
    if (seen_.size() != size) {
        seen_.assign(size, 0);
        generation_ = 0;
    }
}

void ThreadList::reset() {
    // After a wrap-around every stamp is stale: start again from a clean slate.
    if (++generation_ == 0) {
        std::fill(seen_.begin(), seen_.end(), 0u);
        generation_ = 1;
    }
    threads_.clear();
}

bool ThreadList::visit(int pc) {
    if (seen_[pc] == generation_) {
        return false;
    }
    seen_[pc] = generation_;
    return true;
}

void followThreads(const PatternProgram& program, int start, std::wstring_view name,
                   std::size_t pos, ThreadList& list, std::vector<int>& stack) {
    stack.clear();
    stack.push_back(start);
    while (!stack.empty()) {
        const int pc = stack.back();
        stack.pop_back();
        if (!list.visit(pc)) {
            continue;
        }
        const Instruction& ins = program.code[pc];
        switch (ins.op) {
            case Op::Jump:
                stack.push_back(ins.x);
                break;
            case Op::Split:
                stack.push_back(ins.y);
                stack.push_back(ins.x);
                break;
            case Op::LineBegin:
            case Op::LineEnd:
            case Op::WordBoundary:
            case Op::NotWordBoundary:
                if (assertionHolds(ins.op, name, pos)) {
                    stack.push_back(pc + 1);
                }
                break;
            case Op::Char:
            case Op::Class:
            case Op::Match:
                list.add(pc);
                break;
            default:
                stack.push_back(pc + 1);
                break;  // Save, Mark, Progress: no effect
        }
    }
}

namespace {

// One match of one name, on the scratch's buffers.
class Automaton {
public:
    Automaton(AutomatonScratch& scratch, const PatternProgram& program, std::wstring_view name)
        : program_(program),
          name_(name),
          current_(&scratch.current),
          next_(&scratch.next),
          stack_(scratch.stack),
          classPosition_(scratch.classPosition),
          classAnswer_(scratch.classAnswer) {
        current_->resize(program.code.size());
        next_->resize(program.code.size());
        classPosition_.assign(program.classes.size(), kNotAsked);
        classAnswer_.assign(program.classes.size(), 0);
    }
    bool run() {
        current_->reset();
        follow(*current_, 0, 0);
        for (std::size_t pos = 0; pos < name_.size(); ++pos) {
            if (current_->threads().empty()) {
                return false;
            }
            next_->reset();
            for (int pc : current_->threads()) {
                if (consumes(program_.code[pc], pos)) {
                    follow(*next_, pc + 1, pos + 1);
                }
            }
            std::swap(current_, next_);
        }
        for (int pc : current_->threads()) {
            if (program_.code[pc].op == Op::Match) {
                return true;
            }
        }
        return false;
    }

private:
    static constexpr std::size_t kNotAsked = static_cast<std::size_t>(-1);

    // Outside ASCII a class answers by testing its ranges and sets; the answer for the
    // character at `pos` is kept, as the copies of an unrolled repetition share a class.
    bool consumes(const Instruction& ins, std::size_t pos) {
        const wchar_t c = name_[pos];
        if (ins.op != Op::Class || static_cast<std::uint32_t>(c) < 128) {
            return ardotk::consumes(program_, ins, c);
        }
        if (classPosition_[ins.x] != pos) {
            classPosition_[ins.x] = pos;
            classAnswer_[ins.x] = program_.classes[ins.x].contains(c) ? 1 : 0;
        }
        return classAnswer_[ins.x] != 0;
    }

    void follow(ThreadList& list, int start, std::size_t pos) {
        followThreads(program_, start, name_, pos, list, stack_);
    }

    const PatternProgram& program_;
    std::wstring_view name_;
    ThreadList* current_;
    ThreadList* next_;
    std::vector<int>& stack_;
    std::vector<std::size_t>& classPosition_;
    std::vector<char>& classAnswer_;
};

}  // namespace

bool automatonMatches(const PatternProgram& program, std::wstring_view name,
                      AutomatonScratch& scratch) {
    return Automaton(scratch, program, name).run();
}

}  // namespace ardotk
