// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The coilcalc developers
// The single-layer coil at its working frequency against its published sources: Medhurst's
// proximity table and self-capacitance measurements, and measured self-resonances.
#include <algorithm>
#include <boost/math/special_functions/bessel.hpp>
#include <cmath>
#include <gtest/gtest.h>
#include <vector>

#include "physics/inductance.h"
#include "physics/roundwire.h"
#include "physics/solenoid_ac.h"
#include "physics/wire.h"

namespace {

using namespace physics;
constexpr double kPi = 3.14159265358979323846, kLight = 2.99792458e10;  // cm/s

// The worst and the median |error| of a list of relative errors.
struct Spread {
  double worst, typical;
};
Spread SpreadOf(std::vector<double> errors) {
  for (double& e : errors) e = std::abs(e);
  std::sort(errors.begin(), errors.end());
  return {errors.back(), errors[errors.size() / 2]};
}

// Medhurst (1947) at points of his table, as published (l/D, d/p, Phi); a coil of that shape at
// 1 GHz with 1 mm wire (d/δ = 479) gives it within the blend's 1 - 2δ/d.
TEST(ProximityFactor, MedhurstsTableAtItsPoints) {
  const double points[][3] = {{0, 1, 5.31},    {0.2, 0.9, 3.84},     {0.6, 0.7, 2.38},
                              {1, 1, 5.55},    {1, 0.5, 1.67},       {2, 0.8, 2.74},
                              {4, 0.3, 1.32},  {8, 0.2, 1.165},      {10, 0.6, 2.10},
                              {10, 0.1, 1.04}, {INFINITY, 0.4, 1.65}};
  for (const auto& p : points) {
    EXPECT_NEAR(MedhurstProximity(p[0] == 0 ? 1e-300 : p[0], p[1]).value(), p[2], 1e-12)
        << p[0] << ", " << p[1];
    if (p[0] == 0 || std::isinf(p[0])) continue;
    const double d = 0.1, l = p[0] * 2, N = l * p[1] / d;  // D = 2 cm
    EXPECT_NEAR(SingleLayerProximityFactor(2, l, N, d, 1e9).value(), p[2], 0.005 * (p[2] - 1))
        << p[0] << ", " << p[1];
  }
}

// Between two neighbouring points of a row or a column the interpolation stays between their
// values (the monotone cubic adds no wiggle), and spaced-out turns tend to the straight wire.
TEST(ProximityFactor, BetweenTheTablesPointsAndTurnsFarApart) {
  const double rows[] = {0.1, 0.5, 0.9, 1.5, 3, 7, 20, 1e6};
  for (const double lOverD : rows) {
    double previous = MedhurstProximity(lOverD, 0).value();
    EXPECT_DOUBLE_EQ(previous, 1);
    for (double s = 0.005; s <= 1; s += 0.005) {
      const double phi = MedhurstProximity(lOverD, s).value();
      EXPECT_GE(phi, previous) << lOverD << ", " << s;  // every row rises with d/p
      previous = phi;
    }
  }
  const double near[][3] = {{0.7, 0.55, 0}, {5, 0.25, 0}, {0.3, 0.95, 0}};
  for (const auto& c : near) {
    const double phi = MedhurstProximity(c[0], c[1]).value();
    const double a = MedhurstProximity(c[0], c[1] - 0.05).value();
    const double b = MedhurstProximity(c[0], c[1] + 0.05).value();
    EXPECT_TRUE(phi > std::min(a, b) && phi < std::max(a, b)) << c[0] << ", " << c[1];
  }
  const double across[][3] = {
      {0.5, 0.4, 0.6}, {1.5, 1, 2}, {3, 2, 4}, {9, 8, 10}, {50, 10, INFINITY}};
  for (const auto& c : across) {  // between two rows, at d/p = 1
    const double phi = MedhurstProximity(c[0], 1).value();
    const double a = MedhurstProximity(c[1], 1).value(), b = MedhurstProximity(c[2], 1).value();
    EXPECT_TRUE(phi >= std::min(a, b) && phi <= std::max(a, b)) << c[0];
  }
  EXPECT_LT(MedhurstProximity(1, 0.05).value() - 1, 0.03);
  // The wire as thick as the pitch l/N (the largest that fits) is close-wound, however l/N rounds.
  for (double N = 1; N < 200; ++N) {
    for (const double l : {0.1, 0.3, 0.7, 1.1, 2.9, 9.7}) {
      EXPECT_TRUE(SingleLayerProximityFactor(20, l, N, HelixPitch(N, l).value(), 1e6))
          << N << ", " << l;
    }
  }
}

// As the skin effect fades, Rac -> Rdc and Rac - Rdc grows as f^2 (Rac/Rdc = F·factor), the
// factor's own excess as (d/δ)^4/128 of Phi - 1; it rises with f to Medhurst's Phi at strong
// skin effect. 1 mm wire, close-wound, l/D = 1 (Phi = 5.55).
TEST(ProximityFactor, FadesWithTheSkinEffect) {
  const auto factor = [](double f) { return SingleLayerProximityFactor(1, 1, 10, 0.1, f).value(); };
  const auto excess = [&](double f) { return SkinFactor(0.1, f).value() * factor(f) - 1; };
  for (const double f : {1.0, 10.0, 100.0}) {
    EXPECT_NEAR(excess(2 * f) / excess(f), 4, 1e-3) << f;
    const double x = 0.1 / SkinDepth(f).value();
    EXPECT_NEAR((factor(f) - 1) / 4.55 / (x * x * x * x / 128), 1, 1e-3) << f;
  }
  EXPECT_LT(excess(1), 1e-8);
  double previous = 1;
  for (double f = 1; f <= 1e9; f *= 1.5) {
    EXPECT_GT(factor(f), previous) << f;
    previous = factor(f);
  }
  EXPECT_NEAR(factor(1e9), 5.55, 0.01 * 4.55);
}

// Medhurst's measured self-capacitance H = Cs/D (pF/cm) of coils on polystyrene rods
// (εi = 2.5), l/D from 0.1 to 20; the many turns make cos ψ = 1.
TEST(SelfCapacitance, AgainstMedhurstsMeasurements) {
  const double rows[][2] = {{0.1, 0.96},  {0.15, 0.79}, {0.2, 0.70},  {0.25, 0.64}, {0.3, 0.60},
                            {0.35, 0.57}, {0.4, 0.54},  {0.45, 0.52}, {0.5, 0.50},  {0.6, 0.48},
                            {0.7, 0.47},  {0.8, 0.46},  {0.9, 0.46},  {1, 0.46},    {1.5, 0.47},
                            {2, 0.50},    {2.5, 0.56},  {3, 0.61},    {3.5, 0.67},  {4, 0.72},
                            {4.5, 0.77},  {5, 0.81},    {6, 0.92},    {7, 1.01},    {8, 1.12},
                            {9, 1.22},    {10, 1.32},   {15, 1.86},   {20, 2.36}};
  std::vector<double> errors;
  for (const auto& r : rows) {
    const double Cs = SolenoidSelfCapacitance(10, 10 * r[0], 1e6, 2.5, 1).value();
    errors.push_back(Cs / (10 * r[1]) - 1);
  }
  const Spread s = SpreadOf(errors);
  EXPECT_LT(s.worst, 0.045);
  EXPECT_LT(s.typical, 0.02);
}

// The 1/cos²ψ law and the long-coil asymptote 4 ε0 l/π = 0.112735 pF/cm, in air.
TEST(SelfCapacitance, PitchAngleAndLongCoil) {
  const double tight = SingleLayerSelfCapacitance(1, 20, 1e6).value();
  EXPECT_NEAR(SingleLayerSelfCapacitance(1, 20, 20 / kPi).value() / tight, 2, 1e-9);  // p = πD
  EXPECT_NEAR(SingleLayerSelfCapacitance(1, 1e5, 1e7).value() / 1e5, 0.112735, 1e-5);
}

// Pettit's free coils (3.561 m of 1.83 mm wire, about 30 turns on 37.1 mm): length (cm), l/D,
// measured self-resonance (MHz), the permittivity inside, the model's error. The two shorter
// coils sat on a polyethylene rod of unpublished size: once as if it filled the coil (εi = 2.3),
// once as if it were absent, the measured resonance expected between.
TEST(SelfResonance, AgainstMeasuredCoils) {
  const double rows[][5] = {{6.22, 1.678, 37.0, 2.3, -0.127},
                            {6.22, 1.678, 37.0, 1, 0.057},
                            {15.88, 4.28, 57.4, 2.3, -0.134},
                            {15.88, 4.28, 57.4, 1, -0.013},
                            {32.39, 8.73, 67.8, 1, 0.056}};
  for (const auto& r : rows) {
    const double D = r[0] / r[1], N = std::sqrt(356.1 * 356.1 - r[0] * r[0]) / (kPi * D);
    const double f = SolenoidSelfResonance(D, r[0], N, r[3], 1).value();
    EXPECT_NEAR(f / (r[2] * 1e6) - 1, r[4], 0.003) << r[1] << ", " << r[3];
  }
}

// The resonance by a second route: at the frequency found, the air dispersion relation solved for
// β by bisection, the half-line of impedance Z0 = ωL'/β shorted at the centre resonates with the
// end capacitance, Knight's Cs less 4 ε0 l/(π cos²ψ): 2ωCend·Z0·sin(βl/2) = cos(βl/2). Long coils
// come to the sheath's half-wave β·l = π, short ones to the lumped 1/(2π sqrt(L·Cs)).
TEST(SelfResonance, TheLoadedLineBetweenHalfWaveAndLumped) {
  const double coils[][4] = {// D, l, N, the least βl/π
                             {0.4, 1, 5, 0.5},      {3.71, 32.39, 30.4, 0.8}, {10, 1, 3, 0},
                             {1, 100, 1000, 0.95},  {1, 1000, 1e4, 0.99},     {1, 0.1, 9e6, 0},
                             {1e-4, 1e5, 1.5, 0.99}};
  for (const auto& c : coils) {
    const double f = SingleLayerSelfResonance(c[0], c[1], c[2]).value();
    const double a = c[0] / 2, k = 2 * kPi * f / kLight, cotPsi = kPi * c[0] * c[2] / c[1];
    using boost::math::cyl_bessel_i, boost::math::cyl_bessel_k;
    const auto dispersion = [&](double x) {
      return x * x * cyl_bessel_i(0, x) * cyl_bessel_k(0, x) /
                 (cyl_bessel_i(1, x) * cyl_bessel_k(1, x)) -
             (k * a * cotPsi) * (k * a * cotPsi);
    };
    double x = 1e-200, high = 50;
    for (int i = 0; i < 200; ++i)
      (dispersion(std::sqrt(x * high)) < 0 ? x : high) = std::sqrt(x * high);
    const double beta = std::hypot(k, x / a), omega = k * kLight, n = c[2] / c[1];
    const double inductance =
        4e-9 * kPi * n * n * kPi * a * a * 2 * cyl_bessel_i(1, x) * cyl_bessel_k(1, x);  // H/cm
    const double cosPsi2 = 1 / (1 + 1 / (cotPsi * cotPsi));
    const double cend = SingleLayerSelfCapacitance(c[0], c[1], c[2]).value() * 1e-12 -
                        4 * 8.8541878128e-14 * c[1] / (kPi * cosPsi2);  // F
    const double z0 = omega * inductance / beta;
    EXPECT_NEAR(2 * omega * cend * z0 * std::sin(beta * c[1] / 2), std::cos(beta * c[1] / 2), 1e-7)
        << c[0] << ", " << c[1];
    EXPECT_LT(beta * c[1], kPi) << c[0] << ", " << c[1];
    EXPECT_GT(beta * c[1] / kPi, c[3]) << c[0] << ", " << c[1];
  }
  for (const double lOverD : {0.1, 0.3}) {  // close-wound, 0.5 mm pitch
    const double D = 2, l = lOverD * D, N = l / 0.05;
    const double L = CurrentSheetInductance(D, l, N).value() * 1e-6;  // H
    const double lumped =
        1 / (2 * kPi * std::sqrt(L * SingleLayerSelfCapacitance(D, l, N).value() * 1e-12));
    EXPECT_NEAR(SingleLayerSelfResonance(D, l, N).value() / lumped, 1, 0.05) << lOverD;
  }
}

// A former or a surrounding medium: one medium throughout divides the air figure by sqrt(ε); the
// core's solution (a second solver) meets the air one as εi -> 1; a denser core lowers the
// resonance, much for a short coil, little for a long one; a sparse helix in a dense core has no
// slow wave and gets nothing.
TEST(SelfResonance, FormerAndSurroundings) {
  const double coils[][4] = {// D, l, N, the least f(εi = 2.3)/f(air)
                             {3.707, 6.22, 30.57, 0.8},
                             {1, 1, 10, 0.78},
                             {1, 10, 100, 0.9},
                             {1, 100, 1000, 0.98}};
  for (const auto& c : coils) {
    const double air = SingleLayerSelfResonance(c[0], c[1], c[2]).value();
    EXPECT_EQ(SolenoidSelfResonance(c[0], c[1], c[2], 1, 1).value(), air);
    EXPECT_NEAR(SolenoidSelfResonance(c[0], c[1], c[2], 4, 4).value() / air, 0.5, 1e-12);
    EXPECT_NEAR(SolenoidSelfResonance(c[0], c[1], c[2], 1 + 1e-9, 1).value() / air, 1, 1e-7);
    double previous = air;
    for (const double eps : {1.5, 2.3, 4.0, 10.0}) {
      const double f = SolenoidSelfResonance(c[0], c[1], c[2], eps, 1).value();
      EXPECT_LT(f, previous) << c[1] << ", " << eps;
      previous = f;
    }
    const double pe = SolenoidSelfResonance(c[0], c[1], c[2], 2.3, 1).value() / air;
    EXPECT_TRUE(pe > c[3] && pe < c[3] + 0.05) << c[1] << ": " << pe;
  }
  EXPECT_FALSE(SolenoidSelfResonance(0.4, 1, 5, 30, 1));
}

TEST(SingleLayerAc, NothingOutsideTheDomain) {
  const double nan = NAN, inf = INFINITY;
  const double bad[][5] = {
      // D, l, N, d, f
      {nan, 1, 5, 0.1, 1e6}, {1, inf, 5, 0.1, 1e6},  {0, 1, 5, 0.1, 1e6},   {1, -1, 5, 0.1, 1e6},
      {1e7, 1, 5, 0.1, 1e6}, {1e-7, 1, 5, 0.1, 1e6}, {1, 1, 0.5, 0.1, 1e6}, {1, 1, 1e8, 0.1, 1e6},
      {1, 1, 5, 0.21, 1e6},  {0.1, 10, 5, 0.1, 1e6}, {1, 1, 5, 0, 1e6},     {1, 1, 5, 0.1, 0},
      {1, 1, 5, 0.1, 2e9},   {1, 1, 5, 0.1, nan},    {1, 1, 5, 0.1, -1},    {1, 1, 5, inf, 1e6}};
  for (const auto& b : bad) {
    EXPECT_FALSE(SingleLayerProximityFactor(b[0], b[1], b[2], b[3], b[4]))
        << b[0] << " " << b[1] << " " << b[2] << " " << b[3] << " " << b[4];
    if (b[3] == 0.1 && b[4] == 1e6 && b[0] != 0.1) {
      EXPECT_FALSE(SingleLayerSelfCapacitance(b[0], b[1], b[2])) << b[0] << " " << b[1];
      EXPECT_FALSE(SingleLayerSelfResonance(b[0], b[1], b[2])) << b[0] << " " << b[1];
    }
  }
  EXPECT_FALSE(SingleLayerSelfCapacitance(10, 0.9, 5));  // l/D < 0.1
  EXPECT_FALSE(SingleLayerSelfResonance(10, 0.9, 5));
  EXPECT_FALSE(SolenoidSelfCapacitance(1, 1, 5, 0.5, 1));
  for (const double eps : {0.5, 101.0, double(NAN), double(INFINITY)}) {
    EXPECT_FALSE(SolenoidSelfResonance(1, 1, 5, eps, 1)) << eps;
    EXPECT_FALSE(SolenoidSelfResonance(1, 1, 5, 1, eps)) << eps;
  }
  EXPECT_FALSE(MedhurstProximity(1, 1.01));
  EXPECT_FALSE(MedhurstProximity(nan, 0.5));
}

}  // namespace
