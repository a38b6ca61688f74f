// Ardo::Drw: the implementation object behind kelt2pDrw, a model handle of type 4
// (drawing). It adds nothing to the model handle yet.
#pragma once

#include <ProObjects.h>

#include "model/mdl.h"

namespace Ardo {

class Drw : public Mdl {
public:
    Drw() = default;
    // Bound to `hostHandle`, unnamed.
    explicit Drw(ProMdl hostHandle) : Mdl(hostHandle) {}
};

}  // namespace Ardo
