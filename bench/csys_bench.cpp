// Cost of the coordinate-system listing over the toolkit calls it makes:
// kelt2pMdl::CsysList(".*") against a raw ProSolidCsysVisit that turns each coordinate
// system into its geometry item and reads its name, on parts with 100 and 10k
// coordinate systems.
#include <ProCsys.h>
#include <ProGeomitem.h>
#include <ProMdl.h>
#include <ProModelitem.h>
#include <ProSolid.h>
#include <benchmark/benchmark.h>

#include <filesystem>
#include <fstream>
#include <vector>

#include "bench_support.h"
#include "kelt2proe/mdl.h"

namespace {

namespace fs = std::filesystem;

struct Raw {
    ProSolid solid = nullptr;
    std::vector<ProGeomitem> found;
};

// A part with `count` coordinate-system features CS_1 ... (ids 1 ..., items count + 1 ...).
void writeCsysPart(const fs::path& file, int count) {
    std::ofstream out(file);
    out << R"({"type": "PRT", "features": [)";
    for (int i = 1; i <= count; ++i) {
        out << (i > 1 ? ",\n" : "\n") << R"({"id": )" << i << R"(, "type": 979, "name": "CS_)" << i
            << R"(", "items": [{"id": )" << count + i << R"(, "type": 25}]})";
    }
    out << "]}\n";
}

ProError visitCsys(ProCsys csys, ProError, ProAppData data) {
    auto& raw = *static_cast<Raw*>(data);
    ProGeomitem item{};
    if (ProError err = ProCsysToGeomitem(raw.solid, csys, &item)) {
        return err;
    }
    ProName name = {};
    if (ProError err = ProModelitemNameGet(&item, name)) {
        return err;
    }
    raw.found.push_back(item);
    return PRO_TK_NO_ERROR;
}

void BM_CsysList(benchmark::State& state) {
    const int count = static_cast<int>(state.range(0));
    fs::path dir = benchkit::scratchDir("csys-bench", count);
    writeCsysPart(dir / "frames.prt", count);
    benchkit::startHost(dir);
    {
        Ardo::kelt2pMdl part;
        part.Load((dir / "frames.prt").string().c_str(), Ardo::KELT2P_MDL_PART, false);
        ProName modelName = L"FRAMES";
        ProMdl model = nullptr;
        ProMdlInit(modelName, PRO_MDL_PART, &model);
        Raw raw;
        raw.solid = static_cast<ProSolid>(model);
        benchkit::Pair pair;
        pair.raw = [&] {
            raw.found.clear();
            benchkit::widenPattern(".*");
            ProSolidCsysVisit(raw.solid, visitCsys, nullptr, &raw);
            benchmark::DoNotOptimize(raw.found.data());
        };
        pair.library = [&] { benchmark::DoNotOptimize(part.CsysList(".*")); };
        if (!benchkit::sameHostCalls(pair.library, pair.raw)) {
            state.SkipWithError("the raw calls differ from the library's");
        }
        benchkit::measurePair(state, count, pair);
    }
    benchkit::finish(dir);
}
BENCHMARK(BM_CsysList)->Arg(100)->Arg(10000)->Unit(benchmark::kMillisecond);

}  // namespace
