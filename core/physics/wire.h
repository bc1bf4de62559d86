// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The coilcalc developers
#pragma once
// The wire a coil is wound with: its length, DC resistance and copper mass, and how the turns
// lie in the winding. Plain double arithmetic, like the inductances beside it (inductance.h),
// apart from the x87 reproduction of the calculators.
//
// Lengths in centimetres, as in inductance.h, unless a name says otherwise. The wire is annealed
// copper at 20 °C, and its diameter d is that of the bare copper (no enamel). A function returns
// nothing where its arguments describe no wire: a negative, zero or non-finite dimension or
// count, or a result that is not finite or has underflowed below the normal doubles.
#include <optional>

namespace physics {

// Annealed copper at 20 °C (IEC 60028): resistivity in Ω·mm²/m, density in g/cm³.
constexpr double kCopperResistivity = 1.0 / 58;
constexpr double kCopperDensity = 8.89;

// Wire of N turns whose mean turn has the diameter Dm: N·π·Dm.
//   TurnsWireLength(100, 1) -> 314.159
std::optional<double> TurnsWireLength(double N, double Dm);
// Wire of a helix of N turns on diameter D over the length l: N·sqrt((π·D)² + (l/N)²).
//   HelixWireLength(1, 1, 1) -> 3.29691 (one turn climbing its own diameter)
std::optional<double> HelixWireLength(double N, double D, double l);

// DC resistance in Ω of a copper wire of the given length and diameter d (both cm):
// ρ·length/(π·d²/4).
//   CopperResistance(5800, 0.1) -> 1.27324 (58 m of 1 mm wire)
std::optional<double> CopperResistance(double length, double d);
// Mass in g of the copper of that wire: density·length·π·d²/4.
//   CopperMass(100, 0.1) -> 6.98219
std::optional<double> CopperMass(double length, double d);

// Turns that lie side by side in one layer of length l, each d thick: l/d.
//   TurnsPerLayer(5, 0.1) -> 50
std::optional<double> TurnsPerLayer(double l, double d);
// The pitch of a helix of N turns over the length l, l/N: the largest wire that fits it.
//   HelixPitch(10, 1) -> 0.1
std::optional<double> HelixPitch(double N, double l);
// The largest round wire whose N turns fit a winding section l × Dr in square packing (every
// turn in a d × d cell): sqrt(l·Dr/N).
//   LargestWire(5, 2, 1000) -> 0.1
std::optional<double> LargestWire(double l, double Dr, double N);

// The attenuation in dB of a resistance R in series with the load Rn: 20·log10((R + Rn)/Rn).
// Nothing where Rn is zero or not finite, or the ratio is not positive.
//   InsertionAttenuation(1, 8) -> 1.02305
std::optional<double> InsertionAttenuation(double R, double Rn);

}  // namespace physics
