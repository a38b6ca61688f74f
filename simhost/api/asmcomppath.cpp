// Component paths and placement matrices.
#include <ProAsmcomppath.h>

#include <cmath>
#include <string>

#include "simhost/api/model_args.h"
#include "simhost/core/entry.h"

using namespace simhost::core;
using namespace simhost::state;
using simhost::api::handleArg;
using simhost::api::isSolid;
using simhost::api::modelOf;

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
    // Components come with assemblies: until then no path goes below its root.
    if (table_size > 0) {
        return PRO_TK_E_NOT_FOUND;
    }
    *p_handle = ProAsmcomppath{};
    p_handle->owner = p_solid_handle;
    p_handle->table_num = 0;
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
