#include "base/platform.h"

#include <cstdio>
#include <cstdlib>

namespace Ardo::platform {

std::optional<std::string> environmentValue(const char* name) {
#if defined(_MSC_VER) || defined(_UCRT)
    // _dupenv_s copies the value, so no other thread's change can invalidate it.
    char* value = nullptr;
    std::size_t size = 0;
    if (_dupenv_s(&value, &size, name) != 0 || value == nullptr) {
        return std::nullopt;
    }
    std::string result(value);
    std::free(value);
    return result;
#else
    const char* value = std::getenv(name);
    if (value == nullptr) {
        return std::nullopt;
    }
    return std::string(value);
#endif
}

bool fileReadable(const std::string& path) {
#if defined(_WIN32)
    std::FILE* file = nullptr;
    if (fopen_s(&file, path.c_str(), "rb") != 0) {
        file = nullptr;
    }
#else
    std::FILE* file = std::fopen(path.c_str(), "rb");
#endif
    if (file == nullptr) {
        return false;
    }
    std::fclose(file);
    return true;
}

}  // namespace Ardo::platform
