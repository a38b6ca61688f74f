// The one out-of-range report of every indexed accessor of the library.
#pragma once

#include <cstddef>

namespace Ardo {

// Throws std::out_of_range whose what() is exactly "invalid vector<T> subscript".
[[noreturn]] void throwSubscriptError();

// Returns list[index] or throws the subscript error for an index outside the list.
template <typename List>
auto& checkedAt(List& list, long long index) {
    if (index < 0 || static_cast<unsigned long long>(index) >= list.size()) {
        throwSubscriptError();
    }
    return list[static_cast<std::size_t>(index)];
}

}  // namespace Ardo
