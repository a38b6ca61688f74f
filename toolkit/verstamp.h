// Owner of the version stamps that the toolkit allocates; the stamp's text
// (ProVerstampStringGet) is a toolkit text, owned by ardotk::String (toolkit/util.h).
#pragma once

#include <ProVerstamp.h>

#include "toolkit/owned.h"

namespace ardotk {

using VerstampOwner = Owned<ProWVerstamp, ProVerstampFree>;

}  // namespace ardotk
