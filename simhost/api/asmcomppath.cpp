// Component paths and placement matrices.
#include <ProAsmcomppath.h>

#include <cmath>
#include <string>

#include "simhost/api/model_args.h"
#include "simhost/core/entry.h"
#include "simhost/state/components.h"

using namespace simhost::core;
using namespace simhost::state;
using simhost::api::handleArg;
using simhost::api::isSolid;
using simhost::api::modelOf;

namespace {

// The end model of a path and its placement in the path's root: PRO_TK_BAD_INPUTS for no
// path, a root that is no solid or ids that lead nowhere; PRO_TK_E_NOT_FOUND when a
// model on the way is not in session.
ProError pathResolve(Session* s, const ProAsmcomppath* path, Model** end,
                     simhost::geometry::Placement* placement) {
    if (path == nullptr) {
        return PRO_TK_BAD_INPUTS;
    }
    Model* root = modelOf(s, path->owner);
    if (root == nullptr || !isSolid(*root)) {
        return PRO_TK_BAD_INPUTS;
    }
    return componentPathResolve(*s, *root, path->comp_id_table, path->table_num, end, placement);
}

void matrixOf(const simhost::geometry::Placement& p, ProMatrix out) {
    const simhost::geometry::Vec3* rows[4] = {&p.x, &p.y, &p.z, &p.origin};
    for (int r = 0; r < 4; ++r) {
        for (int k = 0; k < 3; ++k) {
            out[r][k] = (*rows[r])[k];
        }
        out[r][3] = r == 3 ? 1.0 : 0.0;
    }
}

std::string pathArg(const ProAsmcomppath* path) {
    if (path == nullptr) {
        return "null";
    }
    std::string text = handleArg(path->owner);
    for (int k = 0; k < path->table_num && k < PRO_MAX_ASSEM_LEVEL; ++k) {
        text += ":" + std::to_string(path->comp_id_table[k]);
    }
    return text;
}

}  // namespace

extern "C" {

ProError ProAsmcomppathInit(ProSolid p_solid_handle, ProIdTable memb_id_tab, int table_size,
                            ProAsmcomppath* p_handle) try {
    SIMHOST_ENTER("ProAsmcomppathInit", handleArg(p_solid_handle), std::to_string(table_size));
    SIMHOST_SESSION(s);
    Model* m = modelOf(s, p_solid_handle);
    if (m == nullptr || !isSolid(*m) || p_handle == nullptr || table_size < 0 ||
        table_size > PRO_MAX_ASSEM_LEVEL || (table_size > 0 && memb_id_tab == nullptr)) {
        return PRO_TK_BAD_INPUTS;
    }
    // The ids are checked here, so that a path that exists is never refused later
    // unless the assembly changes.
    if (componentPathResolve(*s, *m, memb_id_tab, table_size, nullptr, nullptr) !=
        PRO_TK_NO_ERROR) {
        return PRO_TK_E_NOT_FOUND;
    }
    *p_handle = ProAsmcomppath{};
    p_handle->owner = p_solid_handle;
    p_handle->table_num = table_size;
    for (int k = 0; k < table_size; ++k) {
        p_handle->comp_id_table[k] = memb_id_tab[k];
    }
    return PRO_TK_NO_ERROR;
}
SIMHOST_CATCH

ProError ProAsmcomppathMdlGet(ProAsmcomppath* p_path, ProMdl* p_model) try {
    SIMHOST_ENTER("ProAsmcomppathMdlGet", pathArg(p_path));
    SIMHOST_SESSION(s);
    Model* end = nullptr;
    if (p_model == nullptr) {
        return PRO_TK_BAD_INPUTS;
    }
    if (ProError rc = pathResolve(s, p_path, &end, nullptr)) {
        return rc;
    }
    *p_model = modelHandle(end->id);
    return PRO_TK_NO_ERROR;
}
SIMHOST_CATCH

ProError ProAsmcomppathTrfGet(ProAsmcomppath* p_path, ProBoolean bottom_up,
                              ProMatrix transformation) try {
    SIMHOST_ENTER("ProAsmcomppathTrfGet", pathArg(p_path), std::to_string(bottom_up));
    SIMHOST_SESSION(s);
    simhost::geometry::Placement placement;
    if (transformation == nullptr || (bottom_up != PRO_B_TRUE && bottom_up != PRO_B_FALSE)) {
        return PRO_TK_BAD_INPUTS;
    }
    if (ProError rc = pathResolve(s, p_path, nullptr, &placement)) {
        return rc;
    }
    matrixOf(bottom_up == PRO_B_TRUE ? placement : placementInverse(placement), transformation);
    return PRO_TK_NO_ERROR;
}
SIMHOST_CATCH

ProError ProPntTrfEval(ProVector in_point, ProMatrix trf, ProVector out_point) try {
    SIMHOST_ENTER("ProPntTrfEval");
    if (in_point == nullptr || trf == nullptr || out_point == nullptr) {
        return PRO_TK_BAD_INPUTS;
    }
    // Row vector (x, y, z, 1) times the matrix; the input may be the output.
    double out[3];
    for (int k = 0; k < 3; ++k) {
        out[k] =
            in_point[0] * trf[0][k] + in_point[1] * trf[1][k] + in_point[2] * trf[2][k] + trf[3][k];
    }
    for (int k = 0; k < 3; ++k) {
        out_point[k] = out[k];
    }
    return PRO_TK_NO_ERROR;
}
SIMHOST_CATCH

ProError ProMatrixInit(ProVector x_vector, ProVector y_vector, ProVector z_vector,
                       ProPoint3d origin, ProMatrix matrix) try {
    SIMHOST_ENTER("ProMatrixInit");
    if (x_vector == nullptr || y_vector == nullptr || z_vector == nullptr || origin == nullptr ||
        matrix == nullptr) {
        return PRO_TK_BAD_INPUTS;
    }
    const double* rows[4] = {x_vector, y_vector, z_vector, origin};
    double out[4][4];
    for (int r = 0; r < 4; ++r) {
        for (int k = 0; k < 3; ++k) {
            if (!std::isfinite(rows[r][k])) {
                return PRO_TK_BAD_INPUTS;
            }
            out[r][k] = rows[r][k];
        }
        out[r][3] = r == 3 ? 1.0 : 0.0;
    }
    for (int r = 0; r < 4; ++r) {
        for (int k = 0; k < 4; ++k) {
            matrix[r][k] = out[r][k];
        }
    }
    return PRO_TK_NO_ERROR;
}
SIMHOST_CATCH

}  // extern "C"
