// The process-wide datum-point list: filled by pattern, read by index.
#include <ProGeomitem.h>
#include <ProModelitem.h>
#include <ProPoint.h>

#include "base/subscript.h"
#include "base/text.h"
#include "feature/csys_lists.h"
#include "kelt2proe/error.h"
#include "model/solid.h"
#include "toolkit/check.h"
#include "toolkit/datum_point.h"
#include "toolkit/item_name.h"

namespace Ardo {

int Solid::PntList(const char* pattern) {
    requireHandle("Ardo::kelt2pMdl::PntList");
    return csys::pointList().refill([&](std::vector<ProPoint>& found) {
        ardotk::DatumPointSearch(static_cast<ProSolid>(handle), pattern, found);
    });
}

kelt2pPointData Solid::PntListAt(int index) {
    const std::vector<ProPoint>& points = csys::pointList().entries();
    if (points.empty()) {
        throw Error(PRO_TK_GENERAL_ERROR, "Ardo::kelt2pMdl::PntListAt");
    }
    ProPoint point = checkedAt(points, index);
    kelt2pPointData data{};
    if (ProPointIdGet(point, &data.id) != PRO_TK_NO_ERROR) {
        throw ardotk::Error(0, "");
    }
    ProGeomitem item{};
    if (ProPointToGeomitem(static_cast<ProSolid>(handle), point, &item) != PRO_TK_NO_ERROR) {
        throw ardotk::Error(0, "");
    }
    ProName wide = {};
    check(ardotk::ItemNameRead(item, wide), "Ardo::kelt2pMdl::PntListAt");
    text::narrowField(data.name, wide);
    return data;
}

}  // namespace Ardo
