// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The coilcalc developers
// The multi-layer coil's reference: the winding of rectangular section against the formula's
// result, and the largest wire that fits its section in square packing (or the wire given); at a
// working frequency the winding's losses, self-capacitance and self-resonance.
#include "calc/estimate.h"
#include "physics/inductance.h"
#include "physics/wire.h"

namespace estimate {

ReferenceEstimate MultiLayer(const MultiLayerComputed& c, const CheckedConditions& at) {
  ReferenceEstimate e;
  e.coil = ReferenceCoil::MultiLayer;
  e.L = physics::RectangularWindingInductance(c.Dbn, c.l, c.Dr, c.N);
  if (!e.L) return e;
  SetDeviation(e, Deviation(c.L, *e.L));
  const bool atFrequency = AdoptConditions(e, at, true);
  const std::optional<double> d = SetOwnWire(
      e, at, atFrequency, physics::TurnsWireLength(c.N, c.Dbn + c.Dr),
      physics::LargestWire(c.l, c.Dr, c.N), !at.wire || !(c.N * *at.wire * *at.wire > c.l * c.Dr),
      ReferenceNote::WireDoesNotFit);
  if (!d) return e;
  SetWindingAtFrequency(e, *at.f, c.Dbn, c.l, c.Dr, c.N, *d);
  return e;
}

}  // namespace estimate
