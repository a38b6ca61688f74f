#include "host.h"

#include <cstdlib>

#include "kelt2proe/simhost/control.h"
#include "options.h"
#include "result_codes.h"

namespace kelt2p {

void startEmbeddedHost(const std::string& startFile) {
    simhost::launch(startFile);
    // The library looks for the host's communication program before it connects.
    if (std::getenv("PRO_COMM_MSG_EXE") == nullptr) {
        std::string program = simhost::commProgram();
#if defined(_WIN32)
        _putenv_s("PRO_COMM_MSG_EXE", program.c_str());
#else
        setenv("PRO_COMM_MSG_EXE", program.c_str(), 1);
#endif
    }
}

HostSession::HostSession(const std::string& startFile) {
    try {
        startEmbeddedHost(startFile);
    } catch (const std::runtime_error& e) {
        throw InputError(std::string("cannot start the host session: ") + e.what());
    }
    hostStep("connecting to the host session", [&] { session_.Connect(); });
}

HostSession::~HostSession() {
    try {
        session_.End();
    } catch (...) {
        // The session is gone already; there is nothing left to end.
    }
}

namespace {

// The host's answer to a model file it cannot read (PRO_TK_INVALID_FILE).
constexpr int kInvalidFile = -16;

}  // namespace

std::string loadDiagnostic(int code) {
    return code == kInvalidFile ? simhost::lastLoadDiagnostic() : std::string();
}

HostFailure::HostFailure(const std::string& step, int code, const std::string& text)
    : std::runtime_error(step),
      step(step),
      code(code),
      text(text),
      diagnostic(loadDiagnostic(code)) {}

HostFailure::HostFailure(const std::string& what)
    : std::runtime_error(what), step(what), hasCode(false) {}

std::string HostFailure::message() const {
    if (!hasCode) {
        return step;
    }
    std::string result = step + ": " + describeResultCode(code);
    if (!text.empty()) {
        result += " (" + text + ")";
    }
    return result;
}

}  // namespace kelt2p
