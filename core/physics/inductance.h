// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The coilcalc developers
#pragma once
// The physical reference beside the classic formulas: the exact inductance of the coil's
// geometry, from the magnetostatics of ideal windings. It is plain double arithmetic (<cmath>,
// Boost.Math), apart from the x87 reproduction of the calculators, and nothing here ever feeds
// a digit that a calculator shows.
//
// Lengths in centimetres, inductances in microhenries, mu0 = 4*pi*1e-7 H/m. A function returns
// nothing where the geometry is not a coil: a negative, zero or non-finite dimension (an inner
// diameter of 0 is a winding from the axis and has an inductance), or a non-finite number of
// turns; nor for a coil shorter than 1e-5 of its outer diameter, whose length double arithmetic
// no longer resolves. The inductance grows as N^2; the PerTurn2 functions give L/N^2, so that a
// caller solves for a number of turns with a square root.
#include <optional>

namespace physics {

// Uniform cylindrical current sheet of diameter D and length l (Lorenz's formula):
// L = mu0*pi*(D/2)^2*N^2/l * K, with Nagaoka's coefficient K from complete elliptic integrals.
// Relative error within 1e-9 for 0.001 <= l/D <= 1000 (measured against 40-digit values: 2.4e-10
// near l/D = 0.001, below 1e-15 from l/D = 1 up); flatter, it grows to 4e-7 at l/D = 1e-5.
//   CurrentSheetInductance(1, 1, 1)  -> 0.00679446 (K = 0.688423)
//   CurrentSheetInductance(1, 5, 0)  -> 0
//   CurrentSheetInductance(1, 0, 10) -> nothing
std::optional<double> CurrentSheetPerTurn2(double D, double l);
std::optional<double> CurrentSheetInductance(double D, double l, double N);

// Winding of rectangular cross-section, inner diameter Dbn, length l, radial thickness Dr,
// uniform current density: (N/(Dr*l))^2 times the fourfold integral of the mutual inductance of
// two coaxial circles over the cross-section. Relative error within 1e-6 for 0.01 <= l/Dbn <= 100
// and 0.01 <= Dr/Dbn <= 100, and for Dbn = 0 with 1e-4 <= l/Dr <= 1e4 (measured against an
// extended-precision evaluation: 3.3e-9 for the flattest shape, l/Dbn = 0.01 with Dr/Dbn = 100;
// below 1e-12 where l >= Dr/100); flatter, it grows to 6e-8 at l = 1e-5 of the outer diameter.
// Dr = 0 is the current sheet of diameter Dbn, and a thin winding tends to it as Dr.
//   RectangularWindingInductance(2, 1, 1, 1)   -> 0.0254907 (the Brooks coil, c = 1 cm)
//   RectangularWindingInductance(1, 5, 2, 805) -> 5755.44
//   RectangularWindingInductance(0, 5, 0, 10)  -> nothing (no radius)
std::optional<double> RectangularWindingPerTurn2(double Dbn, double l, double Dr);
std::optional<double> RectangularWindingInductance(double Dbn, double l, double Dr, double N);

// L/N^2 times N^2; nothing where L/N^2 is nothing, N is not finite, or L overflows, or (for N
// other than 0) underflows below the normal doubles, where it has lost all its digits.
std::optional<double> WithTurns(std::optional<double> perTurn2, double N);

}  // namespace physics
