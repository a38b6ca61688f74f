#include "result_codes.h"

#include "kelt2proe/error.h"

namespace kelt2p {

std::string describeResultCode(int code) {
    const char* name = Ardo::ResultCodeName(code);
    return name ? std::to_string(code) + " " + name : std::to_string(code);
}

}  // namespace kelt2p
