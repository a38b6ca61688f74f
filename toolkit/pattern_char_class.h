// A set of characters of a name pattern: "." and the class escapes (\d \w \s and their
// negations), bracket classes with ranges, negation and POSIX classes ([:alpha:] ...).
#pragma once

#include <bitset>
#include <cstdint>
#include <string>
#include <utility>
#include <vector>

namespace ardotk {

// The named sets a class may hold. Digit, Word and Space are the ECMAScript escapes;
// the others are the POSIX bracket names, decided by the C library's wide classification.
enum class NamedSet : std::uint8_t {
    Digit,
    Word,
    Space,
    Alnum,
    Alpha,
    Blank,
    Cntrl,
    Graph,
    Lower,
    Print,
    Punct,
    Upper,
    Xdigit,
};

// The named set of a POSIX bracket name ("alpha", "digit" ...); false for an unknown name.
bool namedSetOf(const std::wstring& name, NamedSet& set);

bool inNamedSet(NamedSet set, wchar_t c);

// True for the characters \w takes; word boundaries are decided by them.
bool isWordChar(wchar_t c);

class CharClass {
public:
    void addChar(wchar_t c) { addRange(c, c); }
    void addRange(wchar_t first, wchar_t last) { ranges_.emplace_back(first, last); }
    // Adds a named set, or everything outside it (\D \W \S).
    void addNamed(NamedSet set, bool outside) { named_.emplace_back(set, outside); }
    void negate() { negated_ = !negated_; }
    // Precomputes the answers for ASCII; call once the class is complete.
    void finish();

    bool contains(wchar_t c) const {
        const auto code = static_cast<std::uint32_t>(c);
        return code < kAscii ? ascii_[code] : computed(c);
    }

    // The work of one answer outside ASCII: one test per range and named set.
    std::size_t cost() const { return ranges_.size() + named_.size(); }

    // The set "." takes: everything but the line terminators.
    static CharClass anyButLineTerminator();
    // A class of one named set (\d, \W ...).
    static CharClass ofNamed(NamedSet set, bool outside);

private:
    static constexpr std::uint32_t kAscii = 128;
    bool computed(wchar_t c) const;

    std::vector<std::pair<wchar_t, wchar_t>> ranges_;
    std::vector<std::pair<NamedSet, bool>> named_;
    bool negated_ = false;
    std::bitset<kAscii> ascii_;
};

}  // namespace ardotk
