// Cost of loading a model file as it grows: ProMdlLoad (then ProMdlErase) of a part whose
// file holds 1k or 10k parameter-like entries. The entries sit in a section no host
// area interprets, so the figure is the file layer's cost (parse, keep, release); the
// per-item ratio of the two sizes should stay near 1.
#include <ProCore.h>
#include <ProMdl.h>
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "kelt2proe/simhost/control.h"

namespace {

namespace fs = std::filesystem;

// A scratch working directory holding `part.prt` with `count` entries, and a host
// session started there that this process is connected to.
fs::path prepare(int count) {
    fs::path dir =
        fs::temp_directory_path() /
        ("kelt2proe-model-load-" + std::to_string(::getpid()) + "-" + std::to_string(count));
    fs::create_directories(dir);
    std::ofstream out(dir / "part.prt");
    out << "{\n  \"format\": 1,\n  \"type\": \"PRT\",\n  \"bench_entries\": [\n";
    for (int i = 0; i < count; ++i) {
        out << "    {\"name\": \"PARAM_" << i << "\", \"type\": \"double\", \"value\": " << i
            << ".5, \"description\": \"entry " << i << "\"}" << (i + 1 < count ? ",\n" : "\n");
    }
    out << "  ]\n}\n";
    out.close();
    simhost::reset();
    fs::path previous = fs::current_path();
    fs::current_path(dir);
    std::string id = simhost::launch();
    fs::current_path(previous);
    ProProcessHandle handle{};
    ProBoolean random = PRO_B_FALSE;
    ProEngineerConnect(id.data(), nullptr, nullptr, nullptr, PRO_B_FALSE, 20, &random, &handle);
    return dir;
}

void BM_ModelLoad(benchmark::State& state) {
    const int count = static_cast<int>(state.range(0));
    fs::path dir = prepare(count);
    ProPath path{};
    std::wstring wide = (dir / "part.prt").wstring();
    wide.copy(path, PRO_PATH_SIZE - 1);
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
    simhost::reset();
    fs::remove_all(dir);
}
BENCHMARK(BM_ModelLoad)->Arg(1000)->Arg(10000)->Unit(benchmark::kMillisecond);

}  // namespace
