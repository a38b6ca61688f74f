#include "simhost/state/placement_dialog.h"

namespace simhost::state {

PlacementAnswer placementAnswerNext(Session& s) {
    std::deque<PlacementAnswer>& answers = s.area<PlacementDialog>().answers;
    if (answers.empty()) {
        return PlacementAnswer{};
    }
    PlacementAnswer next = answers.front();
    answers.pop_front();
    return next;
}

}  // namespace simhost::state
