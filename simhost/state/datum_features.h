// Coordinate-system (979) and datum-point (931) features: the trees the host accepts
// for them, the geometry items and dimensions it makes, and the placements it computes.
//
// A coordinate-system feature without origin references is the model's default
// coordinate system (or one a model file places). One with a reference coordinate system
// is offset from it by its orientation moves, applied in the tree's order in the frame
// of the reference: a translation along, a rotation (degrees, right-handed) about one of
// the reference's axes, the origin staying for a rotation. Rotations about X, then Y,
// then Z give the rotation Rz * Ry * Rx, so the new system's transform is the
// reference's times [Rz * Ry * Rx | (x, y, z)]. Each move gets one dimension, in the
// order of the moves. A second origin reference, a datum point, puts the origin at the
// point before the moves, the axes staying the reference's. A datum-point feature offsets its
// points (x, y, z) in the frame of its reference coordinate system, three dimensions per point (x,
// y, z) when it asks for dimensions.
//
// A reference coordinate system may lie inside a component at any depth: the
// selection's path leads from this model to it, and the placement composes along the
// path, so the new system follows the component when it moves.
//
// Dimensions drive: after a change, regeneration recomputes every placement in
// regeneration order, so whatever is placed on a moved coordinate system moves with it.
#pragma once

#include "simhost/state/models.h"

namespace simhost::state {

// Element ids the host reads from these trees.
constexpr int kElemCsysOriginConstrs = 2134;
constexpr int kElemCsysOriginConstr = 2135;
constexpr int kElemCsysOriginConstrRef = 2136;
constexpr int kElemCsysOffsetType = 2147;
constexpr int kElemCsysOrientMoves = 2137;
constexpr int kElemCsysOrientMove = 2138;
constexpr int kElemCsysMoveType = 2140;
constexpr int kElemCsysMoveValue = 2141;
constexpr int kElemDpointType = 3179;
constexpr int kElemDpointOfstCsysType = 3113;
constexpr int kElemDpointOfstCsysRef = 3114;
constexpr int kElemDpointOfstCsysWithDims = 3115;
constexpr int kElemDpointOfstCsysPnts = 3121;
constexpr int kElemDpointOfstCsysPnt = 3120;
constexpr int kElemDpointOfstCsysPntName = 3116;
constexpr int kElemDpointOfstCsysDir[3] = {3117, 3118, 3119};

// The point type of a point offset from a coordinate system, and the Cartesian offset
// type (of coordinate systems and of such points).
constexpr int kDpointTypeOffsetCsys = 6;
constexpr int kOffsetCartesian = 0;

struct Feature;

// Recomputes the placement of one coordinate-system or datum-point feature; other
// features through their area's place hook (featurePlaceHookAdd).
void datumFeaturePlace(Model& model, Feature& feature);
// Recomputes the placements of the model's features in regeneration order.
void datumPlacementsRegenerate(Model& model);

}  // namespace simhost::state
