// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The coilcalc developers
#include "physics/winding_ac.h"

#include <cmath>
#include <limits>
#include <vector>

#include "physics/constants.h"
#include "physics/roundwire.h"

namespace physics {
namespace {

// Bulirsch's general complete elliptic integral
//   cel(kc, p, a, b) = Int_0^(pi/2) (a cos^2 t + b sin^2 t) /
//                      ((cos^2 t + p sin^2 t) sqrt(cos^2 t + kc^2 sin^2 t)) dt,
// by his Gauss-transformation algorithm (Numer. Math. 13 (1969) 305), for kc != 0 and p != 0.
// It converges quadratically: the tolerance on the arithmetic-geometric means leaves an error of
// its square, and 40 steps are far more than double ever takes.
double Cel(double kc, double p, double a, double b) {
  constexpr double kTolerance = 1e-8;
  constexpr int kMaxSteps = 40;
  double qc = std::abs(kc), e = qc, m = 1;
  if (p > 0) {
    p = std::sqrt(p);
    b /= p;
  } else {
    double f = qc * qc, q = 1 - f;
    const double g = 1 - p;
    f -= p;
    q *= b - a * p;
    p = std::sqrt(f / g);
    a = (a - b) / g;
    b = -q / (g * g * p) + a * p;
  }
  for (int step = 0; step < kMaxSteps; ++step) {
    const double f = a;
    a += b / p;
    const double g = e / p;
    b += f * g;
    b += b;
    p += g;
    const double previous = m;
    m += qc;
    if (std::abs(previous - qc) <= previous * kTolerance) break;
    qc = 2 * std::sqrt(e);
    e = qc * m;
  }
  return kPi / 2 * (b + a * m) / (m * (m + p));
}

// One end of a cylindrical current sheet of radius R, with one unit of current per unit length,
// seen from radius r at the axial distance h > 0 from that end (dR = R - r passed on its own,
// which keeps gamma's precision as the radii meet). Per mu0:
//   potential: the vector potential A_phi of the end circle,
//              R/(pi c) cel(kc, 1, -1, 1) = R/(pi c) [(2/k^2)(K - E) - K];
//   axial:     the end's share of B_z, (h/(2 pi c)) [K(k) + gamma Pi(n, k)]
//              = (h/(2 pi c)) (1 + gamma) cel(kc, gamma^2, 1, gamma),
// with c^2 = (R + r)^2 + h^2, kc^2 = (dR^2 + h^2)/c^2, gamma = dR/(R + r), n = 1 - gamma^2.
// The sheet from z' = 0 to l then has, at (r, z),
//   B_r = potential(l - z) - potential(z),   B_z = axial(l - z) + axial(z).
struct EndTerms {
  double potential, axial;
};
EndTerms SheetEnd(double R, double dR, double r, double h) {
  const double s = R + r;
  const double c = std::hypot(s, h);
  const double kc = std::hypot(dR, h) / c;
  const double gamma = dR / s;
  return {R / (kPi * c) * Cel(kc, 1, -1, 1),
          h / (2 * kPi * c) * (1 + gamma) * Cel(kc, gamma * gamma, 1, gamma)};
}

// The two-dimensional field of the straight strip that a sheet at R - r = u becomes near the
// field point (the same jump of B_z at u = 0 and the same logarithms of the end circles), per
// mu0, with c1 = l - z and c2 = z, and its integrals over u in closed form:
//   strip B_r = -ln((u^2 + c1^2)/(u^2 + c2^2))/(4 pi),   Int ln(u^2 + c^2) = u ln(u^2 + c^2)
//   - 2u + 2c atan(u/c);
//   strip B_z = (atan(c1/u) + atan(c2/u))/(2 pi),         Int atan(c/u) = u atan(c/u)
//   + (c/2) ln(u^2 + c^2).
double LogPrimitive(double u, double c) {
  return u * std::log(u * u + c * c) - 2 * u + 2 * c * std::atan(u / c);
}
double AtanPrimitive(double u, double c) {
  return (u == 0 ? 0.0 : u * std::atan(c / u)) + c / 2 * std::log(u * u + c * c);
}

// A tanh-sinh rule on [0, 1]: nodes t and 1 - t (each computed without cancellation) and
// weights, for |k step| <= kReach (the outermost nodes lie 1e-14 from the ends).
struct Rule {
  std::vector<double> t, tc, w;
};
Rule TanhSinh(double step) {
  constexpr double kReach = 3.2;
  Rule rule;
  const int m = static_cast<int>(kReach / step);
  for (int k = -m; k <= m; ++k) {
    const double s = kPi / 2 * std::sinh(k * step);
    rule.t.push_back(1 / (1 + std::exp(-2 * s)));
    rule.tc.push_back(1 / (1 + std::exp(2 * s)));
    rule.w.push_back(step * kPi / 4 * std::cosh(k * step) / (std::cosh(s) * std::cosh(s)));
  }
  return rule;
}

struct Field {
  double r, z;
};

// The field per mu0 J at (r, z) inside the winding [a0, a1] x [0, l].
Field FieldAt(double a0, double a1, double l, double r, double z, const Rule& rule) {
  const double c1 = l - z, c2 = z;
  Field field{0, 0};
  const auto add = [&](double dR, double weight) {
    const double R = r + dR;
    const EndTerms far = SheetEnd(R, dR, r, c1), near = SheetEnd(R, dR, r, c2);
    const double stripR = -std::log((dR * dR + c1 * c1) / (dR * dR + c2 * c2)) / (4 * kPi);
    const double stripZ = (std::atan(c1 / dR) + std::atan(c2 / dR)) / (2 * kPi);
    field.r += weight * (far.potential - near.potential - stripR);
    field.z += weight * (far.axial + near.axial - stripZ);
  };
  const double inside = r - a0, outside = a1 - r;
  for (std::size_t k = 0; k < rule.t.size(); ++k) {
    if (inside > 0) add(-inside * rule.tc[k], inside * rule.w[k]);  // clustered at R = r
    add(outside * rule.t[k], outside * rule.w[k]);
  }
  const double u1 = -inside, u2 = outside;
  field.r -=
      (LogPrimitive(u2, c1) - LogPrimitive(u1, c1) - LogPrimitive(u2, c2) + LogPrimitive(u1, c2)) /
      (4 * kPi);
  field.z += (AtanPrimitive(u2, c1) - AtanPrimitive(u1, c1) + AtanPrimitive(u2, c2) -
              AtanPrimitive(u1, c2)) /
             (2 * kPi);
  return field;
}

bool Finite(double v) { return std::isfinite(v); }

// The winding's shape, in units of its size (no square overflows), as the inductance checks it.
bool IsWinding(double Dbn, double l, double Dr) {
  if (!Finite(Dbn) || !Finite(l) || !Finite(Dr) || Dbn < 0 || l <= 0 || Dr <= 0) return false;
  return l >= kFlattestWinding * (Dbn + 2 * Dr) && Dr >= kThinnestWinding * l;
}

}  // namespace

std::optional<double> WindingFieldMoment(double Dbn, double l, double Dr, double step) {
  if (!IsWinding(Dbn, l, Dr) || !(step >= 0.05 && step <= 1)) return std::nullopt;
  // M scales as the square of the size: work in units of it.
  const double unit = Dbn / 2 + Dr + l;
  const double a0 = Dbn / 2 / unit, dr = Dr / unit, a1 = a0 + dr, len = l / unit;
  const Rule rule = TanhSinh(step);
  const std::size_t middle = rule.t.size() / 2;  // the node t = 1/2
  double sum = 0;
  for (std::size_t i = 0; i < rule.t.size(); ++i) {
    // r from whichever end is nearer, so that the nodes near it keep their distance.
    const double r = rule.t[i] < 0.5 ? a0 + dr * rule.t[i] : a1 - dr * rule.tc[i];
    for (std::size_t j = 0; j <= middle; ++j) {
      const double z = len * rule.t[j];  // the lower half; the upper one mirrors it
      const Field b = FieldAt(a0, a1, len, r, z, rule);
      const double weight = rule.w[i] * rule.w[j] * (j == middle ? 1 : 2);
      sum += weight * r * (b.r * b.r + b.z * b.z);
    }
  }
  const double moment = sum * dr * len / (len * dr * (a0 + dr / 2)) * unit * unit;
  // Nothing where the size of the winding overflows or underflows the square.
  if (!Finite(moment) || !(moment >= std::numeric_limits<double>::min())) return std::nullopt;
  return moment;
}

std::optional<double> MultiLayerAcFactor(double Dbn, double l, double Dr, double N, double d,
                                         double f) {
  if (!IsWinding(Dbn, l, Dr) || !Finite(N) || N < 1) return std::nullopt;
  const std::optional<RoundWireFactors> wire = RoundWireAc(d, f);
  if (!wire) return std::nullopt;
  // The share of the cell that the wire fills (1 for the largest wire, LargestWire in wire.h).
  constexpr double kFitSlack = 1e-9;
  const double fill = N * (d / l) * (d / Dr);
  if (!(fill <= 1 + kFitSlack)) return std::nullopt;
  const std::optional<double> moment = WindingFieldMoment(Dbn, l, Dr);
  if (!moment) return std::nullopt;
  const double factor = wire->skin + wire->proximity * fill * fill * (*moment / d / d);
  if (!Finite(factor)) return std::nullopt;
  return factor;
}

std::optional<double> MultiLayerSelfCapacitance(double, double, double, double, double) {
  return std::nullopt;
}

}  // namespace physics
