// The name filter of every listing: a pattern in the ECMAScript grammar, case-sensitive,
// matched against the whole name, with the error rules of the listings. Any pattern
// either compiles or is refused, and matching a name takes bounded time (pattern_*.h).
#pragma once

#include <utility>

#include "kelt2proe/error.h"
#include "toolkit/pattern_automaton.h"
#include "toolkit/pattern_dfa.h"
#include "toolkit/pattern_program.h"

namespace ardotk {

class NameFilter {
public:
    // Compiles the narrow pattern, widened by the host. A refused pattern raises
    // ardotk::Error(regexErrorCode, what is wrong and where); a widening the host refuses
    // raises ardotk::Error(-1, "UNBEKANNTER FEHLER").
    explicit NameFilter(const char* pattern, int regexErrorCode = 0);

    // True when the pattern is exactly ".*" (every name is taken; no filter needed).
    bool all() const { return all_; }
    // True when the whole name matches. A pattern with backreferences or lookahead that
    // needs too many steps for this name raises ardotk::Error(regexErrorCode, ...).
    // Matching reuses the filter's working memory: one filter serves one thread.
    bool matches(const wchar_t* name) const;

private:
    PatternProgram program_;
    bool dfaSuits_;
    mutable LazyDfa dfa_;
    mutable AutomatonScratch scratch_;
    int regexErrorCode_;
    bool all_;
};

// Runs a listing under the guard of the name filters: an ardotk::Error (a refused
// pattern among them, raised by NameFilter with the filter's code) passes unchanged; any
// other exception becomes ardotk::Error(-1, "UNBEKANNTER FEHLER").
template <typename Listing>
auto guardedListing(Listing&& listing) -> decltype(listing()) {
    try {
        return std::forward<Listing>(listing)();
    } catch (const Error&) {
        throw;
    } catch (...) {
        throw Error(-1, "UNBEKANNTER FEHLER");
    }
}

}  // namespace ardotk
