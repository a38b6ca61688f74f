#include "simhost/core/faults.h"

#include <vector>

namespace simhost::core {
namespace {

struct Fault {
    std::string function;
    int code;
    int remaining;
};

std::vector<Fault>& pending() {
    static std::vector<Fault> list;
    return list;
}

}  // namespace

void faultAdd(const std::string& function, int code, int occurrence) {
    pending().push_back({function, code, occurrence < 1 ? 1 : occurrence});
}

std::optional<int> faultConsult(const std::string& function) {
    std::optional<int> fired;
    auto& list = pending();
    for (auto it = list.begin(); it != list.end();) {
        if (it->function == function || it->function == "*") {
            if (--it->remaining == 0) {
                if (!fired) {
                    fired = it->code;
                }
                it = list.erase(it);
                continue;
            }
        }
        ++it;
    }
    return fired;
}

void faultsClear() {
    pending().clear();
}

}  // namespace simhost::core
