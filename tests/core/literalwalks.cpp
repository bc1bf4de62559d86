// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The coilcalc developers
#include "tests/core/literalwalks.h"

#include "calc/indmnogosl.h"

namespace literal {

Walk DbToRatio(Number A, std::uint64_t maxSteps, Number start, std::uint64_t startSteps) {
  Number x = start;
  std::uint64_t steps = startSteps;
  if (steps > 0 && abs(20 * log10(Ext(x)) - A) < 0.0001_ext) return {true, x, steps};
  for (std::uint64_t taken = 0; taken < maxSteps; ++taken) {
    x = toNumber(Ext(x) + 0.00001_ext);
    ++steps;
    const Ext e = abs(20 * log10(Ext(x)) - A);
    if (e < 0.0001_ext) return {true, x, steps};
  }
  return {false, x, steps};
}

namespace {
Ext Fifth(Number r) { return Ext(r) * r * r * r * r; }
}  // namespace

Walk FifthRootFrom(Number a, Number r, std::uint64_t startSteps, EventPump& pump,
                   std::uint64_t maxSteps) {
  std::uint64_t steps = startSteps;
  if (Fifth(r) > Ext(a)) return {true, r, steps};
  for (std::uint64_t taken = 0;; ++taken) {
    if (abs(Ext(a) - Fifth(r)) <= 0.1_ext) return {true, r, steps};
    if (taken == maxSteps) return {false, r, steps};
    r = toNumber(Ext(r) + 0.001_ext);
    ++steps;
    pump.handlePendingMessages();
    if (Fifth(r) > Ext(a)) return {true, r, steps};
  }
}

Walk FifthRoot(Number a, EventPump& pump, std::uint64_t maxSteps) {
  Number r = toNumber(sqrt(Ext(a)));
  r = toNumber(sqrt(Ext(r)));
  r = toNumber(sqrt(Ext(r)));
  if (abs(Ext(a) - Fifth(r)) <= 0.1_ext) return {true, r, 0};
  if (maxSteps == 0) return {false, r, 0};
  r = toNumber(Ext(r) + 0.001_ext);
  pump.handlePendingMessages();
  return FifthRootFrom(a, r, 1, pump, maxSteps - 1);
}

Walk Turns(Number Dbn, Number l, Number d, Number Lreq, Number& Dr, std::uint64_t maxSteps,
           Number start, std::uint64_t startSteps) {
  Number n = start;
  std::uint64_t steps = startSteps;
  for (std::uint64_t taken = 0;; ++taken) {
    const Number w = toNumber(Ext(l) / (0.1_ext * Ext(d)));
    const Number k = toNumber(Ext(n) / w);
    Dr = toNumber((Ext(k) * d) * 0.1_ext);
    const Number Lc = IndMnogosl::CalcIndMnogosl(Dbn, l, n, Dr);
    if (abs(Ext(Lc) - Lreq) < Ext(Lreq) / 100) return {true, n, steps};
    if (taken == maxSteps) return {false, n, steps};
    n = toNumber(Ext(n) + 0.01_ext);
    ++steps;
  }
}

}  // namespace literal
