#include "toolkit/pattern_automaton.h"

#include <cstdint>
#include <vector>

#include "toolkit/pattern_assertion.h"

namespace ardotk {

namespace {

// The threads at one position: instructions that consume a character or match, each
// listed once.
class ThreadList {
public:
    explicit ThreadList(std::size_t size) : seen_(size, 0) {}

    void reset() {
        ++generation_;
        threads_.clear();
    }
    // False when `pc` was already reached at this position.
    bool visit(int pc) {
        if (seen_[pc] == generation_) {
            return false;
        }
        seen_[pc] = generation_;
        return true;
    }
    void add(int pc) { threads_.push_back(pc); }
    const std::vector<int>& threads() const { return threads_; }

private:
    std::vector<unsigned> seen_;
    unsigned generation_ = 1;
    std::vector<int> threads_;
};

class Automaton {
public:
    Automaton(const PatternProgram& program, std::wstring_view name)
        : program_(program),
          name_(name),
          current_(program.code.size()),
          next_(program.code.size()),
          classPosition_(program.classes.size(), kNotAsked),
          classAnswer_(program.classes.size(), false) {}

    bool run() {
        current_.reset();
        follow(current_, 0, 0);
        for (std::size_t pos = 0; pos < name_.size(); ++pos) {
            if (current_.threads().empty()) {
                return false;
            }
            next_.reset();
            for (int pc : current_.threads()) {
                if (consumes(program_.code[pc], pos)) {
                    follow(next_, pc + 1, pos + 1);
                }
            }
            std::swap(current_, next_);
        }
        for (int pc : current_.threads()) {
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
            classAnswer_[ins.x] = program_.classes[ins.x].contains(c);
        }
        return classAnswer_[ins.x];
    }

    // Adds every consuming or matching instruction reachable from `start` at `pos`
    // without consuming.
    void follow(ThreadList& list, int start, std::size_t pos) {
        stack_.clear();
        stack_.push_back(start);
        while (!stack_.empty()) {
            const int pc = stack_.back();
            stack_.pop_back();
            if (!list.visit(pc)) {
                continue;
            }
            const Instruction& ins = program_.code[pc];
            switch (ins.op) {
                case Op::Jump:
                    stack_.push_back(ins.x);
                    break;
                case Op::Split:
                    stack_.push_back(ins.y);
                    stack_.push_back(ins.x);
                    break;
                case Op::LineBegin:
                case Op::LineEnd:
                case Op::WordBoundary:
                case Op::NotWordBoundary:
                    if (assertionHolds(ins.op, name_, pos)) {
                        stack_.push_back(pc + 1);
                    }
                    break;
                case Op::Char:
                case Op::Class:
                case Op::Match:
                    list.add(pc);
                    break;
                default:
                    stack_.push_back(pc + 1);
                    break;  // Save, Mark, Progress: no effect
            }
        }
    }

    const PatternProgram& program_;
    std::wstring_view name_;
    ThreadList current_;
    ThreadList next_;
    std::vector<int> stack_;
    std::vector<std::size_t> classPosition_;
    std::vector<bool> classAnswer_;
};

}  // namespace

bool automatonMatches(const PatternProgram& program, std::wstring_view name) {
    return Automaton(program, name).run();
}

}  // namespace ardotk
