#include "simhost/core/allocations.h"

#include <cstdlib>
#include <unordered_map>
#include <utility>
#include <vector>

namespace simhost::core {
namespace {

// Never destroyed: an object whose free was refused stays with the host until reset()
// or the process ends, reachable from here rather than lost when static objects go at exit.
std::unordered_map<const void*, Release>& live() {
    static auto* objects = new std::unordered_map<const void*, Release>;
    return *objects;
}

void freeBlock(const void* p) {
    std::free(const_cast<void*>(p));
}

// The handle tables' own ways of dropping their objects; never destroyed, as above.
std::vector<std::function<void()>>& tableDrops() {
    static auto* drops = new std::vector<std::function<void()>>;
    return *drops;
}

long& counted() {
    static long count = 0;
    return count;
}

}  // namespace

void allocationAdd(const void* p, Release release) {
    live()[p] = release != nullptr ? release : freeBlock;
}
bool allocationRemove(const void* p) {
    return live().erase(p) == 1;
}
bool allocationLive(const void* p) {
    return live().count(p) == 1;
}
void allocationsReleaseAll() {
    auto objects = std::move(live());
    live().clear();
    for (const auto& [p, release] : objects) {
        release(p);
    }
    for (const auto& drop : tableDrops()) {
        drop();
    }
}
void allocationsOnReleaseAll(std::function<void()> drop) {
    tableDrops().push_back(std::move(drop));
}
void allocationCounted(long delta) {
    counted() += delta;
}
long allocationCount() {
    return static_cast<long>(live().size()) + counted();
}

}  // namespace simhost::core
