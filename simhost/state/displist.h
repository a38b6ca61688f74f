// What the host drew a model from: how often its display lists were invalidated
// (ProDisplistInvalidate), for a test to see.
#pragma once

#include "simhost/state/models.h"

namespace simhost::state {

struct DisplayLists {
    int invalidations = 0;
};

inline DisplayLists& displayLists(Model& model) {
    return model.content<DisplayLists>();
}

}  // namespace simhost::state
