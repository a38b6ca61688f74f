// Positions in the text of a JSON document, for diagnostics that point a person at
// the line and column of what is wrong.
#pragma once

#include <cstddef>
#include <optional>
#include <string>

#include "simhost/state/json_place.h"

namespace simhost::state {

struct TextPosition {
    std::size_t line = 1;    // 1-based
    std::size_t column = 1;  // 1-based, in bytes
};

// The position of byte `offset` of `text`.
TextPosition textPosition(const std::string& text, std::size_t offset);

// The offset of the first list or object opened deeper than `limit` levels, outside
// string literals; nullopt when the text nests no deeper.
std::optional<std::size_t> jsonNestingBeyond(const std::string& text, std::size_t limit);

// The position of the value that `path` leads to in the document `text`: of the
// deepest part of the path that the text holds. The text is taken as valid JSON.
TextPosition jsonLocate(const std::string& text, const JsonPath& path);

}  // namespace simhost::state
