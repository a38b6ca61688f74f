// Selections: a model item and an optional component path. A selection held by a
// value belongs to that value and cannot be freed on its own.
#pragma once

#include <ProSelection.h>

#include <cstdint>
#include <optional>

namespace simhost::state {

struct SelectionData {
    ProModelitem item{};
    std::optional<ProAsmcomppath> path;
};

struct Selection {
    std::uintptr_t handle = 0;
    SelectionData data;
    bool heldByValue = false;
};

Selection* selectionFind(ProSelection selection);
ProSelection selectionCreate(const SelectionData& data, bool heldByValue = false);
void selectionErase(ProSelection selection);

}  // namespace simhost::state
