// What the benchmarks share: a scratch working directory per benchmark and size, a host
// session started there and connected to this process, and parts written as model files.
#pragma once

#include <benchmark/benchmark.h>

#include <filesystem>
#include <functional>
#include <string>

namespace benchkit {

// A fresh scratch directory "kelt2proe-<tag>-<pid>-<count>" in the temporary directory.
std::filesystem::path scratchDir(const std::string& tag, long count);

// Resets the simulated host, launches a session whose working directory is `dir` and
// connects this process to it.
void startHost(const std::filesystem::path& dir);

// Resets the host and removes `dir`.
void finish(const std::filesystem::path& dir);

// Writes a part with `parameters` double model parameters PARAM_0 ... and `features`
// active features F_1 ... (ids 1 ..., types alternating 911 and 917) in the model-file
// format, and `dimensions` dimensions of feature 1 (ids 0 ..., symbols alternating
// D_<id> and W_<id>; needs a feature).
void writePart(const std::filesystem::path& file, int parameters, int features, int dimensions = 0);

// True when `raw` makes exactly the host calls that `library` makes, in the same order
// (compared on the host's journal): a raw benchmark measures what its library
// counterpart asks of the host.
bool sameHostCalls(const std::function<void()>& library, const std::function<void()>& raw);

// The host call with which a listing widens its name pattern (ProStringToWstring).
void widenPattern(const char* pattern);

// A library operation and the raw host calls it makes, measured side by side.
struct Pair {
    std::function<void()> library;
    std::function<void()> raw;
    // Optional and untimed: run before and after each timed run of either side.
    std::function<void()> before;
    std::function<void()> after;
};

// Measures both sides of `pair` on the same host state: each iteration runs both, in
// alternating order, each timed by the thread's CPU time, so that noise and the state
// of the host's memory fall on both alike. Counters: "library" and "raw" (seconds per
// run) and "ratio" (library / raw), the figures scripts/bench-ratios reads.
void measurePair(benchmark::State& state, long items, const Pair& pair);

}  // namespace benchkit
