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

#include "physics/roundwire.h"

namespace physics {
namespace {

namespace bp = boost::math::policies;
// Double arithmetic throughout; a domain or evaluation error gives NaN, never an exception.
using Policy =
    bp::policy<bp::promote_double<false>, bp::domain_error<bp::ignore_error>,
               bp::evaluation_error<bp::ignore_error>, bp::overflow_error<bp::ignore_error>>;

constexpr double kPi = 3.14159265358979323846;
constexpr double kEpsilon0 = 8.8541878128e-12;  // F/m
constexpr double kLight = 2.99792458e10;        // cm/s

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

// The sheath helix at its half-wave resonance. With β = π/l there, x = τa lies in (0, π a/l),
// and the dispersion relation becomes an equation in x alone,
//   x² (R(x) tan²ψ + 1) = (π a/l)²,   R = I0K0/(I1K1),
// whose left side grows with x from 0 to more than the right side at x = π a/l. It is solved for
// ln x, which takes a sparse helix's tiny root in as few steps as any; then
// k a = x tanψ sqrt(R(x)), the form without the cancellation of sqrt((π a/l)² - x²) where the
// turns lie dense.
std::optional<double> HalfWaveWavenumber(double a, double l, double tanPsi) {
  const double top = kPi * a / l;
  const auto ratio = [](double x) {
    return boost::math::cyl_bessel_i(0, x, Policy()) * boost::math::cyl_bessel_k(0, x, Policy()) /
           (boost::math::cyl_bessel_i(1, x, Policy()) * boost::math::cyl_bessel_k(1, x, Policy()));
  };
  const auto equation = [&](double y) {
    const double x = std::exp(y), q = (x / top) * (x / top);
    return (q - 1) + q * ratio(x) * tanPsi * tanPsi;  // positive at x = top however dense
  };
  // At x = e^-600 top the left side is below 1e-500 (R < 3000, tanψ < 1e13 in the domain).
  double low = std::log(top) - 600, high = std::log(top) + 1e-12;  // exp(high) > top, rounded
  const double fLow = equation(low), fHigh = equation(high);
  if (!(fLow < 0 && fHigh > 0)) return std::nullopt;
  std::uintmax_t steps = 100;  // toms748 converges in far fewer; this bounds it
  const auto root = boost::math::tools::toms748_solve(equation, low, high, fLow, fHigh,
                                                      boost::math::tools::eps_tolerance<double>(50),
                                                      steps, Policy());
  const double x = std::exp((root.first + root.second) / 2);
  return Result(x * tanPsi * std::sqrt(ratio(x)) / a);
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
  const auto permittivity = [](double e) { return std::isfinite(e) && e >= 1 && e <= 100; };
  if (!permittivity(epsInside) || !permittivity(epsOutside)) return std::nullopt;
  const double kc = ShapeFunction(D / l);
  const double perLength = 4 * kEpsilon0 * epsOutside / kPi * 1e10;  // pF/cm
  return Result(perLength * l * (1 + kc * (1 + epsInside / epsOutside) / 2) /
                CosPitchSquared(D, l, N));
}

std::optional<double> SingleLayerSelfCapacitance(double D, double l, double N) {
  return SolenoidSelfCapacitance(D, l, N, 1, 1);
}

std::optional<double> SingleLayerSelfResonance(double D, double l, double N) {
  if (!Coil(D, l, N) || l < kShortestShape * D) return std::nullopt;
  const double tanPsi = (l / N) / (kPi * D);
  const std::optional<double> k = HalfWaveWavenumber(D / 2, l, tanPsi);
  if (!k) return std::nullopt;
  return Result(*k * kLight / (2 * kPi));
}

}  // namespace physics
