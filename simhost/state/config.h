// Configuration options of a host session: the values given in the start file or set
// later (Session::config, by lower-case option name) over the host's defaults.
#pragma once

#include <string>

#include "simhost/state/sessions.h"

namespace simhost::state {

// The option name as the host keys it: ASCII letters in lower case.
std::string configOptionKey(const std::string& option);

// The option's value as the host shows it: "yes" and "no" in any case come back as
// "YES" and "NO", other values as they were given. False for an option that is neither
// set nor has a default.
bool configGet(const Session& session, const std::string& option, std::string& value);
void configSet(Session& session, const std::string& option, const std::string& value);

}  // namespace simhost::state
