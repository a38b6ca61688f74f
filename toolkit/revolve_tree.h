// The element tree of a revolved solid that adds material, a full turn on one side,
// sketched on a datum plane. Failing host calls raise ardotk::Error(code, "").
#pragma once

#include <ProSelection.h>

#include "toolkit/elemtree.h"

namespace ardotk {

// `name` empty leaves the host's default name; `sketchPlane` and `orientation` select the
// surfaces the sketch lies on and is turned by. The section itself stays empty.
ElemTree RevolveTree(const wchar_t* name, ProSelection sketchPlane, ProSelection orientation);

}  // namespace ardotk
