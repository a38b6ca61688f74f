// The zero-width tests both matchers share: name start and end, word boundaries.
#pragma once

#include <string_view>

#include "toolkit/pattern_char_class.h"
#include "toolkit/pattern_program.h"

namespace ardotk {

inline bool atWordBoundary(std::wstring_view name, std::size_t pos) {
    const bool before = pos > 0 && isWordChar(name[pos - 1]);
    const bool after = pos < name.size() && isWordChar(name[pos]);
    return before != after;
}

// True when the assertion `op` holds at `pos` of `name`.
inline bool assertionHolds(Op op, std::wstring_view name, std::size_t pos) {
    switch (op) {
        case Op::LineBegin:
            return pos == 0;
        case Op::LineEnd:
            return pos == name.size();
        case Op::WordBoundary:
            return atWordBoundary(name, pos);
        case Op::NotWordBoundary:
            return !atWordBoundary(name, pos);
        default:
            return false;
    }
}

// True when the instruction consumes `c` (a Char or Class instruction).
inline bool consumes(const PatternProgram& program, const Instruction& ins, wchar_t c) {
    return ins.op == Op::Char ? ins.ch == c
                              : ins.op == Op::Class && program.classes[ins.x].contains(c);
}

}  // namespace ardotk
