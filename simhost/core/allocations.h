// Objects the toolkit hands out (texts, arrays, trees ...) until their free function
// releases them; a free of an unknown pointer is refused instead of corrupting memory.
#pragma once

#include <functional>

namespace simhost::core {

// Frees one object the toolkit handed out.
using Release = void (*)(const void*);

// `release` frees `p` when the host takes back what is still live; null: a block from
// malloc.
void allocationAdd(const void* p, Release release = nullptr);
// True when `p` was live; it is no longer.
bool allocationRemove(const void* p);
bool allocationLive(const void* p);
// Frees every object still live, as a session's end takes back the host's memory: also
// those whose free the caller never made or that a failed free left with the host.
void allocationsReleaseAll();
// Objects of the handle tables count as allocations without being registered one by
// one (a table finds its own): the table reports each one made (+1) and erased (-1),
// and empties itself in `drop` when every object is taken back.
void allocationCounted(long delta);
void allocationsOnReleaseAll(std::function<void()> drop);
long allocationCount();

}  // namespace simhost::core
