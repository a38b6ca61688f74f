// Cost of the component listing over the toolkit calls it makes:
// kelt2pMdl::ComponetList(".*") against a raw recursive ProSolidFeatVisit that reads each
// feature's status, type and component model and descends into sub-assemblies, on
// assemblies of 500 and 5,000 components in sub-assemblies of 100. And the cost of
// placing 1,000 components by coordinate systems.
#include <ProAsmcomp.h>
#include <ProFeature.h>
#include <ProMdl.h>
#include <ProSolid.h>
#include <benchmark/benchmark.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "bench_support.h"
#include "kelt2proe/mdl.h"

namespace {

namespace fs = std::filesystem;

constexpr int kPerSubassembly = 100;

// A part with the coordinate system CS0.
void writeFramePart(const fs::path& file) {
    std::ofstream out(file);
    out << R"({"type": "PRT", "features": [)"
        << R"({"id": 1, "type": 979, "name": "CS0", "items": [{"id": 2, "type": 25}]}]})"
        << "\n";
}

// An assembly file of `count` components of `model` (ids 1 ...).
void writeAssembly(const fs::path& file, const std::string& model, const char* type, int count) {
    std::ofstream out(file);
    out << R"({"type": "ASM", "components": [)";
    for (int i = 1; i <= count; ++i) {
        out << (i > 1 ? ",\n" : "\n") << R"({"id": )" << i << R"(, "model": ")" << model
            << R"(", "type": ")" << type << R"("})";
    }
    out << "]}\n";
}

// TOP of `count` components: sub-assemblies SUB of 99 parts each.
void writeNested(const fs::path& dir, int count) {
    writeFramePart(dir / "leaf.prt");
    writeAssembly(dir / "sub.asm", "LEAF", "PRT", kPerSubassembly - 1);
    writeAssembly(dir / "top.asm", "SUB", "ASM", count / kPerSubassembly);
}

struct Raw {
    std::vector<ProAsmcomppath> found;
    ProAsmcomppath path{};
    int level = 0;
    ProMdl passed = nullptr;
};

ProError filterRaw(ProFeature* feature, ProAppData data) {
    auto& raw = *static_cast<Raw*>(data);
    ProFeatStatus status = PRO_FEAT_INVALID;
    if (ProFeatureStatusGet(feature, &status) != PRO_TK_NO_ERROR ||
        (status != PRO_FEAT_ACTIVE && status != PRO_FEAT_UNREGENERATED)) {
        return PRO_TK_CONTINUE;
    }
    ProFeattype type = 0;
    if (ProFeatureTypeGet(feature, &type) != PRO_TK_NO_ERROR || type != PRO_FEAT_COMPONENT) {
        return PRO_TK_CONTINUE;
    }
    if (ProAsmcompMdlGet(feature, &raw.passed) != PRO_TK_NO_ERROR) {
        return PRO_TK_CONTINUE;
    }
    return PRO_TK_NO_ERROR;
}

ProError visitRaw(ProFeature* feature, ProError, ProAppData data) {
    auto& raw = *static_cast<Raw*>(data);
    raw.path.comp_id_table[raw.level] = feature->id;
    raw.path.table_num = raw.level + 1;
    raw.found.push_back(raw.path);
    ProMdl model = raw.passed;
    ProMdlType type = PRO_MDL_UNUSED;
    if (ProMdlTypeGet(model, &type) == PRO_TK_NO_ERROR && type == PRO_MDL_ASSEMBLY) {
        ++raw.level;
        ProSolidFeatVisit(static_cast<ProSolid>(model), visitRaw, filterRaw, data);
        --raw.level;
    }
    return PRO_TK_NO_ERROR;
}

void BM_ComponetList(benchmark::State& state) {
    const int count = static_cast<int>(state.range(0));
    fs::path dir = benchkit::scratchDir("asm-bench", count);
    writeNested(dir, count);
    benchkit::startHost(dir);
    {
        Ardo::kelt2pMdl top;
        top.Load((dir / "top.asm").string().c_str(), Ardo::KELT2P_MDL_ASSEMBLY, false);
        ProName modelName = L"TOP";
        ProMdl model = nullptr;
        ProMdlInit(modelName, PRO_MDL_ASSEMBLY, &model);
        Raw raw;
        benchkit::Pair pair;
        pair.raw = [&] {
            raw.found.clear();
            raw.path = ProAsmcomppath{};
            raw.path.owner = static_cast<ProSolid>(model);
            raw.level = 0;
            ProMdlType type = PRO_MDL_UNUSED;
            ProMdlTypeGet(model, &type);
            benchkit::widenPattern(".*");
            ProSolidFeatVisit(raw.path.owner, visitRaw, filterRaw, &raw);
            benchmark::DoNotOptimize(raw.found.data());
        };
        pair.library = [&] { benchmark::DoNotOptimize(top.ComponetList(".*")); };
        if (!benchkit::sameHostCalls(pair.library, pair.raw)) {
            state.SkipWithError("the raw calls differ from the library's");
        }
        benchkit::measurePair(state, count, pair);
    }
    benchkit::finish(dir);
}
BENCHMARK(BM_ComponetList)->Arg(500)->Arg(5000)->Unit(benchmark::kMillisecond);

// Placing 1,000 components, each with its CS0 on the assembly's CS0.
void BM_AddByCsys(benchmark::State& state) {
    const int count = static_cast<int>(state.range(0));
    fs::path dir = benchkit::scratchDir("asm-add-bench", count);
    writeFramePart(dir / "leaf.prt");
    benchkit::startHost(dir);
    {
        Ardo::kelt2pMdl leaf;
        leaf.Load((dir / "leaf.prt").string().c_str(), Ardo::KELT2P_MDL_PART, false);
        int round = 0;
        for (auto _ : state) {
            state.PauseTiming();
            Ardo::kelt2pMdl top;
            std::string name = "TOP" + std::to_string(round++);
            top.Create(name.c_str(), Ardo::KELT2P_MDL_ASSEMBLY);
            top.CsysCreate("CS0");
            state.ResumeTiming();
            for (int i = 0; i < count; ++i) {
                benchmark::DoNotOptimize(top.Add(leaf, "CS0", "CS0"));
            }
            state.PauseTiming();
            top.Erase();
            state.ResumeTiming();
        }
        state.SetItemsProcessed(state.iterations() * count);
    }
    benchkit::finish(dir);
}
BENCHMARK(BM_AddByCsys)->Arg(1000)->Unit(benchmark::kMillisecond)->Iterations(2);

}  // namespace
