// A window of the host session, addressed by its integer window id.
//
// kelt2pWindow is a facade over Ardo::Window. Copying or assigning a kelt2pWindow
// shares the implementation object: both then address the same window id, status and id
// list. The last facade that refers to it destroys it.
#pragma once

#include "kelt2proe/export.h"
#include "kelt2proe/impl_ptr.h"
#include "kelt2proe/mdl.h"

namespace Ardo {

class Window;

class KELT2PROE_API kelt2pWindow {
public:
    // Window id -1 until Current() sets it.
    kelt2pWindow();
    explicit kelt2pWindow(int id);
    kelt2pWindow(const kelt2pWindow& other);
    kelt2pWindow& operator=(const kelt2pWindow& other);
    ~kelt2pWindow();

    // The host's current window; this object then addresses it. Returns its id.
    int Current();
    void Activate();
    void Clear();
    // Closes the host's current window, whatever this object addresses.
    void CurrentClose();
    void Repaint();
    void Refresh();
    // The model shown in the window; an unbound model when the host names none.
    kelt2pMdl MdlGet();
    // Lists the ids of all host windows into the process-wide window list; returns
    // their number.
    int List();
    // Entry i of the process-wide window list; std::out_of_range outside it.
    int ListAt(int i);

private:
    SharedImpl<Window> impl;
};

}  // namespace Ardo
