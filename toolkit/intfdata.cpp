#include "toolkit/intfdata.h"

#include <ProCsys.h>

#include "toolkit/check.h"

namespace ardotk {

namespace {

// The collection takes a copy; the record is freed by its owner.
void appendRecord(ProIntfData* data, CurvedataOwner& record) {
    check(ProIntfDataCurveAppend(data, record.get()));
}

}  // namespace

IntfDataOwner IntfDataAlloc() {
    IntfDataOwner data;
    check(ProIntfDataAlloc(data.out()));
    return data;
}

void IntfDataLineAppend(ProIntfData* data, ProVector end1, ProVector end2) {
    CurvedataOwner record;
    check(ProCurvedataAlloc(record.out()));
    check(ProLinedataInit(end1, end2, record.get()));
    appendRecord(data, record);
}

void IntfDataArcAppend(ProIntfData* data, ProVector vector1, ProVector vector2, ProVector origin,
                       double start, double end, double radius) {
    CurvedataOwner record;
    check(ProCurvedataAlloc(record.out()));
    check(ProArcdataInit(vector1, vector2, origin, start, end, radius, record.get()));
    appendRecord(data, record);
}

ProFeature ImportfeatCreate(ProSolid solid, ProIntfData* data, int csysId) {
    ProCsys csys = nullptr;
    check(ProCsysInit(solid, csysId, &csys));
    ProIntfDataSource source{};
    check(ProIntfDataSourceInit(PRO_INTF_NEUTRAL, data, &source));
    ProFeature feature{};
    check(ProImportfeatCreate(solid, &source, csys, nullptr, &feature));
    return feature;
}

}  // namespace ardotk
