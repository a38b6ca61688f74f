// Wrappers of the host's dimension calls. Failures raise ardotk::Error(host code, "")
// unless noted.
#pragma once

#include <ProDimension.h>

#include <vector>

namespace ardotk {

// ProSolidDimensionVisit over the standard dimensions of `solid`, stopping at the first
// whose symbol equals `symbol` (whole, case-sensitive), which is kept in `found`. True
// exactly when the dimension was met (the visit then answers PRO_TK_USER_ABORT); `visit`
// is the visit's result. A symbol that cannot be read stops the visit with the host's
// code.
bool DimensionBySymbol(ProSolid solid, const wchar_t* symbol, ProDimension& found, ProError& visit);

// ProSolidDimensionVisit over the standard dimensions of `solid`: those whose whole
// symbol matches `pattern` (".*": every one, without a filter), in the host's order, into
// `found` (contents replaced, storage reused, empty after a failure).
// A symbol that cannot be read stops the visit and raises the host's code, whatever the
// visit answers; so does any visit result other than success and PRO_TK_E_NOT_FOUND. An invalid
// pattern raises ardotk::Error(0, description), anything else unexpected ardotk::Error(-1,
// "UNBEKANNTER FEHLER").
void DimensionVisit(ProSolid solid, const char* pattern, std::vector<ProDimension>& found);

// ProDimensionValueGet / ProDimensionValueSet.
double DimensionValueGet(ProDimension& dimension);
void DimensionValueSet(ProDimension& dimension, double value);

// ProDimensionIsRegenednegative: true when the host regenerated the dimension negative.
bool DimensionIsRegenednegative(ProDimension& dimension);

}  // namespace ardotk
