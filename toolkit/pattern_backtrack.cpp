#include "toolkit/pattern_backtrack.h"

#include <cstdint>
#include <string>
#include <vector>

#include "toolkit/pattern_assertion.h"
#include "toolkit/pattern_error.h"

namespace ardotk {

namespace {

constexpr int kUnset = -1;

// A choice to come back to, or a value to restore when backtracking past it.
struct Entry {
    enum Kind : unsigned char { Branch, RestoreSlot, RestoreRegister } kind;
    int a;  // pc, or slot / register index
    int b;  // position, or the value to restore
};

class Backtracker {
public:
    Backtracker(const PatternProgram& program, std::wstring_view name)
        : program_(program),
          name_(name),
          slots_(program.captureSlots, kUnset),
          registers_(program.loopRegisters, kUnset) {}

    bool run() { return attempt(0, 0); }

private:
    // Runs from `pc` at `pos` until Match (whole name) or LookEnd (inside a lookahead).
    // On failure every entry above the entry depth at the call is undone.
    bool attempt(int pc, int pos) {
        const std::size_t base = stack_.size();
        while (true) {
            step();
            const Instruction& ins = program_.code[pc];
            bool ok = true;
            switch (ins.op) {
                case Op::Char:
                case Op::Class:
                    ok = static_cast<std::size_t>(pos) < name_.size() && consumes(ins, pos);
                    ++pos;
                    ++pc;
                    break;
                case Op::Split:
                    stack_.push_back({Entry::Branch, ins.y, pos});
                    pc = ins.x;
                    break;
                case Op::Jump:
                    pc = ins.x;
                    break;
                case Op::Save:
                    set(slots_, Entry::RestoreSlot, ins.x, pos);
                    ++pc;
                    break;
                case Op::Mark:
                    set(registers_, Entry::RestoreRegister, ins.x, pos);
                    ++pc;
                    break;
                case Op::Progress:
                    ok = registers_[ins.x] != pos;
                    ++pc;
                    break;
                case Op::LineBegin:
                case Op::LineEnd:
                case Op::WordBoundary:
                case Op::NotWordBoundary:
                    ok = assertionHolds(ins.op, name_, pos);
                    ++pc;
                    break;
                case Op::Backreference:
                    ok = backreference(ins.x, pos);
                    ++pc;
                    break;
                case Op::LookStart:
                    ok = lookahead(ins, pc, pos);
                    break;
                case Op::LookEnd:
                    return true;
                case Op::Match:
                    if (static_cast<std::size_t>(pos) == name_.size()) {
                        return true;
                    }
                    ok = false;
                    break;
            }
            if (!ok && !backtrack(base, pc, pos)) {
                return false;
            }
        }
    }

    // A class answering outside ASCII costs a step per range and set it tests.
    bool consumes(const Instruction& ins, int pos) {
        const wchar_t c = name_[pos];
        if (ins.op == Op::Class && static_cast<std::uint32_t>(c) >= 128) {
            steps_ += static_cast<long>(program_.classes[ins.x].cost());
        }
        return ardotk::consumes(program_, ins, c);
    }

    void step() {
        if (++steps_ > kMaxBacktrackSteps) {
            throw PatternError("pattern too complex: over " + std::to_string(kMaxBacktrackSteps) +
                               " steps to match one name");
        }
    }

    void set(std::vector<int>& values, Entry::Kind kind, int index, int pos) {
        stack_.push_back({kind, index, values[index]});
        values[index] = pos;
    }

    // Undoes entries down to the nearest branch above `base` and resumes there; false
    // when there is none.
    bool backtrack(std::size_t base, int& pc, int& pos) {
        while (stack_.size() > base) {
            const Entry entry = stack_.back();
            stack_.pop_back();
            step();
            switch (entry.kind) {
                case Entry::Branch:
                    pc = entry.a;
                    pos = entry.b;
                    return true;
                case Entry::RestoreSlot:
                    slots_[entry.a] = entry.b;
                    break;
                case Entry::RestoreRegister:
                    registers_[entry.a] = entry.b;
                    break;
            }
        }
        return false;
    }

    // A group not (yet) captured matches the empty text.
    bool backreference(int group, int& pos) {
        const int first = slots_[2 * group];
        const int last = slots_[2 * group + 1];
        if (first == kUnset || last == kUnset || last < first) {
            return true;
        }
        const std::size_t length = static_cast<std::size_t>(last - first);
        if (name_.size() - static_cast<std::size_t>(pos) < length ||
            name_.compare(pos, length, name_.substr(first, length)) != 0) {
            return false;
        }
        pos += static_cast<int>(length);
        return true;
    }

    // Runs the lookahead body at `pos`; the choices inside it are not revisited once it
    // has answered. A positive lookahead keeps its captures, a negative one none.
    bool lookahead(const Instruction& ins, int& pc, int pos) {
        const std::size_t base = stack_.size();
        const bool found = attempt(pc + 1, pos);
        if (found) {
            dropBranches(base);
        }
        if (found == ins.negative) {
            if (found) {
                int ignoredPc = 0;
                int ignoredPos = 0;
                backtrack(base, ignoredPc, ignoredPos);
            }
            return false;
        }
        pc = ins.x;
        return true;
    }

    // Removes the branches above `base`, keeping the restore entries.
    void dropBranches(std::size_t base) {
        std::size_t kept = base;
        for (std::size_t i = base; i < stack_.size(); ++i) {
            if (stack_[i].kind != Entry::Branch) {
                stack_[kept++] = stack_[i];
            }
        }
        stack_.resize(kept);
    }

    const PatternProgram& program_;
    std::wstring_view name_;
    std::vector<int> slots_;
    std::vector<int> registers_;
    std::vector<Entry> stack_;
    long steps_ = 0;
};

}  // namespace

bool backtrackMatches(const PatternProgram& program, std::wstring_view name) {
    return Backtracker(program, name).run();
}

}  // namespace ardotk
