// Process-wide state of the session subsystem, kept in this one place: the connection's
// bookkeeping, the result buffers and lists of the session services, and the
// application's callbacks for the host's button and the end of the host session.
#pragma once

#include <ProCore.h>

#include <vector>

#include "drawing/drw.h"
#include "model/solid.h"

namespace Ardo::session {

// A function of the application that the host's events call.
using AppCallback = int (*)();

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

    // Result buffers: each call overwrites the previous result.
    char optionValue[81] = {};
    char toolDir[260] = {};
    char workDir[260] = {};
    char previousWorkDir[260] = {};
    char workspaceName[32] = {};

    // Result lists, each kept until the next call that fills it.
    std::vector<Solid> mdlList;
    std::vector<Drw> drwList;

    // Called when the user presses the application's button.
    AppCallback dialogCallback = nullptr;
    // Called when the host session ends.
    AppCallback exitCallback = nullptr;
};

SessionState& sessionState();

}  // namespace Ardo::session
