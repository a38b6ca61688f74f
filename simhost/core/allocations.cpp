#include "simhost/core/allocations.h"

#include <unordered_set>

namespace simhost::core {
namespace {

// Never destroyed: an object whose free was refused stays with the host until the
// process ends, reachable from here rather than lost when static objects go at exit.
std::unordered_set<const void*>& live() {
    static auto* set = new std::unordered_set<const void*>;
    return *set;
}

long& counted() {
    static long count = 0;
    return count;
}

}  // namespace

void allocationAdd(const void* p) {
    live().insert(p);
}
bool allocationRemove(const void* p) {
    return live().erase(p) == 1;
}
bool allocationLive(const void* p) {
    return live().count(p) == 1;
}
void allocationCounted(long delta) {
    counted() += delta;
}
long allocationCount() {
    return static_cast<long>(live().size()) + counted();
}

}  // namespace simhost::core
