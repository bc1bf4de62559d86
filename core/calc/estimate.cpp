// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The coilcalc developers
#include "calc/estimate.h"

#include <cmath>
#include <variant>

#include "calc/referencetext.h"
#include "physics/constants.h"
#include "physics/roundwire.h"
#include "physics/solenoid_ac.h"
#include "physics/winding_ac.h"
#include "physics/wire.h"

namespace estimate {

std::optional<double> Deviation(double value, double reference) {
  if (reference == 0) return std::nullopt;
  const double d = (value - reference) / reference * 100;
  if (!std::isfinite(d)) return std::nullopt;
  return d;
}

void SetDeviation(ReferenceEstimate& e, std::optional<double> deviation) {
  e.deviation = deviation;
  e.warning = deviation && std::fabs(*deviation) > kReferenceWarningPercent;
}

std::optional<double> Times(std::optional<double> v, double factor) {
  if (!v) return std::nullopt;
  return *v * factor;
}

void SetCopper(ReferenceEstimate& e, std::optional<double> length, std::optional<double> d) {
  e.wire = Times(length, 0.01);
  if (length && d) {
    e.R = physics::CopperResistance(*length, *d);
    e.mass = physics::CopperMass(*length, *d);
  }
}

void SetWoundWire(ReferenceEstimate& e, double N, double d, double Dbn, double l, double Dr) {
  const std::optional<double> length = physics::TurnsWireLength(N, Dbn + Dr);
  if (!length || !(d > 0)) return;
  e.woundWire = d;
  e.turnsPerLayer = physics::TurnsPerLayer(l, 0.1 * d);
  if (e.turnsPerLayer) e.layers = N / *e.turnsPerLayer;
  e.meanTurn = physics::TurnsWireLength(1, Dbn + Dr);
  e.outerDiameter = Dbn + 2 * Dr;
  SetCopper(e, length, 0.1 * d);
}

bool SetAgainstRequirement(ReferenceEstimate& e, std::optional<double> L, double Lreq) {
  if (!L || !(Lreq > 0)) return false;
  e.L = L;
  SetDeviation(e, Deviation(*L, Lreq));
  return true;
}

namespace {

void Finite(std::optional<double>& v) {
  if (v && !std::isfinite(*v)) v.reset();
}
void Positive(std::optional<double>& v) {
  if (v && !std::isnormal(*v)) v.reset();
  if (v && *v < 0) v.reset();
}

}  // namespace

void DropMeaningless(ReferenceEstimate& e) {
  // Signed, or zero where that is a figure (no turns, no deviation).
  for (std::optional<double>* v :
       {&e.L, &e.deviation, &e.attenuation, &e.formulaRDeviation, &e.windowAttenuation, &e.Aac})
    Finite(*v);
  // Positive by their nature. The wires the window or the conditions give are inputs, not
  // results, and stay as given.
  std::optional<double>* const positive[] = {&e.N,        &e.Dr,
                                             &e.wire,     &e.R,
                                             &e.mass,     &e.layers,
                                             &e.d,        &e.turnsPerLayer,
                                             &e.meanTurn, &e.outerDiameter,
                                             &e.formulaR, &e.f,
                                             &e.delta,    &e.Rskin,
                                             &e.Rac,      &e.X,
                                             &e.Q,        &e.Cs,
                                             &e.fres,     &e.resonanceRatio};
  for (std::optional<double>* v : positive) Positive(*v);
  if (!e.formulaR) e.formulaRDeviation.reset();
}

bool AdoptConditions(ReferenceEstimate& e, const CheckedConditions& at, bool takesWire) {
  if (!at.atFrequency) return false;
  if (at.f) e.f = *at.f / 1e3;
  for (const ReferenceNoteEntry& note : at.notes) {
    const bool onWire = note.kind == ReferenceNote::WireNotANumber ||
                        note.kind == ReferenceNote::WireNotPositive ||
                        note.kind == ReferenceNote::WireOutOfRange;
    if (takesWire || !onWire) e.notes.push_back(note);
  }
  return at.f && (!takesWire || !at.wireTyped || at.wire);
}

void NoteWire(ReferenceEstimate& e, ReferenceNote kind, double wire, double limit) {
  e.notes.push_back({kind, wire, limit, {}});
}

std::optional<double> SetOwnWire(ReferenceEstimate& e, const CheckedConditions& at,
                                 bool atFrequency, std::optional<double> length,
                                 std::optional<double> largest, bool fits, ReferenceNote misfit) {
  std::optional<double> d = largest;
  if (atFrequency && at.wire && largest && length) {
    if (!fits) {
      NoteWire(e, misfit, *at.wire * 10, *largest * 10);
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
  if (!atFrequency) return std::nullopt;
  if (!length || !d || !e.R) {
    NoteWire(e, ReferenceNote::NoWire);
    return std::nullopt;
  }
  return d;
}

void SetWireAtFrequency(ReferenceEstimate& e, double f, double d) {
  e.delta = Times(physics::SkinDepth(f), 10);
  const std::optional<double> skin = physics::SkinFactor(d, f);
  if (e.R && skin) e.Rskin = *e.R * *skin;
  if (e.L) e.X = 2 * physics::kPi * f * *e.L * 1e-6;
}

void FinishAtFrequency(ReferenceEstimate& e, bool capacitanceModelled) {
  DropMeaningless(e);
  if (!e.Rac) e.notes.push_back({ReferenceNote::LossOutsideModel, 0, 0, {}});
  if (capacitanceModelled && (!e.Cs || !e.fres))
    e.notes.push_back({ReferenceNote::CapacitanceOutsideModel, 0, 0, {}});
  if (e.f && e.fres) e.resonanceRatio = *e.f / *e.fres;
  const bool below = !e.resonanceRatio || *e.resonanceRatio < 1;
  if (e.X && e.Rac && below) e.Q = *e.X / *e.Rac;
  if (e.resonanceRatio && *e.resonanceRatio >= physics::kLumpedLimit) {
    e.notes.push_back({below ? ReferenceNote::NearResonance : ReferenceNote::AboveResonance,
                       *e.resonanceRatio,
                       physics::kLumpedLimit,
                       {}});
    e.warning = true;
  }
  DropMeaningless(e);
}

void SetWindingAtFrequency(ReferenceEstimate& e, double f, double Dbn, double l, double Dr,
                           double N, double d) {
  SetWireAtFrequency(e, f, d);
  const std::optional<double> factor = physics::MultiLayerAcFactor(Dbn, l, Dr, N, d, f);
  if (e.R && factor) e.Rac = *e.R * *factor;
  e.Cs = physics::MultiLayerSelfCapacitance(Dbn, l, Dr, N, d);
  if (e.Cs && e.L) e.fres = 1 / (2 * physics::kPi * std::sqrt(*e.L * 1e-6 * *e.Cs * 1e-12)) / 1e3;
  FinishAtFrequency(e, false);
}

}  // namespace estimate

ReferenceEstimate EstimateSingleLayer(const SingleLayerComputed& c, const FormatSettings& format) {
  return Estimate(Computed(c), format);
}

ReferenceEstimate EstimateMultiLayer(const MultiLayerComputed& c, const FormatSettings& format) {
  return Estimate(Computed(c), format);
}

ReferenceEstimate EstimateTurns(const TurnsComputed& c, const FormatSettings& format) {
  return Estimate(Computed(c), format);
}

ReferenceEstimate EstimateOptimal(const OptimalComputed& c, const FormatSettings& format) {
  return Estimate(Computed(c), format);
}

ReferenceEstimate Estimate(const Computed& computed, const FormatSettings& format) {
  return Estimate(computed, ReferenceConditions{}, format);
}

ReferenceEstimate Estimate(const Computed& computed, const ReferenceConditions& conditions,
                           const FormatSettings& format) {
  const CheckedConditions at = CheckConditions(conditions, format);
  struct Visitor {
    const CheckedConditions& at;
    ReferenceEstimate operator()(std::monostate) const { return {}; }
    ReferenceEstimate operator()(const SingleLayerComputed& c) const {
      return estimate::SingleLayer(c, at);
    }
    ReferenceEstimate operator()(const MultiLayerComputed& c) const {
      return estimate::MultiLayer(c, at);
    }
    ReferenceEstimate operator()(const TurnsComputed& c) const { return estimate::Turns(c, at); }
    ReferenceEstimate operator()(const OptimalComputed& c) const {
      return estimate::Optimal(c, at);
    }
  };
  ReferenceEstimate e = std::visit(Visitor{at}, computed);
  estimate::DropMeaningless(e);
  return Rendered(std::move(e), format);
}
