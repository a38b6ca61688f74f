// The process-wide text buffers of the model operations that return a character pointer.
// Each is filled by one operation, whichever model object makes the call, and stays valid
// until that operation's next call.
#pragma once

#include <string>

namespace Ardo::modeltexts {

// Each keeps at most 80 characters of `text` (a host line) in its buffer and returns it.
// Filled by Solid::ParamDescription(name).
const char* keepModelParamDescription(const std::string& text);
// Filled by Solid::ParamDescription(feature, name).
const char* keepFeatureParamDescription(const std::string& text);
// Filled by Solid::DimName.
const char* keepDimName(const std::string& text);

}  // namespace Ardo::modeltexts
