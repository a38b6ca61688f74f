// Interface data collections and data sources.
#include <ProIntfData.h>

#include <cstring>
#include <string>
#include <utility>

#include "simhost/api/curve_records.h"
#include "simhost/api/enum_args.h"
#include "simhost/api/intf_data.h"
#include "simhost/api/live_kind.h"
#include "simhost/core/entry.h"

namespace simhost::api {

namespace {

LiveKind& collections() {
    static auto* kind = new LiveKind;
    return *kind;
}

void intfDataRelease(const void* p) {
    collections().forget(p);
    delete static_cast<const ProIntfData*>(p);
}

}  // namespace

ProIntfData* intfDataLive(void* p) {
    return collections().live(p) ? static_cast<ProIntfData*>(p) : nullptr;
}

}  // namespace simhost::api

using simhost::api::collections;
using simhost::api::intfDataLive;

extern "C" {

ProError ProIntfDataAlloc(ProIntfData** pp_intfdata) try {
    SIMHOST_ENTER("ProIntfDataAlloc");
    if (pp_intfdata == nullptr) {
        return PRO_TK_BAD_INPUTS;
    }
    auto* data = new ProIntfData{};
    collections().add(data, simhost::api::intfDataRelease);
    *pp_intfdata = data;
    return PRO_TK_NO_ERROR;
}
SIMHOST_CATCH

ProError ProIntfDataFree(ProIntfData* p_intfdata) try {
    SIMHOST_ENTER("ProIntfDataFree");
    if (!collections().remove(p_intfdata)) {
        return PRO_TK_BAD_INPUTS;
    }
    simhost::api::intfDataRelease(p_intfdata);
    return PRO_TK_NO_ERROR;
}
SIMHOST_CATCH

ProError ProIntfDataCurveAppend(ProIntfData* p_intfdata, ProCurvedata* p_curve) try {
    SIMHOST_ENTER("ProIntfDataCurveAppend");
    ProIntfData* data = intfDataLive(p_intfdata);
    simhost::state::CurveGeometry geometry;
    if (data == nullptr || p_curve == nullptr ||
        !simhost::api::curveRecordRead(*p_curve, geometry)) {
        return PRO_TK_BAD_INPUTS;
    }
    data->curves.push_back(std::move(geometry));
    return PRO_TK_NO_ERROR;
}
SIMHOST_CATCH

ProError ProIntfDataSourceInit(ProIntfType intf_type, void* p_source,
                               ProIntfDataSource* data_source) try {
    const int type = simhost::api::plainInt(intf_type);
    SIMHOST_ENTER("ProIntfDataSourceInit", std::to_string(type));
    if (data_source == nullptr || p_source == nullptr || type <= PRO_INTF_NONE ||
        type > PRO_INTF_PARASOLID) {
        return PRO_TK_BAD_INPUTS;
    }
    if (type == PRO_INTF_NEUTRAL) {
        ProIntfData* data = intfDataLive(p_source);
        if (data == nullptr) {
            return PRO_TK_BAD_INPUTS;
        }
        data_source->intf_type = PRO_INTF_NEUTRAL;
        data_source->choice.p_pro_intf_data = data;
        return PRO_TK_NO_ERROR;
    }
    data_source->intf_type = intf_type;
    data_source->choice.filename = static_cast<wchar_t*>(p_source);
    return PRO_TK_NO_ERROR;
}
SIMHOST_CATCH

}  // extern "C"
