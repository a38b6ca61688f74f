// Control API: what the host drew of models and windows.
#include "kelt2proe/simhost/control.h"

#include "simhost/state/displist.h"
#include "simhost/state/models.h"
#include "simhost/state/sessions.h"
#include "simhost/state/views.h"
#include "simhost/state/windows.h"

namespace simhost {

namespace {

state::Model* connectedModel(const void* handle) {
    state::Session* session = state::connected();
    return session != nullptr ? session->area<state::ModelStore>().byHandle(handle) : nullptr;
}

}  // namespace

int displayListInvalidations(const void* model) {
    state::Model* found = connectedModel(model);
    return found != nullptr ? state::displayLists(*found).invalidations : -1;
}

int viewRefits(const void* model) {
    state::Model* found = connectedModel(model);
    return found != nullptr ? state::viewState(*found).refits : -1;
}

int windowRepaints(int windowId) {
    state::Session* session = state::connected();
    state::Window* window =
        session != nullptr ? session->area<state::WindowStore>().byId(windowId) : nullptr;
    return window != nullptr ? window->repaints : -1;
}

}  // namespace simhost
