// Wrappers of the host's model calls.
#pragma once

#include <ProMdl.h>

namespace ardotk {

// ProMdlTypeGet; raises ardotk::Error(code, "ardotk::MdlType").
ProMdlType MdlType(ProMdl model);

}  // namespace ardotk
