// Wrappers of the host's selections.
#pragma once

#include <ProSelection.h>

#include "toolkit/owned.h"

namespace ardotk {

using SelectionOwner = Owned<ProSelection, ProSelectionFree>;

// ProSelectionAlloc of an item, with a component path or none (null); raises
// ardotk::Error(code, "") on failure.
SelectionOwner SelectionAlloc(ProAsmcomppath* path, ProModelitem& item);

}  // namespace ardotk
