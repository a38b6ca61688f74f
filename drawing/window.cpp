#include "drawing/window.h"

#include <ProWindows.h>

#include "base/subscript.h"
#include "kelt2proe/error.h"

namespace Ardo {

namespace {

// Window ids found by the last List() of any window object.
std::vector<int>& listedWindows() {
    static std::vector<int> ids;
    return ids;
}

ProError collectWindowId(int windowId, ProAppData data) {
    static_cast<std::vector<int>*>(data)->push_back(windowId);
    return PRO_TK_NO_ERROR;
}

}  // namespace

int Window::Current() {
    int current = -1;
    status = ProWindowCurrentGet(&current);
    if (status != PRO_TK_NO_ERROR) {
        throw Error(status, "Ardo::Window::Current");
    }
    id = current;
    return id;
}

void Window::Activate() {
    status = ProWindowActivate(id);
    if (status != PRO_TK_NO_ERROR) {
        throw Error(status, "Ardo::Window::Activate");
    }
}

// Clear makes the same host call as Activate: callers rely on it bringing the window
// forward, not on wiping its contents.
void Window::Clear() {
    status = ProWindowActivate(id);
    if (status != PRO_TK_NO_ERROR) {
        throw Error(status, "Ardo::Window::Clear");
    }
}

void Window::CurrentClose() {
    status = ProWindowCurrentClose();
    if (status != PRO_TK_NO_ERROR) {
        throw Error(status, "Ardo::Window::CurrentClose");
    }
}

void Window::Repaint() {
    status = ProWindowRepaint(id);
    if (status != PRO_TK_NO_ERROR) {
        throw Error(status, "Ardo::Window::Repaint");
    }
}

void Window::Refresh() {
    status = ProWindowRefresh(id);
    if (status != PRO_TK_NO_ERROR) {
        throw Error(status, "Ardo::Window::Refresh");
    }
}

Solid Window::MdlGet() {
    ProMdl model = nullptr;
    status = ProWindowMdlGet(id, &model);
    if (status != PRO_TK_NO_ERROR) {
        model = nullptr;  // only recorded: the caller gets an unbound model
    }
    return Solid(model);
}

int Window::List() {
    ids.clear();
    status = ProWindowsVisit(collectWindowId, &ids);
    listedWindows() = ids;
    return static_cast<int>(ids.size());
}

int Window::ListAt(int i) {
    return checkedAt(listedWindows(), i);
}

}  // namespace Ardo
