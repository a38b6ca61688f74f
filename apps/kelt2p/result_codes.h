// The host's result codes in messages.
#pragma once

#include <string>

namespace kelt2p {

// "-4 PRO_TK_E_NOT_FOUND"; the number alone for a code the host does not publish.
std::string describeResultCode(int code);

}  // namespace kelt2p
