// One whole evaluation of the formula, fault tests included, beside the same closed form
// as one plain double expression.

#include "calculator/LoadingCoil.h"

#include <benchmark/benchmark.h>

#include <cmath>

namespace {

// Runs L(A, B, D, f) on the typical inputs, which the optimiser may not treat as known.
template <class Formula>
void measure(benchmark::State& state, Formula formula)
{
    double A = 5, B = 2, D = 2, f = 7.1;
    for (auto _ : state) {
        benchmark::DoNotOptimize(A);
        benchmark::DoNotOptimize(B);
        benchmark::DoNotOptimize(D);
        benchmark::DoNotOptimize(f);
        double L = formula(A, B, D, f);
        benchmark::DoNotOptimize(L);
    }
}

void LoadingCoilWithFaultTests(benchmark::State& state)
{
    measure(state, calculator::loadingCoilInductance);
}
BENCHMARK(LoadingCoilWithFaultTests);

void PlainDoubleClosedForm(benchmark::State& state)
{
    measure(state, [](double A, double B, double D, double f) {
        return 1490 / std::pow(f, 2)
            * ((std::pow(1 - f * B / 71.3, 2) - 1) * (std::log(2000 * (71.3 / f - B) / D) - 1) / (3.28 * (71.3 / f - B))
                - (std::log(2000 * (A - B) / D) - 1) * (std::pow((A - B) * f / 71.3, 2) - 1) / (3.28 * (A - B)));
    });
}
BENCHMARK(PlainDoubleClosedForm);

} // namespace
