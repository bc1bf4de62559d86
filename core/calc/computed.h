// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The coilcalc developers
#pragma once
// What a compute command leaves behind when it has run to its end: the Numbers it converted and
// stored, and its results, for the physical reference (calc/reference.h) to compare with the
// exact physics. A command that raised, or refused its inputs with a notice, leaves nothing.
// Nothing here is read back from a field.
#include <optional>
#include <variant>

#include "numtext/ext.h"

// Single-layer: N turns, diameter d_cm and length l in cm, as the command converted them; the
// formula's inductance in µH, or nothing when the coil is too short for both formulas.
struct SingleLayerComputed {
  Number N, d_cm, l;
  std::optional<Number> L;
};

// Multi-layer: inner diameter, length and thickness in cm, turns; the formula's inductance in µH.
struct MultiLayerComputed {
  Number Dbn, l, Dr, N, L;
};

// Turns: inner diameter and length in cm, wire diameter d in mm, required inductance Lreq in µH;
// the count n found and the thickness Dr in cm that the search left for it.
struct TurnsComputed {
  Number Dbn, l, d, Lreq, n, Dr;
};

// Optimal coil (thickness = length = c, inner diameter 2c): the required inductance Lreq in µH,
// c in mm, and the turns N of the coil found (Res4 in the attenuation mode, Res5 with the wire
// diameter given); the wire diameter d in mm (found, or given), the load Rn in Ω and the
// attenuation A in dB (allowed, or the insertion attenuation Aвн found), and which mode it was.
struct OptimalComputed {
  Number Lreq, c, N;
  Number d = 0, Rn = 0, A = 0;
  bool wireMode = false;
};

using Computed = std::variant<std::monostate, SingleLayerComputed, MultiLayerComputed,
                              TurnsComputed, OptimalComputed>;
