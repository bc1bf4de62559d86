// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The coilcalc developers
#pragma once
// The searches walked point by point, exactly as written: the reference that the fast searches
// are checked against. Each walk can be resumed from a known grid point and bounded in steps.
#include <cstdint>
#include <limits>

#include "calc/fields.h"
#include "numtext/ext.h"

namespace literal {

constexpr std::uint64_t kUnbounded = std::numeric_limits<std::uint64_t>::max();

struct Walk {
  bool ended;           // false: maxSteps steps taken without passing
  Number value;         // the point returned, or the last one tested
  std::uint64_t steps;  // additions of the step from the start of the grid
};

// x = start (the point after startSteps steps; untested when startSteps is 0), then
// x = x + 0.00001 rounded, until |20 log10 x - A| < 0.0001.
Walk DbToRatio(Number A, std::uint64_t maxSteps = kUnbounded, Number start = 0,
               std::uint64_t startSteps = 0);

// From the eighth root: |a - r^5| <= 0.1, else r = r + 0.001 rounded, pump, r^5 > a, repeat.
Walk FifthRoot(Number a, EventPump& pump, std::uint64_t maxSteps = kUnbounded);
// The same walk resumed at r, the point after startSteps >= 1 steps (r's test not yet made).
Walk FifthRootFrom(Number a, Number r, std::uint64_t startSteps, EventPump& pump,
                   std::uint64_t maxSteps = kUnbounded);

// n = start (count startSteps; 0 and 0 from the beginning): thickness into Dr, inductance, test
// |Lc - Lreq| < Lreq/100, else n = n + 0.01 rounded.
Walk Turns(Number Dbn, Number l, Number d, Number Lreq, Number& Dr,
           std::uint64_t maxSteps = kUnbounded, Number start = 0, std::uint64_t startSteps = 0);

}  // namespace literal
