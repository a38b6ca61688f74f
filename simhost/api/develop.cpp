// The legacy surface-property calls: the appearance record of a whole model.
#include <ProDevelop.h>

#include <cmath>
#include <string>

#include "simhost/api/model_args.h"
#include "simhost/core/entry.h"
#include "simhost/state/models.h"

using namespace simhost::core;
using namespace simhost::state;
using simhost::api::handleArg;
using simhost::api::isSolid;
using simhost::api::modelOf;

namespace {

// The solid whose record the arguments address, or null. Only the whole model is
// addressed: selection type SEL_3D_PART, item -1.
Model* propsOwner(Session* s, Prohandle owner, int sel_type, int item_id,
                  const Pro_surf_props* props) {
    Model* m = modelOf(s, owner);
    if (m == nullptr || !isSolid(*m) || props == nullptr || sel_type != SEL_3D_PART ||
        item_id != -1) {
        return nullptr;
    }
    return m;
}

}  // namespace

extern "C" {

int prodb_get_surface_props(Prohandle owner, int sel_type, int item_id, int flags,
                            Pro_surf_props* props) try {
    SIMHOST_ENTER("prodb_get_surface_props", handleArg(owner), std::to_string(sel_type),
                  std::to_string(item_id));
    SIMHOST_SESSION(s);
    (void)flags;
    Model* m = propsOwner(s, owner, sel_type, item_id, props);
    if (m == nullptr) {
        return PRO_TK_BAD_INPUTS;
    }
    for (std::size_t i = 0; i < m->surfaceProps.size(); ++i) {
        props->values[i] = m->surfaceProps[i];
    }
    return m->surfacePropsSet ? PRODEV_SURF_PROPS_SET : PRODEV_SURF_PROPS_NOT_SET;
}
SIMHOST_CATCH

int prodb_set_surface_props(Prohandle owner, int sel_type, int item_id, int flags,
                            Pro_surf_props* props) try {
    SIMHOST_ENTER("prodb_set_surface_props", handleArg(owner), std::to_string(sel_type),
                  std::to_string(item_id));
    SIMHOST_SESSION(s);
    (void)flags;
    Model* m = propsOwner(s, owner, sel_type, item_id, props);
    if (m == nullptr) {
        return PRO_TK_BAD_INPUTS;
    }
    for (double value : props->values) {
        if (!std::isfinite(value)) {
            return PRO_TK_BAD_INPUTS;
        }
    }
    for (std::size_t i = 0; i < m->surfaceProps.size(); ++i) {
        m->surfaceProps[i] = props->values[i];
    }
    m->surfacePropsSet = true;
    m->touch();
    return PRODEV_SURF_PROPS_SET;
}
SIMHOST_CATCH

}  // extern "C"
