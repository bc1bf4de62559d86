// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The coilcalc developers
#include "calc/estimate.h"

#include <cmath>
#include <variant>

#include "calc/referencetext.h"
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

}  // namespace estimate

ReferenceEstimate EstimateSingleLayer(const SingleLayerComputed& c, const FormatSettings& format) {
  return Rendered(estimate::SingleLayer(c), format);
}

ReferenceEstimate EstimateMultiLayer(const MultiLayerComputed& c, const FormatSettings& format) {
  return Rendered(estimate::MultiLayer(c), format);
}

ReferenceEstimate EstimateTurns(const TurnsComputed& c, const FormatSettings& format) {
  return Rendered(estimate::Turns(c), format);
}

ReferenceEstimate EstimateOptimal(const OptimalComputed& c, const FormatSettings& format) {
  return Rendered(estimate::Optimal(c), format);
}

ReferenceEstimate Estimate(const Computed& computed, const FormatSettings& format) {
  struct Visitor {
    const FormatSettings& format;
    ReferenceEstimate operator()(std::monostate) const { return {}; }
    ReferenceEstimate operator()(const SingleLayerComputed& c) const {
      return EstimateSingleLayer(c, format);
    }
    ReferenceEstimate operator()(const MultiLayerComputed& c) const {
      return EstimateMultiLayer(c, format);
    }
    ReferenceEstimate operator()(const TurnsComputed& c) const { return EstimateTurns(c, format); }
    ReferenceEstimate operator()(const OptimalComputed& c) const {
      return EstimateOptimal(c, format);
    }
  };
  return std::visit(Visitor{format}, computed);
}
