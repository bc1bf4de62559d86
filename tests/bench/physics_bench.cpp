// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The coilcalc developers
// The physical reference: time per evaluation of each model, over the shapes it serves, and the
// time of each calculator's estimate for its window's defaults (what a command adds).
#include <benchmark/benchmark.h>

#include "calc/reference.h"
#include "physics/inductance.h"
#include "physics/roundwire.h"
#include "physics/solenoid_ac.h"
#include "physics/winding_ac.h"
#include "physics/wire.h"

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

// The single-layer coil at a working frequency (D, l, N, d in cm, f in Hz).
void ProximityFactor(benchmark::State& state, double D, double l, double N, double d, double f) {
  for (auto _ : state) {
    benchmark::DoNotOptimize(physics::SingleLayerProximityFactor(D, l, N, d, f));
  }
}
void SelfCapacitance(benchmark::State& state, double D, double l, double N) {
  for (auto _ : state) benchmark::DoNotOptimize(physics::SingleLayerSelfCapacitance(D, l, N));
}
void SelfResonance(benchmark::State& state, double D, double l, double N) {
  for (auto _ : state) benchmark::DoNotOptimize(physics::SingleLayerSelfResonance(D, l, N));
}
void SelfResonanceOnFormer(benchmark::State& state, double D, double l, double N, double eps) {
  for (auto _ : state) benchmark::DoNotOptimize(physics::SolenoidSelfResonance(D, l, N, eps, 1));
}

BENCHMARK_CAPTURE(ProximityFactor, window_defaults_1mm_1MHz, 0.4, 1.0, 5.0, 0.1, 1e6)->Unit(kUs);
BENCHMARK_CAPTURE(ProximityFactor, close_wound_1GHz, 1.0, 1.0, 10.0, 0.1, 1e9)->Unit(kUs);
BENCHMARK_CAPTURE(ProximityFactor, thin_wire_1Hz, 1.0, 1.0, 10.0, 1e-4, 1.0)->Unit(kUs);
BENCHMARK_CAPTURE(SelfCapacitance, window_defaults, 0.4, 1.0, 5.0)->Unit(kUs);
BENCHMARK_CAPTURE(SelfResonance, window_defaults, 0.4, 1.0, 5.0)->Unit(kUs);
BENCHMARK_CAPTURE(SelfResonance, short_l_D_0_1, 10.0, 1.0, 3.0)->Unit(kUs);
BENCHMARK_CAPTURE(SelfResonance, long_l_D_1e5, 1e-3, 100.0, 1e7)->Unit(kUs);
BENCHMARK_CAPTURE(SelfResonance, measured_coil_l_D_8_7, 3.71, 32.39, 30.4)->Unit(kUs);
BENCHMARK_CAPTURE(SelfResonanceOnFormer, PE_rod_l_D_1_7, 3.707, 6.22, 30.57, 2.3)->Unit(kUs);
BENCHMARK_CAPTURE(SelfResonanceOnFormer, PE_rod_l_D_100, 1.0, 100.0, 1000.0, 2.3)->Unit(kUs);

// The round wire at a/delta from 0.0076 (1 mm at 1 Hz) through the continued fraction's longest
// case (just below 25) to Hankel's expansion (1 mm at 1 GHz, a/delta = 239).
void RoundWire(benchmark::State& state, double d, double f) {
  for (auto _ : state) benchmark::DoNotOptimize(physics::RoundWireAc(d, f));
}
BENCHMARK_CAPTURE(RoundWire, weak_1mm_1Hz, 0.1, 1.0)->Unit(kUs);
BENCHMARK_CAPTURE(RoundWire, moderate_1mm_100kHz, 0.1, 1e5)->Unit(kUs);
BENCHMARK_CAPTURE(RoundWire, fraction_longest_a_delta_24, 0.1, 1.0004e7)->Unit(kUs);
BENCHMARK_CAPTURE(RoundWire, asymptotic_1mm_1GHz, 0.1, 1e9)->Unit(kUs);

// The multi-layer winding's Rac/Rdc (the field integral dominates; the wire and the frequency
// change nothing in its cost), over the shapes the windows accept.
void MultiLayerAc(benchmark::State& state, double Dbn, double l, double Dr, double N) {
  const double d = physics::LargestWire(l, Dr, N).value();
  for (auto _ : state) {
    benchmark::DoNotOptimize(physics::MultiLayerAcFactor(Dbn, l, Dr, N, d, 1e5));
  }
}
BENCHMARK_CAPTURE(MultiLayerAc, window_defaults, 1.0, 5.0, 2.0, 805.0)->Unit(kUs);
BENCHMARK_CAPTURE(MultiLayerAc, turns_1e5, 1.0, 5.0, 2.0, 1e5)->Unit(kUs);
BENCHMARK_CAPTURE(MultiLayerAc, flattest_l_1e_5_outer, 1.0, 3.1e-5, 1.0, 1.0)->Unit(kUs);
BENCHMARK_CAPTURE(MultiLayerAc, flat_l_0_01_Dr_100, 1.0, 0.01, 100.0, 1e5)->Unit(kUs);
BENCHMARK_CAPTURE(MultiLayerAc, from_axis_flat, 0.0, 1e-4, 1.0, 1.0)->Unit(kUs);
BENCHMARK_CAPTURE(MultiLayerAc, long_thin_l_Dr_1e5, 1.0, 100.0, 1e-3, 1e4)->Unit(kUs);
BENCHMARK_CAPTURE(MultiLayerAc, thick_Dr_Dbn_1e4, 1e-4, 1.0, 1.0, 1e5)->Unit(kUs);
BENCHMARK_CAPTURE(MultiLayerAc, wide_bore_Dbn_1e4, 1e4, 1.01, 1.0, 1e5)->Unit(kUs);

void WindowEstimate(benchmark::State& state, Computed computed) {
  const FormatSettings format{U','};
  for (auto _ : state) benchmark::DoNotOptimize(Estimate(computed, format));
}

BENCHMARK_CAPTURE(WindowEstimate, single_layer,
                  Computed(SingleLayerComputed{5, 0.4, 1, 0.0333898305084746}))
    ->Unit(kUs);
BENCHMARK_CAPTURE(WindowEstimate, multi_layer,
                  Computed(MultiLayerComputed{1, 5, 2, 805, 6206.59079391892}))
    ->Unit(kUs);
BENCHMARK_CAPTURE(WindowEstimate, turns,
                  Computed(TurnsComputed{1, 5, 1, 2500, 629.589999999572, 1.25917999999914}))
    ->Unit(kUs);
BENCHMARK_CAPTURE(WindowEstimate, turns_flat,
                  Computed(TurnsComputed{1, 0.01, 0.1, 100, 72.7100000000003, 0.727100000000003}))
    ->Unit(kUs);
BENCHMARK_CAPTURE(WindowEstimate, optimal,
                  Computed(OptimalComputed{5100, 24.5631146302557, 286.457205314841}))
    ->Unit(kUs);

// The whole estimate at a working frequency (kHz), as the frame asks for it: every figure and
// text, the AC ones included.
void WindowEstimateAt(benchmark::State& state, Computed computed, const char* f) {
  const FormatSettings format{U'.'};
  const ReferenceConditions at{f, ""};
  for (auto _ : state) benchmark::DoNotOptimize(Estimate(computed, at, format));
}

const Computed kSingleDefaults = SingleLayerComputed{5, 0.4, 1, 0.0333898305084746};
const Computed kMultiDefaults = MultiLayerComputed{1, 5, 2, 805, 6206.59079391892};
const Computed kTurnsDefaults = TurnsComputed{1, 5, 1, 2500, 629.589999999572, 1.25917999999914};
const Computed kOptimalDefaults =
    OptimalComputed{5100, 24.5631146302557, 286.457205314841, 1.22053308257263, 8, 1};

BENCHMARK_CAPTURE(WindowEstimateAt, single_layer_1MHz, kSingleDefaults, "1000")->Unit(kUs);
BENCHMARK_CAPTURE(WindowEstimateAt, single_layer_1GHz, kSingleDefaults, "1000000")->Unit(kUs);
BENCHMARK_CAPTURE(WindowEstimateAt, single_layer_long_1e7_turns,
                  Computed(SingleLayerComputed{1e7, 0.01, 1e4, 1.0}), "1000")
    ->Unit(kUs);
BENCHMARK_CAPTURE(WindowEstimateAt, multi_layer_1MHz, kMultiDefaults, "1000")->Unit(kUs);
BENCHMARK_CAPTURE(WindowEstimateAt, multi_layer_1GHz, kMultiDefaults, "1000000")->Unit(kUs);
BENCHMARK_CAPTURE(WindowEstimateAt, multi_layer_flattest,
                  Computed(MultiLayerComputed{1, 2e-5, 0.5, 10, 1.0}), "1000")
    ->Unit(kUs);
BENCHMARK_CAPTURE(WindowEstimateAt, multi_layer_thinnest,
                  Computed(MultiLayerComputed{1, 100, 0.001, 100, 1.0}), "1000")
    ->Unit(kUs);
BENCHMARK_CAPTURE(WindowEstimateAt, turns_1MHz, kTurnsDefaults, "1000")->Unit(kUs);
BENCHMARK_CAPTURE(WindowEstimateAt, optimal_1MHz, kOptimalDefaults, "1000")->Unit(kUs);

}  // namespace
