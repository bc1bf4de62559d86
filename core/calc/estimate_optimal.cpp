// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The coilcalc developers
// The optimal coil's reference: the coil found (inner diameter 2c, length and thickness c)
// against the required inductance, the count that gives it, and the window's wire with its
// resistance and attenuation beside the window's own.
#include <cmath>

#include "calc/estimate.h"
#include "physics/inductance.h"
#include "physics/turnscount.h"
#include "physics/wire.h"

namespace estimate {

ReferenceEstimate Optimal(const OptimalComputed& c) {
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
  return e;
}

}  // namespace estimate
