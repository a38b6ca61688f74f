// The host session the commands work in, and host failures with the step they stopped.
#pragma once

#include <stdexcept>
#include <string>
#include <utility>

#include "kelt2proe/kelt2proe.h"

namespace kelt2p {

// Starts the simulated host embedded in this program, as a user would start the host,
// and points PRO_COMM_MSG_EXE at its communication program unless it is set. A
// non-empty start file is the session's configuration file.
void startEmbeddedHost(const std::string& startFile = "");

// A session of the embedded host, connected for the lifetime of the object and ended
// with it.
class HostSession {
public:
    explicit HostSession(const std::string& startFile);
    ~HostSession();
    HostSession(const HostSession&) = delete;
    HostSession& operator=(const HostSession&) = delete;

private:
    Ardo::kelt2pSession session_;
};

// The host refused a step: what was being done, and the exception's code and text.
class HostFailure : public std::runtime_error {
public:
    HostFailure(const std::string& step, int code, const std::string& text);
    // A failure the host reported without a result code.
    explicit HostFailure(const std::string& what);
    // "loading the model X: -4 PRO_TK_E_NOT_FOUND (Ardo::Mdl::Load)"
    std::string message() const;

    std::string step;
    bool hasCode = true;
    int code = 0;
    std::string text;
    // For a model file the host refused to read: where and why, as the host tells it
    // ("job.mfg:4:38: ..."); empty otherwise.
    std::string diagnostic;
};

// Where and why the host refused the model file of the last failed load, when `code` says
// that it refused a model file; empty otherwise.
std::string loadDiagnostic(int code);

// Runs `action`, turning an Ardo::Error or ardotk::Error into a HostFailure that names
// `step`.
template <class Action>
auto hostStep(const std::string& step, Action&& action) -> decltype(action()) {
    try {
        return std::forward<Action>(action)();
    } catch (const Ardo::Error& e) {
        throw HostFailure(step, e.code, e.text);
    } catch (const ardotk::Error& e) {
        throw HostFailure(step, e.code, e.text);
    }
}

}  // namespace kelt2p
