// Numbers and lists of model files, read with the range the host keeps them in: a value
// the host cannot hold makes the file invalid instead of wrapping or being cut short.
#pragma once

#include <climits>
#include <limits>

#include <nlohmann/json.hpp>

namespace simhost::state {

// An integer in [low, high]. Throws std::invalid_argument for a value that is not a
// number, not integral (3.5) or out of range; 3.0 counts as the integer 3.
long long integerIn(const nlohmann::json& value, long long low, long long high);
int intIn(const nlohmann::json& value, int low = INT_MIN, int high = INT_MAX);
// A finite number in [low, high].
double doubleIn(const nlohmann::json& value, double low = -std::numeric_limits<double>::max(),
                double high = std::numeric_limits<double>::max());

// The integer `key` of the object `entry`, placed at the key for the diagnostic.
int keyInt(const nlohmann::json& entry, const char* key, int low = INT_MIN, int high = INT_MAX);
// The same, or `fallback` when the object has no such key.
int keyIntOr(const nlohmann::json& entry, const char* key, int fallback, int low = INT_MIN,
             int high = INT_MAX);
double keyDouble(const nlohmann::json& entry, const char* key);

// The list `value`; throws for anything else. Iterating a text or a number as a list
// would take it for a list of itself.
const nlohmann::json& listOf(const nlohmann::json& value);
// The list `key` of the object `entry`, or an empty list when there is no such key; no
// copy is made.
const nlohmann::json& keyListOr(const nlohmann::json& entry, const char* key);
// The object `key` of `entry`, or an empty object when there is no such key.
const nlohmann::json& keyObjectOr(const nlohmann::json& entry, const char* key);

}  // namespace simhost::state
