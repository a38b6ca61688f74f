// How a listing fills its result: straight into the list that keeps it, which is
// emptied first and keeps its storage from call to call, so that a listing allocates
// nothing per entry once the list has grown and costs what its host calls cost.
#pragma once

#include <utility>
#include <vector>

namespace ardotk {

// Empties `list` and runs `fill`, which appends the entries; after a failure the list
// is empty and the failure passes on.
template <typename Entry, typename Fill>
void refillListing(std::vector<Entry>& list, Fill&& fill) {
    list.clear();
    try {
        std::forward<Fill>(fill)();
    } catch (...) {
        list.clear();
        throw;
    }
}

}  // namespace ardotk
