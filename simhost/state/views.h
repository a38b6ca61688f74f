// Views of a model: its current orientation and orientations stored under names, saved
// in the section "views" of its file (docs/model-files.md).
//
// An orientation is a rotation only: the view's axes x, y and z in model coordinates,
// which are the rows 0 to 2 of the host's view matrix. A named view has a serial number
// that no other view of the process ever gets; its handle is that number, and a model
// resolves a handle only among its own views, so a handle of another model, or of a
// view gone with its model, finds nothing.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "simhost/geometry/placement.h"
#include "simhost/state/models.h"

namespace simhost::state {

struct NamedView {
    std::uintptr_t serial = 0;
    std::string name;  // upper case
    geometry::Placement orientation;
};

struct ViewState {
    geometry::Placement current;   // the identity until set
    std::vector<NamedView> named;  // in the order stored
    int refits = 0;
};

inline ViewState& viewState(Model& model) {
    return model.content<ViewState>();
}

// A new serial number for a named view.
std::uintptr_t viewSerialNext();
// The model's view of that upper-case name, or null.
NamedView* viewByName(ViewState& views, const std::string& name);
// The model's view of that handle, or null.
NamedView* viewByHandle(ViewState& views, const void* handle);
// True for an orientation the host keeps: unit axes, pairwise perpendicular and
// right-handed within 1e-6, all numbers finite.
bool viewOrientationValid(const geometry::Placement& orientation);

}  // namespace simhost::state
