// Operating-system services the library needs: the process environment and file tests.
#pragma once

#include <optional>
#include <string>

namespace Ardo::platform {

// Value of the environment variable `name`, or nothing when it is not set.
std::optional<std::string> environmentValue(const char* name);

// Sets one variable of the process environment from a text NAME=value (an empty value
// is kept as empty where the system allows it). Returns false for a text without a name
// or without '=', or when the system refuses the setting.
bool setEnvironment(const char* setting);

// True when the file `path` exists and can be opened for reading.
bool fileReadable(const std::string& path);

}  // namespace Ardo::platform
