#include "support/platform.h"

#include <cstdlib>

#if defined(_WIN32)
#include <process.h>
#else
#include <unistd.h>
#endif

namespace testkit {

void setEnvironment(const char* name, const std::string& value) {
#if defined(_WIN32)
    _putenv_s(name, value.c_str());
#else
    ::setenv(name, value.c_str(), 1);
#endif
}

void unsetEnvironment(const char* name) {
#if defined(_WIN32)
    // An empty value removes the variable.
    _putenv_s(name, "");
#else
    ::unsetenv(name);
#endif
}

long processId() {
#if defined(_WIN32)
    return static_cast<long>(_getpid());
#else
    return static_cast<long>(::getpid());
#endif
}

}  // namespace testkit
