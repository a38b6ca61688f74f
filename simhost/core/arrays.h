// Toolkit arrays: a block with a header (count, element size, capacity) in front of
// the elements; the caller sees the address of the first element.
#pragma once

#include <cstddef>

namespace simhost::core {

// Allocates an array of `count` zeroed elements and registers it as a live object.
void* arrayAlloc(int count, int elementSize, int growBy = 1);
// Null when `array` is not a live toolkit array.
bool arrayLive(const void* array);
int arraySize(const void* array);
// Inserts n elements at index (-1 appends); the array may move. False on bad input.
bool arrayInsert(void** array, int index, int n, const void* elements);
void arrayFree(void* array);
// Ties a block (std::malloc'ed) to the array: it moves with the array and is released
// with it, so the elements may point into it (for example the texts of an array of
// strings).
void arrayOwn(void* array, void* block);

// Allocates a toolkit array holding a copy of `count` elements of type T.
template <typename T>
T* arrayOf(const T* elements, int count) {
    auto* out = static_cast<T*>(arrayAlloc(count, static_cast<int>(sizeof(T))));
    for (int i = 0; i < count; ++i) {
        out[i] = elements[i];
    }
    return out;
}

}  // namespace simhost::core
