#include "toolkit/curve.h"

#include <ProGeomitem.h>

#include "toolkit/check.h"
#include "toolkit/visit_guard.h"

namespace ardotk {

namespace {

struct ItemCollection {
    std::vector<ProGeomitem>& items;
    VisitGuard guard;
};

ProError collectItem(ProGeomitem* item, ProError, ProAppData data) {
    auto& collection = *static_cast<ItemCollection*>(data);
    return collection.guard.run([&] {
        collection.items.push_back(*item);
        return PRO_TK_NO_ERROR;
    });
}

}  // namespace

std::vector<ProGeomitem> FeatureGeomitems(ProFeature& feature, ProType type) {
    std::vector<ProGeomitem> items;
    ItemCollection collection{items, {}};
    ProError err = ProFeatureGeomitemVisit(&feature, type, collectItem, nullptr, &collection);
    collection.guard.rethrow();
    if (err != PRO_TK_E_NOT_FOUND) {
        check(err);
    }
    return items;
}

GeomitemdataOwner GeomitemdataGet(ProGeomitem& item) {
    GeomitemdataOwner data;
    check(ProGeomitemdataGet(&item, data.out()));
    return data;
}

void GeomitemdataFree(GeomitemdataOwner& data) {
    check(data.release());
}

ProCurve GeomitemToCurve(ProGeomitem& item) {
    ProCurve curve = nullptr;
    check(ProGeomitemToCurve(&item, &curve));
    return curve;
}

ProEnttype CurveTypeGet(ProCurve curve) {
    ProEnttype type = PRO_ENT_NONE;
    check(ProCurveTypeGet(curve, &type));
    return type;
}

double CurveLengthEval(ProCurve curve) {
    double length = 0.0;
    check(ProCurveLengthEval(curve, &length));
    return length;
}

void CurveXyzdataEval(ProCurve curve, double t, ProVector point) {
    check(ProCurveXyzdataEval(curve, t, point, nullptr, nullptr));
}

}  // namespace ardotk
