// Curve records the application builds: allocation, line and arc data, release.
#include <ProCurvedata.h>

#include <cmath>
#include <string>

#include "simhost/api/curve_records.h"
#include "simhost/api/live_kind.h"
#include "simhost/core/entry.h"

namespace {

constexpr double kUnitTolerance = 1e-6;

simhost::api::LiveKind& records() {
    static auto* kind = new simhost::api::LiveKind;
    return *kind;
}

void recordRelease(const void* p) {
    records().forget(p);
    auto* record = static_cast<ProCurvedata*>(const_cast<void*>(p));
    simhost::api::curveRecordRelease(*record);
    delete record;
}

bool finite(const double* v) {
    return std::isfinite(v[0]) && std::isfinite(v[1]) && std::isfinite(v[2]);
}

double dot(const double* a, const double* b) {
    return a[0] * b[0] + a[1] * b[1] + a[2] * b[2];
}

// Before a record is overwritten: one of ProCurvedataAlloc releases what it owned; a
// record of the caller's own is not read.
bool recordWritable(ProCurvedata* record) {
    if (record == nullptr) {
        return false;
    }
    if (records().live(record)) {
        simhost::api::curveRecordRelease(*record);
    }
    return true;
}

void copy(const double* from, double* to) {
    for (int k = 0; k < 3; ++k) {
        to[k] = from[k];
    }
}

}  // namespace

extern "C" {

ProError ProCurvedataAlloc(ProCurvedata** pp_curvedata) try {
    SIMHOST_ENTER("ProCurvedataAlloc");
    if (pp_curvedata == nullptr) {
        return PRO_TK_BAD_INPUTS;
    }
    auto* record = new ProCurvedata{};
    records().add(record, recordRelease);
    *pp_curvedata = record;
    return PRO_TK_NO_ERROR;
}
SIMHOST_CATCH

ProError ProCurvedataFree(ProCurvedata* p_curvedata) try {
    SIMHOST_ENTER("ProCurvedataFree");
    if (!records().remove(p_curvedata)) {
        return PRO_TK_BAD_INPUTS;
    }
    recordRelease(p_curvedata);
    return PRO_TK_NO_ERROR;
}
SIMHOST_CATCH

ProError ProLinedataInit(ProVector end1, ProVector end2, ProCurvedata* p_curvedata) try {
    SIMHOST_ENTER("ProLinedataInit");
    if (end1 == nullptr || end2 == nullptr || !finite(end1) || !finite(end2) ||
        (end1[0] == end2[0] && end1[1] == end2[1] && end1[2] == end2[2]) ||
        !recordWritable(p_curvedata)) {
        return PRO_TK_BAD_INPUTS;
    }
    p_curvedata->line.type = PRO_ENT_LINE;
    copy(end1, p_curvedata->line.end1);
    copy(end2, p_curvedata->line.end2);
    return PRO_TK_NO_ERROR;
}
SIMHOST_CATCH

ProError ProArcdataInit(ProVector vector1, ProVector vector2, ProVector origin, double start_angle,
                        double end_angle, double radius, ProCurvedata* p_curvedata) try {
    SIMHOST_ENTER("ProArcdataInit", std::to_string(start_angle), std::to_string(end_angle),
                  std::to_string(radius));
    if (vector1 == nullptr || vector2 == nullptr || origin == nullptr || !finite(vector1) ||
        !finite(vector2) || !finite(origin) || !std::isfinite(start_angle) ||
        !std::isfinite(end_angle) || !std::isfinite(radius) || !(radius > 0.0) ||
        std::abs(dot(vector1, vector1) - 1.0) > kUnitTolerance ||
        std::abs(dot(vector2, vector2) - 1.0) > kUnitTolerance ||
        std::abs(dot(vector1, vector2)) > kUnitTolerance || !recordWritable(p_curvedata)) {
        return PRO_TK_BAD_INPUTS;
    }
    ProArcdata& arc = p_curvedata->arc;
    arc.type = PRO_ENT_ARC;
    copy(vector1, arc.vector1);
    copy(vector2, arc.vector2);
    copy(origin, arc.origin);
    arc.start_angle = start_angle;
    arc.end_angle = end_angle;
    arc.radius = radius;
    return PRO_TK_NO_ERROR;
}
SIMHOST_CATCH

}  // extern "C"
