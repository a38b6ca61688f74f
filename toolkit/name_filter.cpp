#include "toolkit/name_filter.h"

#include <cstring>
#include <string>
#include <string_view>
#include <vector>

#include "base/text.h"
#include "toolkit/pattern_backtrack.h"
#include "toolkit/pattern_error.h"

namespace ardotk {

namespace {

PatternProgram compile(const char* pattern, int regexErrorCode) {
    const char* text = pattern == nullptr ? "" : pattern;
    std::vector<wchar_t> wide(std::strlen(text) + 1, L'\0');
    // A failed conversion would leave an empty pattern that silently matches other names.
    if (Ardo::text::toWide(wide.data(), text) == nullptr) {
        throw Error(-1, "UNBEKANNTER FEHLER");
    }
    try {
        return compilePattern(std::wstring(wide.data()));
    } catch (const PatternError& e) {
        throw Error(regexErrorCode, e.what());
    }
}

}  // namespace

NameFilter::NameFilter(const char* pattern, int regexErrorCode)
    : program_(compile(pattern, regexErrorCode)),
      dfaSuits_(LazyDfa::suits(program_)),
      regexErrorCode_(regexErrorCode),
      all_(pattern != nullptr && std::strcmp(pattern, ".*") == 0) {}

bool NameFilter::matches(const wchar_t* name) const {
    if (all_) {
        return true;
    }
    const std::wstring_view text(name == nullptr ? L"" : name);
    if (dfaSuits_) {
        return dfa_.matches(program_, text);
    }
    if (!program_.needsBacktracking) {
        return automatonMatches(program_, text, scratch_);
    }
    try {
        return backtrackMatches(program_, text);
    } catch (const PatternError& e) {
        throw Error(regexErrorCode_, e.what());
    }
}

}  // namespace ardotk
