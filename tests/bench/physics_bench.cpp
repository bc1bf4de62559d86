// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The coilcalc developers
// The physical reference: time per evaluation of each model, over the shapes it serves.
#include <benchmark/benchmark.h>

#include "physics/inductance.h"

namespace {

void CurrentSheet(benchmark::State& state, double D, double l) {
  for (auto _ : state) benchmark::DoNotOptimize(physics::CurrentSheetInductance(D, l, 100));
}
void RectangularWinding(benchmark::State& state, double Dbn, double l, double Dr) {
  for (auto _ : state) {
    benchmark::DoNotOptimize(physics::RectangularWindingInductance(Dbn, l, Dr, 100));
  }
}

constexpr auto kUs = benchmark::kMicrosecond;

BENCHMARK_CAPTURE(CurrentSheet, short_l_D_0_001, 1.0, 0.001)->Unit(kUs);
BENCHMARK_CAPTURE(CurrentSheet, l_D_1, 1.0, 1.0)->Unit(kUs);
BENCHMARK_CAPTURE(CurrentSheet, long_l_D_1000, 1.0, 1000.0)->Unit(kUs);
BENCHMARK_CAPTURE(RectangularWinding, window_defaults, 1.0, 5.0, 2.0)->Unit(kUs);
BENCHMARK_CAPTURE(RectangularWinding, Brooks, 2.0, 1.0, 1.0)->Unit(kUs);
BENCHMARK_CAPTURE(RectangularWinding, thin_Dr_1e_6, 1.0, 1.0, 1e-6)->Unit(kUs);
BENCHMARK_CAPTURE(RectangularWinding, from_axis, 0.0, 1.0, 1.0)->Unit(kUs);
BENCHMARK_CAPTURE(RectangularWinding, long_thin, 1.0, 100.0, 0.01)->Unit(kUs);
BENCHMARK_CAPTURE(RectangularWinding, flat_l_0_01_Dr_1, 1.0, 0.01, 1.0)->Unit(kUs);
BENCHMARK_CAPTURE(RectangularWinding, flattest_l_0_01_Dr_100, 1.0, 0.01, 100.0)->Unit(kUs);
BENCHMARK_CAPTURE(RectangularWinding, from_axis_flat, 0.0, 0.0001, 1.0)->Unit(kUs);

}  // namespace
