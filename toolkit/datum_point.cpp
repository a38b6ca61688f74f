#include "toolkit/datum_point.h"

#include <ProAsmcomppath.h>
#include <ProGeomitem.h>
#include <ProModelitem.h>

#include "kelt2proe/error.h"
#include "toolkit/check.h"
#include "toolkit/elemtree.h"
#include "toolkit/feature.h"
#include "toolkit/item_name.h"
#include "toolkit/listing.h"
#include "toolkit/name_filter.h"
#include "toolkit/visit_guard.h"

namespace ardotk {

namespace {

// Element ids and values of the datum-point feature tree.
constexpr ProElemId kFeatureTree = 386;
constexpr ProElemId kFeatureType = 387;
constexpr ProElemId kFeatureName = 1964;
constexpr ProElemId kPointType = 3179;
constexpr ProElemId kOffsetCsysType = 3113;
constexpr ProElemId kOffsetCsysRef = 3114;
constexpr ProElemId kWithDims = 3115;
constexpr ProElemId kPointsArray = 3121;
constexpr ProElemId kPoint = 3120;
constexpr ProElemId kPointName = 3116;
constexpr ProElemId kDir1 = 3117;
constexpr ProElemId kDir2 = 3118;
constexpr ProElemId kDir3 = 3119;
constexpr int kDatumPointFeature = 931;
constexpr int kOffsetFromCsys = 6;
constexpr int kCartesian = 0;

struct Search {
    ProSolid solid;
    const NameFilter& filter;
    std::vector<ProPoint>& found;
    VisitGuard guard;
};

// Skips a point whose name does not match; a name that cannot be read stops the visit.
ProError filterPoint(ProPoint point, ProAppData data) {
    auto& search = *static_cast<Search*>(data);
    return search.guard.run([&] {
        ProGeomitem item{};
        check(ProPointToGeomitem(search.solid, point, &item));
        ProName name = {};
        ItemNameGet(item, name);
        return search.filter.matches(name) ? PRO_TK_NO_ERROR : PRO_TK_CONTINUE;
    });
}

ProError visitPoint(ProPoint point, ProError, ProAppData data) {
    auto& search = *static_cast<Search*>(data);
    return search.guard.run([&] {
        search.found.push_back(point);
        return PRO_TK_NO_ERROR;
    });
}

ElemTree pointElement(const wchar_t* name, const PointOffset& point) {
    ElemTree element = ElementAlloc(kPoint);
    ElementAdd(element.get(), ElementWstring(kPointName, name));
    ElementAdd(element.get(), ElementDouble(kDir1, point.x));
    ElementAdd(element.get(), ElementDouble(kDir2, point.y));
    ElementAdd(element.get(), ElementDouble(kDir3, point.z));
    return element;
}

}  // namespace

ProFeature DatumPointCreate(ProSolid solid, ProSelection csys, const wchar_t* name,
                            const std::vector<PointOffset>& points) {
    ElemTree tree = ElementAlloc(kFeatureTree);
    ElementAdd(tree.get(), ElementInteger(kFeatureType, kDatumPointFeature));
    ElementAdd(tree.get(), ElementInteger(kPointType, kOffsetFromCsys));
    ElementAdd(tree.get(), ElementWstring(kFeatureName, name));
    ElementAdd(tree.get(), ElementInteger(kOffsetCsysType, kCartesian));
    ElementAdd(tree.get(), ElementSelection(kOffsetCsysRef, csys));
    ElementAdd(tree.get(), ElementInteger(kWithDims, 1));
    ProElement array = ElementAdd(tree.get(), ElementAlloc(kPointsArray));
    for (const PointOffset& point : points) {
        ElementAdd(array, pointElement(name, point));
    }
    return FeatureCreate(solid, tree.get());
}

void DatumPointSearch(ProSolid solid, const char* pattern, std::vector<ProPoint>& found) {
    refillListing(found, [&] {
        guardedListing([&] {
            NameFilter filter(pattern);
            ProAsmcomppath path{};
            check(ProAsmcomppathInit(solid, path.comp_id_table, 0, &path));
            Search search{solid, filter, found, {}};
            ProPointFilterAction byName = filter.all() ? nullptr : filterPoint;
            ProError err = ProAsmcomppathDispPointVisit(&path, solid, byName, visitPoint, &search);
            search.guard.rethrow();
            if (err == PRO_TK_GENERAL_ERROR || err == PRO_TK_BAD_INPUTS) {
                throw Error(err, "");
            }
        });
    });
}

}  // namespace ardotk
