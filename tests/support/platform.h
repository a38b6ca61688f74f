// The process as the tests see it, the same on every platform: its environment and its id.
#pragma once

#include <string>

namespace testkit {

// Sets the environment variable `name` to `value` for this process.
void setEnvironment(const char* name, const std::string& value);

// Removes the environment variable `name` from this process.
void unsetEnvironment(const char* name);

// The id of this process, to keep scratch paths of parallel test runs apart.
long processId();

}  // namespace testkit
