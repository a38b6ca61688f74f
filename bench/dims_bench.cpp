// Cost of the dimension listing over the toolkit calls it makes: kelt2pMdl::DimList
// against a raw ProSolidDimensionVisit collecting the same dimensions, on parts with 1k
// and 100k dimensions; without a pattern (no filter) and with one (a filter that reads
// every symbol).
#include <ProDimension.h>
#include <ProMdl.h>
#include <ProSolid.h>
#include <benchmark/benchmark.h>

#include <cwchar>
#include <filesystem>
#include <vector>

#include "bench_support.h"
#include "kelt2proe/mdl.h"

namespace {

namespace fs = std::filesystem;

struct Dims {
    fs::path dir;
    Ardo::kelt2pMdl part;
    ProSolid solid = nullptr;
};

void prepare(Dims& dims, int count) {
    dims.dir = benchkit::scratchDir("dims-bench", count);
    benchkit::writePart(dims.dir / "dims.prt", 0, 1, count);
    benchkit::startHost(dims.dir);
    dims.part.Load((dims.dir / "dims.prt").string().c_str(), Ardo::KELT2P_MDL_PART, false);
    ProName name = L"DIMS";
    ProMdl model = nullptr;
    ProMdlInit(name, PRO_MDL_PART, &model);
    dims.solid = static_cast<ProSolid>(model);
}

ProError collect(ProDimension* dimension, ProError status, ProAppData data) {
    if (status == PRO_TK_NO_ERROR) {
        static_cast<std::vector<ProDimension>*>(data)->push_back(*dimension);
    }
    return status;
}

// What the pattern "D_.*" admits, read as the listing reads it.
ProError admitD(ProDimension* dimension, ProAppData) {
    ProName symbol = {};
    ProError err = ProDimensionSymbolGet(dimension, symbol);
    if (err != PRO_TK_NO_ERROR) {
        return err;
    }
    return std::wcsncmp(symbol, L"D_", 2) == 0 ? PRO_TK_NO_ERROR : PRO_TK_CONTINUE;
}

// DimList(pattern) against the raw visit with `filter`, checked first to make the same
// host calls.
void pairBenchmark(benchmark::State& state, const char* pattern, ProDimensionFilterAction filter) {
    Dims dims;
    prepare(dims, static_cast<int>(state.range(0)));
    {
        std::vector<ProDimension> found;
        benchkit::Pair pair;
        pair.raw = [&] {
            found.clear();
            benchkit::widenPattern(pattern);
            ProSolidDimensionVisit(dims.solid, PRO_B_FALSE, collect, filter, &found);
            benchmark::DoNotOptimize(found.data());
        };
        pair.library = [&] { benchmark::DoNotOptimize(dims.part.DimList(pattern)); };
        if (!benchkit::sameHostCalls(pair.library, pair.raw)) {
            state.SkipWithError("the raw calls differ from the library's");
        }
        benchkit::measurePair(state, state.range(0), pair);
    }
    dims.part = Ardo::kelt2pMdl();
    benchkit::finish(dims.dir);
}

void BM_DimListAll(benchmark::State& state) {
    pairBenchmark(state, ".*", nullptr);
}
BENCHMARK(BM_DimListAll)->Arg(1000)->Arg(100000)->Unit(benchmark::kMillisecond);

void BM_DimListPattern(benchmark::State& state) {
    pairBenchmark(state, "D_.*", admitD);
}
BENCHMARK(BM_DimListPattern)->Arg(1000)->Arg(100000)->Unit(benchmark::kMillisecond);

}  // namespace
