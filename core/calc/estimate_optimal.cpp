// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The coilcalc developers
// The optimal coil's reference: the coil found (inner diameter 2c, length and thickness c)
// against the required inductance, the count that gives it, and the window's wire with its
// resistance and attenuation beside the window's own; at a working frequency the winding's
// losses, self-capacitance, self-resonance and the attenuation of its AC resistance.
#include <cmath>

#include "calc/estimate.h"
#include "physics/inductance.h"
#include "physics/turnscount.h"
#include "physics/wire.h"

namespace estimate {

ReferenceEstimate Optimal(const OptimalComputed& c, const CheckedConditions& at) {
  ReferenceEstimate e;
  e.coil = ReferenceCoil::Optimal;
  e.insertionAttenuation = c.wireMode;
  const double cm = c.c / 10;
  const std::optional<double> perTurn2 = physics::RectangularWindingPerTurn2(2 * cm, cm, cm);
  if (!SetAgainstRequirement(e, physics::WithTurns(perTurn2, c.N), c.Lreq)) return e;
  // The shape is fixed, so L grows as N^2 and the count follows from L/N^2 alone.
  e.N = physics::CountOfShape(*perTurn2, c.Lreq);
  // The window takes a negative wire diameter as its magnitude.
  SetWoundWire(e, c.N, std::fabs(c.d), 2 * cm, cm, cm);
  // The window's R = L/(8.66 c²), c in mm, stands for the DC resistance.
  const double windowR = c.Lreq / (8.66 * c.c * c.c);
  if (e.R && std::isfinite(windowR)) {
    e.formulaR = windowR;
    e.formulaRDeviation = Deviation(windowR, *e.R);
    e.attenuation = physics::InsertionAttenuation(*e.R, c.Rn);
    e.windowAttenuation = c.A;
  }
  DropMeaningless(e);
  if (!AdoptConditions(e, at, false)) return e;
  if (!e.woundWire || !e.R) {
    NoteWire(e, ReferenceNote::NoWire);
    return e;
  }
  SetWindingAtFrequency(e, *at.f, 2 * cm, cm, cm, c.N, 0.1 * std::fabs(c.d));
  if (e.Rac) e.Aac = physics::InsertionAttenuation(*e.Rac, c.Rn);
  DropMeaningless(e);
  return e;
}

}  // namespace estimate
