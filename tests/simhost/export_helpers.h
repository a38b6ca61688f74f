// Helpers of the export tests: the kernel check, parts and assemblies with coordinate
// systems, selections of them and files read back.
#pragma once

#include <ProSelection.h>

#include <array>
#include <cmath>
#include <cstdio>
#include <initializer_list>
#include <string>

#include "model_helpers.h"
#include "simhost/geometry/kernel.h"

namespace exporttest {

using Vec = std::array<double, 3>;

constexpr double kPi = 3.14159265358979323846;

#define REQUIRE_KERNEL()                                                           \
    if (!simhost::geometry::kernelAvailable()) {                                   \
        GTEST_SKIP() << "this build of the simulated host has no geometry kernel"; \
    }

inline std::string num(double v) {
    char text[40];
    std::snprintf(text, sizeof text, "%.17g", v);
    return text;
}

inline std::string vec(const Vec& v) {
    return "[" + num(v[0]) + ", " + num(v[1]) + ", " + num(v[2]) + "]";
}

// A placement turned by `degrees` about z with its origin at `origin`, as a file gives it.
inline std::string placement(const Vec& origin, double degrees) {
    const double a = degrees * kPi / 180.0;
    return "{\"origin\": " + vec(origin) + ", \"x\": " + vec({std::cos(a), std::sin(a), 0}) +
           ", \"y\": " + vec({-std::sin(a), std::cos(a), 0}) + ", \"z\": [0, 0, 1]}";
}

// A coordinate-system feature `id` holding the item `id + 1`.
inline std::string csysFeature(int id, const std::string& name, const Vec& origin, double degrees) {
    return "{\"id\": " + std::to_string(id) + ", \"type\": 979, \"name\": \"" + name +
           "\", \"items\": [{\"id\": " + std::to_string(id + 1) +
           ", \"type\": 25, \"placement\": " + placement(origin, degrees) + "}]}";
}

// A box part of `size` at the origin with the given features.
inline std::string boxPart(const Vec& size, const std::string& features) {
    return "{\"type\": \"PRT\", \"solids\": [{\"box\": {\"corner\": [0, 0, 0], \"size\": " +
           vec(size) + "}}], \"features\": {\"list\": [" + features + "]}}";
}

inline std::string component(int id, const std::string& model, const Vec& origin, double degrees) {
    return "{\"id\": " + std::to_string(id) + ", \"model\": \"" + model +
           "\", \"type\": \"PRT\", \"placement\": " + placement(origin, degrees) + "}";
}

// A selection of an item (a coordinate system unless said), freed with the object.
struct ItemSelection {
    ProSelection selection = nullptr;
    // Of the model itself.
    ItemSelection(ProMdl owner, int id, ProType type = PRO_CSYS) { make(nullptr, owner, id, type); }
    // Through a path from `root` down the components `ids` (none: the root itself, as a
    // table whose first entry is -1).
    ItemSelection(ProMdl root, std::initializer_list<int> ids, ProMdl owner, int id) {
        ProAsmcomppath path{};
        path.owner = static_cast<ProSolid>(root);
        path.comp_id_table[0] = -1;
        for (int componentId : ids) {
            path.comp_id_table[path.table_num++] = componentId;
        }
        make(&path, owner, id, PRO_CSYS);
    }
    ~ItemSelection() {
        if (selection != nullptr) {
            ProSelectionFree(&selection);
        }
    }
    ItemSelection(const ItemSelection&) = delete;
    ItemSelection& operator=(const ItemSelection&) = delete;

private:
    void make(ProAsmcomppath* path, ProMdl owner, int id, ProType type) {
        ProModelitem item{};
        item.type = type;
        item.id = id;
        item.owner = owner;
        EXPECT_EQ(ProSelectionAlloc(path, &item, &selection), PRO_TK_NO_ERROR);
    }
};

}  // namespace exporttest
