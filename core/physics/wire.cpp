// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The coilcalc developers
#include "physics/wire.h"

#include <cmath>
#include <initializer_list>

#include "physics/constants.h"

namespace physics {
namespace {

bool AllPositive(std::initializer_list<double> values) {
  for (const double v : values) {
    if (!(v > 0) || !std::isfinite(v)) return false;
  }
  return true;
}

std::optional<double> Finite(double value) {
  if (!std::isfinite(value)) return std::nullopt;
  return value;
}

// A result of positive quantities: nothing where it overflowed, or underflowed below the normal
// doubles and so lost its digits.
std::optional<double> Positive(double value) {
  if (!std::isnormal(value)) return std::nullopt;
  return value;
}

// Cross-section of the copper, cm².
double Section(double d) { return kPi / 4 * d * d; }

}  // namespace

std::optional<double> TurnsWireLength(double N, double Dm) {
  if (!AllPositive({N, Dm})) return std::nullopt;
  return Positive(N * kPi * Dm);
}

std::optional<double> HelixWireLength(double N, double D, double l) {
  if (!AllPositive({N, D, l})) return std::nullopt;
  return Positive(N * std::hypot(kPi * D, l / N));
}

std::optional<double> CopperResistance(double length, double d) {
  if (!AllPositive({length, d})) return std::nullopt;
  // Ω·mm²/m to Ω·cm²/cm: 1e-2 (mm² to cm²) times 1e-2 (per m to per cm).
  return Positive(kCopperResistivity * 1e-4 * length / Section(d));
}

std::optional<double> CopperMass(double length, double d) {
  if (!AllPositive({length, d})) return std::nullopt;
  return Positive(kCopperDensity * length * Section(d));
}

std::optional<double> TurnsPerLayer(double l, double d) {
  if (!AllPositive({l, d})) return std::nullopt;
  return Positive(l / d);
}

std::optional<double> HelixPitch(double N, double l) {
  if (!AllPositive({N, l})) return std::nullopt;
  return Positive(l / N);
}

std::optional<double> LargestWire(double l, double Dr, double N) {
  if (!AllPositive({l, Dr, N})) return std::nullopt;
  return Positive(std::sqrt(l * Dr / N));
}

std::optional<double> InsertionAttenuation(double R, double Rn) {
  if (Rn == 0 || !std::isfinite(R) || !std::isfinite(Rn)) return std::nullopt;
  const double ratio = (R + Rn) / Rn;
  if (!(ratio > 0)) return std::nullopt;
  return Finite(20 * std::log10(ratio));
}

}  // namespace physics
