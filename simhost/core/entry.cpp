#include "simhost/core/entry.h"

#include "simhost/core/faults.h"
#include "simhost/core/journal.h"

namespace simhost::core {

std::optional<int> enter(std::initializer_list<std::string> call) {
    journalAdd(call);
    return faultConsult(*call.begin());
}

}  // namespace simhost::core
