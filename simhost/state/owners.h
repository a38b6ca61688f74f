// The owner of parameters, dimensions and relation sets: a model item named by its item
// type and id (the model's own item has type = model type and id = model id).
#pragma once

#include <cstdint>
#include <functional>
#include <string>

namespace simhost::state {

struct ItemKey {
    int type = 0;
    int id = 0;
    bool operator==(const ItemKey& other) const { return type == other.type && id == other.id; }
};

struct ItemKeyHash {
    std::size_t operator()(const ItemKey& key) const {
        auto packed = (static_cast<std::uint64_t>(static_cast<std::uint32_t>(key.type)) << 32) |
                      static_cast<std::uint32_t>(key.id);
        return std::hash<std::uint64_t>()(packed);
    }
};

// The host's item type of features.
constexpr int kFeatureItem = 3;

// Upper case for ASCII letters; other characters are kept as they are.
std::wstring upperAscii(std::wstring text);

}  // namespace simhost::state
