// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The coilcalc developers
// The turns calculator's reference: the winding found against the required inductance, the count
// whose winding has it, and the window's wire wound in layers; at a working frequency the
// winding's losses, self-capacitance and self-resonance with that wire.
#include "calc/estimate.h"
#include "physics/inductance.h"
#include "physics/turnscount.h"

namespace estimate {

namespace {

// The thickness in cm that the turns search gives n turns of wire of diameter d (mm) in a
// winding of length l (cm): n/w layers of w = l/(0.1 d) turns, each 0.1 d thick.
double ThicknessOf(double n, double l, double d) { return n / (l / (0.1 * d)) * d * 0.1; }

}  // namespace

ReferenceEstimate Turns(const TurnsComputed& c, const CheckedConditions& at) {
  ReferenceEstimate e;
  e.coil = ReferenceCoil::Turns;
  const std::optional<double> L = physics::RectangularWindingInductance(c.Dbn, c.l, c.Dr, c.n);
  if (!SetAgainstRequirement(e, L, c.Lreq)) return e;
  const auto inductance = [&c](double n) {
    return physics::RectangularWindingInductance(c.Dbn, c.l, ThicknessOf(n, c.l, c.d), n);
  };
  e.N = physics::CountForInductance(inductance, c.Lreq, c.n, *e.L);
  if (e.N) e.Dr = ThicknessOf(*e.N, c.l, c.d);
  SetWoundWire(e, c.n, c.d, c.Dbn, c.l, c.Dr);
  DropMeaningless(e);
  if (!AdoptConditions(e, at, false)) return e;
  if (!e.woundWire || !e.R) {
    NoteWire(e, ReferenceNote::NoWire);
    return e;
  }
  SetWindingAtFrequency(e, *at.f, c.Dbn, c.l, c.Dr, c.n, 0.1 * c.d);
  return e;
}

}  // namespace estimate
