// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The coilcalc developers
#pragma once
// The physical reference beside each calculator: what a command computed (calc/computed.h) ->
// the exact inductance of the same geometry (physics/inductance.h) and the wire it is wound with
// (physics/wire.h) -> the reference figures, one line of Russian text for the status bar and the
// whole of it as a small table. Plain double arithmetic, apart from the x87 reproduction: nothing
// here changes a digit that a command shows.
//
// The texts give about four significant digits with the separator of the format handed in:
//   single-layer defaults -> "Точный расчёт (токовый слой): 0,03355 мкГн; формула занижает на 0,48
//   %"
// Where the geometry is no coil (a negative, zero or non-finite dimension, outside the models'
// domain) there is no figure, and the text says so.
#include <optional>
#include <string>
#include <vector>

#include "calc/computed.h"
#include "numtext/formatsettings.h"

// One row of the reference table: a figure, "Длина провода" | "44,69" | "м"; or a heading or a
// note that spans the table, in quantity alone.
struct ReferenceRow {
  enum class Kind { Figure, Heading, Note };
  std::string quantity, value, unit;
  Kind kind = Kind::Figure;
};

struct ReferenceEstimate {
  // The reference inductance, µH, of the coil whose inductance the window shows or finds.
  std::optional<double> L;
  // In percent: the formula's result against L (single- and multi-layer), or L against the
  // required inductance (turns, optimal coil).
  std::optional<double> deviation;
  // Turns and optimal coil: the count whose reference inductance is the required one; for the
  // turns, with the thickness Dr (cm) that follows the count as in the turns search.
  std::optional<double> N;
  std::optional<double> Dr;
  // The copper wire of the coil the window shows, where it has a reference inductance: its
  // length in m, DC resistance in Ω and mass in g; the layers it makes (turns, optimal coil); the
  // largest wire in mm that fits the turns (single- and multi-layer, where no wire is given, and
  // the resistance and mass are those of that wire); the attenuation in dB of the DC resistance
  // in series with the load (optimal coil).
  std::optional<double> wire, R, mass, layers, d, attenuation;
  // The status line; empty when the command left nothing to estimate.
  std::string text;
  // All of the reference, the inductance and the wire, with units; empty with the text.
  std::vector<ReferenceRow> table;
  // |deviation| > 1 %.
  bool warning = false;
};

// Deviations beyond this many percent are marked as a warning.
constexpr double kReferenceWarningPercent = 1.0;

// The current sheet of diameter d_cm, length l and N turns, against the formula's L; where
// neither formula applies, the reference alone. The wire: the helix N·sqrt((π d_cm)² + (l/N)²),
// and the pitch l/N as the largest wire.
ReferenceEstimate EstimateSingleLayer(const SingleLayerComputed& c, const FormatSettings& format);
// The winding of rectangular cross-section, against the formula's L. The wire: N turns of mean
// diameter Dbn + Dr, and the largest wire sqrt(l Dr/N) of square packing.
ReferenceEstimate EstimateMultiLayer(const MultiLayerComputed& c, const FormatSettings& format);
// The winding found (n turns, thickness Dr) against Lreq, and the count n whose winding, with the
// thickness n/(l/(0.1 d)) d 0.1 following it, has the reference inductance Lreq (found by
// Boost.Math's TOMS 748 root finder to about nine digits, in at most 31 evaluations of the model).
// The wire: n turns of d in layers of l/(0.1 d), mean diameter Dbn + Dr, outer Dbn + 2 Dr.
ReferenceEstimate EstimateTurns(const TurnsComputed& c, const FormatSettings& format);
// The coil found (inner diameter 2c, length c, thickness c, N turns) against Lreq, and the count
// sqrt(Lreq/(L/N^2)) that gives the reference Lreq with the same c (also for N = 0). The wire: N
// turns of d as for the turns, its DC resistance beside the window's R = L/(8.66 c²), and the
// attenuation 20 log10((R + Rn)/Rn) of that resistance beside the window's.
ReferenceEstimate EstimateOptimal(const OptimalComputed& c, const FormatSettings& format);

// The estimate of whichever calculator filled computed; empty for std::monostate.
ReferenceEstimate Estimate(const Computed& computed, const FormatSettings& format);

// v to about four significant digits, trailing zeros dropped, with the separator of format;
// exponent form ("1,235E8") outside 1e-5 <= |v| < 1e7. 0.033553 -> "0,03355", 2500 -> "2500",
// infinity -> "INF" as in number display. Independent of the C library's locale.
std::string ApproximateText(double v, const FormatSettings& format);
