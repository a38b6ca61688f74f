// Showing a coordinate system found by pattern highlighted, in its own colour, or not
// highlighted. The host's answer to the display request is not examined.
#include <ProSelection.h>

#include "kelt2proe/error.h"
#include "model/solid.h"
#include "toolkit/check.h"
#include "toolkit/selection.h"

namespace Ardo {

namespace {

template <typename Show>
void showCsys(Solid& solid, const char* pattern, const char* text, Show&& show) {
    ProGeomitem csys = solid.CsysFindByName(pattern);
    ardotk::SelectionOwner selection;
    Ardo::check(ProSelectionAlloc(nullptr, &csys, selection.out()), text);
    show(selection.get());
    Ardo::check(selection.release(), text);
}

}  // namespace

void Solid::CsysHighlight(const char* pattern, kelt2pColortype color) {
    showCsys(*this, pattern, "Ardo::kelt2pMdl::CsysHighlight", [color](ProSelection selection) {
        if (color == KELT2P_COLOR_NONE) {
            ProSelectionDisplay(selection);
        } else {
            ProSelectionHighlight(selection, static_cast<ProColortype>(color));
        }
    });
}

void Solid::CsysUnHighlight(const char* pattern) {
    showCsys(*this, pattern, "Ardo::kelt2pMdl::CsysUnHighlight",
             [](ProSelection selection) { ProSelectionUnhighlight(selection); });
}

}  // namespace Ardo
