#include "simhost/state/geom_handles.h"

#include <cstdint>
#include <unordered_map>
#include <utility>
#include <vector>

namespace simhost::state {

namespace {

// The handle value is (index + 1) << 3 | kTag: never null, and apart from the tags of
// the host's object tables.
constexpr std::uintptr_t kTag = 5;

struct GeomHandles {
    std::unordered_map<std::uint64_t, std::uintptr_t> byPair;
    std::vector<std::pair<int, int>> pairs;
};

GeomHandles& handles() {
    static GeomHandles table;
    return table;
}

std::uint64_t key(int modelId, int itemId) {
    return (static_cast<std::uint64_t>(static_cast<std::uint32_t>(modelId)) << 32) |
           static_cast<std::uint32_t>(itemId);
}

}  // namespace

void* geomHandle(int modelId, int itemId) {
    GeomHandles& table = handles();
    auto [at, added] = table.byPair.emplace(key(modelId, itemId), 0);
    if (added) {
        table.pairs.emplace_back(modelId, itemId);
        at->second = (static_cast<std::uintptr_t>(table.pairs.size()) << 3) | kTag;
    }
    return reinterpret_cast<void*>(at->second);
}

bool geomHandleResolve(const void* handle, int& modelId, int& itemId) {
    const auto value = reinterpret_cast<std::uintptr_t>(handle);
    const GeomHandles& table = handles();
    if ((value & 7) != kTag || (value >> 3) == 0 || (value >> 3) > table.pairs.size()) {
        return false;
    }
    const auto& pair = table.pairs[(value >> 3) - 1];
    modelId = pair.first;
    itemId = pair.second;
    return true;
}

}  // namespace simhost::state
