// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The coilcalc developers
#pragma once
// The multi-layer winding at a working frequency: its resistance with the skin and proximity
// effects, and its self-capacitance. The winding is the one of RectangularWindingInductance
// (inductance.h): inner diameter Dbn, length l, radial thickness Dr, N turns of a bare round
// copper wire of diameter d, all in cm, in square packing (every turn in a cell of l·Dr/N),
// the current density uniform over the section. Plain double arithmetic; frequencies in Hz and
// the wires within the domain of roundwire.h.
//
// A function returns nothing where the arguments describe no such winding: a dimension that is
// not finite, Dbn < 0, l or Dr not positive, N < 1 or not finite; a winding shorter than
// kFlattestWinding of its outer diameter (as the inductance), or thinner than kThinnestWinding
// of its length; a wire that does not fit its cell (N·d² > l·Dr); a wire or a frequency outside
// roundwire.h's domain; or a result that is not finite.
#include <optional>

namespace physics {

constexpr double kFlattestWinding = 1e-5;  // least l/(Dbn + 2 Dr)
constexpr double kThinnestWinding = 1e-5;  // least Dr/l

// The step of the tanh-sinh rules of the field integrals below (19 nodes on [0, 1] each).
constexpr double kFieldStep = 0.35;

// The mean square field of the winding over its own section, per unit current density:
//   M = 1/(l Dr r_m) Int Int r |B(r, z)/(mu0 J)|^2 dr dz,   r_m = Dbn/2 + Dr/2,
// in cm², B = (B_r, B_z) the field of the uniform current density J over the section. The field
// at a point is the integral over the source radius R of the closed-form field of a finite
// cylindrical current sheet: B_z from Bulirsch's complete elliptic integral
// cel(k_c, gamma², 1, gamma), gamma = (R - r)/(R + r) (Derby & Olbert, Am. J. Phys. 78 (2010)
// 229), B_r from the vector potentials of the sheet's two end circles (Maxwell's form of the
// circle's potential, cel(k_c, 1, -1, 1)). Where the source radius meets the field point the
// integrand has the sheet's jump and the logarithms of its end circles; the two-dimensional field
// of a straight strip, which has the same jump and logarithms, is subtracted there and its
// integral added in closed form. All three integrals (over R on each side of r, over r, over z)
// are tanh-sinh rules of step `step`; z over half the length, by symmetry.
// Numerical error: within 1e-4 relative at kFieldStep for every shape of the domain, from
// l/Dr = 1e5 to l = kFlattestWinding (Dbn + 2 Dr) (measured against step 0.18: 1e-4 for the long
// thin l/Dr = 1e5, below 2e-5 for the others; MultiLayerAc.FieldMomentConvergesOverEveryShape).
// The field at a point agrees with a direct adaptive quadrature of the circle's field over the
// section to that quadrature's tolerance (2e-7 of the field). For a long winding M tends to the
// one-dimensional field's Dr^2 (a1 - 3 Dr/4)/(3 r_m), a1 = Dbn/2 + Dr.
//   WindingFieldMoment(1, 5, 2) -> 0.48607
std::optional<double> WindingFieldMoment(double Dbn, double l, double Dr, double step = kFieldStep);

// Rac/Rdc of the winding with the skin and the proximity effect:
//   Rac/Rdc = SkinFactor(d, f) + ProximityFactor(d, f) (N d^2/(l Dr))^2 M/d^2,
// the loss of every turn in the field that the winding itself sets up at it (axial and radial),
// taken as uniform over the wire (the exact round-wire proximity loss of roundwire.h), summed as
// an integral over the section with the turn density N/(l Dr); M is WindingFieldMoment. This is
// the smeared-field form of the orthogonality ("Bessel") method of Ferreira (IEEE Trans. Power
// Electron. 9 (1994) 127). As a model it is exact as d/delta -> 0, where Rac - Rdc grows as f^2
// (the classical eddy loss of each turn in the winding's field). Against Dowell's
// one-dimensional layer formula (Proc. IEE 113 (1966) 1387, round wire as a square conductor of
// equal area with the porosity factor), for a long coil of 2 to 10 full layers: within 5 % up to
// d/delta = 1.5 (in the limit 4.5 % below it, the share of Dowell's square-conductor
// equivalence, and 2.4 % more for the curvature of 10 layers on a 10 cm bore), up to 13 % above
// it at d/delta = 2 (MultiLayerAc.AgreesWithDowellForALongCoil); one layer alone lies 22 % above
// Dowell at low frequency. Beyond d/delta = 2 the two part (this model 1.5 times Dowell's at
// d/delta = 3, 2.2 times at 5): the isolated-wire proximity function leaves out the screening
// of the field by the eddy currents of the neighbouring turns, so there the figure is an upper
// estimate of uncertain size.
//   MultiLayerAcFactor(1, 5, 2, 805, 0.111456, 1e3) -> 1.48802 (the window's defaults, largest
//   wire, 1 kHz); at 1e5 Hz -> 844.165 (18 layers of 1.1 mm wire, 4.8 skin depths thick)
std::optional<double> MultiLayerAcFactor(double Dbn, double l, double Dr, double N, double d,
                                         double f);

// Self-capacitance in pF by the energy method over the layers: not given (always nothing). The
// energy method (Massarini & Kazimierczuk, IEEE Trans. Power Electron. 12 (1997) 671) sums the
// electric energy between adjacent layers (m layers wound back and forth give
// Cs = (4/3) C_ll (m - 1)/m^2) from a layer-to-layer capacitance C_ll that depends on the
// enamel's thickness and permittivity, which the windows do not know, and on how the turns nest.
// The comparisons with measurement that could be read for it (the few coils reported with that
// paper; Hole & Appel, IEE Proc. Circuits Devices Syst. 152 (2005) 565, who set the layer models
// against each other and against a two-layer air coil) bound its error for no range of air-core
// multi-layer coils, and such estimates are quoted at +-40 % or worse. A figure of unbounded
// error is left out until a bounded model replaces it.
std::optional<double> MultiLayerSelfCapacitance(double Dbn, double l, double Dr, double N,
                                                double d);

}  // namespace physics
