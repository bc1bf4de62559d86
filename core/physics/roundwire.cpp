// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The coilcalc developers
#include "physics/roundwire.h"

#include <cmath>
#include <complex>

#include "physics/constants.h"
#include "physics/wire.h"

namespace physics {
namespace {

using Complex = std::complex<double>;

constexpr double kMu0 = 4e-7 * kPi;                 // H/m
constexpr double kRho = kCopperResistivity * 1e-6;  // Ω·m

bool InRange(double value, double low, double high) {
  return std::isfinite(value) && value >= low && value <= high;
}

// t1 = z J1/J0 and t2 = z J2/J1 at z = (1 - j) x, from the continued fraction
// t_n = z^2/(2n - t_(n+1)) summed upwards from a zero tail after `terms` terms.
struct Ratios {
  Complex t1, t2;
};

Ratios BackwardSum(double x, int terms) {
  const Complex z2(0, -2 * x * x);  // ((1 - j) x)^2, exactly
  Complex t = 0;
  Complex previous = 0;
  for (int n = terms; n >= 1; --n) {
    previous = t;
    t = z2 / (2.0 * n - t);
  }
  return {t, previous};
}

bool Agree(Complex a, Complex b) {
  constexpr double kAgreement = 1e-16;
  return std::abs(a.real() - b.real()) <= kAgreement * std::abs(a.real()) &&
         std::abs(a.imag() - b.imag()) <= kAgreement * std::abs(a.imag());
}

std::optional<Ratios> ByContinuedFraction(double x) {
  Ratios last = BackwardSum(x, 16);
  for (int terms = 32; terms <= kMaxTerms; terms *= 2) {
    const Ratios next = BackwardSum(x, terms);
    if (Agree(next.t1, last.t1) && Agree(next.t2, last.t2)) return next;
    last = next;
  }
  return std::nullopt;
}

// Hankel's expansion S_nu(z) = sum_k j^k a_k(nu)/z^k, a_k = a_(k-1) (4 nu^2 - (2k - 1)^2)/(8k),
// so that H_nu^(1)(z) ~ sqrt(2/(pi z)) e^(j(z - nu pi/2 - pi/4)) S_nu(z). With Im z < 0 the
// first Hankel function dominates J = (H^(1) + H^(2))/2, and J0/J1 = j S0/S1 to e^(-2x).
Complex HankelSeries(double nu, Complex z) {
  constexpr int kMaxAsymptoticTerms = 60;
  const Complex jOverZ = Complex(0, 1) / z;
  Complex sum = 1, term = 1;
  for (int k = 1; k <= kMaxAsymptoticTerms; ++k) {
    const double m = 2.0 * k - 1;
    term *= jOverZ * ((4 * nu * nu - m * m) / (8.0 * k));
    sum += term;
    if (std::abs(term) < 1e-18 * std::abs(sum)) break;
  }
  return sum;
}

Ratios ByAsymptoticExpansion(double x) {
  const Complex z(x, -x);
  const Complex j0OverJ1 = Complex(0, 1) * HankelSeries(0, z) / HankelSeries(1, z);
  const Complex t1 = z / j0OverJ1;
  // t2 = z J2/J1 = 2 - z J0/J1 by the recurrence J0 + J2 = (2/z) J1.
  return {t1, 2.0 - z * j0OverJ1};
}

}  // namespace

std::optional<double> SkinDepth(double f) {
  if (!InRange(f, kMinFrequency, kMaxFrequency)) return std::nullopt;
  return 100 * std::sqrt(kRho / (kPi * f * kMu0));
}

std::optional<RoundWireFactors> RoundWireAc(double d, double f) {
  const std::optional<double> delta = SkinDepth(f);
  if (!delta || !InRange(d, kMinWireDiameter, kMaxWireDiameter)) return std::nullopt;
  const double x = d / 2 / *delta;
  std::optional<Ratios> ratios;
  if (x > kAsymptoticX) {
    ratios = ByAsymptoticExpansion(x);
  } else {
    ratios = ByContinuedFraction(x);
  }
  if (!ratios) return std::nullopt;
  // (z/2) J0/J1 = z^2/(2 t1) = (2 - t2)/2.
  const RoundWireFactors factors{1 - ratios->t2.real() / 2, -kPi * kPi * ratios->t1.real()};
  if (!std::isfinite(factors.skin) || !std::isfinite(factors.proximity) || factors.skin < 1 ||
      !(factors.proximity > 0)) {
    return std::nullopt;
  }
  return factors;
}

std::optional<double> SkinFactor(double d, double f) {
  const auto factors = RoundWireAc(d, f);
  if (!factors) return std::nullopt;
  return factors->skin;
}

std::optional<double> ProximityFactor(double d, double f) {
  const auto factors = RoundWireAc(d, f);
  if (!factors) return std::nullopt;
  return factors->proximity;
}

}  // namespace physics
