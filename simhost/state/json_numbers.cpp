#include "simhost/state/json_numbers.h"

#include <cmath>
#include <cstdint>
#include <stdexcept>
#include <string>

#include "simhost/state/json_place.h"

namespace simhost::state {
namespace {

using nlohmann::json;

[[noreturn]] void wrongKind(const char* wanted, const json& value) {
    throw std::invalid_argument(std::string("type must be ") + wanted + ", but is " +
                                value.type_name());
}

[[noreturn]] void outOfRange(const json& value, long long low, long long high) {
    throw std::invalid_argument(value.dump() + " is out of range (" + std::to_string(low) + " to " +
                                std::to_string(high) + ")");
}

}  // namespace

long long integerIn(const json& value, long long low, long long high) {
    if (value.is_number_integer() && !value.is_number_unsigned()) {
        long long n = value.get<std::int64_t>();
        if (n < low || n > high) {
            outOfRange(value, low, high);
        }
        return n;
    }
    if (value.is_number_unsigned()) {
        std::uint64_t n = value.get<std::uint64_t>();
        if (high < 0 || n > static_cast<std::uint64_t>(high) ||
            (low > 0 && n < static_cast<std::uint64_t>(low))) {
            outOfRange(value, low, high);
        }
        return static_cast<long long>(n);
    }
    if (value.is_number_float()) {
        double d = value.get<double>();
        if (std::floor(d) != d) {
            throw std::invalid_argument(value.dump() + " is not an integer");
        }
        // Compared as doubles: the bounds of int are exact in a double.
        if (d < static_cast<double>(low) || d > static_cast<double>(high)) {
            outOfRange(value, low, high);
        }
        return static_cast<long long>(d);
    }
    wrongKind("number", value);
}

int intIn(const json& value, int low, int high) {
    return static_cast<int>(integerIn(value, low, high));
}

double doubleIn(const json& value, double low, double high) {
    if (!value.is_number()) {
        wrongKind("number", value);
    }
    double d = value.get<double>();
    if (!std::isfinite(d) || d < low || d > high) {
        throw std::invalid_argument(value.dump() + " is out of range");
    }
    return d;
}

int keyInt(const json& entry, const char* key, int low, int high) {
    JsonPlace place(key);
    return intIn(entry.at(key), low, high);
}

int keyIntOr(const json& entry, const char* key, int fallback, int low, int high) {
    if (!entry.is_object()) {
        wrongKind("object", entry);
    }
    return entry.contains(key) ? keyInt(entry, key, low, high) : fallback;
}

double keyDouble(const json& entry, const char* key) {
    JsonPlace place(key);
    return doubleIn(entry.at(key));
}

const json& listOf(const json& value) {
    if (!value.is_array()) {
        wrongKind("array", value);
    }
    return value;
}

const json& keyListOr(const json& entry, const char* key) {
    static const json empty = json::array();
    if (!entry.is_object()) {
        wrongKind("object", entry);
    }
    if (!entry.contains(key)) {
        return empty;
    }
    JsonPlace place(key);
    return listOf(entry.at(key));
}

const json& keyObjectOr(const json& entry, const char* key) {
    static const json empty = json::object();
    if (!entry.is_object()) {
        wrongKind("object", entry);
    }
    if (!entry.contains(key)) {
        return empty;
    }
    JsonPlace place(key);
    const json& value = entry.at(key);
    if (!value.is_object()) {
        wrongKind("object", value);
    }
    return value;
}

}  // namespace simhost::state
