// Names of the host's result codes, for messages.
#pragma once

#include <string>

namespace kelt2p {

// "PRO_TK_E_NOT_FOUND" for -4; nullptr for a code the host does not publish.
const char* resultCodeName(int code);

// "-4 PRO_TK_E_NOT_FOUND"; the number alone for an unknown code.
std::string describeResultCode(int code);

}  // namespace kelt2p
