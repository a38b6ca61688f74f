// Cost of the feature listing over the toolkit calls it makes: kelt2pMdl::FeatureList
// against a raw ProSolidFeatVisit making the same calls (status; or status, type and
// name), on models of 1k and 100k features read from model files.
#include <ProCore.h>
#include <ProFeature.h>
#include <ProMdl.h>
#include <ProModelitem.h>
#include <ProSolid.h>
#include <benchmark/benchmark.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "bench_support.h"
#include "kelt2proe/mdl.h"
#include "kelt2proe/simhost/control.h"

namespace {

// A scratch working directory for the model files, kept for the program's run.
const std::filesystem::path& scratchDir() {
    static const std::filesystem::path dir = [] {
        auto path = std::filesystem::temp_directory_path() / "kelt2proe_feature_bench";
        std::filesystem::create_directories(path);
        return path;
    }();
    return dir;
}

// A part of `count` features named F1, F2 ...; every tenth one suppressed, types
// alternating between two numbers.
std::string writeModel(int count) {
    std::string name = "feat" + std::to_string(count);
    std::ofstream out(scratchDir() / (name + ".prt"));
    out << R"({"type": "PRT", "features": [)";
    for (int id = 1; id <= count; ++id) {
        out << (id > 1 ? "," : "") << R"({"id": )" << id << R"(, "type": )"
            << (id % 2 == 0 ? 911 : 917) << R"(, "name": "F)" << id << R"(", "status": )"
            << (id % 10 == 0 ? 5 : 0) << "}";
    }
    out << "]}";
    return name;
}

// A connected host session with the model of `count` features loaded.
Ardo::kelt2pMdl sessionWithFeatures(int count) {
    simhost::reset();
    std::filesystem::current_path(scratchDir());
    std::string file = writeModel(count) + ".prt";
    std::string id = simhost::launch();
    ProProcessHandle handle{};
    ProBoolean random = PRO_B_FALSE;
    ProEngineerConnect(id.data(), nullptr, nullptr, nullptr, PRO_B_FALSE, 20, &random, &handle);
    Ardo::kelt2pMdl part;
    part.Load(file.c_str(), Ardo::KELT2P_MDL_PART, false);
    return part;
}

struct RawList {
    int type = 0;
    std::vector<int> ids;
};

bool rawActive(ProFeature* feature) {
    ProFeatStatus status = PRO_FEAT_INVALID;
    return ProFeatureStatusGet(feature, &status) == PRO_TK_NO_ERROR &&
           (status == PRO_FEAT_ACTIVE || status == PRO_FEAT_UNREGENERATED);
}

// Status only: what the listing of any type and every name needs.
ProError rawStatusVisit(ProFeature* feature, ProError, ProAppData data) {
    if (rawActive(feature)) {
        static_cast<RawList*>(data)->ids.push_back(feature->id);
    }
    return PRO_TK_NO_ERROR;
}

// Status, type and name, each only for the features still taken.
ProError rawTypedVisit(ProFeature* feature, ProError, ProAppData data) {
    auto& list = *static_cast<RawList*>(data);
    ProFeattype type = 0;
    ProName name;
    if (rawActive(feature) && ProFeatureTypeGet(feature, &type) == PRO_TK_NO_ERROR &&
        type == list.type && ProModelitemNameGet(feature, name) == PRO_TK_NO_ERROR) {
        list.ids.push_back(feature->id);
    }
    return PRO_TK_NO_ERROR;
}

// FeatureList(pattern, type) against the raw visit `visit`, checked first to make the
// same host calls.
void pairBenchmark(benchmark::State& state, ProFeatureVisitAction visit, const char* pattern,
                   int type) {
    {
        Ardo::kelt2pMdl part = sessionWithFeatures(static_cast<int>(state.range(0)));
        ProName name = {};
        std::wstring wide = L"FEAT" + std::to_wstring(state.range(0));
        wide.copy(name, wide.size());
        ProMdl model = nullptr;
        ProMdlInit(name, PRO_MDL_PART, &model);
        RawList list;
        list.type = type;
        benchkit::Pair pair;
        pair.raw = [&] {
            list.ids.clear();
            benchkit::widenPattern(pattern);
            benchmark::DoNotOptimize(
                ProSolidFeatVisit(static_cast<ProSolid>(model), visit, nullptr, &list));
            benchmark::DoNotOptimize(list.ids.data());
        };
        pair.library = [&] {
            benchmark::DoNotOptimize(
                part.FeatureList(pattern, static_cast<Ardo::kelt2pFeaturetype>(type)));
        };
        if (!benchkit::sameHostCalls(pair.library, pair.raw)) {
            state.SkipWithError("the raw calls differ from the library's");
        }
        benchkit::measurePair(state, state.range(0), pair);
    }
    simhost::reset();
}

// Any type, every name: the listing reads only the status.
void BM_FeatureListAll(benchmark::State& state) {
    pairBenchmark(state, rawStatusVisit, ".*", Ardo::KELT2P_FEAT_ANY);
}
BENCHMARK(BM_FeatureListAll)->Arg(1000)->Arg(100000)->Unit(benchmark::kMillisecond);

// A type and a pattern: status, type and name of every candidate.
void BM_FeatureListTypeAndPattern(benchmark::State& state) {
    pairBenchmark(state, rawTypedVisit, "F[0-9]*", 911);
}
BENCHMARK(BM_FeatureListTypeAndPattern)->Arg(1000)->Arg(100000)->Unit(benchmark::kMillisecond);

}  // namespace
