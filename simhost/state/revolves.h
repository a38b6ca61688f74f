// Revolved solids: features of type 917 whose tree has the revolve form (388 = 2).
//
// The tree: solid (1956 = 917), adding material (2023 = -1), not thin (3176 = 0), the
// angles (6: 437 with 441 for the first side, 438 with 442 for the second, degrees,
// together at most 360) and the section (447) with its setup (450): the sketch plane
// (451, a datum plane's surface), the view direction (452, 1 or -1), the orientation
// (454, 1: the reference plane's normal points up, -1: down) and the orientation
// reference (455, a datum plane perpendicular to the sketch plane).
//
// The sketch frame: origin the sketch plane's origin, y the reference plane's normal
// (times 454), normal the sketch plane's normal (times 452), x = y cross normal.
//
// The section itself is kept by the host beside the tree: ProFeatureElemtreeCreate adds
// it as the value of element 458 under 447, a section object that the returned tree
// owns; ProFeatureRedefine (and ProFeatureCreate) read it from there. A feature created
// with PRO_FEAT_CR_INCOMPLETE_FEAT may have an empty section and then has no solid; any
// other creation or redefinition needs a section with one closed loop, exactly one
// centre line (the axis), and the loop on one side of the axis (touching it is allowed).
// The solid turns the loop's face about the axis, the first side's angle right-handed
// about the centre line's direction (end1 to end2), the second side's the other way.
#pragma once

#include <vector>

#include "simhost/state/features.h"
#include "simhost/state/models.h"

namespace simhost::state {

constexpr int kFeatSolid = 917;
constexpr int kFeatureFormRevolve = 2;
constexpr int kElemRemoveMaterial = 2023;
constexpr int kElemIsThin = 3176;
constexpr int kElemRevAngle = 6;
constexpr int kElemRevAngleFrom = 437;
constexpr int kElemRevAngleTo = 438;
constexpr int kElemRevAngleFromVal = 441;
constexpr int kElemRevAngleToVal = 442;
constexpr int kElemStdSection = 447;
constexpr int kElemSecSetupPlane = 450;
constexpr int kElemSecPlane = 451;
constexpr int kElemSecPlaneViewDir = 452;
constexpr int kElemSecPlaneOrientDir = 454;
constexpr int kElemSecPlaneOrientRef = 455;
constexpr int kElemSketcher = 458;

// The kernel solids of the model's complete revolved features, in model coordinates,
// in regeneration order.
std::vector<int> revolveSolids(Model& model);
// True when the model has complete revolved features (which hold solids only with the
// geometry kernel).
bool revolvesDeclared(Model& model);

}  // namespace simhost::state
