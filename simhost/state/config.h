// Configuration options of a host session: the values given in the start file or set
// later (Session::config, by lower-case option name) over the host's defaults.
#pragma once

#include <string>
#include <vector>

#include "simhost/state/sessions.h"

namespace simhost::state {

// The option name as the host keys it: ASCII letters in lower case.
std::string configOptionKey(const std::string& option);

// The option's value as the host shows it: "yes" and "no" in any case come back as
// "YES" and "NO", other values as they were given; the first one of an option with
// several values. False for an option that is neither set nor has a default.
bool configGet(const Session& session, const std::string& option, std::string& value);
// Every value of the option, shown as configGet shows it, in the order given.
bool configValues(const Session& session, const std::string& option,
                  std::vector<std::string>& values);
// Gives the option this one value in place of all it had.
void configSet(Session& session, const std::string& option, const std::string& value);

}  // namespace simhost::state
