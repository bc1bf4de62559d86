// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The coilcalc developers
// The single-layer coil's reference: the current sheet against the formula's result, and the
// largest wire the pitch l/N takes, wound as a helix.
#include "calc/estimate.h"
#include "physics/inductance.h"
#include "physics/wire.h"

namespace estimate {

ReferenceEstimate SingleLayer(const SingleLayerComputed& c) {
  ReferenceEstimate e;
  e.coil = ReferenceCoil::SingleLayer;
  e.L = physics::CurrentSheetInductance(c.d_cm, c.l, c.N);
  if (!e.L) return e;
  if (c.L) {
    SetDeviation(e, Deviation(*c.L, *e.L));
  } else {
    e.notes.push_back(ReferenceNote::NoFormula);
  }
  const std::optional<double> length = physics::HelixWireLength(c.N, c.d_cm, c.l);
  if (!length) return e;
  const std::optional<double> d = physics::HelixPitch(c.N, c.l);
  e.d = Times(d, 10);
  SetCopper(e, length, d);
  return e;
}

}  // namespace estimate
