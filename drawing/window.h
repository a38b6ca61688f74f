// Ardo::Window: one host window by id, and the process-wide list of window ids.
#pragma once

#include <cstdint>
#include <vector>

#include "kelt2proe/mdl.h"

namespace Ardo {

class Window {
public:
    Window() = default;
    explicit Window(int windowId) : id(windowId) {}

    int Current();
    void Activate();
    void Clear();
    void CurrentClose();
    void Repaint();
    void Refresh();
    kelt2pMdl MdlGet();
    int List();
    // Entry i of the list that List() filled last, for all windows.
    static int ListAt(int i);

    std::int32_t id = -1;
    // Result code of the last host call made through this object.
    std::int32_t status = 0;
    // Window ids found by the last List() of this object.
    std::vector<int> ids;

    // Number of kelt2pWindow facades sharing this object; the last one deletes it.
    int shares = 1;
};

}  // namespace Ardo
