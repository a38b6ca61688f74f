// The table of fault-sweep rows: one row per exported operation of the library. A row
// puts the host into the state the operation starts from, runs the operation, and says
// what the operation does when each of its host calls fails. `test_faults` runs every
// row with each code of the row, and checks that every exported operation has a row.
#pragma once

#include <functional>
#include <ostream>
#include <string>
#include <utility>
#include <vector>

#include "support/fault_sweep.h"

namespace testkit {

// What the operation does when `failed` fails with `code`.
using Expectation = std::function<Outcome(const HostCall& failed, int code)>;

struct SweepRow {
    using Check = std::function<void(const HostCall& failed, int code, const Outcome&)>;

    SweepRow(std::string operation, std::function<void()> prepare, std::function<void()> run,
             Expectation expected = nullptr, Check after = nullptr,
             std::vector<int> codes = {-1, -2, -4})
        : operation(std::move(operation)),
          prepare(std::move(prepare)),
          run(std::move(run)),
          expected(std::move(expected)),
          after(std::move(after)),
          codes(std::move(codes)) {}

    // The exported operation as the library's symbol table names it, demangled, with
    // "std::string" for the standard string: "Ardo::kelt2pMdl::Copy(char const*)".
    std::string operation;
    // Brings the host and the row's objects into the state the operation starts from.
    // Runs in a fresh scratch directory with a host session this process is connected
    // to, before the undisturbed run and before every step.
    std::function<void()> prepare;
    // The operation under test.
    std::function<void()> run;
    // What each failing call makes the operation do. Empty: the operation makes no host
    // call, and the row checks that it makes none.
    Expectation expected;
    // Optional: checks the state a step left (a list kept, a model unchanged ...).
    Check after;
    // The codes every host call fails with, one sweep each.
    std::vector<int> codes;
    // The operation measures solids: skipped on a host without its geometry kernel.
    bool needsGeometryKernel = false;
};

// GoogleTest prints a row by its operation.
void PrintTo(const SweepRow& row, std::ostream* out);

// Every failing call makes the operation throw Ardo::Error with the call's code and `text`.
Expectation throwsLibrary(const std::string& text);
// Every failing call makes the operation throw ardotk::Error with the call's code and `text`.
Expectation throwsToolkit(const std::string& text);
// The operation throws `outcome` whatever the failing call's code.
Expectation throwsAlways(const Outcome& outcome);
// The operation swallows the failure: it returns, nothing thrown.
Expectation swallows();
// `base`, except for the calls of host function `function`, which expect `other`.
Expectation except(Expectation base, const std::string& function, Expectation other);
// `base`, except for the calls that `which` takes, which expect `other`.
Expectation exceptWhen(Expectation base, std::function<bool(const HostCall&, int code)> which,
                       Expectation other);

// Adds rows to the table; for use at static initialisation through SWEEP_ROWS.
bool addSweepRows(std::vector<SweepRow> (*rows)());
// Every row of the table (the tables are built on first use).
const std::vector<SweepRow>& sweepRows();

// Runs one row: the sweep for each of its codes, or, for a row without an expectation,
// one run that must make no host call.
void runSweepRow(const SweepRow& row);

// Resets the simulated host, launches a host session and connects this process to it:
// the usual start of a row's `prepare`.
void freshHost();

// Writes `content` to `path` (relative to the working directory, the row's scratch
// directory while a row runs).
void writeTextFile(const std::string& path, const std::string& content);

}  // namespace testkit

#define SWEEP_ROWS_CONCAT2(a, b) a##b
#define SWEEP_ROWS_CONCAT(a, b) SWEEP_ROWS_CONCAT2(a, b)
// Registers a function that returns rows: SWEEP_ROWS(modelRows);
#define SWEEP_ROWS(function)                                                               \
    static const bool SWEEP_ROWS_CONCAT(sweepRowsRegistered_, __LINE__) [[maybe_unused]] = \
        ::testkit::addSweepRows(function)
