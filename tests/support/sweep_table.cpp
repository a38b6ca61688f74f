#include "support/sweep_table.h"

#include <ProCore.h>
#include <gtest/gtest.h>

#include <fstream>
#include <stdexcept>

#include "kelt2proe/simhost/control.h"

namespace testkit {

namespace {

std::vector<std::vector<SweepRow> (*)()>& tables() {
    static std::vector<std::vector<SweepRow> (*)()> list;
    return list;
}

}  // namespace

void PrintTo(const SweepRow& row, std::ostream* out) {
    *out << row.operation;
}

Expectation throwsLibrary(const std::string& text) {
    return [text](const HostCall&, int code) { return Outcome::library(code, text); };
}

Expectation throwsToolkit(const std::string& text) {
    return [text](const HostCall&, int code) { return Outcome::toolkit(code, text); };
}

Expectation throwsAlways(const Outcome& outcome) {
    return [outcome](const HostCall&, int) { return outcome; };
}

Expectation swallows() {
    return [](const HostCall&, int) { return Outcome::nothing(); };
}

Expectation except(Expectation base, const std::string& function, Expectation other) {
    return exceptWhen(
        std::move(base),
        [function](const HostCall& call, int) { return call.function == function; },
        std::move(other));
}

Expectation exceptWhen(Expectation base, std::function<bool(const HostCall&, int code)> which,
                       Expectation other) {
    return [base, which, other](const HostCall& call, int code) {
        return which(call, code) ? other(call, code) : base(call, code);
    };
}

bool addSweepRows(std::vector<SweepRow> (*rows)()) {
    tables().push_back(rows);
    return true;
}

const std::vector<SweepRow>& sweepRows() {
    static const std::vector<SweepRow> rows = [] {
        std::vector<SweepRow> all;
        for (auto table : tables()) {
            for (SweepRow& row : table()) {
                all.push_back(std::move(row));
            }
        }
        return all;
    }();
    return rows;
}

void runSweepRow(const SweepRow& row) {
    if (row.needsGeometryKernel && !simhost::geometryKernelAvailable()) {
        GTEST_SKIP() << "this build of the simulated host has no geometry kernel";
    }
    SCOPED_TRACE(row.operation);
    if (!row.expected) {
        if (row.prepare) {
            row.prepare();
        }
        simhost::clearJournal();
        outcomeOf(row.run);
        EXPECT_TRUE(simhost::journal().empty())
            << "the operation makes host calls, starting with " << simhost::journal().front();
        return;
    }
    for (int code : row.codes) {
        SCOPED_TRACE("code " + std::to_string(code));
        FaultSweep sweep;
        sweep.prepare = row.prepare;
        sweep.operation = row.run;
        sweep.code = code;
        sweep.check = [&row, code](const HostCall& call, const Outcome& outcome) {
            EXPECT_EQ(outcome, row.expected(call, code));
            if (row.after) {
                row.after(call, code, outcome);
            }
        };
        runFaultSweep(sweep);
    }
}

void freshHost() {
    simhost::reset();
    std::string id = simhost::launch();
    ProProcessHandle handle{};
    ProBoolean random = PRO_B_FALSE;
    if (ProEngineerConnect(id.data(), nullptr, nullptr, nullptr, PRO_B_FALSE, 20, &random,
                           &handle) != PRO_TK_NO_ERROR) {
        throw std::runtime_error("cannot connect to the simulated host");
    }
}

void writeTextFile(const std::string& path, const std::string& content) {
    std::ofstream out(path, std::ios::binary);
    out << content;
    if (!out) {
        throw std::runtime_error("cannot write " + path);
    }
}

}  // namespace testkit
