#include "simhost/core/allocations.h"

#include <unordered_set>

namespace simhost::core {
namespace {

std::unordered_set<const void*>& live() {
    static std::unordered_set<const void*> set;
    return set;
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
