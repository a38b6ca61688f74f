// Objects of one kind that the host handed out and counts as live (core/allocations.h),
// known as that kind: a free or a use of a pointer that is live as another kind of
// object is refused instead of reading its memory as this kind.
#pragma once

#include <unordered_set>

#include "simhost/core/allocations.h"

namespace simhost::api {

class LiveKind {
public:
    // Registers `p` as live; `release` must call forget(p) (a session's end releases
    // what is still live through it).
    void add(const void* p, core::Release release) {
        members_.insert(p);
        core::allocationAdd(p, release);
    }
    bool live(const void* p) const { return members_.count(p) == 1 && core::allocationLive(p); }
    // True when `p` was live as this kind; it no longer is (the caller frees it).
    bool remove(const void* p) {
        if (!live(p)) {
            return false;
        }
        members_.erase(p);
        core::allocationRemove(p);
        return true;
    }
    void forget(const void* p) { members_.erase(p); }

private:
    std::unordered_set<const void*> members_;
};

}  // namespace simhost::api
