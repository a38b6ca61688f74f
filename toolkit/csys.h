// Coordinate systems of a solid: the search by name pattern and the element trees of
// the default and the offset coordinate system.
#pragma once

#include <ProSelection.h>

#include <vector>

namespace ardotk {

// The coordinate systems of `solid`, in the host's visiting order (that of the features
// that made them), whose name matches the whole `pattern`, as geometry items into
// `found` (contents replaced, storage reused, empty after a failure). Every name is
// read. An invalid pattern raises ardotk::Error(0, description); a failing host call
// raises ardotk::Error(code, "ardotk::CsysSearch"); anything else
// ardotk::Error(-1, "UNBEKANNTER FEHLER").
void CsysSearch(ProSolid solid, const char* pattern, std::vector<ProGeomitem>& found);

// Creates the default coordinate system (the model's own frame) named `name`. A
// coordinate system of that name raises ardotk::Error(-39, "") and creates nothing; a
// failing host call raises ardotk::Error(code, "").
ProFeature CsysCreate(ProSolid solid, const wchar_t* name);

// The moves of an offset coordinate system from its reference: translations along and
// rotations (degrees) about the reference's axes.
struct CsysOffsets {
    double x = 0.0, y = 0.0, z = 0.0;
    double a = 0.0, b = 0.0, c = 0.0;
};

// Creates a coordinate system offset from the one `reference` selects, named `name` (an
// empty name leaves the host's default name). The moves are written rotations first (a,
// b, c), then translations (x, y, z), all six always. A failing host call raises
// ardotk::Error(code, "").
ProFeature CsysCreateOffset(ProSolid solid, ProSelection reference, const CsysOffsets& offsets,
                            const wchar_t* name);

}  // namespace ardotk
