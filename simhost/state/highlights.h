// Items the session's graphics window shows highlighted, in the order first shown.
#pragma once

#include <vector>

namespace simhost::state {

struct Highlight {
    int modelId = 0;
    int type = 0;
    int id = 0;
    int color = 0;  // -1: shown in the item's own colour
};

class Highlights {
public:
    // Shows the item in `color`; an item shown already changes colour and keeps its place.
    void show(int modelId, int type, int id, int color);
    void hide(int modelId, int type, int id);
    const std::vector<Highlight>& shown() const { return shown_; }

private:
    std::vector<Highlight> shown_;
};

}  // namespace simhost::state
