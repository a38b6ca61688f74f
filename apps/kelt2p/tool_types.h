// The host's cutting-tool types by name, as a tool list names them.
#pragma once

#include <optional>
#include <string>

namespace kelt2p {

// The type number of a tool-type name ("END MILL", "CENTER-DRILLING", ...) or of a type
// number written in decimal or as 0x... hexadecimal. Names compare without regard to
// case, and a space, an underscore and a hyphen count as the same character, so
// "end_mill" and "End-Mill" both name END MILL. Nothing for an unknown name or number.
std::optional<int> toolTypeFromText(const std::string& text);

}  // namespace kelt2p
