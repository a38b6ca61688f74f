// The element-tree dump: cost per element for 1k and 10k elements.
#include <benchmark/benchmark.h>

#include <filesystem>

#include "feature/elemtree_dump.h"
#include "kelt2proe/simhost/control.h"
#include "toolkit/elemtree.h"

namespace {

// A feature-like tree: root, then groups of one compound with four valued leaves.
ardotk::ElemTree treeOf(int elements) {
    ardotk::ElemTree root = ardotk::ElementAlloc(386);
    for (int made = 1; made + 5 <= elements; made += 5) {
        ProElement group = ardotk::ElementAdd(root.get(), ardotk::ElementAlloc(510));
        ardotk::ElementAdd(group, ardotk::ElementInteger(492, made));
        ardotk::ElementAdd(group, ardotk::ElementDouble(333, made * 0.5));
        ardotk::ElementAdd(group, ardotk::ElementWstring(151, L"NAME"));
        ardotk::ElementAdd(group, ardotk::ElementInteger(54, made));
    }
    return root;
}

void ElemtreeDump(benchmark::State& state) {
    simhost::reset();
    auto dir = std::filesystem::temp_directory_path() / "kelt2proe-elemtree-bench";
    std::filesystem::create_directories(dir);
    auto previous = std::filesystem::current_path();
    std::filesystem::current_path(dir);
    int elements = static_cast<int>(state.range(0));
    ardotk::ElemTree root = treeOf(elements);
    for (auto _ : state) {
        simhost::clearJournal();
        benchmark::DoNotOptimize(Ardo::ElemtreeDump(root.get()));
    }
    state.SetItemsProcessed(state.iterations() * elements);
    root.release();
    simhost::clearJournal();
    std::filesystem::current_path(previous);
    std::filesystem::remove_all(dir);
}
BENCHMARK(ElemtreeDump)->Arg(1000)->Arg(10000)->Unit(benchmark::kMillisecond);

}  // namespace
