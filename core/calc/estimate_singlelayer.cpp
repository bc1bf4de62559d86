// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The coilcalc developers
// The single-layer coil's reference: the current sheet against the formula's result, and the
// largest wire the pitch l/N takes (or the wire given), wound as a helix; at a working frequency
// the helix's losses by Medhurst's proximity factor, and its self-capacitance and self-resonance.
#include "calc/estimate.h"
#include "physics/inductance.h"
#include "physics/solenoid_ac.h"
#include "physics/wire.h"

namespace estimate {

ReferenceEstimate SingleLayer(const SingleLayerComputed& c, const CheckedConditions& at) {
  ReferenceEstimate e;
  e.coil = ReferenceCoil::SingleLayer;
  e.L = physics::CurrentSheetInductance(c.d_cm, c.l, c.N);
  if (!e.L) return e;
  if (c.L) {
    SetDeviation(e, Deviation(*c.L, *e.L));
  } else {
    e.notes.push_back({ReferenceNote::NoFormula, 0, 0, {}});
  }
  const bool atFrequency = AdoptConditions(e, at, true);
  const std::optional<double> pitch = physics::HelixPitch(c.N, c.l);
  const std::optional<double> d =
      SetOwnWire(e, at, atFrequency, physics::HelixWireLength(c.N, c.d_cm, c.l), pitch,
                 !at.wire || !pitch || !(*at.wire > *pitch), ReferenceNote::WireThickerThanPitch);
  if (!d) return e;
  const double f = *at.f;
  SetWireAtFrequency(e, f, *d);
  const std::optional<double> proximity =
      physics::SingleLayerProximityFactor(c.d_cm, c.l, c.N, *d, f);
  if (e.Rskin && proximity) e.Rac = *e.Rskin * *proximity;
  e.Cs = physics::SingleLayerSelfCapacitance(c.d_cm, c.l, c.N);
  e.fres = Times(physics::SingleLayerSelfResonance(c.d_cm, c.l, c.N), 1e-3);
  FinishAtFrequency(e, true);
  return e;
}

}  // namespace estimate
