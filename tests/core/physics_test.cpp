// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The coilcalc developers
// The physical reference against published values and against second, independent methods.
#include <boost/math/quadrature/tanh_sinh.hpp>
#include <cmath>
#include <gtest/gtest.h>

#include "physics/inductance.h"
#include "physics/wire.h"

namespace {

using physics::CurrentSheetInductance;
using physics::RectangularWindingInductance;
constexpr double kPi = 3.14159265358979323846, kMu0 = 4e-3 * kPi;  // µH/cm

// The reference of a geometry that has one (value() throws where there is none, failing the test).
double Sheet(double D, double l, double N = 1) { return CurrentSheetInductance(D, l, N).value(); }
double Winding(double Dbn, double l, double Dr, double N = 1) {
  return RectangularWindingInductance(Dbn, l, Dr, N).value();
}
double Nagaoka(double lOverD) { return Sheet(1, lOverD) * lOverD / (kMu0 * kPi / 4); }

TEST(PhysicalReference, PublishedValues) {
  // Nagaoka's coefficient (Grover, Inductance Calculations, Table 36; Nagaoka 1909); Brooks's
  // coil, inner diameter 2c, length c, thickness c: 0.025491 c N^2 µH. (The model's own figure for
  // the multi-layer window's defaults, 5755.44 µH, is no published value: the reference tests
  // keep it as a regression value.)
  const struct {
    const char* what;
    double computed, published, halfUnit;
  } rows[] = {
      {"K, l/D = 0.01", Nagaoka(0.01), 0.034960, 5e-7},
      {"K, l/D = 0.1", Nagaoka(0.1), 0.203324, 5e-7},
      {"K, l/D = 0.25", Nagaoka(0.25), 0.365432, 5e-7},
      {"K, l/D = 1", Nagaoka(1), 0.688423, 5e-7},
      {"K, l/D = 2", Nagaoka(2), 0.8181, 5e-5},
      {"K, l/D = 10", Nagaoka(10), 0.9588, 5e-5},
      {"Brooks, c = 1 cm", Winding(2, 1, 1), 0.025491, 5e-7},
      {"Brooks, c = 3 cm, N = 100", Winding(6, 3, 3, 100), 764.73, 0.015},
  };
  for (const auto& row : rows) EXPECT_NEAR(row.computed, row.published, row.halfUnit) << row.what;
}

// Nagaoka's coefficient by the arithmetic-geometric mean in extended precision:
// K(k) = pi/(2 a), K - E = K sum 2^(n-1) c_n^2.
long double NagaokaByAgm(long double lOverD) {
  const long double k = 1 / std::hypot(1.0L, lOverD), kc = lOverD * k;
  long double a = 1, b = kc, c = k, sum = c * c / 2;
  for (long double weight = 1; c > 1e-19L && weight < 1e30L; weight *= 2) {
    const long double mean = (a + b) / 2;
    c = (a - b) / 2, b = std::sqrt(a * b), a = mean, sum += weight * c * c;
  }
  const long double K = kPi / (2 * a), KminusE = K * sum;
  return 4 / (3 * kPi * kc) * (kc * kc / (k * k) * KminusE + K - KminusE - k);
}

TEST(PhysicalReference, CurrentSheetAgainstTheArithmeticGeometricMean) {
  for (double lOverD = 1e-3; lOverD < 1001; lOverD *= 1.122) {
    EXPECT_NEAR(Nagaoka(lOverD) / NagaokaByAgm(lOverD), 1, 1e-9) << "l/D = " << lOverD;
  }
}

// The winding by a second route: the z-integrations in elementary form, then the angle and both
// radii numerically: L/N^2 = 1/(Dr l)^2 Int Int 2 mu0 r1 r2 Int_0^pi cos(phi) [l asinh(l/rho)
// - l^2/(sqrt(rho^2 + l^2) + rho)] dphi dr1 dr2, rho^2 = (r1 - r2)^2 + 4 r1 r2 sin^2(phi/2).
double WindingByAngles(double Dbn, double l, double Dr) {
  boost::math::quadrature::tanh_sinh<double> rule;
  const auto over = [&](double from, double to, const auto& f) {
    const auto g = [&](double t) { return f(from + (to - from) * t); };
    return (to - from) * rule.integrate(g, 0.0, 1.0, 1e-9);
  };
  const double a0 = Dbn / 2, a1 = a0 + Dr;
  const auto overR2 = [&](double r1, double r2) {
    return 2 * kMu0 * r1 * r2 * over(0, kPi, [&](double phi) {
             const double s = std::sin(phi / 2);
             const double rho = std::sqrt((r1 - r2) * (r1 - r2) + 4 * r1 * r2 * s * s);
             if (rho == 0) return 0.0;  // the logarithmic singularity, met only in underflow
             return std::cos(phi) * (l * std::asinh(l / rho) - l * l / (std::hypot(rho, l) + rho));
           });
  };
  const auto overR1 = [&](double r1) {
    const auto inner = [&](double r2) { return overR2(r1, r2); };
    return over(a0, r1, inner) + over(r1, a1, inner);
  };
  return over(a0, a1, overR1) / (Dr * l * Dr * l);
}

TEST(PhysicalReference, WindingAgainstTheAngularIntegral) {
  const double shapes[][3] = {{1, 5, 2}, {0, 1, 1}, {1, 0.1, 10}, {1, 100, 0.1}};
  for (const auto& s : shapes) {
    EXPECT_NEAR(Winding(s[0], s[1], s[2]) / WindingByAngles(s[0], s[1], s[2]), 1, 1e-9)
        << s[0] << ", " << s[1] << ", " << s[2];
  }
}

// Thinner and thinner, the winding tends to its current sheet, the difference falling as Dr.
TEST(PhysicalReference, ThinWindingTendsToTheCurrentSheet) {
  for (const double lOverD : {0.01, 1.0, 100.0}) {
    for (const double Dr : {1e-9, 1e-12, 0.0}) {
      EXPECT_NEAR(Winding(1, lOverD, Dr) / Sheet(1, lOverD), 1, 1e-11 + 30 * Dr)
          << lOverD << ", " << Dr;
    }
  }
}

TEST(PhysicalReference, NoReferenceWhereTheGeometryIsNoCoil) {
  const double inf = INFINITY, nan = NAN;
  const double windings[][4] = {{-1, 5, 2, 10},  {1, -5, 2, 10}, {1, 5, -2, 10},
                                {1, 0, 2, 10},   {0, 5, 0, 10},  {nan, 5, 2, 10},
                                {1, inf, 2, 10}, {1, 5, 2, nan}, {1, 1e-6, 9, 10}};
  for (const auto& w : windings) {
    EXPECT_FALSE(RectangularWindingInductance(w[0], w[1], w[2], w[3]))
        << w[0] << ", " << w[1] << ", " << w[2] << ", " << w[3];
  }
  const double sheets[][3] = {{0, 1, 10},   {-1, 1, 10},   {inf, 1, 10}, {1, 0, 10},
                              {1, nan, 10}, {1, 1e-6, 10}, {1, 1, inf}};
  for (const auto& s : sheets) {
    EXPECT_FALSE(CurrentSheetInductance(s[0], s[1], s[2])) << s[0] << ", " << s[1] << ", " << s[2];
  }
  // A winding from the axis has one; L grows as N^2, whatever the sign of N.
  EXPECT_GT(Winding(0, 1, 1, 10), 0);
  EXPECT_EQ(Winding(1, 5, 2, 0), 0);
  EXPECT_DOUBLE_EQ(Sheet(1, 5, -3), 9 * Sheet(1, 5));
}

// The wire of the turns window's defaults (629.59 turns, mean diameter 1 + 1.25918 cm, 1 mm
// copper), worked by hand: 44.6847 m, /58/(pi/4 mm²) = 0.980936 Ω, 8.89 g/cm³ · 35.0951 cm³ =
// 311.997 g.
TEST(WireReference, HandWorkedValuesAndNoWire) {
  using namespace physics;
  const struct {
    const char* what;
    std::optional<double> got;
    double expected;  // NAN: no figure
  } cases[] = {
      {"629.59 turns of mean diameter 2.25918 cm", TurnsWireLength(629.59, 2.25918), 4468.4667},
      {"resistance of that 1 mm wire", CopperResistance(4468.4667, 0.1), 0.980936},
      {"its copper", CopperMass(4468.4667, 0.1), 311.99682},
      {"one turn climbing its own diameter", HelixWireLength(1, 1, 1), 3.2969083},
      {"pitch of 10 turns over 1 cm", HelixPitch(10, 1), 0.1},
      {"1 mm along 5 cm", TurnsPerLayer(5, 0.1), 50},
      {"1000 turns in 5 x 2 cm, square packing", LargestWire(5, 2, 1000), 0.1},
      {"1 Ω before 8 Ω", InsertionAttenuation(1, 8), 1.0230504},
      {"no turns", TurnsWireLength(0, 1), NAN},
      {"negative wire", CopperResistance(100, -0.1), NAN},
      {"endless", CopperMass(INFINITY, 0.1), NAN},
      {"turns not a number", HelixWireLength(NAN, 1, 1), NAN},
      {"no length", HelixPitch(10, 0), NAN},
      {"no load", InsertionAttenuation(1, 0), NAN},
      {"load cancelled", InsertionAttenuation(-8, 8), NAN},
      {"no section", LargestWire(5, 0, 10), NAN},
  };
  for (const auto& c : cases) {
    ASSERT_EQ(c.got.has_value(), !std::isnan(c.expected)) << c.what;
    if (c.got) {
      EXPECT_NEAR(*c.got, c.expected, 1e-7 * c.expected) << c.what;
    }
  }
}

}  // namespace
