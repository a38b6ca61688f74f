// The windows of a host session. A session starts with its main window (id 1), which
// shows no model and is current. Ids are handed out in order and never reused.
#pragma once

#include <vector>

namespace simhost::state {

constexpr int kMainWindow = 1;

struct Window {
    int id = 0;
    int modelId = 0;  // 0: the window shows no model
    bool open = false;
    int repaints = 0;
    int refreshes = 0;
};

class WindowStore {
public:
    WindowStore();
    // An open window, or null.
    Window* byId(int id);
    // The open window showing the model, or null.
    Window* ofModel(int modelId);
    Window& current() { return *byId(current_); }
    void activate(Window& window) { current_ = window.id; }
    // Shows the model in its window, else in the current window when that is empty,
    // else in a new window; that window becomes current.
    Window& display(int modelId);
    // Closes the current window; the main window is emptied instead, as it stays open.
    void closeCurrent();
    // Closes every window showing the model.
    void forgetModel(int modelId);
    // Open window ids in order.
    std::vector<int> openIds() const;

private:
    void close(Window& window);
    // Indexed by id; closed windows stay as entries so that ids are never reused.
    std::vector<Window> windows_;
    int current_ = kMainWindow;
};

}  // namespace simhost::state
