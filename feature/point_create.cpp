// Creating a datum point offset from a coordinate system found by pattern, with its
// dimensions named by the caller's flags.
#include "base/text.h"
#include "feature/dimension_symbols.h"
#include "kelt2proe/error.h"
#include "model/solid.h"
#include "toolkit/datum_point.h"

namespace Ardo {

void Solid::PntCreate(const char* csysPattern, const char* pointName, int flags, double x, double y,
                      double z) {
    constexpr const char* kText = "Ardo::Solid::PntCreate";
    constexpr const char* kNamingText = "Ardo::kelt2pMdl::PntCreate";
    requireHandle(kText);
    dimsym::refuseLongSymbols(pointName, flags, dimsym::kPointLetters, kNamingText);
    ProName wide = {};
    text::widenBounded(wide, pointName);
    ardotk::SelectionOwner csys = csysSelection(csysPattern, kText);
    ardotk::PointOffset offset;
    offset.x = x;
    offset.y = y;
    offset.z = z;
    ProFeature feature =
        ardotk::DatumPointCreate(static_cast<ProSolid>(handle), csys.get(), wide, {offset});
    // The feature just created, not one found again by its name: a name is a pattern
    // there, and another feature may carry it.
    dimsym::nameDimensions(feature, wide, flags, dimsym::kPointLetters, kNamingText);
}

}  // namespace Ardo
