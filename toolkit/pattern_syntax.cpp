#include "toolkit/pattern_syntax.h"

#include <string>
#include <utility>

#include "toolkit/pattern_error.h"

namespace ardotk {

namespace {

int hexValue(wchar_t c) {
    if (c >= L'0' && c <= L'9')
        return c - L'0';
    if (c >= L'a' && c <= L'f')
        return c - L'a' + 10;
    if (c >= L'A' && c <= L'F')
        return c - L'A' + 10;
    return -1;
}

bool isDigit(wchar_t c) {
    return c >= L'0' && c <= L'9';
}

bool isQuantifierStart(wchar_t c) {
    return c == L'*' || c == L'+' || c == L'?' || c == L'{';
}

// One member of a bracket class: a single character (which may bound a range) or a
// named set (which may not).
struct ClassMember {
    bool isChar = true;
    wchar_t ch = 0;
    NamedSet set = NamedSet::Digit;
    bool outside = false;
};

class Parser {
public:
    explicit Parser(const std::wstring& text) : text_(text) {}

    ParsedPattern run() {
        parsed_.root = alternation(0);
        if (!atEnd()) {
            throw patternErrorAt("unmatched )", pos_);
        }
        for (const auto& [number, offset] : backreferences_) {
            if (number > parsed_.groupCount) {
                throw patternErrorAt("backreference to a missing group", offset);
            }
        }
        return std::move(parsed_);
    }

private:
    bool atEnd() const { return pos_ >= text_.size(); }
    wchar_t peek(std::size_t ahead = 0) const {
        return pos_ + ahead < text_.size() ? text_[pos_ + ahead] : L'\0';
    }
    bool has(std::size_t ahead) const { return pos_ + ahead < text_.size(); }

    PatternNode alternation(int depth) {
        PatternNode first = sequence(depth);
        if (atEnd() || peek() != L'|') {
            return first;
        }
        PatternNode node;
        node.kind = NodeKind::Alternation;
        node.children.push_back(std::move(first));
        while (!atEnd() && peek() == L'|') {
            ++pos_;
            node.children.push_back(sequence(depth));
        }
        return node;
    }

    PatternNode sequence(int depth) {
        PatternNode node;
        node.kind = NodeKind::Sequence;
        while (!atEnd() && peek() != L'|' && peek() != L')') {
            node.children.push_back(quantified(depth));
        }
        return node;
    }

    PatternNode quantified(int depth) {
        if (isQuantifierStart(peek())) {
            throw patternErrorAt("quantifier without operand", pos_);
        }
        PatternNode atom = this->atom(depth);
        if (atEnd() || !isQuantifierStart(peek())) {
            return atom;
        }
        if (!quantifiable(atom.kind)) {
            throw patternErrorAt("quantifier after an assertion", pos_);
        }
        PatternNode repeat;
        repeat.kind = NodeKind::Repeat;
        quantifier(repeat);
        if (!atEnd() && peek() == L'?') {
            repeat.greedy = false;
            ++pos_;
        }
        if (!atEnd() && isQuantifierStart(peek())) {
            throw patternErrorAt("quantifier on a quantifier", pos_);
        }
        repeat.children.push_back(std::move(atom));
        return repeat;
    }

    static bool quantifiable(NodeKind kind) {
        return kind != NodeKind::LineBegin && kind != NodeKind::LineEnd &&
               kind != NodeKind::WordBoundary && kind != NodeKind::NotWordBoundary &&
               kind != NodeKind::Lookahead;
    }

    void quantifier(PatternNode& repeat) {
        const wchar_t c = text_[pos_++];
        if (c == L'*') {
            repeat.min = 0;
            repeat.max = kUnbounded;
        } else if (c == L'+') {
            repeat.min = 1;
            repeat.max = kUnbounded;
        } else if (c == L'?') {
            repeat.min = 0;
            repeat.max = 1;
        } else {
            counted(repeat, pos_ - 1);
        }
    }

    // "{n}", "{n,}" or "{n,m}" after the "{" at `open`.
    void counted(PatternNode& repeat, std::size_t open) {
        if (!isDigit(peek())) {
            throw patternErrorAt("malformed count", open);
        }
        repeat.min = number(open);
        repeat.max = repeat.min;
        if (peek() == L',') {
            ++pos_;
            repeat.max = isDigit(peek()) ? number(open) : kUnbounded;
        }
        if (atEnd() || peek() != L'}') {
            throw patternErrorAt("malformed count", open);
        }
        ++pos_;
        if (repeat.max != kUnbounded && repeat.max < repeat.min) {
            throw patternErrorAt("count {n,m} with n > m", open);
        }
    }

    // Decimal digits at the position; refuses a value above kMaxPatternNumber.
    int number(std::size_t start) {
        long value = 0;
        while (isDigit(peek())) {
            value = value * 10 + (text_[pos_++] - L'0');
            if (value > kMaxPatternNumber) {
                throw patternErrorAt("number too large", start);
            }
        }
        return static_cast<int>(value);
    }

    PatternNode atom(int depth) {
        const std::size_t start = pos_;
        const wchar_t c = text_[pos_++];
        switch (c) {
            case L'(':
                return group(depth, start);
            case L'[':
                return bracket(start);
            case L'.':
                return classNode(CharClass::anyButLineTerminator());
            case L'^':
                return marker(NodeKind::LineBegin);
            case L'$':
                return marker(NodeKind::LineEnd);
            case L'\\':
                return escape(start);
            default:
                return literal(c);
        }
    }

    static PatternNode marker(NodeKind kind) {
        PatternNode node;
        node.kind = kind;
        return node;
    }

    static PatternNode literal(wchar_t c) {
        PatternNode node;
        node.kind = NodeKind::Char;
        node.ch = c;
        return node;
    }

    PatternNode classNode(CharClass charClass) {
        PatternNode node;
        node.kind = NodeKind::Class;
        node.charClass = static_cast<int>(parsed_.classes.size());
        parsed_.classes.push_back(std::move(charClass));
        return node;
    }

    PatternNode group(int depth, std::size_t open) {
        if (depth + 1 > kMaxPatternNesting) {
            throw patternErrorAt("groups nested too deeply", open);
        }
        PatternNode node;
        node.kind = NodeKind::Group;
        if (peek() == L'?') {
            const wchar_t kind = peek(1);
            if (kind == L'=' || kind == L'!') {
                node.kind = NodeKind::Lookahead;
                node.negative = kind == L'!';
                parsed_.hasLookahead = true;
            } else if (kind != L':') {
                throw patternErrorAt("unknown group kind", open);
            }
            pos_ += 2;
        } else {
            node.capturing = true;
            node.number = ++parsed_.groupCount;
        }
        node.children.push_back(alternation(depth + 1));
        if (atEnd()) {
            throw patternErrorAt("missing ) for (", open);
        }
        ++pos_;
        return node;
    }

    PatternNode escape(std::size_t start) {
        if (atEnd()) {
            throw patternErrorAt("\\ at the end", start);
        }
        const wchar_t c = peek();
        switch (c) {
            case L'b':
                ++pos_;
                return marker(NodeKind::WordBoundary);
            case L'B':
                ++pos_;
                return marker(NodeKind::NotWordBoundary);
            default:
                break;
        }
        if (c >= L'1' && c <= L'9') {
            PatternNode node;
            node.kind = NodeKind::Backreference;
            node.number = number(start);
            backreferences_.emplace_back(node.number, start);
            parsed_.hasBackreference = true;
            return node;
        }
        ClassMember member = characterEscape(start, false);
        if (!member.isChar) {
            return classNode(CharClass::ofNamed(member.set, member.outside));
        }
        return literal(member.ch);
    }

    // The escape after the "\" at `start` that stands for a character or a class escape;
    // inside a bracket class "\b" is the backspace.
    ClassMember characterEscape(std::size_t start, bool inClass) {
        const wchar_t c = text_[pos_++];
        ClassMember member;
        switch (c) {
            case L'd':
            case L'D':
                return named(NamedSet::Digit, c == L'D');
            case L'w':
            case L'W':
                return named(NamedSet::Word, c == L'W');
            case L's':
            case L'S':
                return named(NamedSet::Space, c == L'S');
            case L'n':
                member.ch = L'\n';
                return member;
            case L't':
                member.ch = L'\t';
                return member;
            case L'r':
                member.ch = L'\r';
                return member;
            case L'f':
                member.ch = L'\f';
                return member;
            case L'v':
                member.ch = L'\v';
                return member;
            case L'c':
                return control(start);
            case L'x':
                member.ch = hex(2, start);
                return member;
            case L'u':
                member.ch = hex(4, start);
                return member;
            case L'0':
                if (isDigit(peek())) {
                    throw patternErrorAt("octal escape", start);
                }
                member.ch = L'\0';
                return member;
            default:
                break;
        }
        if (inClass && c == L'b') {
            member.ch = L'\b';
            return member;
        }
        if (inClass && (c == L'B' || isDigit(c))) {
            throw patternErrorAt("escape not allowed in a class", start);
        }
        member.ch = c;  // an identity escape
        return member;
    }

    static ClassMember named(NamedSet set, bool outside) {
        ClassMember member;
        member.isChar = false;
        member.set = set;
        member.outside = outside;
        return member;
    }

    ClassMember control(std::size_t start) {
        const wchar_t letter = peek();
        if (!has(0) ||
            !((letter >= L'a' && letter <= L'z') || (letter >= L'A' && letter <= L'Z'))) {
            throw patternErrorAt("\\c without a letter", start);
        }
        ++pos_;
        ClassMember member;
        member.ch = static_cast<wchar_t>(letter % 32);
        return member;
    }

    wchar_t hex(int digits, std::size_t start) {
        long value = 0;
        for (int i = 0; i < digits; ++i) {
            const int digit = has(0) ? hexValue(peek()) : -1;
            if (digit < 0) {
                throw patternErrorAt(
                    digits == 2 ? "\\x without two hex digits" : "\\u without four hex digits",
                    start);
            }
            value = value * 16 + digit;
            ++pos_;
        }
        return static_cast<wchar_t>(value);
    }

    PatternNode bracket(std::size_t open) {
        CharClass charClass;
        bool negated = false;
        if (peek() == L'^' && has(0)) {
            negated = true;
            ++pos_;
        }
        while (true) {
            if (atEnd()) {
                throw patternErrorAt("missing ] for [", open);
            }
            if (peek() == L']') {
                ++pos_;
                break;
            }
            const std::size_t memberStart = pos_;
            const ClassMember first = classMember(open);
            if (peek() == L'-' && has(1) && peek(1) != L']') {
                ++pos_;
                const ClassMember last = classMember(open);
                if (!first.isChar || !last.isChar) {
                    throw patternErrorAt("class in a range", memberStart);
                }
                if (first.ch > last.ch) {
                    throw patternErrorAt("range out of order", memberStart);
                }
                charClass.addRange(first.ch, last.ch);
            } else if (first.isChar) {
                charClass.addChar(first.ch);
            } else {
                charClass.addNamed(first.set, first.outside);
            }
        }
        if (negated) {
            charClass.negate();
        }
        charClass.finish();
        return classNode(std::move(charClass));
    }

    ClassMember classMember(std::size_t open) {
        if (atEnd()) {
            throw patternErrorAt("missing ] for [", open);
        }
        const std::size_t start = pos_;
        const wchar_t c = text_[pos_++];
        if (c == L'\\') {
            if (atEnd()) {
                throw patternErrorAt("\\ at the end", start);
            }
            return characterEscape(start, true);
        }
        if (c == L'[' && (peek() == L':' || peek() == L'.' || peek() == L'=') && has(0)) {
            return bracketName(start);
        }
        ClassMember member;
        member.ch = c;
        return member;
    }

    // "[:name:]", "[.c.]" or "[=c=]" after the "[" at `start`; the two last name one
    // character.
    ClassMember bracketName(std::size_t start) {
        const wchar_t kind = text_[pos_++];
        const std::size_t nameStart = pos_;
        while (has(1) && !(peek() == kind && peek(1) == L']')) {
            ++pos_;
        }
        if (!has(1)) {
            throw patternErrorAt("missing ] for [", start);
        }
        const std::wstring name = text_.substr(nameStart, pos_ - nameStart);
        pos_ += 2;
        ClassMember member;
        if (kind != L':') {
            if (name.size() != 1) {
                throw patternErrorAt("unknown collating element", start);
            }
            member.ch = name[0];
            return member;
        }
        NamedSet set;
        if (!namedSetOf(name, set)) {
            throw patternErrorAt("unknown class name", start);
        }
        return named(set, false);
    }

    const std::wstring& text_;
    std::size_t pos_ = 0;
    ParsedPattern parsed_;
    std::vector<std::pair<int, std::size_t>> backreferences_;
};

}  // namespace

ParsedPattern parsePattern(const std::wstring& pattern) {
    if (pattern.size() > kMaxPatternLength) {
        throw PatternError("pattern too long: over " + std::to_string(kMaxPatternLength) +
                           " characters");
    }
    return Parser(pattern).run();
}

}  // namespace ardotk
