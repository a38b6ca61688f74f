// Repainting and refreshing a model through the window that shows it. The window is
// addressed by its id as Ardo::Window addresses it, and a failure carries the window's
// operation name; the model's recorded status is not touched.
#include <ProWindows.h>

#include "kelt2proe/error.h"
#include "model/mdl.h"

namespace Ardo {

namespace {

void throwOnFailure(ProError result, const char* text) {
    if (result != PRO_TK_NO_ERROR) {
        throw Error(result, text);
    }
}

}  // namespace

void Mdl::Repaint() {
    requireHandle("Ardo::Mdl::Repaint");
    throwOnFailure(ProWindowRepaint(WindowGet()), "Ardo::Window::Repaint");
}

void Mdl::Refresh() {
    requireHandle("Ardo::Mdl::Refresh");
    throwOnFailure(ProWindowRefresh(WindowGet()), "Ardo::Window::Refresh");
}

}  // namespace Ardo
