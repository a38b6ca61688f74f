// Host events queued for the asynchronous event loop, and the callbacks they reach.
#pragma once

#include <ProToolkit.h>

#include <functional>
#include <string>

namespace simhost::core {

void eventPostCommand(const std::string& action);
void eventPostExit();

// Registers the callback that a press of the named command runs.
void commandRegister(const std::string& action, std::function<void()> callback);

// Serves queued events until interrupted, the session ends or the queue is empty
// (in one thread nothing else could arrive). Returns PRO_TK_NO_ERROR when interrupted or
// drained, PRO_TK_COMM_ERROR when the session ended or no connection stands.
ProError eventLoopRun();
void eventLoopInterrupt();

void eventsReset();

}  // namespace simhost::core
