// Ordering curve elements into one connected chain.
#pragma once

#include <list>

#include "kelt2proe/mdl.h"

namespace Ardo {

// Orders `elements` into one connected chain, greedily: the chain starts as the first
// element; then, again and again, the first remaining element in list order that touches
// an end of the chain joins it. Its start at the chain's end appends it; its end at the
// chain's end appends it reversed; its end at the chain's start puts it in front; its start
// at the chain's start puts it in front reversed (tested in this order, the first that
// holds decides). Reversing swaps start and end and negates the normal. Points touch when
// every coordinate differs by at most `tolerance`; a NaN coordinate touches nothing.
// Takes time linear in the number of elements as long as few distinct points crowd within
// a few tolerances of one another (the search walks a hash grid of the end points).
// Throws ardotk::no_chain (kelt2proe/error.h); `elements` then holds the elements not
// yet chained, in the order they had before.
void chainCurveElements(std::list<kelt2pCurveElement>& elements, double tolerance);

}  // namespace Ardo
