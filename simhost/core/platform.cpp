#include "simhost/core/platform.h"

#if defined(_WIN32)
#include <windows.h>

// After <windows.h>, whose types it uses.
#include <psapi.h>
#else
#include <dlfcn.h>
#endif

namespace simhost::core {

#if defined(_WIN32)
void* findProcessSymbol(const char* name) {
    HMODULE modules[1024];
    DWORD needed = 0;
    if (!EnumProcessModules(GetCurrentProcess(), modules, sizeof modules, &needed)) {
        return nullptr;
    }
    for (DWORD i = 0; i < needed / sizeof(HMODULE); ++i) {
        if (FARPROC p = GetProcAddress(modules[i], name)) {
            return reinterpret_cast<void*>(p);
        }
    }
    return nullptr;
}

std::string hostLibraryPath() {
    HMODULE self = nullptr;
    GetModuleHandleExA(
        GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS | GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT,
        reinterpret_cast<LPCSTR>(&hostLibraryPath), &self);
    char path[MAX_PATH] = {0};
    GetModuleFileNameA(self, path, MAX_PATH);
    return path;
}
#else
void* findProcessSymbol(const char* name) {
    return dlsym(RTLD_DEFAULT, name);
}

std::string hostLibraryPath() {
    Dl_info info{};
    if (dladdr(reinterpret_cast<void*>(&hostLibraryPath), &info) == 0 ||
        info.dli_fname == nullptr) {
        return {};
    }
    return info.dli_fname;
}
#endif

}  // namespace simhost::core
