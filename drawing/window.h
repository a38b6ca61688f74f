// Ardo::Window: one host window by id, and the process-wide list of window ids.
#pragma once

#include <cstdint>
#include <vector>

#include "base/share_count.h"
#include "model/solid.h"

namespace Ardo {

// Shared by the kelt2pWindow facades that copy one another.
class Window : public ShareCount {
public:
    Window() = default;
    explicit Window(int windowId) : id(windowId) {}

    int Current();
    void Activate();
    void Clear();
    void CurrentClose();
    void Repaint();
    void Refresh();
    // The model shown in the window; unbound when the host names none.
    Solid MdlGet();
    int List();
    // Entry i of the list that List() filled last, for all windows.
    static int ListAt(int i);

    std::int32_t id = -1;
    // Result code of the last host call made through this object.
    std::int32_t status = 0;
    // Window ids found by the last List() of this object.
    std::vector<int> ids;

private:
    // Stores `result` in status and raises (result, text) when it is not success.
    void check(ProError result, const char* text);
};

}  // namespace Ardo
