// The guard at the top of every contract function: journal the call, then consult
// the fault state once.
#pragma once

#include <initializer_list>
#include <optional>
#include <string>

namespace simhost::core {

std::optional<int> enter(std::initializer_list<std::string> call);

}  // namespace simhost::core

// Journals the call (function name first, then key arguments) and returns the injected
// code from the calling contract function when a fault fires.
#define SIMHOST_ENTER(...)                                                 \
    do {                                                                   \
        if (auto simhost_fault_ = ::simhost::core::enter({__VA_ARGS__})) { \
            return static_cast<ProError>(*simhost_fault_);                 \
        }                                                                  \
    } while (0)

#include "simhost/state/sessions.h"

// Binds `var` to the session this process is connected to; without a connection the
// host is unreachable and the contract function returns PRO_TK_COMM_ERROR.
#define SIMHOST_SESSION(var)                                      \
    ::simhost::state::Session* var = ::simhost::state::connected(); \
    if (var == nullptr) {                                         \
        return PRO_TK_COMM_ERROR;                                 \
    }
