// Family-table instances and variant-feature models.
#include <ProFaminstance.h>
#include <ProVariantFeat.h>

#include <string>

#include "simhost/api/model_args.h"
#include "simhost/core/entry.h"
#include "simhost/state/model_session.h"
#include "simhost/state/models.h"

using namespace simhost::core;
using namespace simhost::state;
using simhost::api::handleArg;
using simhost::api::modelOf;

extern "C" {

ProError ProFaminstanceGenericGet(ProMdl inst_model, int immediate, ProMdl* gen_model) try {
    SIMHOST_ENTER("ProFaminstanceGenericGet", handleArg(inst_model), std::to_string(immediate));
    SIMHOST_SESSION(s);
    Model* m = modelOf(s, inst_model);
    if (m == nullptr || gen_model == nullptr) {
        return PRO_TK_BAD_INPUTS;
    }
    Model* generic = nullptr;
    ProError rc = modelGeneric(*s, *m, immediate != 0, &generic);
    if (rc != PRO_TK_NO_ERROR) {
        return rc;
    }
    *gen_model = modelHandle(generic->id);
    return PRO_TK_NO_ERROR;
}
SIMHOST_CATCH

ProError ProMdlIsVariantfeatMdl(ProMdl mdl, ProBoolean* is_var_feat_mdl) try {
    SIMHOST_ENTER("ProMdlIsVariantfeatMdl", handleArg(mdl));
    SIMHOST_SESSION(s);
    Model* m = modelOf(s, mdl);
    if (m == nullptr || is_var_feat_mdl == nullptr) {
        return PRO_TK_BAD_INPUTS;
    }
    *is_var_feat_mdl = m->variantFeatureModel ? PRO_B_TRUE : PRO_B_FALSE;
    return PRO_TK_NO_ERROR;
}
SIMHOST_CATCH

}  // extern "C"
