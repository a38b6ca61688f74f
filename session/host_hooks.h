// The functions the application registers with the host at start-up: the action and
// access function of its button, and the hook run when the host session ends.
#pragma once

#include <ProCore.h>
#include <ProUICmd.h>

namespace Ardo::session {

// A press of the button: runs the application's dialog function, if any; returns 0.
int commandAction(uiCmdCmdId command, uiCmdValue* value, void* pushData);
// The button can be pressed only while a manufacturing model is current.
uiCmdAccessState commandAccess(uiCmdAccessMode mode);
// The host session ends: runs the application's exit function, if any, then ends the
// application's event loop.
ProError exitHook(ProeTerminationStatus status);

}  // namespace Ardo::session
