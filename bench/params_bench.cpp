// Cost of listing parameters as the model grows: kelt2pMdl::ParamList(".*") against the
// raw ProParameterVisit that collects the same handles, on parts with 1k and 100k
// parameters.
#include <ProCore.h>
#include <ProMdl.h>
#include <ProParameter.h>
#include <benchmark/benchmark.h>

#include <filesystem>
#include <string>
#include <vector>

#include "bench_support.h"
#include "kelt2proe/mdl.h"
#include "kelt2proe/simhost/control.h"

namespace {

namespace fs = std::filesystem;

// A host session started in a scratch directory holding `params.prt` with `count`
// model parameters, connected to this process.
fs::path prepare(int count) {
    fs::path dir = benchkit::scratchDir("params-bench", count);
    benchkit::writePart(dir / "params.prt", count, 0);
    benchkit::startHost(dir);
    return dir;
}

Ardo::kelt2pMdl load(const fs::path& dir) {
    Ardo::kelt2pMdl part;
    part.Load((dir / "params.prt").string().c_str(), Ardo::KELT2P_MDL_PART, false);
    return part;
}

ProError collect(ProParameter* param, ProError, ProAppData data) {
    static_cast<std::vector<ProParameter>*>(data)->push_back(*param);
    return PRO_TK_NO_ERROR;
}

void BM_ParamList(benchmark::State& state) {
    fs::path dir = prepare(static_cast<int>(state.range(0)));
    {
        Ardo::kelt2pMdl part = load(dir);
        ProName name = L"PARAMS";
        ProMdl model = nullptr;
        ProMdlInit(name, PRO_MDL_PART, &model);
        std::vector<ProParameter> found;
        int listed = 0;
        benchkit::Pair pair;
        pair.raw = [&] {
            found.clear();
            ProModelitem owner{};
            ProMdlToModelitem(model, &owner);
            benchkit::widenPattern(".*");
            ProParameterVisit(&owner, nullptr, collect, &found);
            benchmark::DoNotOptimize(found.data());
        };
        pair.library = [&] { listed = part.ParamList(".*"); };
        if (!benchkit::sameHostCalls(pair.library, pair.raw)) {
            state.SkipWithError("the raw calls differ from the library's");
        }
        benchkit::measurePair(state, state.range(0), pair);
        if (listed != state.range(0) || found.size() != static_cast<std::size_t>(listed)) {
            state.SkipWithError("wrong count");
        }
    }
    benchkit::finish(dir);
}
BENCHMARK(BM_ParamList)->Arg(1000)->Arg(100000)->Unit(benchmark::kMillisecond);

}  // namespace
