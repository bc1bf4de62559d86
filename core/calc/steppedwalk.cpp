// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The coilcalc developers
#include "calc/steppedwalk.h"

#include <cstring>

namespace steppedwalk {

namespace {

constexpr std::uint64_t kExponentMask = 0x7ff0000000000000ULL;
constexpr std::uint64_t kMaxExponentField = 0x7fe;

std::uint64_t BitsOfNumber(Number x) {
  std::uint64_t bits;
  std::memcpy(&bits, &x, sizeof bits);
  return bits;
}

std::uint64_t ExponentField(Number x) { return (BitsOfNumber(x) & kExponentMask) >> 52; }

// A positive normal double: one whose binade has the full 53-bit spacing.
bool IsPositiveNormal(Number x) {
  const std::uint64_t field = ExponentField(x);
  return x > 0 && field >= 1 && field <= kMaxExponentField;
}

// 2^e for the binade [2^e, 2^(e+1)) that holds the positive normal x.
Number BinadeFloor(Number x) {
  const std::uint64_t bits = BitsOfNumber(x) & kExponentMask;
  Number floor;
  std::memcpy(&floor, &bits, sizeof floor);
  return floor;
}

// A run of grid points x_0 + j * increment, j = 0 .. length, all inside one binade. Its own
// arithmetic cannot fault (every value lies within the binade or next to it), so it takes the
// masked operations: no checks in the walker's inner loop.
struct Run {
  Number first;
  Ext increment;
  std::uint64_t length;

  Number at(std::uint64_t j) const {
    // Exact: j * increment is a multiple of the binade's ulp below 2^64 ulps, and the sum is a
    // double of the binade.
    return maskedToNumber(maskedAdd(Ext(first), maskedMul(Ext::fromInteger(j), increment)));
  }
};

// The run of the grid that starts at x, a point produced by a step inside its own binade; length 0
// when no run of two or more points can be formed. Only points below limit belong to it.
Run RunFrom(Number x, Ext step, Number limit) {
  Run run{x, Ext(), 0};
  const Ext top = maskedMul(2, Ext(BinadeFloor(x)));
  // Every point y <= last steps to y + increment inside the binade: y + step <= top - step, and
  // the rounding error of last itself (at most 2^(e-64)) is far below step wherever the step
  // still changes the value.
  const Ext last = maskedSub(top, maskedMul(2, step));
  if (!(Ext(x) <= last)) return run;
  run.increment = maskedSub(Ext(NextPoint(x, step)), x);
  if (!(run.increment > Ext())) return run;

  // The largest length with at(length - 1) <= last: every point of the run but the last one
  // steps within the binade.
  std::uint64_t length = truncToUint64(maskedDiv(maskedSub(last, x), run.increment)) + 1;
  while (length > 1 && Ext(run.at(length - 1)) > last) --length;
  while (Ext(run.at(length)) <= last) ++length;
  if (!(run.at(length) < limit)) {
    length = truncToUint64(maskedDiv(maskedSub(Ext(limit), x), run.increment));
    while (length > 0 && !(run.at(length) < limit)) --length;
    while (run.at(length + 1) < limit) ++length;
  }
  run.length = length;
  return run;
}

}  // namespace

Number NextPoint(Number x, Ext step) { return toNumber(Ext(x) + step); }

WalkResult FindFirstReached(Number start, Ext step, MonotoneTest& test, Number limit) {
  WalkResult result{Outcome::Reached, start, 0, start, 0};
  auto reached = [&](Number x) {
    ++result.tests;
    return test.reached(x);
  };

  Number x = start;
  std::uint64_t k = 0;
  bool producedInBinade = false;  // x = NextPoint(previous) with both in the same binade
  Number previous = start;
  for (;;) {
    if (producedInBinade) {
      const Run run = RunFrom(x, step, limit);
      if (run.length >= 2) {
        test.moved();
        if (!reached(run.at(run.length))) {
          previous = run.at(run.length - 1);
          x = run.at(run.length);
          k += run.length;
          // x stepped within the binade, but by construction no run starts at it.
        } else {
          // Bisection: at(lo) failed, at(hi) reached.
          std::uint64_t lo = 0, hi = run.length;
          while (hi - lo > 1) {
            const std::uint64_t mid = lo + (hi - lo) / 2;
            if (reached(run.at(mid)))
              hi = mid;
            else
              lo = mid;
          }
          result.outcome = Outcome::Reached;
          result.point = run.at(hi);
          result.previous = run.at(lo);
          result.steps = k + hi;
          return result;
        }
      }
    }

    const Number y = NextPoint(x, step);
    if (y == x) {
      // Every later point is x again. The start has not been tested yet: the first step counts.
      if (k == 0) {
        k = 1;
        test.moved();
        if (reached(x)) {
          result.outcome = Outcome::Reached;
          result.point = result.previous = x;
          result.steps = 1;
          return result;
        }
      }
      result.outcome = Outcome::Stalled;
      result.point = x;
      result.steps = k;
      result.previous = previous;
      return result;
    }
    if (!(y < limit)) {
      result.outcome = Outcome::Limit;
      result.point = y;
      result.steps = k + 1;
      result.previous = x;
      return result;
    }
    producedInBinade = IsPositiveNormal(x) && ExponentField(x) == ExponentField(y);
    previous = x;
    x = y;
    ++k;
    test.moved();
    if (reached(x)) {
      result.outcome = Outcome::Reached;
      result.point = x;
      result.steps = k;
      result.previous = previous;
      return result;
    }
  }
}

}  // namespace steppedwalk
