#include "toolkit/name_filter.h"

#include <cstring>
#include <vector>

#include "base/text.h"

namespace ardotk {

namespace {

std::wregex compile(const char* pattern, int regexErrorCode) {
    const char* text = pattern == nullptr ? "" : pattern;
    std::vector<wchar_t> wide(std::strlen(text) + 1, L'\0');
    // A failed conversion would leave an empty pattern that silently matches other names.
    if (Ardo::text::toWide(wide.data(), text) == nullptr) {
        throw Error(-1, "UNBEKANNTER FEHLER");
    }
    try {
        return std::wregex(wide.data(), std::regex_constants::ECMAScript);
    } catch (const std::regex_error& e) {
        throw Error(regexErrorCode, e.what());
    }
}

}  // namespace

NameFilter::NameFilter(const char* pattern, int regexErrorCode)
    : regex_(compile(pattern, regexErrorCode)),
      all_(pattern != nullptr && std::strcmp(pattern, ".*") == 0) {}

bool NameFilter::matches(const wchar_t* name) const {
    return all_ || std::regex_match(name == nullptr ? L"" : name, regex_);
}

}  // namespace ardotk
