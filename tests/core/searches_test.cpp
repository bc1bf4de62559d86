// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The coilcalc developers
// The stepped searches: the fast walker against the point-by-point walk, bit for bit and step for
// step; the refusals of searches that cannot end; the grid arithmetic the walker relies on.
#include "calc/searches.h"

#include <cmath>
#include <cstring>
#include <gtest/gtest.h>
#include <random>
#include <set>
#include <sstream>

#include "calc/steppedwalk.h"
#include "numtext/numbertext.h"
#include "tests/core/literalwalks.h"
#include "tests/support/countingpump.h"

#ifndef SEARCHES_SWEEP_SCALE
#define SEARCHES_SWEEP_SCALE 1
#endif

namespace {

using steppedwalk::FindFirstReached;
using steppedwalk::NextPoint;
using steppedwalk::Outcome;

const FormatSettings kPoint{U'.'};
const FormatSettings kComma{U','};

std::string Text(Number x) { return NumberToText(x, kPoint); }

std::uint64_t Bits(Number x) {
  std::uint64_t b;
  std::memcpy(&b, &x, sizeof b);
  return b;
}
int Exponent(Number x) { return static_cast<int>((Bits(x) >> 52) & 0x7ff); }
Number Pow2(int e) {
  const std::uint64_t b = static_cast<std::uint64_t>(e + 1023) << 52;
  Number x;
  std::memcpy(&x, &b, sizeof x);
  return x;
}
Number Below(Number x) {
  const std::uint64_t b = Bits(x) - 1;
  Number y;
  std::memcpy(&y, &b, sizeof y);
  return y;
}

// Reached from a given grid value on: finds that value's index on the grid.
class AtLeast final : public steppedwalk::MonotoneTest {
 public:
  explicit AtLeast(Number v) : v_(v) {}
  bool reached(Number x) override { return x >= v_; }

 private:
  Number v_;
};

#define EXPECT_SAME_NUMBER(a, b) EXPECT_EQ(Bits(a), Bits(b)) << Text(a) << " vs " << Text(b)

// ---- Tabled values ---------------------------------------------------------------------------

struct RatioRow {
  Number A;
  const char* text;
  std::uint64_t steps;
};

class DbToRatioTabled : public testing::TestWithParam<RatioRow> {};

TEST_P(DbToRatioTabled, MatchesTheLiteralWalkAndTheDigits) {
  const RatioRow row = GetParam();
  const searches::WalkResult fast = searches::DbToRatioWalk(row.A);
  const literal::Walk slow = literal::DbToRatio(row.A);
  ASSERT_TRUE(slow.ended);
  EXPECT_SAME_NUMBER(fast.value, slow.value);
  EXPECT_EQ(fast.steps, slow.steps);
  if (row.text) {
    EXPECT_EQ(Text(fast.value), row.text);
  }
  EXPECT_EQ(fast.steps, row.steps);
}

INSTANTIATE_TEST_SUITE_P(
    Table, DbToRatioTabled,
    testing::Values(RatioRow{1, "1.12200999999888", 112201},
                    RatioRow{0.5, "1.05924999999847", 105925},
                    RatioRow{3, "1.41253000000079", 141253}, RatioRow{6, "1.9952400000046", 199524},
                    RatioRow{0.0001, "1.00000999999808", 100001},
                    RatioRow{0, "0.999989999998084", 99999},
                    RatioRow{-1, "0.891249999998579", 89125},
                    RatioRow{-20, "0.0999999999999939", 10000}, RatioRow{-100, "1E-5", 1},
                    RatioRow{0.00005, "0.999999999998084", 100000}, RatioRow{20, nullptr, 999989}));

TEST(DbToRatio, EndsForTheLowLevelsWhoseWindowHoldsAGridPoint) {
  for (Number A : {-40.0, -10.0}) {
    const literal::Walk slow = literal::DbToRatio(A);
    const searches::WalkResult fast = searches::DbToRatioWalk(A);
    EXPECT_SAME_NUMBER(fast.value, slow.value);
    EXPECT_EQ(fast.steps, slow.steps);
  }
}

struct RootRow {
  Number a;
  const char* text;
  std::uint64_t steps;
};

class FifthRootTabled : public testing::TestWithParam<RootRow> {};

TEST_P(FifthRootTabled, MatchesTheLiteralWalkAndTheDigits) {
  const RootRow row = GetParam();
  CountingPump fastPump, slowPump;
  const searches::WalkResult fast = searches::FifthRootWalk(row.a, fastPump);
  const literal::Walk slow = literal::FifthRoot(row.a, slowPump);
  EXPECT_SAME_NUMBER(fast.value, slow.value);
  EXPECT_EQ(fast.steps, slow.steps);
  EXPECT_EQ(Text(fast.value), row.text);
  EXPECT_EQ(fast.steps, row.steps);
  // Events are handled while it walks, and not at all when it does not step.
  EXPECT_EQ(fastPump.passes == 0, row.steps == 0);
  EXPECT_LE(fastPump.passes, slowPump.passes);
}

INSTANTIATE_TEST_SUITE_P(Table, FifthRootTabled,
                         testing::Values(RootRow{5100, "5.51500830171328", 2608},
                                         RootRow{1000, "3.98137370566148", 1610},
                                         RootRow{318.75, "3.16756528310666", 1112},
                                         RootRow{100, "2.51227941003884", 734},
                                         RootRow{32, "1.99921082540789", 457},
                                         RootRow{2, "1.13750773266525", 47}, RootRow{1, "1", 0},
                                         RootRow{0.5, "0.918004043204671", 1},
                                         RootRow{0.01, "0.562341325190349", 0}, RootRow{0, "0", 0},
                                         RootRow{1e10, "100.000794100504", 82218}));

TEST(FifthRoot, NegativeZeroPassesThroughUnchanged) {
  CountingPump pump;
  const searches::WalkResult r = searches::FifthRootWalk(-0.0, pump);
  EXPECT_SAME_NUMBER(r.value, -0.0);
  EXPECT_EQ(r.steps, 0u);
}

TEST(FifthRoot, NegativeArgumentFaultsBeforeAnyStep) {
  CountingPump pump;
  EXPECT_THROW(searches::FifthRootWalk(-1, pump), EInvalidOp);
  EXPECT_THROW(searches::FifthRootWalk(-1e-300, pump), EInvalidOp);
  EXPECT_EQ(pump.passes, 0u);
}

TEST(FifthRoot, HandsEventsOverAtLeastOncePerBinade) {
  CountingPump pump;
  const Number a = 1e15;
  const searches::WalkResult r = searches::FifthRootWalk(a, pump);
  Number start = toNumber(sqrt(sqrt(sqrt(Ext(a)))));  // within an ulp of the start is enough
  EXPECT_GE(pump.passes, static_cast<std::uint64_t>(Exponent(r.value) - Exponent(start)));
  EXPECT_GE(pump.passes, 1u);
}

struct TurnsRow {
  Number Dbn, l, d, Lreq;
  const char* n;
  const char* Dr;
};

class TurnsTabled : public testing::TestWithParam<TurnsRow> {};

TEST_P(TurnsTabled, MatchesTheLiteralSearchAndTheDigits) {
  const TurnsRow row = GetParam();
  Number fastDr = 7, slowDr = 7;
  const searches::TurnsResult fast = searches::TurnsSearch(row.Dbn, row.l, row.d, row.Lreq, fastDr);
  const literal::Walk slow = literal::Turns(row.Dbn, row.l, row.d, row.Lreq, slowDr);
  ASSERT_TRUE(fast.found) << fast.notice;
  EXPECT_SAME_NUMBER(fast.n, slow.value);
  EXPECT_SAME_NUMBER(fastDr, slowDr);
  EXPECT_EQ(fast.steps, slow.steps);
  EXPECT_EQ(Text(fast.n), row.n);
  EXPECT_EQ(Text(fastDr), row.Dr);
}

INSTANTIATE_TEST_SUITE_P(
    Table, TurnsTabled,
    testing::Values(TurnsRow{1, 5, 1, 2500, "629.589999999572", "1.25917999999914"},
                    TurnsRow{1, 5, 1, 100, "187.509999999974", "0.375019999999949"},
                    TurnsRow{1, 5, 1, 1, "23.6100000000009", "0.0472200000000018"},
                    TurnsRow{2, 3, 0.5, 10, "31.9500000000022", "0.0266250000000018"},
                    TurnsRow{1, 5, 1, 0.0002, "0.35", "0.0007"}));

TEST(Turns, DefaultsTakeTheirStepCount) {
  Number Dr = 0;
  const searches::TurnsResult r = searches::TurnsSearch(1, 5, 1, 2500, Dr);
  EXPECT_EQ(r.steps, 62959u);  // 62960 counts tested, from 0
}

// ---- Refusals --------------------------------------------------------------------------------

TEST(DbToRatio, RefusesLevelsItsGridStepsOver) {
  for (Number A : {-99.99, -100.0001, -1000.0, -99.995}) {
    EXPECT_THROW(searches::DbToRatioWalk(A), searches::ESearchError) << A;
  }
}

TEST(DbToRatio, SteppedOverLevelsAreNeverMetPointByPoint) {
  for (Number A : {-99.99, -100.0001, -99.995}) {
    const literal::Walk slow = literal::DbToRatio(A, 50000);
    EXPECT_FALSE(slow.ended) << A;
    EXPECT_GT(20 * log10(Ext(slow.value)) - A, 0.0001_ext);
  }
}

TEST(DbToRatio, RefusesLevelsBeyondTheStall) {
  EXPECT_THROW(searches::DbToRatioWalk(230), searches::ESearchError);
  EXPECT_THROW(searches::DbToRatioWalk(1e300), searches::ESearchError);
  // Just below the stall the grid still ends.
  EXPECT_NO_THROW(searches::DbToRatioWalk(222));
}

TEST(DbToRatio, RefusalSaysWhatToChange) {
  try {
    searches::DbToRatioWalk(-1000, kComma);
    FAIL();
  } catch (const searches::ESearchError& e) {
    EXPECT_EQ(e.message(),
              "Ослабление -1000 дБ не достигается: расчёт начинается с уровня -100 дБ, а "
              "дальше уровень только растёт. Задайте ослабление от 0,0001 дБ и больше.");
  }
  try {
    searches::DbToRatioWalk(-99.99, kComma);
    FAIL();
  } catch (const searches::ESearchError& e) {
    EXPECT_NE(e.message().find("соседние точки расчёта дают уровни -100 дБ и -93,9794000867204 дБ"),
              std::string::npos)
        << e.message();
  }
}

TEST(FifthRoot, RefusesArgumentsWhoseRootLiesBeyondTheStall) {
  CountingPump pump;
  for (Number a : {1e106, 1e70, 1.7e66, 1e300}) {
    EXPECT_THROW(searches::FifthRootWalk(a, pump), searches::ESearchError) << a;
  }
  try {
    searches::FifthRootWalk(1e106, pump, kComma);
  } catch (const searches::ESearchError& e) {
    EXPECT_NE(e.message().find("Уменьшите индуктивность или диаметр провода."), std::string::npos);
    EXPECT_NE(e.message().find("шаг 0,001"), std::string::npos);
  }
}

TEST(Grid, StallsWhereTheStepFallsBelowHalfAnUlp) {
  struct Stall {
    Ext step;
    int exponent;
  };
  for (Stall s : {Stall{0.00001_ext, 37}, Stall{0.001_ext, 44}, Stall{0.01_ext, 47}}) {
    const Number edge = Pow2(s.exponent);
    EXPECT_EQ(NextPoint(edge, s.step), edge);
    EXPECT_GT(NextPoint(Below(edge), s.step), Below(edge));
  }
}

TEST(Turns, RefusesBandsItStepsOver) {
  for (Number Lreq : {0.0001, 0.0003}) {
    Number Dr = 0;
    const searches::TurnsResult r = searches::TurnsSearch(1, 5, 1, Lreq, Dr, kComma);
    EXPECT_FALSE(r.found);
    EXPECT_NE(r.notice.find("Ни одно число витков не даёт индуктивность в пределах 1 %"),
              std::string::npos)
        << r.notice;
    Number slowDr = 0;
    EXPECT_FALSE(literal::Turns(1, 5, 1, Lreq, slowDr, 10000).ended);
    // Dr is the thickness of the count at which the search gave up.
    Number expectedDr = 0;
    literal::Turns(1, 5, 1, -1, expectedDr, r.steps);
    EXPECT_SAME_NUMBER(Dr, expectedDr);
  }
}

TEST(Turns, RefusesARequirementBelowTheFirstCount) {
  Number Dr = 0;
  const searches::TurnsResult r = searches::TurnsSearch(100, 1, 1, 1e-6, Dr, kComma);
  EXPECT_FALSE(r.found);
  EXPECT_EQ(r.steps, 1u);
  EXPECT_NE(r.notice.find("уже 0,01 витка дают"), std::string::npos) << r.notice;
}

TEST(Turns, RefusesANegativeRequirement) {
  Number Dr = 3;
  const searches::TurnsResult r = searches::TurnsSearch(1, 5, 1, -2500, Dr);
  EXPECT_FALSE(r.found);
  EXPECT_EQ(r.notice,
            "Требуемая индуктивность должна быть положительной: с отрицательным значением "
            "подбор числа витков не закончится.");
  EXPECT_SAME_NUMBER(Dr, 0.0);  // count 0 was tested
}

TEST(Turns, RefusesCountsBeyondItsLimit) {
  Number Dr = 0;
  const searches::TurnsResult r = searches::TurnsSearch(1, 5, 1, 1e30, Dr, kComma);
  EXPECT_FALSE(r.found);
  EXPECT_LT(r.n, searches::kTurnsLimit);
  EXPECT_GE(NextPoint(r.n, 0.01_ext), searches::kTurnsLimit);
  EXPECT_NE(r.notice.find("нужно больше 68719476736 витков"), std::string::npos) << r.notice;
}

TEST(Turns, DimensionFaultsArriveWhereTheLiteralSearchMeetsThem) {
  struct Case {
    Number Dbn, l, d, Lreq;
  };
  // 0/0 at count 0; the thickness overflowing at the first count and at a later one.
  for (Case c : {Case{-15, 5, 1, 2500}, Case{1, 1, 1e300, 1e308}, Case{1, 1, 1e155, 1e308}}) {
    Number fastDr = 7, slowDr = 7;
    std::string fastKind, slowKind;
    try {
      searches::TurnsSearch(c.Dbn, c.l, c.d, c.Lreq, fastDr);
    } catch (const EMathError& e) {
      fastKind = e.className();
    }
    try {
      literal::Turns(c.Dbn, c.l, c.d, c.Lreq, slowDr);
    } catch (const EMathError& e) {
      slowKind = e.className();
    }
    EXPECT_FALSE(slowKind.empty());
    EXPECT_EQ(fastKind, slowKind);
    EXPECT_SAME_NUMBER(fastDr, slowDr);
  }
}

TEST(Turns, NegativeDimensionsAreWalkedCountByCount) {
  Number fastDr = 0, slowDr = 0;
  const searches::TurnsResult fast = searches::TurnsSearch(-0.5, 5, 1, 2500, fastDr);
  const literal::Walk slow = literal::Turns(-0.5, 5, 1, 2500, slowDr);
  ASSERT_TRUE(fast.found);
  EXPECT_SAME_NUMBER(fast.n, slow.value);
  EXPECT_SAME_NUMBER(fastDr, slowDr);
}

TEST(Turns, CountByCountWalkStopsAtItsBound) {
  Number Dr = 0;
  const searches::TurnsResult r = searches::TurnsSearch(-1, 5, 1, 1e15, Dr);
  EXPECT_FALSE(r.found);
  EXPECT_EQ(r.steps, searches::kLiteralTurnsBound);
  EXPECT_NE(r.notice.find("прерван после 1000000 шагов"), std::string::npos) << r.notice;
}

// ---- The grid the walker jumps along ---------------------------------------------------------

// Inside each binade, every point produced by a step from the same binade moves on by the same
// increment while its sum stays below the binade's top.
TEST(Grid, IncrementIsConstantInsideEachBinade) {
  std::mt19937_64 rng(12345);
  for (Ext step : {0.00001_ext, 0.001_ext, 0.01_ext}) {
    for (int e = -30; e < 48; ++e) {
      const Ext lo = Pow2(e), top = 2 * lo;
      if (top - lo < 8 * step) continue;
      std::uniform_int_distribution<std::uint64_t> mantissa(0, (1ULL << 52) - 1);
      std::set<Ext> increments;
      for (int i = 0; i < 400; ++i) {
        const std::uint64_t b = Bits(Pow2(e)) | mantissa(rng);
        Number y;
        std::memcpy(&y, &b, sizeof y);
        if (y > top - 3 * step) continue;
        const Number z = NextPoint(y, step);
        if (Exponent(z) != Exponent(y)) continue;
        increments.insert(Ext(NextPoint(z, step)) - z);
      }
      EXPECT_LE(increments.size(), 1u) << "step " << toNumber(step) << " binade " << e;
    }
  }
}

// Every point of a long literal accumulation is found by the walker at its own index, around
// every binade edge on the way and at random places between.
void CheckWalkerFindsEveryPoint(Number start, Ext step, std::uint64_t points, std::mt19937_64& rng,
                                std::uint64_t startIndex = 0) {
  std::vector<Number> path;
  path.reserve(points + 1);
  Number x = start;
  path.push_back(x);
  for (std::uint64_t i = 0; i < points; ++i) path.push_back(x = NextPoint(x, step));
  std::set<std::uint64_t> check;
  for (std::uint64_t i = 1; i <= points && i < 100; ++i) check.insert(i);
  for (std::uint64_t i = 1; i <= points; ++i) {
    if (Exponent(path[i]) != Exponent(path[i - 1])) {
      for (std::uint64_t j = (i > 4 ? i - 4 : 1); j <= i + 4 && j <= points; ++j) check.insert(j);
    }
  }
  std::uniform_int_distribution<std::uint64_t> any(1, points);
  for (int i = 0; i < 300; ++i) check.insert(any(rng));
  const Number origin = startIndex == 0 ? start : Number(0);
  for (std::uint64_t i : check) {
    if (path[i] == path[i - 1]) continue;  // stalled: no later index is distinguishable
    AtLeast test(path[i]);
    const steppedwalk::WalkResult r = FindFirstReached(origin, step, test);
    ASSERT_EQ(r.outcome, Outcome::Reached);
    ASSERT_EQ(Bits(r.point), Bits(path[i])) << "index " << i;
    ASSERT_EQ(r.steps, startIndex + i);
    ASSERT_EQ(Bits(r.previous), Bits(path[i - 1]));
  }
}

TEST(Grid, WalkerFindsEveryPointFromZero) {
  std::mt19937_64 rng(1);
  CheckWalkerFindsEveryPoint(0, 0.00001_ext, 1u << 24, rng);  // up to about 168
  CheckWalkerFindsEveryPoint(0, 0.01_ext, 1u << 24, rng);     // up to about 168000
}

TEST(Grid, WalkerFindsEveryPointFromArbitraryStarts) {
  std::mt19937_64 rng(2);
  std::uniform_real_distribution<double> exponent(-40, 40);
  for (int i = 0; i < 12; ++i) {
    const Number start = std::pow(2.0, exponent(rng));
    CheckWalkerFindsEveryPoint(start, 0.001_ext, 1u << 20, rng);
  }
}

// Near the stall the literal accumulation from the start is out of reach: continue the walker's
// own point literally across the last binade edges and find each point again from the start.
TEST(Grid, WalkerFindsEveryPointAcrossTheHighestBinadeEdges) {
  struct Far {
    Ext step;
    int exponent;
  };
  for (Far f : {Far{0.00001_ext, 36}, Far{0.00001_ext, 30}, Far{0.01_ext, 45}, Far{0.01_ext, 36}}) {
    AtLeast near(Pow2(f.exponent) - 500 * toNumber(f.step));
    const steppedwalk::WalkResult from = FindFirstReached(0, f.step, near);
    ASSERT_EQ(from.outcome, Outcome::Reached);
    Number x = from.point;
    for (std::uint64_t i = 1; i <= 2000; ++i) {
      x = NextPoint(x, f.step);
      AtLeast test(x);
      const steppedwalk::WalkResult r = FindFirstReached(0, f.step, test);
      ASSERT_EQ(Bits(r.point), Bits(x)) << f.exponent << " +" << i;
      ASSERT_EQ(r.steps, from.steps + i);
    }
  }
}

TEST(Grid, WalkerNeedsFewTests) {
  std::uint64_t most = 0;
  for (Ext step : {0.00001_ext, 0.001_ext, 0.01_ext}) {
    for (Number target = 1e-6; target < 1e14; target *= 1.37) {
      AtLeast test(target);
      const steppedwalk::WalkResult r = FindFirstReached(0, step, test);
      if (r.outcome == Outcome::Reached) most = std::max(most, r.tests);
    }
  }
  EXPECT_LE(most, 1000u);
  EXPECT_GT(most, 50u);  // the walker bisects at least once somewhere
}

TEST(Grid, WalkerReportsTheStallAndTheLimit) {
  AtLeast never(1e300);
  const steppedwalk::WalkResult stall = FindFirstReached(0, 0.00001_ext, never);
  EXPECT_EQ(stall.outcome, Outcome::Stalled);
  EXPECT_EQ(stall.point, Pow2(37));
  const steppedwalk::WalkResult limit = FindFirstReached(0, 0.01_ext, never, 1000.0);
  EXPECT_EQ(limit.outcome, Outcome::Limit);
  EXPECT_GE(limit.point, 1000.0);
  EXPECT_LT(limit.previous, 1000.0);
  EXPECT_EQ(NextPoint(limit.previous, 0.01_ext), limit.point);
}

// ---- Far inputs: the literal walk resumed a little before the answer --------------------------

TEST(FarInputs, DbToRatioAt200dB) {
  const searches::WalkResult fast = searches::DbToRatioWalk(200);
  AtLeast near(fast.value - 0.02);
  const steppedwalk::WalkResult from = FindFirstReached(0, 0.00001_ext, near);
  const literal::Walk slow = literal::DbToRatio(200, 100000, from.point, from.steps);
  ASSERT_TRUE(slow.ended);
  EXPECT_SAME_NUMBER(fast.value, slow.value);
  EXPECT_EQ(fast.steps, slow.steps);
  EXPECT_GT(slow.steps - from.steps, 1000u);  // resumed a thousand points before or more
}

TEST(FarInputs, FifthRootOfHugeArguments) {
  for (Number a : {1e50, 1e66, 1e25}) {
    CountingPump pump;
    const searches::WalkResult fast = searches::FifthRootWalk(a, pump);
    AtLeast near(fast.value - 2.0);
    const Number start = toNumber(sqrt(Ext(toNumber(sqrt(Ext(toNumber(sqrt(Ext(a)))))))));
    const steppedwalk::WalkResult from = FindFirstReached(start, 0.001_ext, near);
    const literal::Walk slow = literal::FifthRootFrom(a, from.point, from.steps, pump, 10000);
    ASSERT_TRUE(slow.ended) << a;
    EXPECT_SAME_NUMBER(fast.value, slow.value);
    EXPECT_EQ(fast.steps, slow.steps);
  }
}

TEST(FarInputs, TurnsForTenHenries) {
  Number fastDr = 0, slowDr = 0;
  const searches::TurnsResult fast = searches::TurnsSearch(1, 5, 1, 1e7, fastDr);
  const literal::Walk slow = literal::Turns(1, 5, 1, 1e7, slowDr);
  ASSERT_TRUE(fast.found);
  EXPECT_SAME_NUMBER(fast.n, slow.value);
  EXPECT_SAME_NUMBER(fastDr, slowDr);
  EXPECT_EQ(fast.steps, slow.steps);
}

// ---- Differential: fast against literal on seeded random inputs ------------------------------
//
// A walk of up to kFullWalk steps is checked from its start; a longer one from a grid point some
// kWindow steps before the answer (found by the walker, whose grid the Grid tests check against
// the literal accumulation). Either way the literal walk must end exactly where the fast one did.

const int kScale = SEARCHES_SWEEP_SCALE;
const std::uint64_t kFullWalk = kScale > 1 ? 10000 : 600;
const double kWindow = kScale > 1 ? 3000 : 300;

double LogUniform(std::mt19937_64& rng, double lo, double hi) {
  std::uniform_real_distribution<double> u(std::log(lo), std::log(hi));
  return std::exp(u(rng));
}

// The grid point from which to resume a literal walk that should end at index `steps`.
steppedwalk::WalkResult ResumePoint(Number start, Ext step, Number answer, std::uint64_t steps) {
  steppedwalk::WalkResult from{Outcome::Reached, start, 0, start, 0};
  if (steps <= kFullWalk) return from;
  AtLeast near(answer - kWindow * toNumber(step));
  from = FindFirstReached(start, step, near);
  EXPECT_LT(from.steps, steps);
  return from;
}

void CheckRatio(Number A) {
  bool refused = false;
  searches::WalkResult fast{0, 0};
  try {
    fast = searches::DbToRatioWalk(A);
  } catch (const searches::ESearchError&) {
    refused = true;
  }
  if (!refused) {
    const steppedwalk::WalkResult from = ResumePoint(0, 0.00001_ext, fast.value, fast.steps);
    const literal::Walk slow =
        literal::DbToRatio(A, fast.steps - from.steps, from.point, from.steps);
    ASSERT_TRUE(slow.ended) << A;
    ASSERT_EQ(Bits(fast.value), Bits(slow.value)) << A;
    ASSERT_EQ(fast.steps, slow.steps) << A;
    return;
  }
  // Refused: the literal walk does not end before its level is past the window (and the level
  // only rises from there). Resume it a little below the window.
  ASSERT_LT(A, 222.0) << "refused although below the stall";
  const double below = std::pow(10.0, (A - 0.001) / 20);
  steppedwalk::WalkResult from{Outcome::Reached, 0, 0, 0, 0};
  if (below > 0.0001) {
    AtLeast near(below);
    from = FindFirstReached(0, 0.00001_ext, near);
    from.point = from.previous;  // its level lies below A - 0.001
    --from.steps;
  }
  literal::Walk slow{false, from.point, from.steps};
  do {
    slow = literal::DbToRatio(A, 100, slow.value, slow.steps);
    ASSERT_FALSE(slow.ended) << A;
  } while (!(20 * log10(Ext(slow.value)) - A >= 0.0001_ext));
}

TEST(Differential, DbToRatio) {
  std::mt19937_64 rng(20240601);
  std::uniform_real_distribution<double> low(-110, -7.24), high(-7.24, 60);
  for (int i = 0; i < 30000 * kScale; ++i) CheckRatio(low(rng));
  for (int i = 0; i < 10000 * kScale; ++i) CheckRatio(high(rng));
  // Levels at the grid's binade edges and the window's edges around tabled points.
  for (int e = -17; e <= 36; ++e) {
    const Number edge = toNumber(20 * log10(Ext(Pow2(e))));
    for (Number d : {-0.0001, -0.00005, 0.0, 0.00005, 0.0001, 0.00011}) CheckRatio(edge + d);
  }
  for (Number A : {1.0, 0.5, 3.0, 6.0, 0.0001, 0.0, -1.0, -20.0, -100.0, -40.0, -10.0, 200.0}) {
    const Number level = toNumber(20 * log10(Ext(searches::DbToRatio(A))));
    for (Number d : {-0.0001, 0.0001, 0.0}) {
      CheckRatio(level + d);
      CheckRatio(Below(level + d));
    }
  }
}

void CheckRoot(Number a) {
  if (a < 0) {
    CountingPump pump;
    EXPECT_THROW(searches::FifthRootWalk(a, pump), EInvalidOp);
    EXPECT_THROW(literal::FifthRoot(a, pump), EInvalidOp);
    EXPECT_EQ(pump.passes, 0u);
    return;
  }
  CountingPump fastPump, slowPump;
  const searches::WalkResult fast = searches::FifthRootWalk(a, fastPump);
  const Number start = toNumber(sqrt(Ext(toNumber(sqrt(Ext(toNumber(sqrt(Ext(a)))))))));
  const steppedwalk::WalkResult from = ResumePoint(start, 0.001_ext, fast.value, fast.steps);
  const literal::Walk slow = from.steps == 0
                                 ? literal::FifthRoot(a, slowPump)
                                 : literal::FifthRootFrom(a, from.point, from.steps, slowPump);
  ASSERT_EQ(Bits(fast.value), Bits(slow.value)) << a;
  ASSERT_EQ(fast.steps, slow.steps) << a;
  ASSERT_EQ(fastPump.passes == 0, fast.steps == 0) << a;
}

TEST(Differential, FifthRoot) {
  std::mt19937_64 rng(777);
  for (int i = 0; i < 40000 * kScale; ++i) {
    const double a = LogUniform(rng, 1e-6, 1e60);
    CheckRoot(i % 50 == 0 ? -a : a);
  }
  // Arguments whose start or root lies at a binade edge of r.
  for (int e = -6; e <= 12; ++e) {
    const Number r = Pow2(e);
    for (Ext f : {0.999_ext, 0.9999999_ext, 1.0_ext, 1.0000001_ext, 1.001_ext}) {
      CheckRoot(toNumber(Ext(r) * r * r * r * r * f));
      CheckRoot(toNumber(Ext(r) * r * r * r * r * r * r * r * f));
    }
  }
  for (Number a : {5100.0, 1000.0, 318.75, 100.0, 32.0, 2.0, 1.0, 0.5, 0.01, 0.0, 1e10}) {
    CheckRoot(a);
    CheckRoot(Below(a + 1e-300));
    CheckRoot(toNumber(Ext(a) * 1.0000000001_ext));
  }
}

// The kind of math fault f raises, or empty.
template <class F>
std::string FaultOf(F f) {
  try {
    f();
  } catch (const EMathError& e) {
    return e.className();
  }
  return {};
}

void CheckTurns(Number Dbn, Number l, Number d, Number Lreq) {
  std::ostringstream what;
  what << Dbn << " " << l << " " << d << " " << Lreq;
  Number fastDr = 5, slowDr = 5;
  searches::TurnsResult fast{false, 0, 0, {}};
  const std::string fastFault = FaultOf([&] {
    const searches::TurnsResult r = searches::TurnsSearch(Dbn, l, d, Lreq, fastDr);
    fast = r;
  });
  literal::Walk slow{false, 0, 0};
  if (!fastFault.empty()) {
    // The literal search must fault too, and leave the same thickness.
    const std::string slowFault = FaultOf([&] {
      const literal::Walk r = literal::Turns(Dbn, l, d, Lreq, slowDr, 1000000);
      slow = r;
    });
    ASSERT_EQ(fastFault, slowFault) << what.str();
    ASSERT_EQ(Bits(fastDr), Bits(slowDr)) << what.str();
    return;
  }
  const steppedwalk::WalkResult from = ResumePoint(0, 0.01_ext, fast.n, fast.steps);
  const std::uint64_t more = fast.steps - from.steps + (fast.found ? 0 : 300);
  const std::string slowFault = FaultOf([&] {
    const literal::Walk r = literal::Turns(Dbn, l, d, Lreq, slowDr, more, from.point, from.steps);
    slow = r;
  });
  ASSERT_EQ(slowFault, "") << what.str();
  ASSERT_EQ(fast.found, slow.ended) << what.str();
  if (fast.found) {
    ASSERT_EQ(Bits(fastDr), Bits(slowDr)) << what.str();
    ASSERT_EQ(Bits(fast.n), Bits(slow.value)) << what.str();
    ASSERT_EQ(fast.steps, slow.steps) << what.str();
  }
}

TEST(Differential, Turns) {
  std::mt19937_64 rng(4242);
  for (int i = 0; i < 20000 * kScale; ++i) {
    const double Dbn = LogUniform(rng, 0.05, 20), l = LogUniform(rng, 0.05, 20);
    const double d = LogUniform(rng, 0.02, 3), Lreq = LogUniform(rng, 1e-5, 1e8);
    CheckTurns(Dbn, l, d, i % 100 == 0 ? -Lreq : Lreq);
  }
  for (int i = 0; i < 100 * kScale; ++i) {  // zero and negative inner diameters: count by count
    std::uniform_real_distribution<double> dbn(-2, 0);
    CheckTurns(i % 10 == 0 ? 0.0 : dbn(rng), LogUniform(rng, 1, 10), LogUniform(rng, 0.1, 2),
               LogUniform(rng, 0.01, 1));
  }
  // Huge dimensions whose thickness or inductance overflows on the way.
  for (int i = 0; i < 200 * kScale; ++i) {
    CheckTurns(LogUniform(rng, 1, 1e300), 1, LogUniform(rng, 1e153, 1e156),
               LogUniform(rng, 1e250, 1e308));
  }
}

}  // namespace
