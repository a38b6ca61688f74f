#include "support/fault_sweep.h"

#include <exception>
#include <map>
#include <vector>

#include "kelt2proe/error.h"
#include "kelt2proe/simhost/control.h"
#include "support/host_fixture.h"

namespace testkit {

namespace {

// The calls of the journal, each with its function and which call of it it is.
std::vector<HostCall> journalCalls() {
    std::map<std::string, int> seen;
    std::vector<HostCall> calls;
    for (const std::string& entry : simhost::journal()) {
        std::string function = entry.substr(0, entry.find(' '));
        int occurrence = ++seen[function];
        calls.push_back({entry, function, occurrence});
    }
    return calls;
}

const char* thrownName(Outcome::Thrown thrown) {
    switch (thrown) {
        case Outcome::Thrown::Nothing:
            return "nothing thrown";
        case Outcome::Thrown::LibraryError:
            return "Ardo::Error";
        case Outcome::Thrown::ToolkitError:
            return "ardotk::Error";
        case Outcome::Thrown::Other:
            return "other exception";
    }
    return "?";
}

}  // namespace

bool HostCall::isRelease() const {
    return function.size() > 4 && function.compare(function.size() - 4, 4, "Free") == 0;
}

bool HostCall::isTextConversion() const {
    return function == "ProStringToWstring" || function == "ProWstringToString";
}

bool operator==(const Outcome& a, const Outcome& b) {
    return a.thrown == b.thrown && a.code == b.code && a.text == b.text;
}

std::ostream& operator<<(std::ostream& out, const Outcome& outcome) {
    out << thrownName(outcome.thrown);
    if (outcome.thrown != Outcome::Thrown::Nothing) {
        out << ' ' << outcome.code << " \"" << outcome.text << '"';
    }
    return out;
}

Outcome outcomeOf(const std::function<void()>& operation) {
    try {
        operation();
        return Outcome::nothing();
    } catch (const Ardo::Error& e) {
        return Outcome::library(e.code, e.text);
    } catch (const ardotk::Error& e) {
        return Outcome::toolkit(e.code, e.text);
    } catch (const std::exception& e) {
        return {Outcome::Thrown::Other, 0, e.what()};
    } catch (...) {
        return {Outcome::Thrown::Other, 0, ""};
    }
}

std::size_t runFaultSweep(const FaultSweep& sweep) {
    if (sweep.prepare) {
        sweep.prepare();
    }
    simhost::clearJournal();
    sweep.operation();
    const std::vector<HostCall> calls = journalCalls();
    EXPECT_FALSE(calls.empty()) << "the operation makes no host call";
    std::size_t steps = 0;
    for (const HostCall& call : calls) {
        if (sweep.fails && !sweep.fails(call)) {
            continue;
        }
        ++steps;
        SCOPED_TRACE("failing " + call.function + " #" + std::to_string(call.occurrence) + ": " +
                     call.entry);
        if (sweep.prepare) {
            sweep.prepare();
        }
        const long live = simhost::liveObjects();
        simhost::clearJournal();
        simhost::clearFaults();
        simhost::injectFault(call.function, sweep.code, call.occurrence);
        const Outcome outcome = outcomeOf(sweep.operation);
        simhost::clearFaults();
        EXPECT_GE(callCount(call.function), call.occurrence)
            << "the operation did not reach the failing call";
        if (!call.isRelease()) {
            EXPECT_EQ(simhost::liveObjects(), live) << "toolkit objects left unreleased";
        }
        if (sweep.check) {
            sweep.check(call, outcome);
        }
    }
    return steps;
}

}  // namespace testkit
