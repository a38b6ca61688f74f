// The name filter of every listing: a pattern in the ECMAScript grammar, case-sensitive,
// matched against the whole name, with the error rules of the listings.
#pragma once

#include <regex>
#include <string>
#include <utility>

#include "kelt2proe/error.h"

namespace ardotk {

class NameFilter {
public:
    // Compiles the narrow pattern as a wide regular expression. An invalid pattern
    // raises ardotk::Error(regexErrorCode, the regular-expression library's description).
    explicit NameFilter(const char* pattern, int regexErrorCode = 0);

    // True when the pattern is exactly ".*" (every name is taken; no filter needed).
    bool all() const { return all_; }
    // True when the whole name matches.
    bool matches(const wchar_t* name) const;

private:
    std::wregex regex_;
    bool all_;
};

// Runs a listing under the two guards of the name filters: a regular-expression error
// becomes ardotk::Error(regexErrorCode, its description); an ardotk::Error passes
// unchanged; any other exception becomes ardotk::Error(-1, "UNBEKANNTER FEHLER").
template <typename Listing>
auto guardedListing(Listing&& listing, int regexErrorCode = 0) -> decltype(listing()) {
    try {
        return std::forward<Listing>(listing)();
    } catch (const std::regex_error& e) {
        throw Error(regexErrorCode, e.what());
    } catch (const Error&) {
        throw;
    } catch (...) {
        throw Error(-1, "UNBEKANNTER FEHLER");
    }
}

}  // namespace ardotk
