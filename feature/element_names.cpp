#include "feature/element_names.h"

#include <algorithm>

namespace Ardo {

const char* elementName(int id) {
    const detail::ElementNameRow* end = detail::kElementNames + detail::kElementNameCount;
    const detail::ElementNameRow* row =
        std::lower_bound(detail::kElementNames, end, id,
                         [](const detail::ElementNameRow& r, int wanted) { return r.id < wanted; });
    return row != end && row->id == id ? row->name : nullptr;
}

}  // namespace Ardo
