// The entry of every contract function: journal the call, consult the fault state once,
// and let no exception cross the C boundary.
//
//     ProError ProThingGet(ProThing thing, int* p_value) try {
//         SIMHOST_ENTER("ProThingGet", ...);
//         ...
//     }
//     SIMHOST_CATCH
#pragma once

#include <ProToolkit.h>

#include <initializer_list>
#include <optional>
#include <string>

namespace simhost::core {

std::optional<int> enter(std::initializer_list<std::string> call);

// The answer of a contract function that an exception escaped: converts to the return
// type of the function (a code, PRO_B_FALSE, or a null pointer).
struct EscapeAnswer {
    ProError code;
    operator ProError() const { return code; }
    operator int() const { return code; }
    operator ProBoolean() const { return PRO_B_FALSE; }
    template <typename T>
    operator T*() const {
        return nullptr;
    }
};

// Journals the exception in flight as `!function code reason` and answers with the
// host's code for it: PRO_TK_OUT_OF_MEMORY when an allocation failed, PRO_TK_BAD_INPUTS
// for an argument the host could not take (std::logic_error: a length, an index or a
// number out of range), PRO_TK_GENERAL_ERROR for anything else. Call only from a
// handler.
EscapeAnswer escaped(const char* function) noexcept;

}  // namespace simhost::core

// Journals the call (function name first, then key arguments) and returns the injected
// code from the calling contract function when a fault fires.
#define SIMHOST_ENTER(...)                                                 \
    do {                                                                   \
        if (auto simhost_fault_ = ::simhost::core::enter({__VA_ARGS__})) { \
            return static_cast<ProError>(*simhost_fault_);                 \
        }                                                                  \
    } while (0)

// The handler of a contract function's body (a function-try-block): whatever escapes
// the body becomes the function's answer.
#define SIMHOST_CATCH                              \
    catch (...) {                                  \
        return ::simhost::core::escaped(__func__); \
    }

#include "simhost/state/sessions.h"

// Binds `var` to the session this process is connected to; without a connection the
// host is unreachable and the contract function returns PRO_TK_COMM_ERROR.
#define SIMHOST_SESSION(var)                                        \
    ::simhost::state::Session* var = ::simhost::state::connected(); \
    if (var == nullptr) {                                           \
        return PRO_TK_COMM_ERROR;                                   \
    }
