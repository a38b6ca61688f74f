#include "simhost/core/arrays.h"

#include <climits>
#include <cstdlib>
#include <cstring>
#include <new>

#include "simhost/core/allocations.h"

namespace simhost::core {
namespace {

struct Header {
    int count;
    int elementSize;
    int capacity;
    int growBy;
    void* owned;  // released with the array
    alignas(std::max_align_t) unsigned char data[1];
};

constexpr std::size_t kDataOffset = offsetof(Header, data);
constexpr std::size_t kMaxBlockBytes = std::size_t{1} << 30;

Header* headerOf(const void* array) {
    return reinterpret_cast<Header*>(static_cast<unsigned char*>(const_cast<void*>(array)) -
                                     kDataOffset);
}

Header* allocateBlock(int capacity, int elementSize) {
    std::size_t bytes = kDataOffset + static_cast<std::size_t>(capacity > 0 ? capacity : 1) *
                                          static_cast<std::size_t>(elementSize);
    // A block beyond what a session's arrays may take, or one the machine cannot give, is
    // an allocation failure (the entry answers PRO_TK_OUT_OF_MEMORY), never a null block.
    if (bytes > kMaxBlockBytes) {
        throw std::bad_alloc();
    }
    auto* block = static_cast<Header*>(std::calloc(1, bytes));
    if (block == nullptr) {
        throw std::bad_alloc();
    }
    return block;
}

// The release of an array the caller never freed.
void releaseArray(const void* array) {
    Header* h = headerOf(array);
    std::free(h->owned);
    std::free(h);
}

}  // namespace

void* arrayAlloc(int count, int elementSize, int growBy) {
    Header* h = allocateBlock(count, elementSize);
    h->count = count;
    h->elementSize = elementSize;
    h->capacity = count > 0 ? count : 1;
    h->growBy = growBy > 0 ? growBy : 1;
    allocationAdd(h->data, releaseArray);
    return h->data;
}

bool arrayLive(const void* array) {
    return array != nullptr && allocationLive(array);
}

int arraySize(const void* array) {
    return headerOf(array)->count;
}

bool arrayInsert(void** array, int index, int n, const void* elements) {
    if (array == nullptr || !arrayLive(*array) || n < 0 || elements == nullptr) {
        return false;
    }
    Header* h = headerOf(*array);
    if (index == -1) {
        index = h->count;
    }
    if (index < 0 || index > h->count || n > INT_MAX - h->count) {
        return false;
    }
    if (h->count + n > h->capacity) {
        long long wanted = static_cast<long long>(h->count) + n;
        long long next = h->capacity;
        while (next < wanted) {
            next += h->growBy > next ? h->growBy : next;
        }
        int capacity = static_cast<int>(next < INT_MAX ? next : INT_MAX);
        Header* grown = allocateBlock(capacity, h->elementSize);
        std::memcpy(grown, h,
                    kDataOffset + static_cast<std::size_t>(h->count) *
                                      static_cast<std::size_t>(h->elementSize));
        grown->capacity = capacity;
        allocationRemove(h->data);
        std::free(h);
        h = grown;
        allocationAdd(h->data, releaseArray);
        *array = h->data;
    }
    std::size_t size = static_cast<std::size_t>(h->elementSize);
    std::memmove(h->data + (static_cast<std::size_t>(index) + n) * size,
                 h->data + static_cast<std::size_t>(index) * size,
                 static_cast<std::size_t>(h->count - index) * size);
    std::memcpy(h->data + static_cast<std::size_t>(index) * size, elements,
                static_cast<std::size_t>(n) * size);
    h->count += n;
    return true;
}

void arrayFree(void* array) {
    if (allocationRemove(array)) {
        releaseArray(array);
    }
}

void arrayOwn(void* array, void* block) {
    Header* h = headerOf(array);
    std::free(h->owned);
    h->owned = block;
}

}  // namespace simhost::core
