#include "bench_support.h"

#include <ProCore.h>
#include <ProUtil.h>
#include <time.h>
#include <unistd.h>

#include <cstdio>
#include <cstring>
#include <fstream>
#include <vector>

#include "kelt2proe/simhost/control.h"

namespace benchkit {

namespace fs = std::filesystem;

fs::path scratchDir(const std::string& tag, long count) {
    fs::path dir =
        fs::temp_directory_path() /
        ("kelt2proe-" + tag + "-" + std::to_string(::getpid()) + "-" + std::to_string(count));
    fs::remove_all(dir);
    fs::create_directories(dir);
    return dir;
}

void startHost(const fs::path& dir) {
    simhost::reset();
    const fs::path previous = fs::current_path();
    fs::current_path(dir);
    std::string id = simhost::launch();
    fs::current_path(previous);
    ProProcessHandle handle{};
    ProBoolean random = PRO_B_FALSE;
    ProEngineerConnect(id.data(), nullptr, nullptr, nullptr, PRO_B_FALSE, 20, &random, &handle);
}

void finish(const fs::path& dir) {
    simhost::reset();
    std::error_code ignored;
    fs::remove_all(dir, ignored);
}

void writePart(const fs::path& file, int parameters, int features, int dimensions) {
    std::ofstream out(file);
    out << "{\"format\": 1, \"type\": \"PRT\",\n \"features\": [\n";
    for (int id = 1; id <= features; ++id) {
        out << "  {\"id\": " << id << ", \"type\": " << (id % 2 == 0 ? 911 : 917)
            << ", \"name\": \"F_" << id << "\"}" << (id < features ? ",\n" : "\n");
    }
    out << " ],\n \"parameters\": {\"model\": [\n";
    for (int i = 0; i < parameters; ++i) {
        out << "  {\"name\": \"PARAM_" << i << "\", \"type\": \"double\", \"value\": " << i
            << ".5, \"description\": \"entry " << i << "\"}" << (i + 1 < parameters ? ",\n" : "\n");
    }
    out << " ]},\n \"dimensions\": [\n";
    for (int id = 0; id < dimensions; ++id) {
        out << "  {\"id\": " << id << ", \"feature\": 1, \"symbol\": \""
            << (id % 2 == 0 ? "D_" : "W_") << id << "\", \"value\": " << id << ".25}"
            << (id + 1 < dimensions ? ",\n" : "\n");
    }
    out << " ]}\n";
}

void widenPattern(const char* pattern) {
    std::vector<wchar_t> wide(std::strlen(pattern) + 1, L'\0');
    ProStringToWstring(wide.data(), const_cast<char*>(pattern));
    benchmark::DoNotOptimize(wide.data());
}

bool sameHostCalls(const std::function<void()>& library, const std::function<void()>& raw) {
    simhost::clearJournal();
    library();
    std::vector<std::string> libraryCalls = simhost::journal();
    simhost::clearJournal();
    raw();
    std::vector<std::string> rawCalls = simhost::journal();
    simhost::clearJournal();
    if (rawCalls == libraryCalls) {
        return true;
    }
    // Where the two sequences part, for the person reading the benchmark's output.
    std::size_t i = 0;
    while (i < rawCalls.size() && i < libraryCalls.size() && rawCalls[i] == libraryCalls[i]) {
        ++i;
    }
    std::fprintf(stderr, "host call %zu: library %s, raw %s\n", i,
                 i < libraryCalls.size() ? libraryCalls[i].c_str() : "(none)",
                 i < rawCalls.size() ? rawCalls[i].c_str() : "(none)");
    return false;
}

namespace {

double threadCpuSeconds() {
    timespec now{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return static_cast<double>(now.tv_sec) + static_cast<double>(now.tv_nsec) * 1e-9;
}

double timedRun(const Pair& pair, const std::function<void()>& side) {
    if (pair.before) {
        pair.before();
    }
    const double start = threadCpuSeconds();
    side();
    const double spent = threadCpuSeconds() - start;
    if (pair.after) {
        pair.after();
    }
    simhost::clearJournal();
    return spent;
}

}  // namespace

void measurePair(benchmark::State& state, long items, const Pair& pair) {
    double library = 0.0;
    double raw = 0.0;
    bool libraryFirst = true;
    for (auto _ : state) {
        if (libraryFirst) {
            library += timedRun(pair, pair.library);
            raw += timedRun(pair, pair.raw);
        } else {
            raw += timedRun(pair, pair.raw);
            library += timedRun(pair, pair.library);
        }
        libraryFirst = !libraryFirst;
    }
    state.counters["library"] = benchmark::Counter(library, benchmark::Counter::kAvgIterations);
    state.counters["raw"] = benchmark::Counter(raw, benchmark::Counter::kAvgIterations);
    state.counters["ratio"] = raw > 0.0 ? library / raw : 0.0;
    state.SetItemsProcessed(state.iterations() * items);
}

}  // namespace benchkit
