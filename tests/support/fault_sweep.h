// The fault sweep: each host call an operation makes fails once; at each step the test
// checks what the operation threw and the state it left, and the sweep checks that every
// object the toolkit handed out was released.
#pragma once

#include <cstddef>
#include <functional>
#include <ostream>
#include <string>

namespace testkit {

// One host call of an operation's undisturbed run.
struct HostCall {
    std::string entry;     // the journal entry: the function name, then key arguments
    std::string function;  // the function name alone
    int occurrence = 0;    // 1 for the run's first call of `function`, 2 for its second ...

    // A free function: when it fails, its object stays with the host.
    bool isRelease() const;
    // A text conversion, which reports no host result of its own.
    bool isTextConversion() const;
};

// What an operation did when it ran: returned, or threw one of the library's errors (code
// and text) or another exception (its what() as text).
struct Outcome {
    enum class Thrown { Nothing, LibraryError, ToolkitError, Other };

    static Outcome nothing() { return {}; }
    static Outcome library(int code, const std::string& text) {
        return {Thrown::LibraryError, code, text};
    }
    static Outcome toolkit(int code, const std::string& text) {
        return {Thrown::ToolkitError, code, text};
    }

    Thrown thrown = Thrown::Nothing;
    int code = 0;
    std::string text;
};

bool operator==(const Outcome& a, const Outcome& b);
inline bool operator!=(const Outcome& a, const Outcome& b) {
    return !(a == b);
}
// "ardotk::Error -17 \"ardotk::MdlType\"", for failure messages.
std::ostream& operator<<(std::ostream& out, const Outcome& outcome);

// Runs `operation` and tells what it did.
Outcome outcomeOf(const std::function<void()>& operation);

struct FaultSweep {
    // Puts the host and the test's objects into the state the operation starts from; runs
    // before the undisturbed run and before every step. Empty: each run starts from the
    // state the previous one left.
    std::function<void()> prepare;
    // The operation under test.
    std::function<void()> operation;
    // The code each failing call returns.
    int code = -1;
    // Which calls of the undisturbed run fail, one per step; empty: every call.
    std::function<bool(const HostCall&)> fails;
    // Checks one step: the call that failed and what the operation did. The state it left
    // is there to be read from the host and the test's objects.
    std::function<void(const HostCall&, const Outcome&)> check;
};

// Runs `prepare` and `operation` undisturbed and notes the host calls the operation
// makes; then, for each call that `fails` takes, runs `prepare`, makes that call (that
// occurrence of its function) fail with `code`, runs the operation and `check`. Each step
// also expects the operation to have reached the failing call, and as many live toolkit
// objects after it as before (unless the failed call was a release). Returns the number
// of steps.
std::size_t runFaultSweep(const FaultSweep& sweep);

}  // namespace testkit
