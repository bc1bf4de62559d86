// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The coilcalc developers
#pragma once
// A straight round copper wire carrying an alternating current: the skin depth, the resistance
// with the skin effect, and the loss that a transverse field drives in the wire (the proximity
// effect). Plain double arithmetic, like the rest of physics/; nothing here feeds a calculator's
// digit.
//
// Lengths in centimetres, frequencies in Hz; the wire is annealed copper at 20 °C
// (kCopperResistivity, wire.h), mu0 = 4*pi*1e-7 H/m, and its diameter d is the bare copper's.
// Both Bessel-function results below are exact solutions of the diffusion equation in a
// homogeneous round conductor (displacement current neglected, which in copper holds far beyond
// kMaxFrequency); they depend on d and f only through x = a/delta, a = d/2. They are evaluated
// from one continued fraction: with z = (1 - j) x and t_n = z J_n(z)/J_(n-1)(z),
//   t_n = z^2/(2n - t_(n+1)),
// summed from the tail downwards (backward recurrence), with 16, 32, ... up to kMaxTerms terms
// until two successive sums agree to 1e-16; for x > kAsymptoticX (where that would need more
// terms) from Hankel's asymptotic expansions of H0 and H1, whose neglected terms and whose
// neglected second Hankel function (relative size e^(-2x)) are both below 1e-18 there. Both the
// real and imaginary parts keep their relative precision, so that the tiny excess of the loss
// over DC at low frequency is not lost to cancellation.
//
// A function returns nothing outside the domain below: a frequency outside
// [kMinFrequency, kMaxFrequency], a wire outside [kMinWireDiameter, kMaxWireDiameter], or an
// argument that is not finite.
#include <optional>

namespace physics {

// The frequencies for which the AC figures are given. Above 1 GHz the wires of the coils that
// the windows size are tens of skin depths thick and the coils far beyond self-resonance; the
// copper's mean free path (about 40 nm at 20 °C) stays well below the skin depth (2.1 µm at
// 1 GHz), so the classical skin effect holds over the whole range.
constexpr double kMinFrequency = 1;
constexpr double kMaxFrequency = 1e9;
// The wires for which they are given (cm): from 1 µm, well above the mean free path, to 10 cm.
constexpr double kMinWireDiameter = 1e-4;
constexpr double kMaxWireDiameter = 10;
// The largest number of terms of the continued fraction, and the x = a/delta beyond which the
// asymptotic expansion takes over (below it the fraction converges in at most 128 terms).
constexpr int kMaxTerms = 512;
constexpr double kAsymptoticX = 25;

// Skin depth in annealed copper at 20 °C at f (Hz), in cm: sqrt(rho/(pi f mu0)).
//   SkinDepth(1e6) -> 0.00660855 (66 µm at 1 MHz)
std::optional<double> SkinDepth(double f);

// Rskin/Rdc of an isolated straight round copper wire of bare diameter d (cm) at f (Hz):
//   Re[(z/2) J0(z)/J1(z)],  z = (1 - j) a/delta,  a = d/2
// (the classical internal impedance of a round wire, Rayleigh 1886; e.g. Ramo, Whinnery & Van
// Duzer, Fields and Waves in Communication Electronics). Relative error below 1e-15 against
// 40-digit values of the Bessel functions (tests/core/ac_multi_test.cpp,
// RoundWire.SkinFactorAgainstBesselValues; the test holds it to 1e-12). It tends to 1 + x^4/48 as x
// = a/delta -> 0 and to x/2 + 1/4 + 3/(32 x) as x -> infinity.
//   SkinFactor(0.1, 1e6)  -> 4.04519  (1 mm wire at 1 MHz, a/delta = 7.566)
//   SkinFactor(0.01, 1e3) -> 1.0000000068
std::optional<double> SkinFactor(double d, double f);

// The loss of a round wire in a uniform alternating magnetic field perpendicular to its axis
// (the field that the wire would see without it; the wire's own current adds no cross term):
// per unit length
//   P' = R'dc * G * (H d)^2,   G = -pi^2 Re[z J1(z)/J0(z)],  z = (1 - j) a/delta,
// with R'dc the wire's DC resistance per unit length and H the field's RMS value (twice P' for
// the peak value), from the two-dimensional diffusion equation in the wire with the field
// matched at its surface (Lammeraner & Stafl, Eddy Currents, 1966; Ferreira, IEEE Trans. Power
// Electron. 9 (1994) 127, writes the same loss with Kelvin functions). G is
// dimensionless: H d is in amperes. It tends to pi^2 x^4/4 as x -> 0 (the classical eddy loss
// pi sigma omega^2 mu0^2 a^4 H^2/4 of a thin rod, growing as f^2) and to pi^2 (x - 1/2) as
// x -> infinity (the surface loss of a fully skin-effected wire). Relative error below 1e-15
// against 40-digit values (RoundWire.ProximityFactorAgainstBesselValues; held to 1e-12).
//   ProximityFactor(0.1, 1e6) -> 69.6581
std::optional<double> ProximityFactor(double d, double f);

// Both factors of one wire at one frequency, from one evaluation of the continued fraction.
struct RoundWireFactors {
  double skin;       // SkinFactor
  double proximity;  // ProximityFactor
};
std::optional<RoundWireFactors> RoundWireAc(double d, double f);

}  // namespace physics
