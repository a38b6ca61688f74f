#include "base/platform.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>

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

bool setEnvironment(const char* setting) {
    if (setting == nullptr) {
        return false;
    }
    const char* equals = std::strchr(setting, '=');
    if (equals == nullptr || equals == setting) {
        return false;
    }
    const std::string name(setting, equals);
#if defined(_WIN32)
    return _putenv_s(name.c_str(), equals + 1) == 0;
#else
    // setenv copies both texts: the caller's text may go away afterwards.
    return ::setenv(name.c_str(), equals + 1, 1) == 0;
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
