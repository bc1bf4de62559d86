// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The coilcalc developers
// The stepped searches: the point-by-point walk against the fast walker.
#include <benchmark/benchmark.h>

#include "calc/searches.h"
#include "tests/core/literalwalks.h"

namespace {

void LiteralDbToRatio(benchmark::State& state, Number A) {
  for (auto _ : state) benchmark::DoNotOptimize(literal::DbToRatio(A));
}
void FastDbToRatio(benchmark::State& state, Number A) {
  for (auto _ : state) benchmark::DoNotOptimize(searches::DbToRatioWalk(A));
}
void LiteralFifthRoot(benchmark::State& state, Number a) {
  NoEventPump pump;
  for (auto _ : state) benchmark::DoNotOptimize(literal::FifthRoot(a, pump));
}
void FastFifthRoot(benchmark::State& state, Number a) {
  NoEventPump pump;
  for (auto _ : state) benchmark::DoNotOptimize(searches::FifthRootWalk(a, pump));
}
void LiteralTurns(benchmark::State& state, Number Lreq) {
  for (auto _ : state) {
    Number Dr = 0;
    benchmark::DoNotOptimize(literal::Turns(1, 5, 1, Lreq, Dr));
  }
}
void FastTurns(benchmark::State& state, Number Lreq) {
  for (auto _ : state) {
    Number Dr = 0;
    benchmark::DoNotOptimize(searches::TurnsSearch(1, 5, 1, Lreq, Dr));
  }
}

constexpr auto kMs = benchmark::kMillisecond;
constexpr auto kUs = benchmark::kMicrosecond;

BENCHMARK_CAPTURE(LiteralDbToRatio, 1dB, 1.0)->Unit(kMs);
BENCHMARK_CAPTURE(FastDbToRatio, 1dB, 1.0)->Unit(kUs);
BENCHMARK_CAPTURE(LiteralDbToRatio, 20dB, 20.0)->Unit(kMs);
BENCHMARK_CAPTURE(FastDbToRatio, 20dB, 20.0)->Unit(kUs);
BENCHMARK_CAPTURE(LiteralDbToRatio, 60dB, 60.0)->Unit(kMs)->Iterations(1);
BENCHMARK_CAPTURE(FastDbToRatio, 60dB, 60.0)->Unit(kUs);
BENCHMARK_CAPTURE(LiteralFifthRoot, 5100, 5100.0)->Unit(kMs);
BENCHMARK_CAPTURE(FastFifthRoot, 5100, 5100.0)->Unit(kUs);
BENCHMARK_CAPTURE(LiteralFifthRoot, 1e10, 1e10)->Unit(kMs);
BENCHMARK_CAPTURE(FastFifthRoot, 1e10, 1e10)->Unit(kUs);
BENCHMARK_CAPTURE(LiteralFifthRoot, 1e15, 1e15)->Unit(kMs);
BENCHMARK_CAPTURE(FastFifthRoot, 1e15, 1e15)->Unit(kUs);
BENCHMARK_CAPTURE(LiteralTurns, 2500uH, 2500.0)->Unit(kMs);
BENCHMARK_CAPTURE(FastTurns, 2500uH, 2500.0)->Unit(kUs);
BENCHMARK_CAPTURE(LiteralTurns, 1e6uH, 1e6)->Unit(kMs);
BENCHMARK_CAPTURE(FastTurns, 1e6uH, 1e6)->Unit(kUs);

}  // namespace
