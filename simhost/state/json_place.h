// Where a model-file reader is in the document it reads, so that a refused file can
// name the key or list entry that is wrong. Readers mark each level they descend into;
// when a reader throws, the innermost place it was in is kept for the diagnostic.
#pragma once

#include <cstddef>
#include <string>
#include <type_traits>
#include <vector>

#include <nlohmann/json.hpp>

namespace simhost::state {

// A path into a JSON document: object keys and array indices (as decimal text).
using JsonPath = std::vector<std::string>;

// Marks the reader as inside `key` (or the list entry `index`) for its lifetime.
class JsonPlace {
public:
    explicit JsonPlace(std::string key);
    explicit JsonPlace(std::size_t index);
    ~JsonPlace();
    JsonPlace(const JsonPlace&) = delete;
    JsonPlace& operator=(const JsonPlace&) = delete;

private:
    int uncaught_;
};

// Starts reading a document: forgets the place of an earlier failure.
void jsonPlaceStart();
// The innermost place the reader was in when it last threw (empty: the document itself).
JsonPath jsonPlaceFailed();

// Numbers are read with their range (json_numbers.h): the JSON library's own conversion
// of a number the type cannot hold is undefined.
template <typename T>
constexpr bool kReadWithoutRange = !std::is_arithmetic_v<T> || std::is_same_v<T, bool>;

// The value of `key` in the object `entry`; a missing key or a value of another kind
// throws, with the key as the place.
template <typename T>
T keyAs(const nlohmann::json& entry, const char* key) {
    static_assert(kReadWithoutRange<T>, "read numbers with keyInt / keyDouble");
    JsonPlace place(key);
    return entry.at(key).get<T>();
}

// The value of `key`, or `fallback` when the object has no such key.
template <typename T>
T keyOr(const nlohmann::json& entry, const char* key, T fallback) {
    static_assert(kReadWithoutRange<T>, "read numbers with keyIntOr");
    JsonPlace place(key);
    return entry.value(key, fallback);
}

// The message of a reader's exception without the JSON library's error-number prefix.
std::string readerMessage(const std::exception& e);

}  // namespace simhost::state
