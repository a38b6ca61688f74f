// kelt2p serve: the tool-database button in the host.
#pragma once

#include <functional>
#include <ostream>

#include "commands.h"

namespace kelt2p {

// What happens once the button is there, before the host's events are served: the desk
// test plays the user here (models made current, presses, the end of the session). The
// program passes none: the embedded host has no user, so its events are served at once.
using Desk = std::function<void()>;

// serve with `desk` played before the host's events are served.
int serveDesk(const Arguments& args, std::ostream& out, std::ostream& err, const Desk& desk);

}  // namespace kelt2p
