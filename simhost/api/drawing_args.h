// Argument helpers of the drawing functions: drawings and their views by handle, and
// transforms in the host's row layout (rows 0 to 2 the axes, row 3 the origin).
#pragma once

#include <ProDrawing.h>

#include <cmath>
#include <cstdint>
#include <string>

#include "simhost/api/model_args.h"
#include "simhost/state/drawings.h"

namespace simhost::api {

// The drawing of a handle (type 4), or null; with `formats` also a drawing format.
inline state::Model* drawingOf(state::Session* s, const void* handle, bool formats = false) {
    state::Model* model = modelOf(s, handle);
    if (model == nullptr) {
        return nullptr;
    }
    const bool drawing =
        model->type == state::kDrawing || (formats && model->type == state::kDrawingFormat);
    return drawing ? model : nullptr;
}

inline ProView viewHandle(const state::DrawingView& view) {
    return reinterpret_cast<ProView>(view.serial);
}

inline std::string viewArg(ProView view) {
    return std::to_string(reinterpret_cast<std::uintptr_t>(view));
}

inline void rowsOf(const geometry::Placement& t, ProMatrix matrix) {
    const geometry::Vec3* rows[4] = {&t.x, &t.y, &t.z, &t.origin};
    for (int r = 0; r < 4; ++r) {
        for (int k = 0; k < 3; ++k) {
            matrix[r][k] = (*rows[r])[static_cast<std::size_t>(k)];
        }
        matrix[r][3] = r == 3 ? 1.0 : 0.0;
    }
}

// False when a number of the matrix is not finite.
inline bool matrixFinite(const ProMatrix matrix) {
    for (int r = 0; r < 4; ++r) {
        for (int k = 0; k < 4; ++k) {
            if (!std::isfinite(matrix[r][k])) {
                return false;
            }
        }
    }
    return true;
}

}  // namespace simhost::api
