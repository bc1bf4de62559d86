// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The coilcalc developers
#include "physics/inductance.h"

#include <boost/math/policies/policy.hpp>
#include <boost/math/quadrature/tanh_sinh.hpp>
#include <boost/math/special_functions/ellint_rd.hpp>
#include <boost/math/special_functions/ellint_rf.hpp>
#include <boost/math/special_functions/ellint_rj.hpp>
#include <cmath>

#include "physics/constants.h"

namespace physics {
namespace {

namespace bp = boost::math::policies;
// Double arithmetic throughout; a domain or evaluation error gives NaN, never an exception.
using Policy = bp::policy<bp::promote_double<false>, bp::domain_error<bp::ignore_error>,
                          bp::evaluation_error<bp::ignore_error>>;

constexpr double kMu0 = 4e-3 * kPi;  // µH/cm

// Carlson's symmetric elliptic integrals at x = 0, z = 1. With y = k'^2 = 1 - k^2 and
// p = 1 - n they give the complete integrals of Legendre's form:
//   K(k) = RF(y),   K(k) - E(k) = k^2/3 RD(y),   Pi(n, k) - K(k) = n/3 RJ(y, p).
// They take k'^2 and 1 - n themselves, so nothing cancels near k = 1 (short sheets, where
// std::comp_ellint_2, given k, is off by 1e-12 and Nagaoka's K by 4e-9) or near n = 1
// (coinciding radii, where std::comp_ellint_3, given n, cannot tell n from 1); and K - E needs
// no subtraction when k is small (long sheets).
double RF(double y) { return boost::math::ellint_rf(0.0, y, 1.0, Policy()); }
double RD(double y) { return boost::math::ellint_rd(0.0, y, 1.0, Policy()); }
double RJ(double y, double p) { return boost::math::ellint_rj(0.0, y, 1.0, p, Policy()); }

// Shorter than this fraction of its outer diameter, a coil's length is no longer resolved in
// double arithmetic: the terms of a flat sheet cancel, and the error grows as (D/l)^2, to 4e-7
// at this limit.
constexpr double kFlattest = 1e-5;

bool TooFlat(double l, double outerDiameter) { return l < kFlattest * outerDiameter; }

std::optional<double> Result(double value) {
  if (!std::isfinite(value)) return std::nullopt;
  return value;
}

// Nagaoka's coefficient of a current sheet of diameter D and length l:
//   K = 4/(3 pi k') [k'^2/k^2 (K(k) - E(k)) + E(k) - k],   k = D/sqrt(D^2 + l^2),
// where k'^2/k^2 (K - E) = k'^2 RD(k'^2)/3.
double Nagaoka(double D, double l) {
  const double h = std::hypot(D, l);
  const double k = D / h;
  const double kc = l / h;  // k'
  const double y = kc * kc;
  const double rd = RD(y);
  const double E = RF(y) - k * k * rd / 3;
  return 4 / (3 * kPi * kc) * (y * rd / 3 + E - k);
}

// Below this 1 - n, where the radii all but coincide, the term p RJ(y, p) (of order sqrt(p/y))
// is dropped and the rho-term takes its limit; the integrals themselves would take ever more
// duplication steps there.
constexpr double kCoincident = 1e-30;

// The mutual inductance of two coaxial current sheets of radii a >= b and common length l, each
// of one turn per centimetre: the double integral over z1, z2 in [0, l] of the mutual inductance
// of two coaxial circles, M = mu0 a b Int_0^pi cos(phi) / sqrt(rho^2 + (z1 - z2)^2) dphi with
// rho^2 = a^2 + b^2 - 2ab cos(phi). The z-integrations are elementary,
//   I = 2 mu0 a b Int_0^pi cos(phi) [l asinh(l/rho) - sqrt(rho^2 + l^2) + rho] dphi,
// and the three phi-integrals are complete elliptic integrals (phi = pi - 2 theta): with
// c^2 = (a + b)^2 + l^2, k^2 = 4ab/c^2 and n = 4ab/(a + b)^2,
//   Int cos(phi) asinh(l/rho)          = 2l/(3c) [RD(k'^2) - (1 - n) RJ(k'^2, 1 - n)]
//   Int cos(phi) sqrt(rho^2 + l^2)     = 2c/3 [(1 + k'^2) RD(k'^2)/3 - RF(k'^2)]
//   Int cos(phi) rho                   = 2(a + b)/3 [(2 - n) RD(1 - n)/3 - RF(1 - n)].
// d = a - b is passed on its own so that 1 - n = (d/(a + b))^2 keeps its precision as the radii
// meet; there I has a kink (a term in |d|) and a term in d^2 ln d.
double CoaxialSheets(double a, double b, double d, double l) {
  const double s = a + b;
  const double c = std::hypot(s, l);
  const double y = (d * d + l * l) / (c * c);
  const double p = (d / s) * (d / s);
  const bool apart = p > kCoincident;
  const double rdy = RD(y);
  const double asinhTerm = 2 * l / (3 * c) * (rdy - (apart ? p * RJ(y, p) : 0.0));
  const double sqrtTerm = 2 * c / 3 * ((1 + y) * rdy / 3 - RF(y));
  const double rhoTerm = 2 * s / 3 * (apart ? (1 + p) * RD(p) / 3 - RF(p) : -1.0);
  return 2 * kMu0 * a * b * (l * asinhTerm - sqrtTerm + rhoTerm);
}

// Quadrature: Boost's tanh-sinh rule, which takes the kink and the d^2 ln d on the border of the
// square in its stride. It evaluates at least 4 levels (74 points) and at most the 8 levels
// it keeps precomputed for double (about 400 points). The tolerance bounds the change from one
// level to the next, far above the error left (see the header).
constexpr std::size_t kMaxLevels = 7;
constexpr double kTolerance = 1e-8;

// L/N^2 of the winding: (1/(Dr l))^2 Int Int I(r1, r2) dr1 dr2 over [a0, a0 + Dr]^2. I is
// symmetric, so this is twice the triangle r2 < r1; with r1 = a0 + Dr s and r1 - r2 = Dr s w,
//   L/N^2 = 2/l^2 Int_0^1 s Int_0^1 I(r1, r1 - Dr s w) dw ds.
// Dr cancels: a thin winding loses no precision, and Dr = 0 gives the current sheet itself. The
// coinciding radii (w = 0) lie on the border of the square.
double WindingPerTurn2(double a0, double l, double Dr) {
  static boost::math::quadrature::tanh_sinh<double, Policy> rule(kMaxLevels);
  const auto overRadius = [&](double s) {
    const double r1 = a0 + Dr * s;
    const auto overGap = [&](double w) {
      const double d = Dr * s * w;
      return CoaxialSheets(r1, r1 - d, d, l);
    };
    return s * rule.integrate(overGap, 0.0, 1.0, kTolerance);
  };
  return 2 / (l * l) * rule.integrate(overRadius, 0.0, 1.0, kTolerance);
}

}  // namespace

std::optional<double> WithTurns(std::optional<double> perTurn2, double N) {
  if (!perTurn2 || !std::isfinite(N)) return std::nullopt;
  const double L = *perTurn2 * N * N;
  // Some turns whose inductance falls below the normal doubles: lost to underflow.
  if (N != 0 && !std::isnormal(L)) return std::nullopt;
  return Result(L);
}

std::optional<double> CurrentSheetPerTurn2(double D, double l) {
  if (!std::isfinite(D) || !std::isfinite(l) || D <= 0 || l <= 0 || TooFlat(l, D)) {
    return std::nullopt;
  }
  return Result(kMu0 * kPi / 4 * D * (D / l) * Nagaoka(D, l));
}

std::optional<double> CurrentSheetInductance(double D, double l, double N) {
  return WithTurns(CurrentSheetPerTurn2(D, l), N);
}

std::optional<double> RectangularWindingPerTurn2(double Dbn, double l, double Dr) {
  if (!std::isfinite(Dbn) || !std::isfinite(l) || !std::isfinite(Dr)) return std::nullopt;
  if (Dbn < 0 || Dr < 0 || l <= 0 || Dbn + Dr == 0 || TooFlat(l, Dbn + 2 * Dr)) {
    return std::nullopt;
  }
  // L scales with the size of the coil: work in units of it, where no square overflows.
  const double unit = Dbn / 2 + Dr + l;
  return Result(unit * WindingPerTurn2(Dbn / 2 / unit, l / unit, Dr / unit));
}

std::optional<double> RectangularWindingInductance(double Dbn, double l, double Dr, double N) {
  return WithTurns(RectangularWindingPerTurn2(Dbn, l, Dr), N);
}

}  // namespace physics
