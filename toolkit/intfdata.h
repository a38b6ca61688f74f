// Wrappers of the host's interface data: a collection of lines and arcs built in memory
// and the import feature that brings it into a solid. Every failing host call raises
// ardotk::Error(code, "").
#pragma once

#include <ProImportfeat.h>
#include <ProIntfData.h>

#include "toolkit/owned.h"

namespace ardotk {

using IntfDataOwner = Owned<ProIntfData*, ProIntfDataFree>;
using CurvedataOwner = Owned<ProCurvedata*, ProCurvedataFree>;

// ProIntfDataAlloc: an empty collection.
IntfDataOwner IntfDataAlloc();
// Appends a line from `end1` to `end2` (ProCurvedataAlloc, ProLinedataInit,
// ProIntfDataCurveAppend); the record is freed on every path.
void IntfDataLineAppend(ProIntfData* data, ProVector end1, ProVector end2);
// Appends an arc about `origin` from `start` to `end` (radians) in the plane of the unit
// vectors `vector1` and `vector2`.
void IntfDataArcAppend(ProIntfData* data, ProVector vector1, ProVector vector2, ProVector origin,
                       double start, double end, double radius);
// The import feature of the collection in the frame of coordinate system `csysId` of
// `solid` (ProCsysInit, ProIntfDataSourceInit, ProImportfeatCreate, default attributes).
ProFeature ImportfeatCreate(ProSolid solid, ProIntfData* data, int csysId);

}  // namespace ardotk
