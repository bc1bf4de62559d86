// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The coilcalc developers
#pragma once
// The physical reference beside each calculator: what a command computed (calc/computed.h) ->
// the calculator's estimate (calc/estimate_*.cpp) computes every figure of the same geometry with
// the exact physics (physics/) into a ReferenceEstimate -> the renderer (calc/referencetext.h)
// writes it as one line of text for the status bar, the whole of it as a small table, and the
// command line's events. Plain double arithmetic, apart from the x87 reproduction: nothing here
// changes a digit that a command shows.
//
// The texts are the catalog's (calc/texts.h) in the format's language, with about four
// significant digits (numtext/shorttext.h) and the separator of the format handed in:
//   single-layer defaults -> "Точный расчёт (токовый слой): 0,03355 мкГн; формула занижает на 0,48
//   %"
// Where the geometry is no coil (a negative, zero or non-finite dimension, outside the models'
// domain) there is no figure, and the text says so.
#include <optional>
#include <string>
#include <vector>

#include "calc/computed.h"
#include "numtext/formatsettings.h"
#include "numtext/shorttext.h"

// One row of the reference table: a figure, "Длина провода" | "44,69" | "м"; or a heading or a
// note that spans the table, in quantity alone.
struct ReferenceRow {
  enum class Kind { Figure, Heading, Note };
  std::string quantity, value, unit;
  Kind kind = Kind::Figure;
};

// The calculator whose coil an estimate is of; it fixes the model (the current sheet for the
// single-layer coil, the winding of rectangular section otherwise), what the inductance is
// compared with (the formula's result, or the required inductance for the turns and the optimal
// coil) and how the wire is chosen (the largest that fits, or the window's own).
enum class ReferenceCoil { None, SingleLayer, MultiLayer, Turns, Optimal };

// What the table notes beside the figures, and with a working frequency why figures are missing.
enum class ReferenceNote {
  NoFormula,  // single-layer: the coil is too short for both formulas; the reference alone
  // The conditions' texts (text: as typed).
  FrequencyNotANumber,
  FrequencyNotPositive,
  FrequencyOutOfRange,
  WireNotANumber,
  WireNotPositive,
  WireOutOfRange,
  // The wire given (value, mm) and the pitch or the largest wire (limit, mm).
  WireThickerThanPitch,
  WireDoesNotFit,
  NoWire,                   // no wire to compute the losses of
  LossOutsideModel,         // the coil's dimensions outside the loss model's domain
  CapacitanceOutsideModel,  // ... outside the self-capacitance's
  // f/fres (value) at or beyond physics::kLumpedLimit, below 1; at or above 1.
  NearResonance,
  AboveResonance,
};

struct ReferenceNoteEntry {
  ReferenceNote kind;
  double value = 0, limit = 0;
  std::string text;
};

// The frame's inputs of the reference: texts as typed (UTF-8, the format's separator).
struct ReferenceConditions {
  std::string frequency;  // kHz; empty: no AC figures, everything as before
  std::string wire;       // mm; empty: the largest wire that fits (single-, multi-layer only)
};

struct ReferenceEstimate {
  ReferenceCoil coil = ReferenceCoil::None;
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
  // Turns and optimal coil, the window's own wire: its diameter in mm, the turns per layer, the
  // mean turn and the outer diameter of the winding in cm.
  std::optional<double> woundWire, turnsPerLayer, meanTurn, outerDiameter;
  // Optimal coil: the window's R = L/(8.66 c²) in Ω and its deviation in percent from R; the
  // window's attenuation in dB (the allowed one, or with the wire given the insertion one).
  std::optional<double> formulaR, formulaRDeviation, windowAttenuation;
  bool insertionAttenuation = false;
  // Single- and multi-layer with a working frequency: the wire given (mm), in place of the
  // largest; d is then nothing, and the copper figures are of this wire.
  std::optional<double> givenWire;
  // At the working frequency f in kHz: the skin depth δ in mm; the straight wire's resistance
  // with the skin effect alone, the coil's with skin and proximity effect and the reactance 2πfL,
  // all in Ω; Q = X/Rac below the self-resonance; the self-capacitance in pF and the
  // self-resonance in kHz; for the optimal coil the attenuation in dB of Rac in series with the
  // load. f/fres where both exist.
  std::optional<double> f, delta, Rskin, Rac, X, Q, Cs, fres, Aac, resonanceRatio;
  std::vector<ReferenceNoteEntry> notes;

  // The status line; empty when the command left nothing to estimate.
  std::string text;
  // All of the reference, the inductance and the wire, with units; empty with the text.
  std::vector<ReferenceRow> table;
  // |deviation| > 1 %, or f/fres at or beyond physics::kLumpedLimit.
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
// thickness n/(l/(0.1 d)) d 0.1 following it, has the reference inductance Lreq
// (physics/turnscount.h). The wire: n turns of d in layers of l/(0.1 d), mean diameter Dbn + Dr,
// outer Dbn + 2 Dr.
ReferenceEstimate EstimateTurns(const TurnsComputed& c, const FormatSettings& format);
// The coil found (inner diameter 2c, length c, thickness c, N turns) against Lreq, and the count
// sqrt(Lreq/(L/N^2)) that gives the reference Lreq with the same c (also for N = 0). The wire: N
// turns of d as for the turns, its DC resistance beside the window's R = L/(8.66 c²), and the
// attenuation 20 log10((R + Rn)/Rn) of that resistance beside the window's.
ReferenceEstimate EstimateOptimal(const OptimalComputed& c, const FormatSettings& format);

// The estimate of whichever calculator filled computed; empty for std::monostate.
ReferenceEstimate Estimate(const Computed& computed, const FormatSettings& format);

// The same at the working frequency of the conditions: with an empty frequency exactly the
// estimate above (the wire text unread). With one, the figures at that frequency beside it: of
// the wire given (single- and multi-layer, at the window's own pitch or packing) or else of the
// largest that fits; the turns and the optimal coil wind the window's own wire, and take no wire
// from the conditions. A text that is no number, or a number outside the models' range, a wire
// that does not fit, a coil outside a model's domain: no such figures, and a note says why.
ReferenceEstimate Estimate(const Computed& computed, const ReferenceConditions& conditions,
                           const FormatSettings& format);

// What is wrong with a condition's text alone, in the interface's language (format.tr), or
// empty: not a number (read with the format's separator), not positive, outside the models'
// range. Empty texts are fine.
std::string FrequencyProblem(const std::string& text, const FormatSettings& format);
std::string WireProblem(const std::string& text, const FormatSettings& format);
