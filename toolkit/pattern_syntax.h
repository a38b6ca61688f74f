// Parses a name pattern in the ECMAScript grammar into a node tree, refusing (with
// PatternError) what that grammar refuses: a quantifier without operand or on another
// quantifier, unbalanced ( ) [ ], reversed ranges and counts, unknown group kinds,
// backreferences beyond the groups present, numbers that overflow; and groups nested
// deeper than kMaxPatternNesting, which bounds the recursion of every later stage, and
// patterns longer than kMaxPatternLength.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "toolkit/pattern_char_class.h"

namespace ardotk {

constexpr int kMaxPatternNesting = 64;
// Longer patterns are refused before parsing, which bounds the tree's memory.
constexpr std::size_t kMaxPatternLength = 4096;
// Counts and backreference numbers above this are refused as overflowing.
constexpr int kMaxPatternNumber = 1000000;
// "{n,}" and "*": no upper bound.
constexpr int kUnbounded = -1;

enum class NodeKind : std::uint8_t {
    Empty,
    Char,           // `ch`
    Class,          // `charClass` (".", "\d", "[...]")
    Sequence,       // `children` one after another
    Alternation,    // one of `children`, the first preferred
    Repeat,         // children[0], `min` to `max` times, greedy or lazy
    Group,          // children[0], captured as `number` when capturing
    Lookahead,      // children[0] must (or, `negative`, must not) match here
    Backreference,  // the text group `number` captured
    LineBegin,
    LineEnd,
    WordBoundary,
    NotWordBoundary,
};

struct PatternNode {
    NodeKind kind = NodeKind::Empty;
    wchar_t ch = 0;
    int charClass = -1;  // index into ParsedPattern::classes
    int min = 0;
    int max = 0;
    bool greedy = true;
    bool capturing = false;
    bool negative = false;
    int number = 0;
    std::vector<PatternNode> children;
};

struct ParsedPattern {
    PatternNode root;
    std::vector<CharClass> classes;
    int groupCount = 0;
    bool hasBackreference = false;
    bool hasLookahead = false;
};

ParsedPattern parsePattern(const std::wstring& pattern);

}  // namespace ardotk
