// Operating-system services of the simulated host.
#pragma once

#include <string>

namespace simhost::core {

// Address of a symbol anywhere in the process (the executable and its libraries).
void* findProcessSymbol(const char* name);
// Path of the file this host library was loaded from.
std::string hostLibraryPath();

}  // namespace simhost::core
