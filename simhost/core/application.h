// The toolkit application that the host starts: its entry points user_initialize and
// user_terminate, and the termination action it registered.
#pragma once

#include <string>

#include <ProCore.h>

namespace simhost::state {
class Session;
}  // namespace simhost::state

namespace simhost::core {

// Calls the application's user_initialize if one is linked into the process; returns
// its result (0 when none is linked).
int applicationStart(state::Session& session, const std::string& textPath);
// Calls user_terminate of a started application and, when the host itself exits, the
// registered termination action.
void applicationTerminate(state::Session& session, bool hostExit);

void terminationActionSet(ProTerminationAction action);

void applicationReset();

}  // namespace simhost::core
