// Coordinate systems by name pattern: the first match, all matches, and the
// process-wide coordinate-system list with its accessor.
#include <ProModelitem.h>

#include "base/subscript.h"
#include "base/text.h"
#include "feature/csys_lists.h"
#include "kelt2proe/error.h"
#include "model/solid.h"
#include "toolkit/check.h"
#include "toolkit/csys.h"
#include "toolkit/item_name.h"

namespace Ardo {

int Solid::CsysFindByRegEx(const char* pattern, std::vector<ProGeomitem>& found) {
    requireHandle("Ardo::Solid::CsysFindByRegEx");
    ardotk::CsysSearch(static_cast<ProSolid>(handle), pattern, found);
    return static_cast<int>(found.size());
}

ProGeomitem Solid::CsysFindByName(const char* pattern) {
    requireHandle("Ardo::Solid::CsysFindByName");
    std::vector<ProGeomitem> found;
    ardotk::CsysSearch(static_cast<ProSolid>(handle), pattern, found);
    if (found.empty()) {
        throw Error(PRO_TK_E_NOT_FOUND, "Ardo::Solid::CsysFindByName");
    }
    return found.front();
}

int Solid::CsysList(const char* pattern) {
    return csys::csysList().refill(
        [&](std::vector<ProGeomitem>& found) { CsysFindByRegEx(pattern, found); });
}

const char* Solid::CsysListAt(int index) {
    ProGeomitem& item = checkedAt(csys::csysList().entries(), index);
    ProName wide = {};
    Ardo::check(ardotk::ItemNameRead(item, wide), "Ardo::kelt2pMdl::CsysListAt");
    if (text::toNarrow(csys::nameBuffer(), wide) == nullptr) {
        throw Error(PRO_TK_GENERAL_ERROR, "Ardo::kelt2pMdl::CsysListAt");
    }
    return csys::nameBuffer();
}

}  // namespace Ardo
