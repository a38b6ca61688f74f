#include "simhost/state/highlights.h"

#include <algorithm>

namespace simhost::state {

namespace {

auto same(int modelId, int type, int id) {
    return [=](const Highlight& h) { return h.modelId == modelId && h.type == type && h.id == id; };
}

}  // namespace

void Highlights::show(int modelId, int type, int id, int color) {
    auto at = std::find_if(shown_.begin(), shown_.end(), same(modelId, type, id));
    if (at != shown_.end()) {
        at->color = color;
    } else {
        shown_.push_back({modelId, type, id, color});
    }
}

void Highlights::hide(int modelId, int type, int id) {
    shown_.erase(std::remove_if(shown_.begin(), shown_.end(), same(modelId, type, id)),
                 shown_.end());
}

}  // namespace simhost::state
