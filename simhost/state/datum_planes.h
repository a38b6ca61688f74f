// Datum-plane features (923) offset from a coordinate system of the model, and the
// frames of their planes. A datum-plane tree without constraints (410) is kept as it
// is, without geometry.
//
// The tree holds one constraint (410 holding 411) of type 3 (412, offset from a
// coordinate system) with the coordinate system (413, a selection of the model's own,
// no component path), the axis (417: 1, 2, 3 for the system's X, Y, Z) and the offset
// along it (418, 0 when absent). The plane is normal to that axis and moved along it by
// the offset. Its frame (the placement of its PRO_SURFACE item): origin the system's
// origin plus offset times the axis, z the axis, and x, y the system's two other axes in
// cyclic order (for X: Y, Z; for Y: Z, X; for Z: X, Y). The plane follows its coordinate
// system on regeneration.
#pragma once

#include <optional>

#include "simhost/geometry/placement.h"
#include "simhost/state/models.h"
#include "simhost/state/selections.h"

namespace simhost::state {

constexpr int kFeatDatumPlane = 923;
constexpr int kElemDtmplnConstraints = 410;
constexpr int kElemDtmplnConstraint = 411;
constexpr int kElemDtmplnConstrType = 412;
constexpr int kElemDtmplnConstrRef = 413;
constexpr int kElemDtmplnOffCsys = 417;
constexpr int kElemDtmplnOffCsysOffset = 418;
// The constraint type of a plane offset from a coordinate system.
constexpr int kDtmplnOffsetCsys = 3;

// The frame of the datum plane whose surface the selection names (an item of `model`
// without component path), or nullopt.
std::optional<geometry::Placement> datumPlaneFrame(Model& model, const SelectionData& selection);

}  // namespace simhost::state
