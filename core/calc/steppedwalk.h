// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The coilcalc developers
#pragma once
// The stepped grid that the searches walk, and a walker that finds the first grid point passing a
// monotone test without visiting every point.
//
// The grid: x_0 = start, x_(k+1) = toNumber(Ext(x_k) + step). A search returns the first x_k
// (k >= 1) that passes its test; the walker returns that very point, bit for bit, and its k.
//
// Why it can jump. Inside one binade [2^e, 2^(e+1)) every double is a multiple of the same ulp
// 2^(e-52), and the extended sum x + step (spacing 2^(e-63)) and its rounding to double are both
// roundings to a fixed grid of which x is a point. So x_(k+1) - x_k is the same at every point of
// the binade whose sum stays below 2^(e+1): rounding commutes with adding a multiple of the grid
// spacing. The one exception is a tie at the double rounding (the extended-rounded step an odd
// multiple of half an ulp): then the even neighbour wins, every result is even, and from the
// first in-binade result on the increment is again constant. The walker therefore starts a run
// only at a point that an in-binade step produced, and ends it where x + step could reach 2^(e+1);
// the points around each binade edge, the start and subnormal values are walked one by one.
//
// Once step is below half an ulp the value no longer changes (the walk stalls): for the step
// 0.00001 from 2^37, for 0.001 from 2^44, for 0.01 from 2^47.
#include <cstdint>
#include <limits>

#include "numtext/ext.h"

namespace steppedwalk {

// One step of the grid: x + step at extended precision, rounded to a Number.
Number NextPoint(Number x, Ext step);

// What a search asks of the walker. Along the grid, reached() is false up to some point and true
// from there on (a test that can raise a fault reports the fault as reached and raises it later,
// where the literal walk would).
class MonotoneTest {
 public:
  virtual ~MonotoneTest() = default;
  virtual bool reached(Number x) = 0;
  // Called after every move along the grid (one step, or a jump over a run of points), before the
  // point moved to is tested.
  virtual void moved() {}
};

enum class Outcome {
  Reached,  // point is the first grid point (k >= 1) for which reached() holds
  Stalled,  // adding the step no longer changes point, which failed: the walk never ends
  Limit,    // point is the first grid point at or above the limit; it was not tested
};

struct WalkResult {
  Outcome outcome;
  Number point;
  std::uint64_t steps;  // k of point
  Number previous;      // x_(k-1): tested and failed, or the start when k = 1
  std::uint64_t tests;  // calls of reached()
};

// The first x_k, k >= 1, for which test.reached(x_k) holds. The start itself is not tested.
// Points at or above limit are never tested.
WalkResult FindFirstReached(Number start, Ext step, MonotoneTest& test,
                            Number limit = std::numeric_limits<Number>::infinity());

}  // namespace steppedwalk
