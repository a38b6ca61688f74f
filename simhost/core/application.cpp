#include "simhost/core/application.h"

#include <cwchar>
#include <filesystem>
#include <system_error>

#include "simhost/core/platform.h"
#include "simhost/state/sessions.h"

namespace simhost::core {
namespace {

using UserInitialize = int (*)(int, char**, char*, char*, wchar_t*);
using UserTerminate = void (*)();

ProTerminationAction& terminationAction() {
    static ProTerminationAction action = nullptr;
    return action;
}

}  // namespace

int applicationStart(state::Session& session, const std::string& textPath) {
    // The application's message files and icons are in its text path, from start-up on.
    std::error_code ec;
    std::filesystem::path absolute = std::filesystem::absolute(textPath, ec);
    session.applicationTextPath = ec ? textPath : absolute.string();
    auto entry = reinterpret_cast<UserInitialize>(findProcessSymbol("user_initialize"));
    if (entry == nullptr) {
        return 0;
    }
    std::string arg0 = "simhost";
    std::string arg1 = "+text_dir=" + textPath;
    char* argv[] = {arg0.data(), arg1.data(), nullptr};
    char version[] = "10";
    char build[] = "simhost";
    wchar_t errors[80] = {0};
    int result = entry(2, argv, version, build, errors);
    session.applicationStarted = result == 0;
    if (!session.applicationStarted) {
        session.applicationTextPath.clear();
    }
    return result;
}

void applicationTerminate(state::Session& session, bool hostExit) {
    if (hostExit && terminationAction() != nullptr) {
        terminationAction()(PROTERM_EXIT);
    }
    if (session.applicationStarted) {
        session.applicationStarted = false;
        session.applicationTextPath.clear();
        if (auto entry = reinterpret_cast<UserTerminate>(findProcessSymbol("user_terminate"))) {
            entry();
        }
    }
}

void terminationActionSet(ProTerminationAction action) {
    terminationAction() = action;
}

void applicationReset() {
    terminationAction() = nullptr;
}

}  // namespace simhost::core
