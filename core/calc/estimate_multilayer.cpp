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
  bool atFrequency = AdoptConditions(e, at, true);
  const std::optional<double> length = physics::TurnsWireLength(c.N, c.Dbn + c.Dr);
  const std::optional<double> largest = physics::LargestWire(c.l, c.Dr, c.N);
  std::optional<double> d = largest;
  if (atFrequency && at.wire && largest && length) {
    if (c.N * *at.wire * *at.wire > c.l * c.Dr) {
      NoteWire(e, ReferenceNote::WireDoesNotFit, *at.wire * 10, *largest * 10);
      atFrequency = false;
    } else {
      d = at.wire;
      e.givenWire = *at.wire * 10;
    }
  }
  if (length) {
    if (!e.givenWire) e.d = Times(d, 10);
    SetCopper(e, length, d);
  }
  DropMeaningless(e);
  if (!atFrequency) return e;
  if (!length || !d || !e.R) {
    NoteWire(e, ReferenceNote::NoWire);
    return e;
  }
  SetWindingAtFrequency(e, *at.f, c.Dbn, c.l, c.Dr, c.N, *d);
  return e;
}

}  // namespace estimate
