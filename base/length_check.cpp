#include "base/length_check.h"

#include <cstring>

#include "kelt2proe/error.h"

namespace Ardo {

void refuseLongerThan(const char* text, std::size_t maxChars, int code, const char* operation) {
    if (text != nullptr && std::strlen(text) > maxChars) {
        throw Error(code, operation);
    }
}

}  // namespace Ardo
