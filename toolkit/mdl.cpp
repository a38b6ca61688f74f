#include "toolkit/mdl.h"

#include "kelt2proe/error.h"

namespace ardotk {

ProMdlType MdlType(ProMdl model) {
    ProMdlType type = PRO_MDL_UNUSED;
    ProError err = ProMdlTypeGet(model, &type);
    if (err != PRO_TK_NO_ERROR) {
        throw Error(err, "ardotk::MdlType");
    }
    return type;
}

}  // namespace ardotk
