// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The coilcalc developers
#include "calc/searches.h"

#include <cmath>
#include <limits>

#include "calc/indmnogosl.h"
#include "calc/steppedwalk.h"
#include "calc/texts.h"
#include "numtext/numbertext.h"

namespace searches {

namespace {

using steppedwalk::FindFirstReached;
using steppedwalk::MonotoneTest;
using steppedwalk::NextPoint;
using steppedwalk::Outcome;

std::string Show(Ext v, const FormatSettings& format) { return NumberToText(v, format); }

// ---- DbToRatio ----------------------------------------------------------------------------

constexpr Ext kRatioStep = 0.00001_ext;
constexpr Ext kLevelTolerance = 0.0001_ext;

// 20 * log10(x) - A. The level of the grid rises with x: log10 is accurate to about one ulp of
// the result (correctly rounded on the software backend), while the logarithms of two successive
// grid points (relative distance at least 2^-53, results below 12 in magnitude) lie some 50 ulps
// apart or more.
Ext LevelOffset(Number x, Number A) { return 20 * log10(Ext(x)) - A; }

// A point is reached once its level is above A - 0.0001. The first such point is the answer if
// it also lies below A + 0.0001; otherwise every later point lies above the window too.
//
// Most points the walker tests lie far from that floor, and there a double logarithm decides as
// the extended one would: both are within some 2^-50 of the exact level's magnitude (the C
// library's log10 within a few ulps, a few roundings after it), so where the double estimate lies
// further than 1e-9 of that magnitude from the floor, the extended level lies on the same side.
// Only the points near the floor take the extended logarithm, the costly operation of the
// search.
class LevelAboveWindowFloor final : public MonotoneTest {
 public:
  explicit LevelAboveWindowFloor(Number A) : A_(A) {}
  bool reached(Number x) override {
    const double level = 20 * std::log10(x);
    const double aboveFloor = level - A_ + 0.0001;
    const double margin = 1e-9 * (std::fabs(level) + std::fabs(A_) + 1);
    if (aboveFloor > margin) return true;
    if (aboveFloor < -margin) return false;
    return LevelOffset(x, A_) > -kLevelTolerance;
  }

 private:
  Number A_;
};

// ---- FifthRoot ----------------------------------------------------------------------------

constexpr Ext kRootStep = 0.001_ext;
constexpr Ext kRootTolerance = 0.1_ext;

Ext FifthPower(Number r) { return Ext(r) * r * r * r * r; }

// After the first step the walk stops at r when r^5 > a or |a - r^5| <= 0.1; together that is
// a - r^5 <= 0.1. The product of non-negative factors rounded to nearest only grows with r.
class NearOrPastRoot final : public MonotoneTest {
 public:
  NearOrPastRoot(Number a, EventPump& pump) : a_(a), pump_(pump) {}
  bool reached(Number r) override { return Ext(a_) - FifthPower(r) <= kRootTolerance; }
  void moved() override { pump_.handlePendingMessages(); }

 private:
  Number a_;
  EventPump& pump_;
};

// ---- Turns --------------------------------------------------------------------------------

constexpr Ext kTurnsStep = 0.01_ext;

enum class Band { Below, Inside, Above };

struct CountTest {
  Number Dbn, l, d, Lreq;

  struct Evaluation {
    Band band;
    Number Lc;
  };

  // The layers k of n turns and the thickness Dr they make, as the literal search forms them.
  struct Winding {
    Number k, Dr;
  };
  Winding wind(Number n) const {
    const Number w = toNumber(Ext(l) / (0.1_ext * Ext(d)));
    const Number k = toNumber(Ext(n) / w);
    return {k, toNumber((Ext(k) * d) * 0.1_ext)};
  }

  // One count as the literal search tests it. Dr is written before the inductance is formed, so
  // a fault there leaves the count's thickness behind, and a fault in the thickness the previous
  // one.
  Evaluation evaluate(Number n, Number& Dr) const {
    Dr = wind(n).Dr;
    const Number Lc = IndMnogosl::CalcIndMnogosl(Dbn, l, n, Dr);
    const Ext deviation = Ext(Lc) - Lreq;
    const Ext hundredth = Ext(Lreq) / 100;
    if (abs(deviation) < hundredth) return {Band::Inside, Lc};
    return {deviation > -hundredth ? Band::Above : Band::Below, Lc};
  }
};

// Reached once the inductance is above 99 % of Lreq. A faulting evaluation counts as reached:
// every later count faults as well (the quantities that overflow only grow with the count), and
// the first one is evaluated again for real.
class InductanceAboveBandFloor final : public MonotoneTest {
 public:
  explicit InductanceAboveBandFloor(const CountTest& test) : test_(test) {}
  bool reached(Number n) override {
    Number scratchDr = 0;
    try {
      return test_.evaluate(n, scratchDr).band != Band::Below;
    } catch (const EMathError&) {
      return true;
    }
  }

 private:
  const CountTest& test_;
};

// Reached at the first count whose evaluation faults; past the band the literal search goes on
// until then.
class Faults final : public MonotoneTest {
 public:
  explicit Faults(const CountTest& test) : test_(test) {}
  bool reached(Number n) override {
    Number scratchDr = 0;
    try {
      test_.evaluate(n, scratchDr);
      return false;
    } catch (const EMathError&) {
      return true;
    }
  }

 private:
  const CountTest& test_;
};

// A search that can no longer pass still ends where a later count faults (the quantities that
// overflow only grow): raises that fault, with Dr as the literal search leaves it. Returns when
// no count below the limit faults.
void RaiseLaterFault(const CountTest& test, Number from, Number& Dr) {
  Faults probe(test);
  const steppedwalk::WalkResult walk = FindFirstReached(from, kTurnsStep, probe, kTurnsLimit);
  if (walk.outcome != Outcome::Reached) return;
  test.evaluate(walk.previous, Dr);
  test.evaluate(walk.point, Dr);
}

// Whether the computed inductance is sure to grow with the count, so that the walker may jump.
//
// With Dbn >= 0, l > 0, d > 0 the exact inductance L(n) = 0.315 r^2 n^2 / (6r + 9l + 10Dr), with
// Dr = c n and r = (Dr + Dbn) / 2, has d ln L / dn >= 2/n - 13c / (6r + 9l + 10Dr) >= 1/n
// (6r + 10Dr >= 13Dr). Each step of about 0.01 turn raises it by a relative 0.01/n at least.
// The computed value carries the roundings of k, Dr, r and L to Numbers: a relative 2^-53 each,
// weighted by at most 2 (r enters squared), some 9 * 2^-53 in all, so two successive counts
// differ in rounding by under 18 * 2^-53 = 2e-15. Below 2^36 turns the growth per step exceeds
// 1.4e-13, seventy times that; the search does not go beyond (kTurnsLimit). The bound on the
// rounding holds while these Numbers are normal: they only grow with the count, so it is enough
// that they are at the first count (or that it faults, which ends the search there anyway).
bool InductanceGrowsWithCount(const CountTest& test) {
  if (!(test.Dbn >= 0 && test.l > 0 && test.d > 0)) return false;
  constexpr Number kSmallest = std::numeric_limits<Number>::min();
  try {
    const Number n = NextPoint(0, kTurnsStep);
    const CountTest::Winding first = test.wind(n);
    const Number r = toNumber((Ext(first.Dr) + test.Dbn) / 2);
    const Number Lc = IndMnogosl::CalcIndMnogosl(test.Dbn, test.l, n, first.Dr);
    return first.k >= kSmallest && first.Dr >= kSmallest && r >= kSmallest && Lc >= kSmallest;
  } catch (const EMathError&) {
    return true;
  }
}

TurnsResult NotFound(Number n, std::uint64_t steps, std::string notice) {
  return TurnsResult{false, n, steps, std::move(notice)};
}

std::string StallNotice(Number n, const FormatSettings& format) {
  return FillArgs(format.tr(texts::searches::kTurnsStalled),
                  {Show(n, format), Show(kTurnsStep, format)});
}

// Counts tested one by one, for dimensions with which the inductance need not grow with the
// count. Count 0 has been tested already.
TurnsResult WalkCountByCount(const CountTest& test, Number& Dr, const FormatSettings& format) {
  Number n = 0;
  for (std::uint64_t steps = 1; steps <= kLiteralTurnsBound; ++steps) {
    const Number next = NextPoint(n, kTurnsStep);
    if (next == n) return NotFound(n, steps - 1, StallNotice(n, format));
    n = next;
    if (test.evaluate(n, Dr).band == Band::Inside) return TurnsResult{true, n, steps, {}};
  }
  return NotFound(n, kLiteralTurnsBound,
                  FillArgs(format.tr(texts::searches::kTurnsWalkBound),
                           {Show(Ext::fromInteger(kLiteralTurnsBound), format), Show(n, format)}));
}

TurnsResult JumpToCount(const CountTest& test, Number& Dr, const FormatSettings& format) {
  InductanceAboveBandFloor probe(test);
  const steppedwalk::WalkResult walk = FindFirstReached(0, kTurnsStep, probe, kTurnsLimit);
  // The count before the one found has been tested and failed; testing it for real leaves its
  // thickness in Dr, as the literal search does before it moves on.
  const CountTest::Evaluation before = test.evaluate(walk.previous, Dr);
  switch (walk.outcome) {
    case Outcome::Limit:
      return NotFound(
          walk.previous, walk.steps - 1,
          FillArgs(format.tr(texts::searches::kTurnsLimit), {Show(kTurnsLimit, format)}));
    case Outcome::Stalled:
      test.evaluate(walk.point, Dr);
      return NotFound(walk.point, walk.steps, StallNotice(walk.point, format));
    case Outcome::Reached:
      break;
  }
  // Raises the fault here if the count found is one that faults.
  const CountTest::Evaluation found = test.evaluate(walk.point, Dr);
  if (found.band == Band::Inside) return TurnsResult{true, walk.point, walk.steps, {}};
  RaiseLaterFault(test, walk.point, Dr);
  test.evaluate(walk.point, Dr);
  if (walk.steps == 1) {
    return NotFound(walk.point, walk.steps,
                    FillArgs(format.tr(texts::searches::kTurnsFirstTooLarge),
                             {Show(walk.point, format), Show(found.Lc, format)}));
  }
  return NotFound(walk.point, walk.steps,
                  FillArgs(format.tr(texts::searches::kTurnsBandMissed),
                           {Show(walk.previous, format), Show(before.Lc, format),
                            Show(walk.point, format), Show(found.Lc, format)}));
}

}  // namespace

WalkResult DbToRatioWalk(Number A, const FormatSettings& format) {
  LevelAboveWindowFloor test(A);
  const steppedwalk::WalkResult walk = FindFirstReached(0, kRatioStep, test);
  const std::string target = Show(A, format);
  if (walk.outcome != Outcome::Reached) {
    const std::string level = Show(20 * log10(Ext(walk.point)), format);
    throw ESearchError(FillArgs(format.tr(texts::searches::kAttenuationTooLarge), {target, level}));
  }
  if (LevelOffset(walk.point, A) < kLevelTolerance) return {walk.point, walk.steps};

  const std::string tolerance = Show(kLevelTolerance, format);
  const std::string level = Show(20 * log10(Ext(walk.point)), format);
  if (walk.steps == 1) {
    throw ESearchError(
        FillArgs(format.tr(texts::searches::kAttenuationBelowStart), {target, level, tolerance}));
  }
  throw ESearchError(
      FillArgs(format.tr(texts::searches::kAttenuationBetweenPoints),
               {target, Show(20 * log10(Ext(walk.previous)), format), level, tolerance}));
}

WalkResult FifthRootWalk(Number a, EventPump& pump, const FormatSettings& format) {
  Number r = toNumber(sqrt(Ext(a)));
  r = toNumber(sqrt(Ext(r)));
  r = toNumber(sqrt(Ext(r)));
  if (abs(Ext(a) - FifthPower(r)) <= kRootTolerance) return {r, 0};

  NearOrPastRoot test(a, pump);
  const steppedwalk::WalkResult walk = FindFirstReached(r, kRootStep, test);
  if (walk.outcome != Outcome::Reached) {
    throw ESearchError(
        FillArgs(format.tr(texts::searches::kFifthRootStalled),
                 {Show(a, format), Show(walk.point, format), Show(kRootStep, format)}));
  }
  return {walk.point, walk.steps};
}

TurnsResult TurnsSearch(Number Dbn, Number l, Number d, Number Lreq, Number& Dr,
                        const FormatSettings& format) {
  const CountTest test{Dbn, l, d, Lreq};
  // Count 0 first, as the literal search tests it: a fault of the dimensions shows here.
  if (test.evaluate(0, Dr).band == Band::Inside) return TurnsResult{true, 0, 0, {}};
  if (!(Lreq > 0)) {
    if (InductanceGrowsWithCount(test)) {
      RaiseLaterFault(test, 0, Dr);
      test.evaluate(0, Dr);
    }
    return NotFound(0, 0, format.tr(texts::searches::kTurnsNegative));
  }
  if (InductanceGrowsWithCount(test)) return JumpToCount(test, Dr, format);
  return WalkCountByCount(test, Dr, format);
}

}  // namespace searches
