// Enumeration arguments read as the plain ints the caller passed.
#pragma once

#include <cstring>

namespace simhost::api {

// The value read as a plain int: a number outside the enumeration is not loaded as an
// enumerator (which would be undefined), so that it can be refused. Taken by reference,
// since a copy would load it.
template <typename Enum>
int plainInt(const Enum& value) {
    static_assert(sizeof(Enum) == sizeof(int), "enumerations are int-sized");
    int out = 0;
    std::memcpy(&out, &value, sizeof out);
    return out;
}

}  // namespace simhost::api
