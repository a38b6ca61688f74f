// Views of the model: named views stored and retrieved, the current orientation read
// and set as a matrix (the host's layout is the transpose), reset and refit.
#include <ProView.h>

#include "base/text.h"
#include "model/mdl.h"

namespace Ardo {

namespace {

// A view name widened for the host's line buffer (a longer name is cut there, and the
// host refuses it as too long for a name).
struct ViewName {
    ProLine wide = {};
    explicit ViewName(const char* name) { text::widenBounded(wide, name == nullptr ? "" : name); }
};

}  // namespace

void Mdl::ViewRetrieve(const char* viewName) {
    requireHandle("Ardo::Mdl::ViewRetrieve");
    ViewName wide(viewName);
    ProView view = nullptr;
    check(ProViewRetrieve(handle, wide.wide, &view), "Ardo::Mdl::ViewRetrieve");
}

void Mdl::ViewStore(const char* viewName) {
    requireHandle("Ardo::Mdl::ViewStore");
    ViewName wide(viewName);
    ProView view = nullptr;
    check(ProViewStore(handle, wide.wide, &view), "Ardo::Mdl::ViewStore");
}

void Mdl::ViewReset() {
    requireHandle("Ardo::Mdl::ViewReset");
    check(ProViewReset(handle, nullptr), "Ardo::Mdl::ViewReset");
}

void Mdl::ViewRefit() {
    requireHandle("Ardo::Mdl::ViewRefit");
    check(ProViewRefit(handle, nullptr), "Ardo::Mdl::ViewRefit");
}

Matrix Mdl::ViewMatrixGet(const char* viewName) {
    ProView view = nullptr;
    if (viewName != nullptr && viewName[0] != '\0') {
        ViewName wide(viewName);
        check(ProViewNameToView(handle, wide.wide, &view), "Ardo::kelt2pMdl::ViewMatrixGet");
    }
    requireHandle("Ardo::Mdl::ViewMatrixGet");
    ProMatrix host = {};
    check(ProViewMatrixGet(handle, view, host), "Ardo::Mdl::ViewMatrixGet");
    // Get4X4ProE's transposition read the other way.
    return ~Matrix(host);
}

void Mdl::ViewMatrixSet(Matrix& m) {
    requireHandle("Ardo::Mdl::ViewMatrixSet");
    m.Normalize();
    ProMatrix host = {};
    m.Get4X4ProE(host);
    check(ProViewMatrixSet(handle, nullptr, host), "Ardo::Mdl::ViewMatrixSet");
}

}  // namespace Ardo
