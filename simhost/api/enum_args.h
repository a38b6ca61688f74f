// Enumeration arguments read as the plain ints the caller passed.
#pragma once

#include <ProToolkit.h>

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

// True for PRO_B_FALSE and PRO_B_TRUE, the only values the host takes as a boolean.
inline bool booleanValid(const ProBoolean& value) {
    const int plain = plainInt(value);
    return plain == PRO_B_FALSE || plain == PRO_B_TRUE;
}

}  // namespace simhost::api
