// Owner of a ProArray that a toolkit function hands out as a typed pointer (the ids of
// ProFeatureChildrenGet, the statuses of ProSolidFeatstatusGet ...).
#pragma once

#include <ProArray.h>

#include "toolkit/owned.h"

namespace ardotk {

namespace detail {
template <typename T>
ProError arrayFree(T** array) {
    ProArray untyped = *array;
    return ProArrayFree(&untyped);
}
}  // namespace detail

// Take the array with out() in the allocating call, before its result is checked.
template <typename T>
using ArrayOwner = Owned<T*, detail::arrayFree<T>>;

}  // namespace ardotk
