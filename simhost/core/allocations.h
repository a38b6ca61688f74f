// Objects the toolkit hands out (texts, arrays, trees ...) until their free function
// releases them; a free of an unknown pointer is refused instead of corrupting memory.
#pragma once

namespace simhost::core {

void allocationAdd(const void* p);
// True when `p` was live; it is no longer.
bool allocationRemove(const void* p);
bool allocationLive(const void* p);
// Objects of the handle tables count as allocations without being registered one by
// one (a table finds its own): the table reports each one made (+1) and erased (-1).
void allocationCounted(long delta);
long allocationCount();

}  // namespace simhost::core
