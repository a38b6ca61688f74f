#include "session/host_hooks.h"

#include <ProMdl.h>

#include "session/pro_engineer.h"
#include "session/session_state.h"

namespace Ardo {
namespace session {
namespace {

// The host calls these through its C interface: an exception of the application's
// function must not unwind through the host, so it ends here.
void runCallback(AppCallback callback) {
    if (callback == nullptr) {
        return;
    }
    try {
        (void)callback();
    } catch (...) {
        // The callback's failure is the application's; its result is ignored as well.
    }
}

}  // namespace

int commandAction(uiCmdCmdId, uiCmdValue*, void*) {
    runCallback(sessionState().dialogCallback);
    return 0;
}

uiCmdAccessState commandAccess(uiCmdAccessMode) {
    ProMdl current = nullptr;
    if (ProMdlCurrentGet(&current) != PRO_TK_NO_ERROR) {
        return ACCESS_UNAVAILABLE;
    }
    ProMdlType type = PRO_MDL_UNUSED;
    if (ProMdlTypeGet(current, &type) != PRO_TK_NO_ERROR) {
        return ACCESS_UNAVAILABLE;
    }
    return type == PRO_MDL_MFG ? ACCESS_AVAILABLE : ACCESS_UNAVAILABLE;
}

ProError exitHook(ProeTerminationStatus) {
    runCallback(sessionState().exitCallback);
    (void)ProAsynchronousEventLoopInterrupt();
    return PRO_TK_NO_ERROR;
}

}  // namespace session

void ProEngineer::CustomDialog(int (*fn)()) {
    session::sessionState().dialogCallback = fn;
}

void ProEngineer::CustomExit(int (*fn)()) {
    session::sessionState().exitCallback = fn;
}

}  // namespace Ardo
