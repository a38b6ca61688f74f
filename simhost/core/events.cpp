#include "simhost/core/events.h"

#include <deque>
#include <map>

#include "simhost/core/application.h"
#include "simhost/state/commands.h"
#include "simhost/state/sessions.h"

namespace simhost::core {
namespace {

struct Event {
    bool exit;
    std::string action;
    bool accessAsked;
};

struct Events {
    std::deque<Event> queue;
    std::map<std::string, std::function<void()>> commands;
    bool interrupted = false;
};

Events& events() {
    static Events e;
    return e;
}

}  // namespace

void eventPostCommand(const std::string& action, bool accessAsked) {
    events().queue.push_back({false, action, accessAsked});
}

void eventPostExit() {
    events().queue.push_back({true, {}, false});
}

void commandRegister(const std::string& action, std::function<void()> callback) {
    events().commands[action] = std::move(callback);
}

ProError eventLoopRun() {
    Events& e = events();
    e.interrupted = false;
    while (!e.interrupted) {
        state::Session* session = state::connected();
        if (session == nullptr) {
            return PRO_TK_COMM_ERROR;
        }
        if (e.queue.empty()) {
            return PRO_TK_NO_ERROR;
        }
        Event event = e.queue.front();
        e.queue.pop_front();
        if (event.exit) {
            applicationTerminate(*session, true);
            state::sessionEnd(*session);
            return PRO_TK_COMM_ERROR;
        }
        auto command = e.commands.find(event.action);
        if (command != e.commands.end()) {
            // Copy: the callback may register or reset commands.
            auto callback = command->second;
            callback();
        } else {
            state::commandServe(*session, event.action, event.accessAsked);
        }
    }
    e.interrupted = false;
    return PRO_TK_NO_ERROR;
}

void eventLoopInterrupt() {
    events().interrupted = true;
}

void eventsReset() {
    events() = Events{};
}

}  // namespace simhost::core
