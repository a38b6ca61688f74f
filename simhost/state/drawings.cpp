// Drawing views: serial numbers, handles and the view's transform.
#include "simhost/state/drawings.h"

#include <atomic>

namespace simhost::state {

std::uintptr_t drawingViewSerialNext() {
    static std::atomic<std::uintptr_t> next{1};
    return next++;
}

DrawingView* drawingViewByHandle(DrawingState& drawing, const void* handle) {
    const auto serial = reinterpret_cast<std::uintptr_t>(handle);
    if (serial == 0) {
        return nullptr;
    }
    for (DrawingView& view : drawing.views) {
        if (view.serial == serial) {
            return &view;
        }
    }
    return nullptr;
}

geometry::Placement viewToDrawing(const DrawingView& view) {
    // d = position + scale * R (p - c), R with the view's axes as rows: as a placement,
    // the columns of scale * R are the images of the model's axes.
    const geometry::Placement& r = view.orientation;
    geometry::Placement t;
    for (int i = 0; i < 3; ++i) {
        t.x[i] = view.scale * (i == 0 ? r.x[0] : i == 1 ? r.y[0] : r.z[0]);
        t.y[i] = view.scale * (i == 0 ? r.x[1] : i == 1 ? r.y[1] : r.z[1]);
        t.z[i] = view.scale * (i == 0 ? r.x[2] : i == 1 ? r.y[2] : r.z[2]);
    }
    for (int i = 0; i < 3; ++i) {
        t.origin[i] =
            view.position[i] - (t.x[i] * view.modelCentre[0] + t.y[i] * view.modelCentre[1] +
                                t.z[i] * view.modelCentre[2]);
    }
    return t;
}

geometry::Vec3 viewPointToDrawing(const DrawingView& view, const geometry::Vec3& p) {
    return geometry::placePoint(viewToDrawing(view), p);
}

}  // namespace simhost::state
