// Cost of listing the tools of a manufacturing model: kelt2pMfg::ToolList against a raw
// ProMfgToolVisit that narrows every tool id into a kept list, on models of 1k and 100k
// tools.
#include <ProMfg.h>
#include <ProUtil.h>
#include <benchmark/benchmark.h>

#include <filesystem>
#include <string>
#include <vector>

#include "bench_support.h"
#include "kelt2proe/mfg.h"
#include "tooltable_job.h"

namespace {

namespace fs = std::filesystem;

ProError collectId(const ProTool* tool, ProAppData data) {
    ProLine id = {};
    std::wcsncpy(id, tool->tool_id, PRO_LINE_SIZE - 1);
    char narrow[4 * PRO_LINE_SIZE] = {};
    ProWstringToString(narrow, id);
    static_cast<std::vector<std::string>*>(data)->emplace_back(narrow);
    return PRO_TK_NO_ERROR;
}

void BM_MfgToolList(benchmark::State& state) {
    const int count = static_cast<int>(state.range(0));
    fs::path dir = tooltablebench::prepare(count, false);
    {
        Ardo::kelt2pMfg mfg;
        mfg.Load("job");
        ProMfg handle = static_cast<ProMfg>(tooltablebench::jobHandle());
        std::vector<std::string> ids;
        int listed = 0;
        benchkit::Pair pair;
        pair.raw = [&] {
            ids.clear();
            ProMfgToolVisit(handle, collectId, &ids);
            benchmark::DoNotOptimize(ids.data());
        };
        pair.library = [&] { listed = mfg.ToolList(); };
        if (!benchkit::sameHostCalls(pair.library, pair.raw)) {
            state.SkipWithError("the raw calls differ from the library's");
        }
        benchkit::measurePair(state, count, pair);
        if (listed != count || ids.size() != static_cast<std::size_t>(count)) {
            state.SkipWithError("wrong count");
        }
    }
    benchkit::finish(dir);
}
BENCHMARK(BM_MfgToolList)->Arg(1000)->Arg(100000)->Unit(benchmark::kMillisecond);

}  // namespace
