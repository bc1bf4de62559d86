// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The coilcalc developers
// The multi-layer coil's reference: the winding of rectangular section against the formula's
// result, and the largest wire that fits its section in square packing.
#include "calc/estimate.h"
#include "physics/inductance.h"
#include "physics/wire.h"

namespace estimate {

ReferenceEstimate MultiLayer(const MultiLayerComputed& c) {
  ReferenceEstimate e;
  e.coil = ReferenceCoil::MultiLayer;
  e.L = physics::RectangularWindingInductance(c.Dbn, c.l, c.Dr, c.N);
  if (!e.L) return e;
  SetDeviation(e, Deviation(c.L, *e.L));
  const std::optional<double> length = physics::TurnsWireLength(c.N, c.Dbn + c.Dr);
  if (!length) return e;
  const std::optional<double> d = physics::LargestWire(c.l, c.Dr, c.N);
  e.d = Times(d, 10);
  SetCopper(e, length, d);
  return e;
}

}  // namespace estimate
