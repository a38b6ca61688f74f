// The interactive placement dialog of a component, answered by script: a test queues
// the answers per session (control API) and each opening of the dialog takes the next
// one. Without a queued answer the dialog is cancelled.
#pragma once

#include <deque>

#include "simhost/geometry/placement.h"
#include "simhost/state/sessions.h"

namespace simhost::state {

struct PlacementAnswer {
    enum class Kind {
        Cancel,   // the user cancelled: nothing changes
        Matrix,   // confirmed with a placement and no constraints
        Default,  // confirmed with one default-placement constraint
    };
    Kind kind = Kind::Cancel;
    geometry::Placement placement;  // for Matrix
};

struct PlacementDialog {
    std::deque<PlacementAnswer> answers;
};

// The next scripted answer of the session's dialog (Cancel when none is queued).
PlacementAnswer placementAnswerNext(Session& s);

}  // namespace simhost::state
