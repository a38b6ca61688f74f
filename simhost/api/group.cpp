// Feature groups.
#include <ProGroup.h>

#include "simhost/api/feature_args.h"
#include "simhost/core/entry.h"
#include "simhost/state/groups.h"

using namespace simhost::state;
using simhost::api::featureArg;
using simhost::api::isSolid;
using simhost::api::modelOf;

extern "C" {

ProError ProGroupUngroup(ProGroup* group) try {
    SIMHOST_ENTER("ProGroupUngroup", featureArg(group));
    SIMHOST_SESSION(s);
    if (group == nullptr || group->type != PRO_GROUP) {
        return PRO_TK_BAD_INPUTS;
    }
    Model* m = modelOf(s, group->owner);
    if (m == nullptr || !isSolid(*m)) {
        return PRO_TK_BAD_INPUTS;
    }
    return groupUngroup(*m, group->id);
}
SIMHOST_CATCH

}  // extern "C"
