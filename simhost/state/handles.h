// Tables of host objects handed out as opaque pointers. A handle encodes a serial
// number that is never reused and a per-table tag, so a freed or foreign handle finds
// nothing instead of reaching freed memory. Live objects are registered as
// allocations until erased.
#pragma once

#include <cstdint>
#include <memory>
#include <unordered_map>

#include "simhost/core/allocations.h"

namespace simhost::state {

template <typename T, unsigned Tag>
class HandleTable {
public:
    static_assert(Tag > 0 && Tag < 8, "three tag bits");

    // Takes the object into the table and returns its handle value.
    std::uintptr_t add(std::unique_ptr<T> object) {
        std::uintptr_t handle = (next_++ << 3) | Tag;
        object->handle = handle;
        objects_.emplace(handle, std::move(object));
        core::allocationAdd(reinterpret_cast<const void*>(handle));
        return handle;
    }

    T* find(const void* handle) const {
        auto it = objects_.find(reinterpret_cast<std::uintptr_t>(handle));
        return it == objects_.end() ? nullptr : it->second.get();
    }

    void erase(std::uintptr_t handle) {
        if (objects_.erase(handle) == 1) {
            core::allocationRemove(reinterpret_cast<const void*>(handle));
        }
    }

private:
    std::uintptr_t next_ = 1;
    std::unordered_map<std::uintptr_t, std::unique_ptr<T>> objects_;
};

// The opaque pointer type of the contract for a handle value.
template <typename Ptr>
Ptr handleAs(std::uintptr_t handle) {
    return reinterpret_cast<Ptr>(handle);
}

}  // namespace simhost::state
