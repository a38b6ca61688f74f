// Repainting and refreshing a model through the window that shows it. The window is
// addressed by its id as Ardo::Window addresses it, and a failure carries the window's
// operation name; the model's recorded status is not touched.
#include <ProWindows.h>

#include "model/mdl.h"
#include "toolkit/check.h"

namespace Ardo {

void Mdl::Repaint() {
    requireHandle("Ardo::Mdl::Repaint");
    Ardo::check(ProWindowRepaint(WindowGet()), "Ardo::Window::Repaint");
}

void Mdl::Refresh() {
    requireHandle("Ardo::Mdl::Refresh");
    Ardo::check(ProWindowRefresh(WindowGet()), "Ardo::Window::Refresh");
}

}  // namespace Ardo
