// One step of the toolkit's filtered visits (features, dimensions, parameters): the
// filter's answer other than PRO_TK_CONTINUE reaches the action as its status, and the
// action's non-zero answer ends the visit as its result.
#pragma once

#include <ProToolkit.h>

namespace simhost::api {

// Offers `handle` to `filter` (may be null) and `action`; sets `visited` when the action
// runs. True when the visit ends here with `result`.
template <typename Handle, typename Filter, typename Action>
bool visitStepEnds(Handle* handle, Filter filter, Action action, ProAppData data, bool& visited,
                   ProError& result) {
    ProError status = PRO_TK_NO_ERROR;
    if (filter != nullptr) {
        status = filter(handle, data);
        if (status == PRO_TK_CONTINUE) {
            return false;
        }
    }
    visited = true;
    result = action(handle, status, data);
    return result != PRO_TK_NO_ERROR;
}

}  // namespace simhost::api
