// Chaining one closed contour of lines and arcs, shuffled and partly stored backwards: the
// grid-based chaining at growing sizes (its time per element should stay flat), and the
// plain rescanning greedy chaining it replaces, for comparison.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <cmath>
#include <iterator>
#include <list>
#include <random>
#include <vector>

#include "feature/curve_chain.h"
#include "kelt2proe/error.h"

namespace {

using Ardo::kelt2pCurveElement;
using Ardo::Point;
using ElementList = std::list<kelt2pCurveElement>;

constexpr double kTolerance = 0.01;

// `count` elements around a circle one unit apart, alternately lines and arcs, every
// joint opened by a gap within the tolerance, shuffled, and about half of them reversed.
std::vector<kelt2pCurveElement> shuffledContour(long count) {
    std::mt19937 rng(7);
    std::uniform_real_distribution<double> gap(-0.004, 0.004);
    const double radius = static_cast<double>(count) / 6.283185307179586;
    std::vector<Point> vertices;
    for (long i = 0; i < count; ++i) {
        const double angle = 6.283185307179586 * static_cast<double>(i) / count;
        vertices.emplace_back(radius * std::cos(angle), radius * std::sin(angle), 0.0);
    }
    std::vector<kelt2pCurveElement> elements;
    for (long i = 0; i < count; ++i) {
        kelt2pCurveElement e{};
        e.start = vertices[i];
        e.start.x += gap(rng);
        e.end = vertices[(i + 1) % count];
        e.isLine = i % 2 == 0;
        e.normal.Set(0.0, 0.0, 1.0);
        if (rng() % 2 == 0) {
            std::swap(e.start, e.end);
            e.normal.z = -1.0;
        }
        elements.push_back(e);
    }
    std::shuffle(elements.begin(), elements.end(), rng);
    return elements;
}

bool touches(const Point& a, const Point& b) {
    return std::fabs(a.x - b.x) <= kTolerance && std::fabs(a.y - b.y) <= kTolerance &&
           std::fabs(a.z - b.z) <= kTolerance;
}

void reverse(kelt2pCurveElement& e) {
    std::swap(e.start, e.end);
    e.normal = e.normal * -1.0;
}

// The greedy chaining as plainly written: after every join the scan starts again at the
// first remaining element.
void rescanningChain(ElementList& elements) {
    ElementList chain;
    chain.splice(chain.end(), elements, elements.begin());
    while (!elements.empty()) {
        bool joined = false;
        for (auto c = elements.begin(); c != elements.end() && !joined;) {
            const auto next = std::next(c);
            const Point& first = chain.front().start;
            const Point& last = chain.back().end;
            joined = true;
            if (touches(last, c->start)) {
                chain.splice(chain.end(), elements, c);
            } else if (touches(last, c->end)) {
                reverse(*c);
                chain.splice(chain.end(), elements, c);
            } else if (touches(first, c->end)) {
                chain.splice(chain.begin(), elements, c);
            } else if (touches(first, c->start)) {
                reverse(*c);
                chain.splice(chain.begin(), elements, c);
            } else {
                joined = false;
            }
            c = next;
        }
        if (!joined) {
            throw ardotk::no_chain();
        }
    }
    elements.swap(chain);
}

template <void (*Chain)(ElementList&)>
void measure(benchmark::State& state) {
    const auto source = shuffledContour(state.range(0));
    for (auto _ : state) {
        state.PauseTiming();
        ElementList elements(source.begin(), source.end());
        state.ResumeTiming();
        try {
            Chain(elements);
        } catch (const ardotk::no_chain&) {
            state.SkipWithError("the contour did not chain");
            break;
        }
        benchmark::DoNotOptimize(elements.front());
        state.PauseTiming();
        elements.clear();
        state.ResumeTiming();
    }
    state.SetItemsProcessed(state.iterations() * state.range(0));
}

void gridChain(ElementList& elements) {
    Ardo::chainCurveElements(elements, kTolerance);
}

void BM_CurveChain(benchmark::State& state) {
    measure<gridChain>(state);
}
BENCHMARK(BM_CurveChain)->Arg(1000)->Arg(100000)->Arg(1000000)->Unit(benchmark::kMillisecond);

void BM_CurveChainRescanning(benchmark::State& state) {
    measure<rescanningChain>(state);
}
BENCHMARK(BM_CurveChainRescanning)->Arg(10000)->Unit(benchmark::kMillisecond);

}  // namespace
