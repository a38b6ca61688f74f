// Operating-system services the library needs: the process environment and file tests.
#pragma once

#include <optional>
#include <string>

namespace Ardo::platform {

// Value of the environment variable `name`, or nothing when it is not set.
std::optional<std::string> environmentValue(const char* name);

// True when the file `path` exists and can be opened for reading.
bool fileReadable(const std::string& path);

}  // namespace Ardo::platform
