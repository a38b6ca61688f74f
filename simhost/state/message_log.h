// The messages the host showed in its message area, across sessions until cleared.
#pragma once

#include <string>
#include <vector>

namespace simhost::state {

struct ShownMessageEntry {
    std::string file;
    std::string key;
    std::string text;  // placeholders replaced by the arguments
};

void messageShown(const ShownMessageEntry& entry);
const std::vector<ShownMessageEntry>& messagesShown();
void messagesShownClear();

}  // namespace simhost::state
