// Cost of the model facade over the toolkit call it makes: kelt2pMdl::NameGet against a
// raw ProMdlNameGet on the same model, both against the simulated host.
#include <ProCore.h>
#include <ProMdl.h>
#include <ProUtil.h>
#include <benchmark/benchmark.h>

#include <string>

#include "kelt2proe/mdl.h"
#include "kelt2proe/simhost/control.h"

namespace {

// A connected host session with one part in it.
Ardo::kelt2pMdl sessionWithPart() {
    simhost::reset();
    std::string id = simhost::launch();
    ProProcessHandle handle{};
    ProBoolean random = PRO_B_FALSE;
    ProEngineerConnect(id.data(), nullptr, nullptr, nullptr, PRO_B_FALSE, 20, &random, &handle);
    Ardo::kelt2pMdl part;
    part.Create("bench_part", Ardo::KELT2P_MDL_PART);
    return part;
}

// The journal keeps every call; empty it now and then so that it does not grow with
// the iteration count (same cost in both benchmarks).
constexpr int kJournalBatch = 4096;

void BM_RawMdlNameGet(benchmark::State& state) {
    {
        Ardo::kelt2pMdl part = sessionWithPart();
        ProName wide = L"bench_part";
        ProMdl model = nullptr;
        ProMdlInit(wide, PRO_MDL_PART, &model);
        char narrow[PRO_NAME_SIZE * 4];
        int n = 0;
        for (auto _ : state) {
            ProName name;
            benchmark::DoNotOptimize(ProMdlNameGet(model, name));
            benchmark::DoNotOptimize(ProWstringToString(narrow, name));
            if (++n == kJournalBatch) {
                simhost::clearJournal();
                n = 0;
            }
        }
    }
    simhost::reset();
}
BENCHMARK(BM_RawMdlNameGet);

void BM_MdlNameGet(benchmark::State& state) {
    {
        Ardo::kelt2pMdl part = sessionWithPart();
        int n = 0;
        for (auto _ : state) {
            benchmark::DoNotOptimize(part.NameGet());
            if (++n == kJournalBatch) {
                simhost::clearJournal();
                n = 0;
            }
        }
    }
    simhost::reset();
}
BENCHMARK(BM_MdlNameGet);

}  // namespace
