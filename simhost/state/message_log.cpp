#include "simhost/state/message_log.h"

namespace simhost::state {
namespace {

std::vector<ShownMessageEntry>& shownLog() {
    static std::vector<ShownMessageEntry> entries;
    return entries;
}

}  // namespace

void messageShown(const ShownMessageEntry& entry) {
    shownLog().push_back(entry);
}

const std::vector<ShownMessageEntry>& messagesShown() {
    return shownLog();
}

void messagesShownClear() {
    shownLog().clear();
}

}  // namespace simhost::state
