// Host events queued for the asynchronous event loop, and the callbacks they reach.
#pragma once

#include <ProToolkit.h>

#include <functional>
#include <string>

namespace simhost::core {

// A press of the named command. `accessAsked`: the host drew the button available when
// it was pressed, so the loop runs the action without asking again.
void eventPostCommand(const std::string& action, bool accessAsked = false);
void eventPostExit();

// Registers the callback that a press of the named command runs, in place of the
// command an application added to the session.
void commandRegister(const std::string& action, std::function<void()> callback);

// Serves queued events until interrupted, the session ends or the queue is empty
// (in one thread nothing else could arrive). Returns PRO_TK_NO_ERROR when interrupted or
// drained, PRO_TK_COMM_ERROR when the session ended or no connection stands.
ProError eventLoopRun();
void eventLoopInterrupt();

void eventsReset();

}  // namespace simhost::core
