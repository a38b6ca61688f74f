// Host windows.
#include <ProWindows.h>

#include <string>
#include <vector>

#include "simhost/core/entry.h"
#include "simhost/state/models.h"
#include "simhost/state/windows.h"

using namespace simhost::core;
using namespace simhost::state;

namespace {

// Counts a redraw of the window `id` in `counter`; PRO_TK_BAD_INPUTS for no such window.
ProError countRedraw(Session* s, int id, int Window::*counter) {
    Window* w = s->area<WindowStore>().byId(id);
    if (w == nullptr) {
        return PRO_TK_BAD_INPUTS;
    }
    ++(w->*counter);
    return PRO_TK_NO_ERROR;
}

}  // namespace

extern "C" {

ProError ProWindowCurrentGet(int* p_window_id) try {
    SIMHOST_ENTER("ProWindowCurrentGet");
    SIMHOST_SESSION(s);
    if (p_window_id == nullptr) {
        return PRO_TK_BAD_INPUTS;
    }
    *p_window_id = s->area<WindowStore>().current().id;
    return PRO_TK_NO_ERROR;
}
SIMHOST_CATCH

ProError ProWindowActivate(int window) try {
    SIMHOST_ENTER("ProWindowActivate", std::to_string(window));
    SIMHOST_SESSION(s);
    auto& windows = s->area<WindowStore>();
    Window* w = windows.byId(window);
    if (w == nullptr) {
        return PRO_TK_BAD_INPUTS;
    }
    windows.activate(*w);
    return PRO_TK_NO_ERROR;
}
SIMHOST_CATCH

ProError ProWindowClear(int window_id) try {
    SIMHOST_ENTER("ProWindowClear", std::to_string(window_id));
    SIMHOST_SESSION(s);
    return countRedraw(s, window_id, &Window::repaints);
}
SIMHOST_CATCH

ProError ProWindowCurrentClose(void) try {
    SIMHOST_ENTER("ProWindowCurrentClose");
    SIMHOST_SESSION(s);
    s->area<WindowStore>().closeCurrent();
    return PRO_TK_NO_ERROR;
}
SIMHOST_CATCH

ProError ProWindowRepaint(int window_id) try {
    SIMHOST_ENTER("ProWindowRepaint", std::to_string(window_id));
    SIMHOST_SESSION(s);
    return countRedraw(s, window_id, &Window::repaints);
}
SIMHOST_CATCH

ProError ProWindowRefresh(int window_id) try {
    SIMHOST_ENTER("ProWindowRefresh", std::to_string(window_id));
    SIMHOST_SESSION(s);
    return countRedraw(s, window_id, &Window::refreshes);
}
SIMHOST_CATCH

ProError ProWindowMdlGet(int window, ProMdl* r_mdl) try {
    SIMHOST_ENTER("ProWindowMdlGet", std::to_string(window));
    SIMHOST_SESSION(s);
    Window* w = s->area<WindowStore>().byId(window);
    if (w == nullptr || r_mdl == nullptr) {
        return PRO_TK_BAD_INPUTS;
    }
    if (w->modelId == 0) {
        return PRO_TK_E_NOT_FOUND;
    }
    *r_mdl = modelHandle(w->modelId);
    return PRO_TK_NO_ERROR;
}
SIMHOST_CATCH

ProError ProWindowsVisit(ProWindowVisitAction visit_func, ProAppData app_data) try {
    SIMHOST_ENTER("ProWindowsVisit");
    SIMHOST_SESSION(s);
    if (visit_func == nullptr) {
        return PRO_TK_BAD_INPUTS;
    }
    // The ids are taken first, so that an action that opens or closes windows does not
    // disturb the visit.
    std::vector<int> ids = s->area<WindowStore>().openIds();
    for (int id : ids) {
        ProError rc = visit_func(id, app_data);
        if (rc != PRO_TK_NO_ERROR) {
            return rc;
        }
    }
    return PRO_TK_NO_ERROR;
}
SIMHOST_CATCH

}  // extern "C"
