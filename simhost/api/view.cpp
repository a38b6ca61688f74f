// Views of a model: the current orientation, views stored under names, refits.
#include <ProView.h>

#include <string>

#include "simhost/api/model_args.h"
#include "simhost/core/entry.h"
#include "simhost/state/views.h"

using namespace simhost::core;
using namespace simhost::state;
using simhost::api::handleArg;
using simhost::api::modelOf;
using simhost::api::wideArg;
using simhost::api::wideText;
namespace geometry = simhost::geometry;

namespace {

// The view name of a caller's line: a valid name (1 to 31 letters, digits, '_' or '-'),
// in upper case; false otherwise.
bool viewName(const wchar_t* line, std::string& out) {
    std::string text;
    if (!wideText(line, PRO_LINE_SIZE, text) || !modelNameValid(text)) {
        return false;
    }
    out = upperName(text);
    return true;
}

ProView handleOf(const NamedView& view) {
    return reinterpret_cast<ProView>(view.serial);
}

// The orientation a view handle stands for: the named view's, or the current one for
// NULL; null for a handle the model does not have.
geometry::Placement* orientationOf(ViewState& views, ProView view) {
    if (view == nullptr) {
        return &views.current;
    }
    NamedView* named = viewByHandle(views, view);
    return named != nullptr ? &named->orientation : nullptr;
}

std::string viewArg(ProView view) {
    return view == nullptr ? "current" : std::to_string(reinterpret_cast<std::uintptr_t>(view));
}

}  // namespace

extern "C" {

ProError ProViewStore(ProMdl model, ProLine view_name, ProView* p_view) try {
    SIMHOST_ENTER("ProViewStore", handleArg(model), wideArg(view_name, PRO_LINE_SIZE));
    SIMHOST_SESSION(s);
    Model* m = modelOf(s, model);
    std::string name;
    if (m == nullptr || !viewName(view_name, name)) {
        return PRO_TK_BAD_INPUTS;
    }
    ViewState& views = viewState(*m);
    NamedView* view = viewByName(views, name);
    if (view == nullptr) {
        views.named.push_back(NamedView{viewSerialNext(), name, {}});
        view = &views.named.back();
    }
    view->orientation = views.current;
    m->touch();
    if (p_view != nullptr) {
        *p_view = handleOf(*view);
    }
    return PRO_TK_NO_ERROR;
}
SIMHOST_CATCH

ProError ProViewRetrieve(ProMdl model, ProLine view_name, ProView* p_view) try {
    SIMHOST_ENTER("ProViewRetrieve", handleArg(model), wideArg(view_name, PRO_LINE_SIZE));
    SIMHOST_SESSION(s);
    Model* m = modelOf(s, model);
    std::string name;
    if (m == nullptr || !viewName(view_name, name)) {
        return PRO_TK_BAD_INPUTS;
    }
    ViewState& views = viewState(*m);
    NamedView* view = viewByName(views, name);
    if (view == nullptr) {
        return PRO_TK_E_NOT_FOUND;
    }
    views.current = view->orientation;
    if (p_view != nullptr) {
        *p_view = handleOf(*view);
    }
    return PRO_TK_NO_ERROR;
}
SIMHOST_CATCH

ProError ProViewNameToView(ProMdl model, ProLine view_name, ProView* p_view) try {
    SIMHOST_ENTER("ProViewNameToView", handleArg(model), wideArg(view_name, PRO_LINE_SIZE));
    SIMHOST_SESSION(s);
    Model* m = modelOf(s, model);
    std::string name;
    if (m == nullptr || p_view == nullptr || !viewName(view_name, name)) {
        return PRO_TK_BAD_INPUTS;
    }
    NamedView* view = viewByName(viewState(*m), name);
    if (view == nullptr) {
        return PRO_TK_E_NOT_FOUND;
    }
    *p_view = handleOf(*view);
    return PRO_TK_NO_ERROR;
}
SIMHOST_CATCH

ProError ProViewMatrixGet(ProMdl model, ProView view_handle, ProMatrix matrix) try {
    SIMHOST_ENTER("ProViewMatrixGet", handleArg(model), viewArg(view_handle));
    SIMHOST_SESSION(s);
    Model* m = modelOf(s, model);
    if (m == nullptr || matrix == nullptr) {
        return PRO_TK_BAD_INPUTS;
    }
    const geometry::Placement* orientation = orientationOf(viewState(*m), view_handle);
    if (orientation == nullptr) {
        return PRO_TK_BAD_INPUTS;
    }
    const geometry::Vec3* rows[3] = {&orientation->x, &orientation->y, &orientation->z};
    for (int r = 0; r < 3; ++r) {
        for (int c = 0; c < 3; ++c) {
            matrix[r][c] = (*rows[r])[static_cast<std::size_t>(c)];
        }
        matrix[r][3] = 0.0;
        matrix[3][r] = 0.0;
    }
    matrix[3][3] = 1.0;
    return PRO_TK_NO_ERROR;
}
SIMHOST_CATCH

ProError ProViewMatrixSet(ProMdl model, ProView view_handle, ProMatrix matrix) try {
    SIMHOST_ENTER("ProViewMatrixSet", handleArg(model), viewArg(view_handle));
    SIMHOST_SESSION(s);
    Model* m = modelOf(s, model);
    if (m == nullptr || matrix == nullptr) {
        return PRO_TK_BAD_INPUTS;
    }
    geometry::Placement* orientation = orientationOf(viewState(*m), view_handle);
    geometry::Placement given;
    given.x = {matrix[0][0], matrix[0][1], matrix[0][2]};
    given.y = {matrix[1][0], matrix[1][1], matrix[1][2]};
    given.z = {matrix[2][0], matrix[2][1], matrix[2][2]};
    // A view is an orientation: a rotation that is no rotation (scaled, sheared,
    // mirrored) is refused, not repaired; the origin row is not kept.
    if (orientation == nullptr || !viewOrientationValid(given)) {
        return PRO_TK_BAD_INPUTS;
    }
    *orientation = given;
    if (view_handle != nullptr) {
        m->touch();
    }
    return PRO_TK_NO_ERROR;
}
SIMHOST_CATCH

ProError ProViewReset(ProMdl model, ProView view_handle) try {
    SIMHOST_ENTER("ProViewReset", handleArg(model), viewArg(view_handle));
    SIMHOST_SESSION(s);
    Model* m = modelOf(s, model);
    if (m == nullptr) {
        return PRO_TK_BAD_INPUTS;
    }
    geometry::Placement* orientation = orientationOf(viewState(*m), view_handle);
    if (orientation == nullptr) {
        return PRO_TK_BAD_INPUTS;
    }
    *orientation = geometry::Placement{};
    if (view_handle != nullptr) {
        m->touch();
    }
    return PRO_TK_NO_ERROR;
}
SIMHOST_CATCH

ProError ProViewRefit(ProMdl model, ProView view) try {
    SIMHOST_ENTER("ProViewRefit", handleArg(model), viewArg(view));
    SIMHOST_SESSION(s);
    Model* m = modelOf(s, model);
    if (m == nullptr) {
        return PRO_TK_BAD_INPUTS;
    }
    ViewState& views = viewState(*m);
    if (orientationOf(views, view) == nullptr) {
        return PRO_TK_BAD_INPUTS;
    }
    ++views.refits;
    return PRO_TK_NO_ERROR;
}
SIMHOST_CATCH

}  // extern "C"
