// Tables of host objects handed out as opaque pointers. A handle encodes a serial
// number that is never reused and a per-table tag, so a freed or foreign handle finds
// nothing instead of reaching freed memory. Live objects count as allocations until
// erased.
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

    // The host's reset takes back every object of the table, also those whose free was
    // refused. Serial numbers go on, so an old handle still finds nothing.
    HandleTable() {
        core::allocationsOnReleaseAll([this] { clear(); });
    }
    HandleTable(const HandleTable&) = delete;
    HandleTable& operator=(const HandleTable&) = delete;

    // Takes the object into the table and returns its handle value.
    std::uintptr_t add(std::unique_ptr<T> object) {
        std::uintptr_t serial = next_++;
        std::uintptr_t handle = (serial << 3) | Tag;
        object->handle = handle;
        Page& page = pages_[serial / kPageSize];
        if (!page.slots) {
            page.slots = std::make_unique<std::unique_ptr<T>[]>(kPageSize);
        }
        page.slots[serial % kPageSize] = std::move(object);
        ++page.live;
        core::allocationCounted(1);
        return handle;
    }

    T* find(const void* handle) const {
        std::unique_ptr<T>* slot = slotOf(reinterpret_cast<std::uintptr_t>(handle));
        return slot == nullptr ? nullptr : slot->get();
    }

    void erase(std::uintptr_t handle) {
        std::unique_ptr<T>* slot = slotOf(handle);
        if (slot == nullptr || *slot == nullptr) {
            return;
        }
        std::unique_ptr<T> erased = std::move(*slot);
        std::uintptr_t index = (handle >> 3) / kPageSize;
        auto page = pages_.find(index);
        if (--page->second.live == 0 && index != next_ / kPageSize) {
            pages_.erase(page);
        }
        core::allocationCounted(-1);
    }

    void clear() {
        long live = 0;
        for (const auto& entry : pages_) {
            live += static_cast<long>(entry.second.live);
        }
        pages_.clear();
        core::allocationCounted(-live);
    }

private:
    // Objects live in pages of consecutive serial numbers, so that a lookup is one small
    // hash lookup and an index, and objects made one after the other sit side by side.
    // A page goes once its last object is erased, unless new objects still go into it.
    static constexpr std::uintptr_t kPageSize = 1024;

    struct Page {
        std::unique_ptr<std::unique_ptr<T>[]> slots;
        std::uintptr_t live = 0;
    };

    std::unique_ptr<T>* slotOf(std::uintptr_t handle) const {
        if ((handle & 7) != Tag) {
            return nullptr;
        }
        std::uintptr_t serial = handle >> 3;
        auto page = pages_.find(serial / kPageSize);
        return page == pages_.end() ? nullptr : &page->second.slots[serial % kPageSize];
    }

    std::uintptr_t next_ = 1;
    std::unordered_map<std::uintptr_t, Page> pages_;
};

// The opaque pointer type of the contract for a handle value.
template <typename Ptr>
Ptr handleAs(std::uintptr_t handle) {
    return reinterpret_cast<Ptr>(handle);
}

}  // namespace simhost::state
