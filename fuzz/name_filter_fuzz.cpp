// Name patterns: the input up to its first newline is the pattern, the rest the name.
// Every pattern compiles or is refused with code 0 and a text that says what is wrong,
// and matching a name of up to 259 characters answers (or is refused) within 100 ms of
// processor time.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <string>

#include "kelt2proe/error.h"
#include "toolkit/name_filter.h"
#include "toolkit/pattern_dfa.h"
#include "toolkit/pattern_error.h"

namespace {

constexpr std::size_t kLongestPath = 259;
// Processor time, so that other processes on the machine do not count.
constexpr std::clock_t kMatchLimit = CLOCKS_PER_SEC / 10;

void expectRefusal(const ardotk::Error& e) {
    if (e.code != 0 || e.text[0] == '\0' || std::strcmp(e.text, "UNBEKANNTER FEHLER") == 0) {
        std::abort();
    }
}

void expectBoundedMatch(const ardotk::NameFilter& filter, const std::wstring& name) {
    const std::clock_t start = std::clock();
    try {
        filter.matches(name.c_str());
    } catch (const ardotk::Error& e) {
        expectRefusal(e);  // too many steps for a backreference or lookahead
    }
    if (std::clock() - start > kMatchLimit) {
        std::abort();
    }
}

// The deterministic fast path and the linear-time matcher agree on every name, the
// fast path's kept steps included (the prefixes of the name's first 64 characters run
// one after the other).
void expectSameVerdicts(const std::string& pattern, const std::wstring& name) {
    ardotk::PatternProgram program;
    try {
        program = ardotk::compilePattern(std::wstring(pattern.begin(), pattern.end()));
    } catch (const ardotk::PatternError&) {
        return;
    }
    if (!ardotk::LazyDfa::suits(program)) {
        return;
    }
    ardotk::LazyDfa dfa;
    ardotk::AutomatonScratch scratch;
    for (std::size_t length = 0; length <= std::min<std::size_t>(name.size(), 64); ++length) {
        const std::wstring_view prefix(name.data(), length);
        if (dfa.matches(program, prefix) != ardotk::automatonMatches(program, prefix, scratch)) {
            std::abort();
        }
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string input(reinterpret_cast<const char*>(data), size);
    const std::size_t split = input.find('\n');
    // The pattern reaches the filter as a C string: it ends at its first NUL.
    const std::string pattern = input.substr(0, split).c_str();
    std::wstring name;
    if (split != std::string::npos) {
        for (std::size_t i = split + 1; i < input.size() && name.size() < kLongestPath; ++i) {
            const auto byte = static_cast<unsigned char>(input[i]);
            if (byte != 0) {
                name += static_cast<wchar_t>(byte);
            }
        }
    }
    try {
        const ardotk::NameFilter filter(pattern.c_str());
        expectBoundedMatch(filter, name);
        expectBoundedMatch(filter, name.substr(0, 31));
    } catch (const ardotk::Error& e) {
        expectRefusal(e);
    }
    expectSameVerdicts(pattern, name);
    return 0;
}
