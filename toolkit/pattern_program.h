// A name pattern compiled to a program of simple instructions, shared by the two
// matchers. Counted repetitions are unrolled; a program longer than
// kMaxPatternInstructions is refused, which bounds the time and memory of matching.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "toolkit/pattern_char_class.h"

namespace ardotk {

constexpr std::size_t kMaxPatternInstructions = 2000;

enum class Op : std::uint8_t {
    Char,             // the character `ch`
    Class,            // a character of classes[x]
    Split,            // go on at x, or else at y
    Jump,             // go on at x
    Save,             // record the position in capture slot x
    LineBegin,        // at the start of the name
    LineEnd,          // at the end of the name
    WordBoundary,     // between a word character and a non-word character (or an end)
    NotWordBoundary,  //
    Mark,             // record the position in loop register x (a loop iteration starts)
    Progress,         // fail when the position equals loop register x (an empty iteration)
    Backreference,    // the text that capture group x holds
    LookStart,        // run on to the LookEnd; then go on at x; `negative` inverts
    LookEnd,          //
    Match,            // the whole name has been matched
};

struct Instruction {
    Op op = Op::Match;
    bool negative = false;
    wchar_t ch = 0;
    int x = 0;
    int y = 0;
};

struct PatternProgram {
    std::vector<Instruction> code;
    std::vector<CharClass> classes;
    int captureSlots = 0;   // two per group, group 0 included
    int loopRegisters = 0;  // one per unbounded loop
    // Backreferences or lookahead: only the bounded backtracking matcher runs it.
    bool needsBacktracking = false;
};

// Parses and compiles; throws PatternError for a refused pattern.
PatternProgram compilePattern(const std::wstring& pattern);

}  // namespace ardotk
