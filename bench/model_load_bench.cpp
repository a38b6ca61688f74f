// Cost of loading a model file as it grows: ProMdlLoad (then ProMdlErase) of a part whose
// file holds 1k or 10k model parameters and as many features (the "parameters" and
// "features" sections of the model-file format). One item is one parameter and one
// feature; the per-item ratio of the two sizes should stay near 1.
#include <ProCore.h>
#include <ProMdl.h>
#include <benchmark/benchmark.h>

#include <string>

#include "bench_support.h"
#include "kelt2proe/mdl.h"
#include "kelt2proe/simhost/control.h"

namespace {

void BM_ModelLoad(benchmark::State& state) {
    const int count = static_cast<int>(state.range(0));
    const auto dir = benchkit::scratchDir("model-load", count);
    benchkit::writePart(dir / "part.prt", count, count);
    benchkit::startHost(dir);
    ProPath path{};
    std::wstring wide = (dir / "part.prt").wstring();
    wide.copy(path, PRO_PATH_SIZE - 1);
    {
        // The file's sections are read: every parameter and feature is in the model.
        Ardo::kelt2pMdl part;
        part.Load((dir / "part.prt").string().c_str(), Ardo::KELT2P_MDL_PART, false);
        if (part.ParamList(".*") != count ||
            part.FeatureList(".*", Ardo::KELT2P_FEAT_ANY) != count) {
            state.SkipWithError("the model lacks parameters or features");
        }
        part.Erase();
    }
    for (auto _ : state) {
        ProMdl model = nullptr;
        if (ProMdlLoad(path, PRO_MDL_PART, PRO_B_FALSE, &model) != PRO_TK_NO_ERROR) {
            state.SkipWithError("load failed");
            break;
        }
        ProMdlErase(model);
        simhost::clearJournal();
    }
    state.SetItemsProcessed(state.iterations() * count);
    benchkit::finish(dir);
}
BENCHMARK(BM_ModelLoad)->Arg(1000)->Arg(10000)->Unit(benchmark::kMillisecond);

}  // namespace
