// Display lists of a model.
#include <ProDisplist.h>

#include "simhost/api/model_args.h"
#include "simhost/core/entry.h"
#include "simhost/state/displist.h"

using namespace simhost::state;
using simhost::api::handleArg;
using simhost::api::modelOf;

extern "C" {

ProError ProDisplistInvalidate(ProMdl model) try {
    SIMHOST_ENTER("ProDisplistInvalidate", handleArg(model));
    SIMHOST_SESSION(s);
    Model* m = modelOf(s, model);
    if (m == nullptr) {
        return PRO_TK_BAD_INPUTS;
    }
    ++displayLists(*m).invalidations;
    return PRO_TK_NO_ERROR;
}
SIMHOST_CATCH

}  // extern "C"
