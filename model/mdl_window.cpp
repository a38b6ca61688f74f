// Repainting and refreshing a model through the window that shows it.
#include "drawing/window.h"
#include "model/mdl.h"

namespace Ardo {

void Mdl::Repaint() {
    requireHandle("Ardo::Mdl::Repaint");
    Window(WindowGet()).Repaint();
}

void Mdl::Refresh() {
    requireHandle("Ardo::Mdl::Refresh");
    Window(WindowGet()).Refresh();
}

}  // namespace Ardo
