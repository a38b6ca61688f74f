// Dimensions of solids and features, and the session's dimension display mode.
#include <ProDimension.h>

#include <cmath>
#include <string>
#include <vector>

#include "simhost/api/enum_args.h"
#include "simhost/api/owner_args.h"
#include "simhost/api/visit_step.h"
#include "simhost/core/entry.h"
#include "simhost/core/wide.h"
#include "simhost/state/dims.h"

using namespace simhost::core;
using namespace simhost::state;
using simhost::api::featureArg;
using simhost::api::featureOf;
using simhost::api::handleArg;
using simhost::api::isSolid;
using simhost::api::itemArg;
using simhost::api::modelOf;
using simhost::api::wideArg;
using simhost::api::wideBuffer;

namespace {

// The dimension a handle names: PRO_TK_NO_ERROR, PRO_TK_BAD_INPUTS (no handle, not a dimension
// handle, no such solid) or PRO_TK_E_NOT_FOUND (no such dimension).
ProError dimOf(Session* s, const ProDimension* handle, Model*& model, Dimension*& dim) {
    if (handle == nullptr || (handle->type != PRO_DIMENSION && handle->type != PRO_REF_DIMENSION)) {
        return PRO_TK_BAD_INPUTS;
    }
    model = modelOf(s, handle->owner);
    if (model == nullptr || !isSolid(*model)) {
        return PRO_TK_BAD_INPUTS;
    }
    dim = dims(*model).find(handle->id);
    return dim == nullptr ? PRO_TK_E_NOT_FOUND : PRO_TK_NO_ERROR;
}

ProDimension handleOf(int modelId, const Dimension& dim) {
    ProDimension out;
    out.type = dim.reference ? PRO_REF_DIMENSION : PRO_DIMENSION;
    out.id = dim.id;
    out.owner = modelHandle(modelId);
    return out;
}

// Visits the dimensions of `ids` that still exist when their turn comes, so that the
// callbacks may change the model.
ProError visitDims(Session* s, int modelId, const std::vector<int>& ids,
                   ProDimensionVisitAction action, ProDimensionFilterAction filter,
                   ProAppData data) {
    bool visited = false;
    for (int id : ids) {
        Model* model = modelOf(s, modelHandle(modelId));
        if (model == nullptr) {
            break;
        }
        Dimension* dim = dims(*model).find(id);
        if (dim == nullptr) {
            continue;
        }
        ProDimension handle = handleOf(modelId, *dim);
        ProError result = PRO_TK_NO_ERROR;
        if (simhost::api::visitStepEnds(&handle, filter, action, data, visited, result)) {
            return result;
        }
    }
    return visited ? PRO_TK_NO_ERROR : PRO_TK_E_NOT_FOUND;
}

std::string dimArg(const ProDimension* dim) {
    return itemArg(dim);
}

}  // namespace

extern "C" {

ProError ProSolidDimensionVisit(ProSolid solid, ProBoolean refdim, ProDimensionVisitAction action,
                                ProDimensionFilterAction filter, ProAppData data) try {
    SIMHOST_ENTER("ProSolidDimensionVisit", handleArg(solid),
                  std::to_string(simhost::api::plainInt(refdim)));
    SIMHOST_SESSION(s);
    Model* model = modelOf(s, solid);
    if (model == nullptr || !isSolid(*model) || action == nullptr ||
        !simhost::api::booleanValid(refdim)) {
        return PRO_TK_BAD_INPUTS;
    }
    return visitDims(s, model->id, dims(*model).ids(refdim == PRO_B_TRUE), action, filter, data);
}
SIMHOST_CATCH

ProError ProFeatureDimensionVisit(ProFeature* feature, ProDimensionVisitAction visit,
                                  ProDimensionFilterAction filter, ProAppData data) try {
    SIMHOST_ENTER("ProFeatureDimensionVisit", featureArg(feature));
    SIMHOST_SESSION(s);
    Model* model = nullptr;
    Feature* f = nullptr;
    if (visit == nullptr) {
        return PRO_TK_BAD_INPUTS;
    }
    ProError rc = featureOf(s, feature, model, f);
    if (rc != PRO_TK_NO_ERROR) {
        return rc;
    }
    return visitDims(s, model->id, dims(*model).idsOfFeature(f->id), visit, filter, data);
}
SIMHOST_CATCH

ProError ProDimensionSymbolGet(ProDimension* dimension, ProName symbol) try {
    SIMHOST_ENTER("ProDimensionSymbolGet", dimArg(dimension));
    SIMHOST_SESSION(s);
    Model* model = nullptr;
    Dimension* dim = nullptr;
    if (symbol == nullptr) {
        return PRO_TK_BAD_INPUTS;
    }
    ProError rc = dimOf(s, dimension, model, dim);
    if (rc != PRO_TK_NO_ERROR) {
        return rc;
    }
    copyWide(symbol, PRO_NAME_SIZE, dim->symbol);
    return PRO_TK_NO_ERROR;
}
SIMHOST_CATCH

ProError ProDimensionSymbolSet(ProDimension* dimension, ProName symbol) try {
    SIMHOST_ENTER("ProDimensionSymbolSet", dimArg(dimension), wideArg(symbol, PRO_NAME_SIZE));
    SIMHOST_SESSION(s);
    Model* model = nullptr;
    Dimension* dim = nullptr;
    std::wstring text;
    if (!wideBuffer(symbol, PRO_NAME_SIZE, text) || !dimSymbolValid(text)) {
        return PRO_TK_BAD_INPUTS;
    }
    ProError rc = dimOf(s, dimension, model, dim);
    if (rc != PRO_TK_NO_ERROR) {
        return rc;
    }
    if (!dims(*model).rename(*dim, text)) {
        return PRO_TK_E_FOUND;
    }
    model->touch();
    return PRO_TK_NO_ERROR;
}
SIMHOST_CATCH

ProError ProDimensionValueGet(ProDimension* dimension, double* value) try {
    SIMHOST_ENTER("ProDimensionValueGet", dimArg(dimension));
    SIMHOST_SESSION(s);
    Model* model = nullptr;
    Dimension* dim = nullptr;
    if (value == nullptr) {
        return PRO_TK_BAD_INPUTS;
    }
    ProError rc = dimOf(s, dimension, model, dim);
    if (rc != PRO_TK_NO_ERROR) {
        return rc;
    }
    *value = dim->value;
    return PRO_TK_NO_ERROR;
}
SIMHOST_CATCH

ProError ProDimensionValueSet(ProDimension* dimension, double value) try {
    SIMHOST_ENTER("ProDimensionValueSet", dimArg(dimension), std::to_string(value));
    SIMHOST_SESSION(s);
    Model* model = nullptr;
    Dimension* dim = nullptr;
    if (!std::isfinite(value)) {
        return PRO_TK_BAD_INPUTS;
    }
    ProError rc = dimOf(s, dimension, model, dim);
    if (rc != PRO_TK_NO_ERROR) {
        return rc;
    }
    // A reference dimension follows the geometry; it cannot be driven.
    if (dim->reference) {
        return PRO_TK_BAD_CONTEXT;
    }
    dim->value = value;
    model->touch();
    return PRO_TK_NO_ERROR;
}
SIMHOST_CATCH

ProError ProDimensionIsRegenednegative(ProDimension* dimension, ProBoolean* regened_negative) try {
    SIMHOST_ENTER("ProDimensionIsRegenednegative", dimArg(dimension));
    SIMHOST_SESSION(s);
    Model* model = nullptr;
    Dimension* dim = nullptr;
    if (regened_negative == nullptr) {
        return PRO_TK_BAD_INPUTS;
    }
    ProError rc = dimOf(s, dimension, model, dim);
    if (rc != PRO_TK_NO_ERROR) {
        return rc;
    }
    *regened_negative = dim->regenNegative ? PRO_B_TRUE : PRO_B_FALSE;
    return PRO_TK_NO_ERROR;
}
SIMHOST_CATCH

ProError ProDimensionShow(ProDimension* dimension, ProView view, ProDrawing drawing,
                          ProAsmcomppath* path) try {
    SIMHOST_ENTER("ProDimensionShow", dimArg(dimension));
    SIMHOST_SESSION(s);
    (void)view;
    Model* model = nullptr;
    Dimension* dim = nullptr;
    if (drawing != nullptr) {
        Model* sheet = modelOf(s, drawing);
        if (sheet == nullptr || sheet->type != kDrawing) {
            return PRO_TK_BAD_INPUTS;
        }
    }
    if (path != nullptr && (path->table_num < 0 || path->table_num > PRO_MAX_ASSEM_LEVEL)) {
        return PRO_TK_BAD_INPUTS;
    }
    ProError rc = dimOf(s, dimension, model, dim);
    if (rc != PRO_TK_NO_ERROR) {
        return rc;
    }
    // Showing is a display state, not a change of the model.
    dim->shown = true;
    return PRO_TK_NO_ERROR;
}
SIMHOST_CATCH

ProError ProDisplaymodeGet(ProDisplayMode* mode) try {
    SIMHOST_ENTER("ProDisplaymodeGet");
    SIMHOST_SESSION(s);
    if (mode == nullptr) {
        return PRO_TK_BAD_INPUTS;
    }
    *mode = static_cast<ProDisplayMode>(s->area<DimDisplay>().mode);
    return PRO_TK_NO_ERROR;
}
SIMHOST_CATCH

ProError ProDisplaymodeSet(ProDisplayMode mode) try {
    SIMHOST_ENTER("ProDisplaymodeSet", std::to_string(mode));
    SIMHOST_SESSION(s);
    if (mode != PRODISPMODE_NUMERIC && mode != PRODISPMODE_SYMBOLIC) {
        return PRO_TK_BAD_INPUTS;
    }
    s->area<DimDisplay>().mode = mode;
    return PRO_TK_NO_ERROR;
}
SIMHOST_CATCH

}  // extern "C"
