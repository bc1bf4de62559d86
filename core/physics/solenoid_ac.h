// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The coilcalc developers
#pragma once
// The single-layer coil at its working frequency: how much its turns add to the wire's own
// high-frequency resistance, its self-capacitance and its self-resonant frequency. Plain double
// arithmetic like the rest of the physical reference (inductance.h, wire.h); nothing here feeds
// a digit that a calculator shows.
//
// The coil as the single-layer window's reference sees it: diameter D and length l in
// centimetres (D to the wire's centres, l = N·p), N turns at the pitch p = l/N, bare copper wire
// of diameter d (cm), frequency f in Hz. A function returns nothing where its arguments are no
// such coil or lie outside its model's domain (stated with each): a non-finite, zero or negative
// value, a length outside [1e-6, 1e6] cm, fewer than 1 or more than 1e7 turns, a wire outside
// roundwire.h's [kMinWireDiameter, kMaxWireDiameter] or thicker than the pitch or the diameter, a
// frequency outside [kMinFrequency, kMaxFrequency]. It never returns a non-finite value.
#include <optional>

namespace physics {

// Rac/Rskin of the single-layer coil: the resistance of its wire wound into the coil over that of
// the same wire straight, with the same skin effect (Rskin = Rdc·SkinFactor, roundwire.h).
//
// Source: R. G. Medhurst, "H.F. resistance and self-capacitance of single-layer solenoids",
// Wireless Engineer 24 (1947) 35-43, 80-92: the factor Phi(l/D, d/p), measured on copper coils
// at strong skin effect (d many skin depths), tabulated for l/D = 0, 0.2 ... 1, 2 ... 10, ∞ and
// d/p = 1, 0.9 ... 0.1. The table is in solenoid_ac.cpp as data (as the paper is reproduced,
// docs/reference-ac.md), with the limit of turns far apart (d/p = 0: Phi = 1, the straight wire)
// as an eleventh column. Between its points Phi is interpolated by monotone piecewise cubics
// (Fritsch-Carlson): along d/p within each row, then across the rows in l/(l + D), which takes
// the row l/D = ∞ to 1. At the table's points it gives Medhurst's values themselves (measured
// values, to three figures); between two neighbouring points it stays between their values. The
// whole quadrant 0 <= d/p <= 1, 0 < l/D < ∞ is covered: nothing is extrapolated, and a wire
// thicker than the pitch is refused.
//
// Blend: Rac/Rskin = 1 + (Phi - 1)·w, where w is the share of the neighbours' field in the loss
// as a round wire in a uniform transverse field has it: its eddy loss over its own loss, G/F
// (ProximityFactor over SkinFactor, roundwire.h), divided by that ratio's strong-skin limit 2π².
// While d << δ (δ the skin depth) w = (d/δ)^4/128, so Rac -> Rdc as f -> 0 and Rac - Rdc grows
// as f^2; at strong skin effect w -> 1 - 2δ/d and the factor reaches Medhurst's Phi (w = 0.5 at
// d/δ = 3.5, 0.9 at 19.5).
//   SingleLayerProximityFactor(0.4, 1, 5, 0.1, 1e8) -> 1.745 (window defaults, 1 mm wire, 100 MHz)
//   SingleLayerProximityFactor(1, 1, 10, 0.1, 1e8)  -> 5.490 (close-wound, l/D = 1, d/δ = 151:
//                                                     Medhurst's 5.55 at w = 0.987)
//   SingleLayerProximityFactor(1, 1, 10, 0.2, 1e8)  -> nothing (the wire is thicker than the pitch)
std::optional<double> SingleLayerProximityFactor(double D, double l, double N, double d, double f);

// Medhurst's Phi itself, at strong skin effect (the blend's limit): the table interpolated as
// above, for 0 <= d/p <= 1 and l/D > 0 (l/D = ∞ where l/D overflows).
std::optional<double> MedhurstProximity(double lOverD, double dOverP);

// Self-capacitance in pF of the single-layer coil, air inside and out.
//
// Source: D. W. Knight, "The self-resonance and self-capacitance of solenoid coils: applicable
// theory, models and calculation methods" (2016; first issued 2010), the empirically corrected
// formula: Cs = 4 ε0 εx l/π · [1 + kc (1 + εi/εx)/2] / cos²ψ, with the pitch angle
// ψ = atan(p/(π D)) and the shape function kc = 0.717439 (D/l) + 0.933048 (D/l)^1.5 + 0.106
// (D/l)^2 (l/D -> ∞ gives his asymptotic long-coil form 4 ε0 εx l/π). εi, εx: the relative
// permittivity inside the coil and outside it.
// Domain: l/D >= 0.1, the shortest shape of Medhurst's measurements, on which the formula rests.
// Accuracy measured (tests/core/ac_single_test.cpp, SelfCapacitance.*): against Medhurst's
// published H = Cs/D for coils on polystyrene rods (εi = 2.5), 29 shapes from l/D = 0.1 to 20:
// worst 4.4 % (at l/D = 3.5), typical 1.9 % (the median |error|).
//   SingleLayerSelfCapacitance(0.4, 1, 5) -> 0.178 pF (window defaults)
std::optional<double> SingleLayerSelfCapacitance(double D, double l, double N);
// The same formula with other permittivities inside (εi) and outside (εx) the coil, both in
// [1, 100].
std::optional<double> SolenoidSelfCapacitance(double D, double l, double N, double epsInside,
                                              double epsOutside);

// Self-resonant frequency in Hz of the free coil in air: its first parallel resonance.
//
// Model: the coil is a line of length l that carries the n = 0 wave of the sheath helix
// (Ollendorff's model of the helix as a cylinder conducting only along the turns), open at both
// ends, its two ends joined by the part of the self-capacitance that the line does not carry.
// From D. W. Knight, "The self-resonance and self-capacitance of solenoid coils" (2016): the
// parallel self-resonance is the λ/2 resonance of the wire, the wave travelling with the sheath
// helix's velocity; and his Cs above, which this model splits into the line's part
// 4 ε0 εx l/(π cos²ψ) (his long-coil asymptote, the wave's own delay) and the end capacitance
// Cend = 4 ε0 εx l/(π cos²ψ)·kc (1 + εi/εx)/2 (the ends' field, large for short coils). The
// sheath's dispersion relation at the axial phase constant β, with x = τa, a = D/2, k = 2πf/c,
//   (τa)² I0(τa)K0(τa) / [I1(τa)K1(τa)] = (k a cot ψ)²,   β² = k² + τ²,
// gives the line's impedance Z0 = ωL'/β with L' = μ0 n² π a²·2 I1K1 (n = N/l), and the
// resonance is where tan(βl/2) = 1/(2ωCend·Z0): the sheath's half-wave β·l = π where Cend -> 0
// (long coils), the lumped 1/(2π sqrt(L·Cend)) where βl is small (short coils). No parameter
// is fitted to resonances. The split and the loaded line are this program's; Knight's own
// empirical long-coil correction is not used (its form was not at hand).
// Domain: l/D >= 0.1 (Knight's formula and a sheath need a tube, not a ring), at least one turn.
// Accuracy measured (SelfResonance.* in the tests): against the only published free coils found,
// A. Pettit's one wire (3.561 m of 1.83 mm) wound as about 30 turns of 37 mm and stretched: +5.6 %
// for the coil in air (l/D = 8.7); for the two shorter ones, measured on a polyethylene rod of
// unpublished size, between -12.7 % and +5.7 % (l/D = 1.7) and between -13.4 % and -1.3 %
// (l/D = 4.3), the first figure with the rod filling the coil (SolenoidSelfResonance, εi = 2.3),
// the second without it: worst 13.4 %, typical (median |error| of the five rows) 5.7 %. Three
// coils of one wire are all the evidence: the figures say how far the model is from those coils,
// not a bound for every coil. The sheath's half-wave alone errs
// +21 % to +45 % high on them, the lumped 1/(2π sqrt(L·Cs)) -7 % to -40 % low.
//   SingleLayerSelfResonance(0.4, 1, 5) -> 2.56e9 Hz (window defaults)
std::optional<double> SingleLayerSelfResonance(double D, double l, double N);
// The same model with the permittivity εi inside the helix (a solid former) and εx outside it,
// both in [1, 100]: the sheath helix with a dielectric core (A. S. Yurkov, "To the theory of
// helical waveguides", arXiv:2512.00066, 2025), the relation above becoming
//   tan²ψ [xi I0(xi)/I1(xi) + xx K0(xx)/K1(xx)]
//     = (ka)² [εi I1(xi)/(xi I0(xi)) + εx K1(xx)/(xx K0(xx))]
// with xi = a sqrt(β² - εi k²), xx = a sqrt(β² - εx k²), and Cend from Knight's weighting of εi
// and εx. With εi = εx = ε it is the air figure over sqrt(ε). Nothing where the sheath has no wave
// slower than light in both media (a core denser than the outside on a sparse helix).
std::optional<double> SolenoidSelfResonance(double D, double l, double N, double epsInside,
                                            double epsOutside);

// The ratio f/fres (fres from SingleLayerSelfResonance) from which the lumped figures at f (Rac,
// X = 2πfL, Q) are marked as near the self-resonance. The apparent inductance of L beside its
// self-capacitance, L/(1 - (f/fres)²), is 1 % above L at f/fres = 0.1, 10 % at 0.3. At this limit
// it is 2.3 % above L if the modelled resonance is right. On the measured coils the model departs
// by up to 14 %; were the real resonance 14 % below the modelled one, the
// real f/fres would be 0.174 and the departure 3.1 %, within the few percent the other reference
// figures carry.
constexpr double kLumpedLimit = 0.15;

}  // namespace physics
