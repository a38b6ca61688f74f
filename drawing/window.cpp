#include "drawing/window.h"

#include <ProWindows.h>

#include "base/subscript.h"
#include "kelt2proe/error.h"
#include "toolkit/check.h"

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

void Window::check(ProError result, const char* text) {
    status = result;
    Ardo::check(result, text);
}

int Window::Current() {
    int current = -1;
    check(ProWindowCurrentGet(&current), "Ardo::Window::Current");
    id = current;
    return id;
}

void Window::Activate() {
    check(ProWindowActivate(id), "Ardo::Window::Activate");
}

// Clear makes the same host call as Activate: callers rely on it bringing the window
// forward, not on wiping its contents.
void Window::Clear() {
    check(ProWindowActivate(id), "Ardo::Window::Clear");
}

void Window::CurrentClose() {
    check(ProWindowCurrentClose(), "Ardo::Window::CurrentClose");
}

void Window::Repaint() {
    check(ProWindowRepaint(id), "Ardo::Window::Repaint");
}

void Window::Refresh() {
    check(ProWindowRefresh(id), "Ardo::Window::Refresh");
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
