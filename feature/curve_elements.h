// The process-wide curve-element list: the lines and arcs read from curve features or
// given by the caller, which the chain, the transform and the created features work on.
#pragma once

#include <list>

#include "kelt2proe/geometry.h"
#include "kelt2proe/mdl.h"

namespace Ardo {
namespace curves {

using ElementList = std::list<kelt2pCurveElement>;

// The one list of the process.
ElementList& elements();

// Appends a copy; returns the new length.
int add(const kelt2pCurveElement& element);
// A copy of the element at `index` (from 0); an index outside the list raises the
// library's subscript error.
kelt2pCurveElement at(int index);
void clear();
// Sets the point tolerance to 0.01 and orders the list into one chain
// (chainCurveElements); ardotk::no_chain leaves the elements not chained.
void makeChain();
// Points by rotation and translation of `m`, the normal by its rotation only.
void transform(const Matrix& m);

}  // namespace curves
}  // namespace Ardo
