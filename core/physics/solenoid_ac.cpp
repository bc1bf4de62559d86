// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The coilcalc developers
#include "physics/solenoid_ac.h"

#include <algorithm>
#include <array>
#include <boost/math/policies/policy.hpp>
#include <boost/math/special_functions/bessel.hpp>
#include <boost/math/tools/toms748_solve.hpp>
#include <cmath>
#include <cstdint>

#include "physics/constants.h"
#include "physics/roundwire.h"

namespace physics {
namespace {

namespace bp = boost::math::policies;
// Double arithmetic throughout; a domain or evaluation error gives NaN, never an exception.
using Policy =
    bp::policy<bp::promote_double<false>, bp::domain_error<bp::ignore_error>,
               bp::evaluation_error<bp::ignore_error>, bp::overflow_error<bp::ignore_error>>;

constexpr double kEpsilon0 = 8.8541878128e-12;  // F/m
constexpr double kLight = 2.99792458e10;        // cm/s
constexpr double kMu0 = 4e-9 * kPi;             // H/cm

// The coils the functions take (see the header).
constexpr double kShortest = 1e-6, kLongest = 1e6;  // cm
constexpr double kFewestTurns = 1, kMostTurns = 1e7;
// Knight's formula and the sheath helix rest on coils from l/D = 0.1 up.
constexpr double kShortestShape = 0.1;
// How far above 1 a wire's d/p may round and still be the close-wound wire d = p.
constexpr double kPitchRounding = 1e-12;

bool Length(double x) { return std::isfinite(x) && x >= kShortest && x <= kLongest; }
bool Turns(double N) { return std::isfinite(N) && N >= kFewestTurns && N <= kMostTurns; }
bool Coil(double D, double l, double N) { return Length(D) && Length(l) && Turns(N); }

bool Permittivity(double e) { return std::isfinite(e) && e >= 1 && e <= 100; }

std::optional<double> Result(double value) {
  if (!std::isfinite(value)) return std::nullopt;
  return value;
}

// Medhurst (1947): Phi, the coil's resistance over the straight wire's at strong skin effect.
// Rows l/D, columns d/p, as he tabulated them; the last column is the limit d/p -> 0 (the
// straight wire, Phi = 1), the last row l/D = ∞.
constexpr int kRows = 12, kColumns = 11;
constexpr std::array<double, kRows> kLOverD = {0, 0.2, 0.4, 0.6, 0.8, 1, 2, 4, 6, 8, 10, INFINITY};
constexpr std::array<double, kColumns> kDOverP = {1,   0.9, 0.8, 0.7, 0.6, 0.5,
                                                  0.4, 0.3, 0.2, 0.1, 0};
constexpr double kMedhurst[kRows][kColumns] = {
    {5.31, 3.73, 2.74, 2.12, 1.74, 1.44, 1.20, 1.16, 1.07, 1.02, 1},
    {5.45, 3.84, 2.83, 2.20, 1.77, 1.48, 1.29, 1.19, 1.08, 1.02, 1},
    {5.65, 3.99, 2.97, 2.28, 1.83, 1.54, 1.33, 1.21, 1.08, 1.03, 1},
    {5.80, 4.11, 3.10, 2.38, 1.89, 1.60, 1.38, 1.22, 1.10, 1.03, 1},
    {5.80, 4.17, 3.20, 2.44, 1.92, 1.64, 1.42, 1.23, 1.10, 1.03, 1},
    {5.55, 4.10, 3.17, 2.47, 1.94, 1.67, 1.45, 1.24, 1.10, 1.03, 1},
    {4.10, 3.36, 2.74, 2.32, 1.98, 1.74, 1.50, 1.28, 1.13, 1.04, 1},
    {3.54, 3.05, 2.60, 2.27, 2.01, 1.78, 1.54, 1.32, 1.15, 1.04, 1},
    {3.31, 2.92, 2.60, 2.29, 2.03, 1.80, 1.56, 1.34, 1.16, 1.04, 1},
    {3.20, 2.90, 2.62, 2.34, 2.08, 1.81, 1.57, 1.34, 1.165, 1.04, 1},
    {3.23, 2.93, 2.65, 2.27, 2.10, 1.83, 1.58, 1.35, 1.17, 1.04, 1},
    {3.41, 3.11, 2.815, 2.51, 2.22, 1.93, 1.65, 1.395, 1.19, 1.05, 1},
};

// The row coordinate l/(l + D): 0 for the ring, 1 for the endless coil.
double RowCoordinate(double lOverD) { return std::isinf(lOverD) ? 1.0 : lOverD / (1 + lOverD); }

// Monotone piecewise cubic Hermite interpolation (Fritsch-Carlson) through n points with
// increasing x, at x[0] <= t <= x[n-1]: between two points the value stays between theirs, and
// at a point it is the point's own value.
template <std::size_t n>
double MonotoneCubic(const std::array<double, n>& x, const std::array<double, n>& y, double t) {
  std::array<double, n - 1> h{}, secant{};
  for (std::size_t i = 0; i + 1 < n; ++i) {
    h[i] = x[i + 1] - x[i];
    secant[i] = (y[i + 1] - y[i]) / h[i];
  }
  // Slopes: the weighted harmonic mean of the neighbouring secants where they agree in sign,
  // zero at a local extremum; at the ends the secant's shape-preserving three-point estimate.
  std::array<double, n> m{};
  for (std::size_t i = 1; i + 1 < n; ++i) {
    if (secant[i - 1] * secant[i] <= 0) continue;
    const double w1 = 2 * h[i] + h[i - 1], w2 = h[i] + 2 * h[i - 1];
    m[i] = (w1 + w2) / (w1 / secant[i - 1] + w2 / secant[i]);
  }
  const auto end = [](double h0, double h1, double s0, double s1) {
    double slope = ((2 * h0 + h1) * s0 - h0 * s1) / (h0 + h1);
    if (slope * s0 <= 0) return 0.0;
    if (s0 * s1 <= 0 && std::abs(slope) > 3 * std::abs(s0)) return 3 * s0;
    return slope;
  };
  m[0] = end(h[0], h[1], secant[0], secant[1]);
  m[n - 1] = end(h[n - 2], h[n - 3], secant[n - 2], secant[n - 3]);
  std::size_t i = 0;
  while (i + 2 < n && t > x[i + 1]) ++i;
  const double s = (t - x[i]) / h[i], s2 = s * s, s3 = s2 * s;
  return (2 * s3 - 3 * s2 + 1) * y[i] + (s3 - 2 * s2 + s) * h[i] * m[i] +
         (-2 * s3 + 3 * s2) * y[i + 1] + (s3 - s2) * h[i] * m[i + 1];
}

double Medhurst(double lOverD, double dOverP) {
  std::array<double, kColumns> columns{}, row{};
  for (int j = 0; j < kColumns; ++j) columns[j] = kDOverP[kColumns - 1 - j];
  std::array<double, kRows> rowCoordinates{}, alongRows{};
  for (int i = 0; i < kRows; ++i) {
    for (int j = 0; j < kColumns; ++j) row[j] = kMedhurst[i][kColumns - 1 - j];
    rowCoordinates[i] = RowCoordinate(kLOverD[i]);
    alongRows[i] = MonotoneCubic(columns, row, dOverP);
  }
  return MonotoneCubic(rowCoordinates, alongRows, RowCoordinate(lOverD));
}

// The share of the neighbours' field in the loss, from 0 (d << δ) to 1 (strong skin effect): the
// round wire's loss in a transverse field over its own loss, G/F (roundwire.h), divided by that
// ratio's strong-skin limit 2π² (G -> π²(x - 1/2), F -> x/2 + 1/4, x = a/δ).
std::optional<double> ProximityShare(double d, double f) {
  const std::optional<RoundWireFactors> wire = RoundWireAc(d, f);
  if (!wire) return std::nullopt;
  return wire->proximity / (2 * kPi * kPi * wire->skin);
}

// Knight's shape function kc of the self-capacitance, in r = D/l.
double ShapeFunction(double r) {
  return 0.717439 * r + 0.933048 * r * std::sqrt(r) + 0.106 * r * r;
}

// cos²ψ of the helix: (π D)² / ((π D)² + p²).
double CosPitchSquared(double D, double l, double N) {
  const double turn = kPi * D, p = l / N;
  return 1 / (1 + (p / turn) * (p / turn));
}

// The modified Bessel functions of orders 0 and 1 at one argument.
struct Bessel {
  double i0, i1, k0, k1;
};
Bessel At(double x) {
  namespace bm = boost::math;
  return {bm::cyl_bessel_i(0, x, Policy()), bm::cyl_bessel_i(1, x, Policy()),
          bm::cyl_bessel_k(0, x, Policy()), bm::cyl_bessel_k(1, x, Policy())};
}
// R = I0K0/(I1K1) of the sheath helix in air, at x = τa.
double BesselRatio(double x) {
  const Bessel b = At(x);
  return b.i0 * b.k0 / (b.i1 * b.k1);
}

// The capacitance in F between the coil's two ends outside the line: the shape term of Knight's
// self-capacitance, Cs less its long-coil part 4 ε0 εx l/(π cos²ψ).
double EndCapacitance(double D, double l, double N, double epsInside, double epsOutside) {
  return 4 * kEpsilon0 * epsOutside * l * 1e-2 / kPi * ShapeFunction(D / l) *
         (1 + epsInside / epsOutside) / 2 / CosPitchSquared(D, l, N);
}

// The free coil as the sheath helix's wave on a line of length l, both ends open and joined by
// the end capacitance Cend. By symmetry the centre is a voltage node; each half is a line of
// length l/2 shorted there, Z0 = ωL'/β, L' = μ0 n² π a²·2/S the sheath's inductance per unit
// length at the wave's β (S = x I0/I1 + x K0/K1 = 1/(I1K1) in air), and the resonance is where
//   tan(βl/2) = 1/(2ωCend·Z0),   i.e.   h = 2ω²Cend L' sin(βl/2) - β cos(βl/2) = 0,
// with βl/2 in (0, π/2]: h < 0 as β -> 0, h > 0 at the sheath's half-wave β = π/l.
struct Line {
  double a, l, n, cend;
  // h at the axial phase constant beta (1/cm), the wave number k (1/cm) and S.
  double operator()(double beta, double k, double s) const {
    const double omega = k * kLight, inductance = kMu0 * n * n * kPi * a * a * 2 / s;  // H/cm
    return 2 * omega * omega * cend * inductance * std::sin(beta * l / 2) -
           beta * std::cos(beta * l / 2);
  }
};

// TOMS 748 on a bracket [low, high] whose ends have opposite signs; nothing if they do not, or if
// the bracket it ends on does not (a non-finite value met on the way).
template <class F>
std::optional<double> Root(F f, double low, double high) {
  const auto opposite = [](double a, double b) { return (a <= 0 && b >= 0) || (a >= 0 && b <= 0); };
  const double fLow = f(low), fHigh = f(high);
  if (!(fLow < 0 && fHigh > 0) && !(fLow > 0 && fHigh < 0)) return std::nullopt;
  std::uintmax_t steps = 100;  // converges in far fewer; this bounds it
  const auto root = boost::math::tools::toms748_solve(
      f, low, high, fLow, fHigh, boost::math::tools::eps_tolerance<double>(50), steps, Policy());
  if (!opposite(f(root.first), f(root.second))) return std::nullopt;
  return (root.first + root.second) / 2;
}

// The resonance in air. With x = τa, the dispersion relation gives β and k explicitly,
//   (βa)² = x² (R(x) tan²ψ + 1),   k a = x tanψ sqrt(R(x)),   R = I0K0/(I1K1),
// (the form without the cancellation of sqrt((βa)² - x²) where the turns lie dense), and βa rises
// with x from 0. Both roots are found in ln x, which takes a sparse helix's tiny x in as few steps
// as any: first x at the half-wave β = π/l, then the loaded line's resonance below it.
std::optional<double> AirResonance(double D, double l, double N) {
  const double a = D / 2, tanPsi = (l / N) / (kPi * D), top = kPi * a / l;
  const auto halfWave = [&](double y) {
    const double x = std::exp(y), q = (x / top) * (x / top);
    return (q - 1) + q * BesselRatio(x) * tanPsi * tanPsi;  // positive at x = top however dense
  };
  // At x = e^-600 top the left side is below 1e-500 (R < 3000, tanψ < 1e13 in the domain).
  const double yTop = std::log(top);
  const std::optional<double> yHalf = Root(halfWave, yTop - 600, yTop + 1e-12);
  if (!yHalf) return std::nullopt;
  const Line line{a, l, N / l, EndCapacitance(D, l, N, 1, 1)};
  const auto wave = [&](double y, double* k) {
    const double x = std::exp(y);
    const Bessel b = At(x);
    const double r = b.i0 * b.k0 / (b.i1 * b.k1);
    *k = x * tanPsi * std::sqrt(r) / a;
    const double beta = x * std::sqrt(r * tanPsi * tanPsi + 1) / a;
    return line(beta, *k, 1 / (b.i1 * b.k1));
  };
  double k = 0;
  const auto loaded = [&](double y) { return wave(y, &k); };
  // At e^-300 of the half-wave x, ω² and β are e^-600 and e^-300 of theirs there: h < 0.
  const std::optional<double> y = Root(loaded, *yHalf - 300, *yHalf);
  if (!y) return std::nullopt;
  wave(*y, &k);
  return Result(k * kLight / (2 * kPi));
}

// The resonance with the permittivity εi inside the helix and εx outside (Yurkov's sheath helix
// with a dielectric core). For the n = 0 wave, τi² = β² - εi k², τx² = β² - εx k², xi = τi a,
// xx = τx a, the boundary conditions of the sheath give
//   tan²ψ [xi I0(xi)/I1(xi) + xx K0(xx)/K1(xx)]
//     = (ka)² [εi I1(xi)/(xi I0(xi)) + εx K1(xx)/(xx K0(xx))],
// which is the air relation where εi = εx = 1. At a given β its slow wave (k < β/sqrt(max ε)) is
// found in ln(k) and the loaded line's resonance over β, each a bracketed root.
std::optional<double> DielectricResonance(double D, double l, double N, double epsInside,
                                          double epsOutside) {
  const double a = D / 2, tanPsi = (l / N) / (kPi * D);
  const Line line{a, l, N / l, EndCapacitance(D, l, N, epsInside, epsOutside)};
  double k = 0, s = 0;
  const auto wave = [&](double beta) -> std::optional<double> {
    const double kTop = beta / std::sqrt(std::max(epsInside, epsOutside));
    const auto sheath = [&](double y) {
      const double kk = std::exp(y);
      const double xi = std::sqrt(std::max(beta * beta - epsInside * kk * kk, 0.0)) * a;
      const double xx = std::sqrt(std::max(beta * beta - epsOutside * kk * kk, 0.0)) * a;
      const Bessel in = At(xi), out = At(xx);
      s = xi * in.i0 / in.i1 + xx * out.k0 / out.k1;
      const double e = epsInside * in.i1 / (xi * in.i0) + epsOutside * out.k1 / (xx * out.k0);
      const double ka = kk * a;
      return tanPsi * tanPsi * s - ka * ka * e;
    };
    // Positive as k -> 0; where the outside is the denser medium, xx -> 0 at kTop drives it to -∞.
    const std::optional<double> y = Root(sheath, std::log(kTop) - 300, std::log(kTop) - 1e-12);
    if (!y) return std::nullopt;
    k = std::exp(*y);
    sheath(*y);
    return line(beta, k, s);
  };
  const auto loaded = [&](double beta) {
    const std::optional<double> h = wave(beta);
    return h ? *h : NAN;
  };
  // The bracket: β = π/l (h > 0) and β halved until h < 0, at most 60 times.
  double high = kPi / l, low = high / 2;
  for (int i = 0; i < 60 && !(loaded(low) < 0); ++i) low /= 2;
  const std::optional<double> beta = Root(loaded, low, high);
  if (!beta || !wave(*beta)) return std::nullopt;
  return Result(k * kLight / (2 * kPi));
}

}  // namespace

std::optional<double> MedhurstProximity(double lOverD, double dOverP) {
  if (std::isnan(lOverD) || !(lOverD > 0) || !std::isfinite(dOverP) || dOverP < 0 || dOverP > 1) {
    return std::nullopt;
  }
  return Result(Medhurst(lOverD, dOverP));
}

std::optional<double> SingleLayerProximityFactor(double D, double l, double N, double d, double f) {
  if (!Coil(D, l, N) || !(d >= kMinWireDiameter && d <= kMaxWireDiameter) || d >= D) {
    return std::nullopt;
  }
  if (!(f >= kMinFrequency && f <= kMaxFrequency)) return std::nullopt;
  // A wire as thick as the pitch l/N, as computed, is close-wound: d·N/l may round to just above 1.
  const double dOverP = d * N / l;
  if (!(dOverP <= 1 + kPitchRounding)) return std::nullopt;
  const std::optional<double> phi = MedhurstProximity(l / D, std::min(dOverP, 1.0));
  const std::optional<double> share = ProximityShare(d, f);
  if (!phi || !share) return std::nullopt;
  return Result(1 + (*phi - 1) * *share);
}

std::optional<double> SolenoidSelfCapacitance(double D, double l, double N, double epsInside,
                                              double epsOutside) {
  if (!Coil(D, l, N) || l < kShortestShape * D) return std::nullopt;
  if (!Permittivity(epsInside) || !Permittivity(epsOutside)) return std::nullopt;
  const double kc = ShapeFunction(D / l);
  const double perLength = 4 * kEpsilon0 * epsOutside / kPi * 1e10;  // pF/cm
  return Result(perLength * l * (1 + kc * (1 + epsInside / epsOutside) / 2) /
                CosPitchSquared(D, l, N));
}

std::optional<double> SingleLayerSelfCapacitance(double D, double l, double N) {
  return SolenoidSelfCapacitance(D, l, N, 1, 1);
}

std::optional<double> SolenoidSelfResonance(double D, double l, double N, double epsInside,
                                            double epsOutside) {
  if (!Coil(D, l, N) || l < kShortestShape * D) return std::nullopt;
  if (!Permittivity(epsInside) || !Permittivity(epsOutside)) return std::nullopt;
  // One medium throughout: every wave number, the line's C' and Cend scale as in air, f as
  // 1/sqrt(ε).
  if (epsInside == epsOutside) {
    const std::optional<double> f = AirResonance(D, l, N);
    if (!f) return std::nullopt;
    return Result(*f / std::sqrt(epsInside));
  }
  return DielectricResonance(D, l, N, epsInside, epsOutside);
}

std::optional<double> SingleLayerSelfResonance(double D, double l, double N) {
  return SolenoidSelfResonance(D, l, N, 1, 1);
}

}  // namespace physics
