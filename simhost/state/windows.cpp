// Session windows.
#include "simhost/state/windows.h"

namespace simhost::state {

WindowStore::WindowStore() : windows_(kMainWindow + 1) {
    windows_[kMainWindow].id = kMainWindow;
    windows_[kMainWindow].open = true;
}

Window* WindowStore::byId(int id) {
    if (id <= 0 || id >= static_cast<int>(windows_.size()) || !windows_[id].open) {
        return nullptr;
    }
    return &windows_[id];
}

Window* WindowStore::ofModel(int modelId) {
    for (auto& window : windows_) {
        if (window.open && window.modelId == modelId) {
            return &window;
        }
    }
    return nullptr;
}

Window& WindowStore::display(int modelId) {
    Window* window = ofModel(modelId);
    if (window == nullptr && current().modelId == 0) {
        window = &current();
    }
    if (window == nullptr) {
        Window fresh;
        fresh.id = static_cast<int>(windows_.size());
        fresh.open = true;
        windows_.push_back(fresh);
        window = &windows_.back();
    }
    window->modelId = modelId;
    current_ = window->id;
    return *window;
}

void WindowStore::close(Window& window) {
    if (window.id == kMainWindow) {
        window.modelId = 0;
        return;
    }
    window.open = false;
    window.modelId = 0;
    if (current_ == window.id) {
        current_ = kMainWindow;
    }
}

void WindowStore::closeCurrent() {
    close(current());
}

void WindowStore::forgetModel(int modelId) {
    for (auto& window : windows_) {
        if (window.open && window.modelId == modelId) {
            close(window);
        }
    }
}

std::vector<int> WindowStore::openIds() const {
    std::vector<int> ids;
    for (const auto& window : windows_) {
        if (window.open) {
            ids.push_back(window.id);
        }
    }
    return ids;
}

}  // namespace simhost::state
