// Names of the host's element ids, as the host publishes them without "PRO_E_".
#pragma once

#include <cstddef>

namespace Ardo {

// The name of an element id, or null for an id the table does not hold.
const char* elementName(int id);

namespace detail {

struct ElementNameRow {
    int id;
    const char* name;
};

// Sorted by id, one row per id (generated at build time).
extern const ElementNameRow kElementNames[];
extern const std::size_t kElementNameCount;

}  // namespace detail
}  // namespace Ardo
