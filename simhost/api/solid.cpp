// Solids: creation, regeneration, accuracy.
#include <ProSolid.h>

#include <cmath>
#include <string>

#include "simhost/api/model_args.h"
#include "simhost/core/entry.h"
#include "simhost/state/components.h"
#include "simhost/state/model_session.h"
#include "simhost/state/models.h"

using namespace simhost::core;
using namespace simhost::state;
using simhost::api::handleArg;
using simhost::api::isSolid;
using simhost::api::modelOf;
using simhost::api::wideArg;
using simhost::api::wideText;

namespace {

// All regeneration flags the host knows.
constexpr int kRegenFlagsMask = 2 * PRO_REGEN_INTERACTIVE_UI - 1;

Model* solidOf(Session* s, ProSolid handle) {
    Model* m = modelOf(s, handle);
    return m != nullptr && isSolid(*m) ? m : nullptr;
}

}  // namespace

extern "C" {

ProError ProSolidCreate(ProName name, ProType type, ProSolid* p_handle) try {
    SIMHOST_ENTER("ProSolidCreate", wideArg(name, PRO_NAME_SIZE), std::to_string(type));
    SIMHOST_SESSION(s);
    std::string text;
    if (!wideText(name, PRO_NAME_SIZE, text) || p_handle == nullptr) {
        return PRO_TK_BAD_INPUTS;
    }
    Model* model = nullptr;
    ProError rc = modelCreate(*s, text, type, &model);
    if (rc != PRO_TK_NO_ERROR) {
        return rc;
    }
    *p_handle = static_cast<ProSolid>(modelHandle(model->id));
    return PRO_TK_NO_ERROR;
}
SIMHOST_CATCH

ProError ProSolidRegenerate(ProSolid p_handle, int flags) try {
    SIMHOST_ENTER("ProSolidRegenerate", handleArg(p_handle), std::to_string(flags));
    SIMHOST_SESSION(s);
    Model* m = solidOf(s, p_handle);
    if (m == nullptr || flags < 0 || (flags & ~kRegenFlagsMask) != 0) {
        return PRO_TK_BAD_INPUTS;
    }
    ++m->regenerations;
    modelRegenerate(*s, *m);
    return PRO_TK_NO_ERROR;
}
SIMHOST_CATCH

ProError ProSolidAccuracySet(ProSolid solid, ProAccuracyType type, double accuracy) try {
    SIMHOST_ENTER("ProSolidAccuracySet", handleArg(solid), std::to_string(type),
                  std::to_string(accuracy));
    SIMHOST_SESSION(s);
    Model* m = solidOf(s, solid);
    if (m == nullptr || (type != PRO_ACCURACY_RELATIVE && type != PRO_ACCURACY_ABSOLUTE) ||
        !std::isfinite(accuracy) || accuracy <= 0.0 ||
        (type == PRO_ACCURACY_RELATIVE && accuracy >= 1.0)) {
        return PRO_TK_BAD_INPUTS;
    }
    m->accuracyType = type;
    m->accuracy = accuracy;
    m->touch();
    return PRO_TK_NO_ERROR;
}
SIMHOST_CATCH

ProError ProSolidAccuracyGet(ProSolid solid, ProAccuracyType* r_type, double* r_accuracy) try {
    SIMHOST_ENTER("ProSolidAccuracyGet", handleArg(solid));
    SIMHOST_SESSION(s);
    Model* m = solidOf(s, solid);
    if (m == nullptr || r_type == nullptr || r_accuracy == nullptr) {
        return PRO_TK_BAD_INPUTS;
    }
    *r_type = static_cast<ProAccuracyType>(m->accuracyType);
    *r_accuracy = m->accuracy;
    return PRO_TK_NO_ERROR;
}
SIMHOST_CATCH

}  // extern "C"
