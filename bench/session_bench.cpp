// Cost of the session facade over the toolkit call it makes: IsConnected against a raw
// ProEngineerStatusGet, both against the simulated host.
#include <ProCore.h>
#include <benchmark/benchmark.h>

#include <string>

#include "kelt2proe/session.h"
#include "kelt2proe/simhost/control.h"

namespace {

// A host session that this process is connected to.
void connectHost() {
    simhost::reset();
    std::string id = simhost::launch();
    ProProcessHandle handle{};
    ProBoolean random = PRO_B_FALSE;
    ProEngineerConnect(id.data(), nullptr, nullptr, nullptr, PRO_B_FALSE, 20, &random, &handle);
}

// The journal keeps every call; empty it now and then so that it does not grow with
// the iteration count (same cost in both benchmarks).
constexpr int kJournalBatch = 4096;

void BM_RawStatusGet(benchmark::State& state) {
    connectHost();
    int n = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(ProEngineerStatusGet());
        if (++n == kJournalBatch) {
            simhost::clearJournal();
            n = 0;
        }
    }
    simhost::reset();
}
BENCHMARK(BM_RawStatusGet);

void BM_SessionIsConnected(benchmark::State& state) {
    connectHost();
    int n = 0;
    {
        Ardo::kelt2pSession session;
        for (auto _ : state) {
            benchmark::DoNotOptimize(session.IsConnected());
            if (++n == kJournalBatch) {
                simhost::clearJournal();
                n = 0;
            }
        }
    }
    simhost::reset();
}
BENCHMARK(BM_SessionIsConnected);

}  // namespace
