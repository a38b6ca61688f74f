// Matrix inversion and rotation decomposition against a plain 4x4 multiply.
#include <benchmark/benchmark.h>

#include "kelt2proe/geometry.h"

namespace {

Ardo::Matrix sampleTransform() {
    Ardo::Matrix m;
    m.RotXYZ(0.4, -0.7, 2.1);
    m.TransAdd(12.5, -3.0, 40.0);
    return m;
}

// Baseline: the 64 multiply-adds of a 4x4 product on bare arrays.
void BM_PlainMultiply4x4(benchmark::State& state) {
    double a[4][4], b[4][4], c[4][4];
    sampleTransform().Get4X4(a);
    sampleTransform().Get4X4ProE(b);
    for (auto _ : state) {
        benchmark::DoNotOptimize(a);
        benchmark::DoNotOptimize(b);
        for (int i = 0; i < 4; ++i) {
            for (int j = 0; j < 4; ++j) {
                double sum = 0.0;
                for (int k = 0; k < 4; ++k) {
                    sum += a[i][k] * b[k][j];
                }
                c[i][j] = sum;
            }
        }
        benchmark::DoNotOptimize(c);
    }
}
BENCHMARK(BM_PlainMultiply4x4);

void BM_MatrixMultiply(benchmark::State& state) {
    Ardo::Matrix a = sampleTransform();
    Ardo::Matrix b = a.Inverse();
    for (auto _ : state) {
        benchmark::DoNotOptimize(a);
        benchmark::DoNotOptimize(b);
        Ardo::Matrix c = a * b;
        benchmark::DoNotOptimize(c);
    }
}
BENCHMARK(BM_MatrixMultiply);

void BM_MatrixInverse(benchmark::State& state) {
    Ardo::Matrix a = sampleTransform();
    for (auto _ : state) {
        benchmark::DoNotOptimize(a);
        Ardo::Matrix inverse = a.Inverse();
        benchmark::DoNotOptimize(inverse);
    }
}
BENCHMARK(BM_MatrixInverse);

void BM_MatrixRotGet(benchmark::State& state) {
    Ardo::Matrix a = sampleTransform();
    double ax, ay, az;
    for (auto _ : state) {
        benchmark::DoNotOptimize(a);
        a.RotGet(&ax, &ay, &az);
        benchmark::DoNotOptimize(ax);
        benchmark::DoNotOptimize(ay);
        benchmark::DoNotOptimize(az);
    }
}
BENCHMARK(BM_MatrixRotGet);

}  // namespace
