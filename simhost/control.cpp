#include "kelt2proe/simhost/control.h"

#include <stdexcept>
#include <utility>

#include "simhost/core/allocations.h"
#include "simhost/core/application.h"
#include "simhost/core/events.h"
#include "simhost/core/faults.h"
#include "simhost/core/journal.h"
#include "simhost/core/platform.h"
#include "simhost/state/load_diagnostic.h"
#include "simhost/state/sessions.h"

namespace simhost {

void reset() {
    state::sessionsReset();
    core::allocationsReleaseAll();
    core::journalClear();
    core::journalLimitSet(core::kJournalDefaultLimit);
    core::faultsClear();
    core::eventsReset();
    core::applicationReset();
    state::loadDiagnosticClear();
}

std::string launch(const std::string& startFile) {
    state::Session* session = state::sessionStart(startFile);
    if (session == nullptr) {
        throw std::runtime_error("simhost::launch: cannot read start file " + startFile);
    }
    return session->id;
}

std::vector<std::string> journal() {
    return core::journalEntries();
}

void clearJournal() {
    core::journalClear();
}

void setJournalLimit(std::size_t limit) {
    core::journalLimitSet(limit);
}

void injectFault(const std::string& function, int code, int occurrence) {
    core::faultAdd(function, code, occurrence);
}

void clearFaults() {
    core::faultsClear();
}

void postCommand(const std::string& action) {
    core::eventPostCommand(action);
}

void postExit() {
    core::eventPostExit();
}

void onCommand(const std::string& action, std::function<void()> callback) {
    core::commandRegister(action, std::move(callback));
}

std::string commProgram() {
    return core::hostLibraryPath();
}

long liveObjects() {
    return core::allocationCount();
}

std::string lastLoadDiagnostic() {
    return state::loadDiagnostic();
}

}  // namespace simhost
