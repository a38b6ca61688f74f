#include "toolkit/mdl.h"

#include "kelt2proe/error.h"
#include "toolkit/check.h"

namespace ardotk {

ProMdlType MdlType(ProMdl model) {
    ProMdlType type = PRO_MDL_UNUSED;
    check(ProMdlTypeGet(model, &type), "ardotk::MdlType");
    return type;
}

}  // namespace ardotk
