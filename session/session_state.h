// Process-wide state of the session subsystem, kept in this one place.
#pragma once

#include <ProCore.h>

namespace Ardo::session {

struct SessionState {
    // Number of ProEngineer objects alive; the last one to go disconnects.
    int sessionCount = 0;
    // Set once a connect passed the application's text directory to the host; the host
    // start-up entry registers the application's command only then.
    bool appTextDirSet = false;
    // Handle of the latest successful connect of any session object. The last object
    // alive disconnects with it when it holds no handle itself (another object made the
    // connection), so that the connection never outlives every session object.
    ProProcessHandle lastHandle{};
};

SessionState& sessionState();

}  // namespace Ardo::session
