// The refusal of a name pattern: what is wrong and where, in short English. The name
// filter turns it into ardotk::Error with the caller's code.
#pragma once

#include <cstddef>
#include <stdexcept>
#include <string>

namespace ardotk {

class PatternError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// "<what> at <offset>", the offset counting wide characters of the pattern from 0.
inline PatternError patternErrorAt(const std::string& what, std::size_t offset) {
    return PatternError(what + " at " + std::to_string(offset));
}

}  // namespace ardotk
