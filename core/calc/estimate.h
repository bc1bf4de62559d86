// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The coilcalc developers
#pragma once
// The figures of each calculator's reference (calc/reference.h), before any text: one estimate
// per calculator (calc/estimate_*.cpp) fills a ReferenceEstimate's figures, and the renderer
// (calc/referencetext.h) writes them. The pieces that several estimates share are here.
#include <optional>

#include "calc/reference.h"

namespace estimate {

ReferenceEstimate SingleLayer(const SingleLayerComputed& c);
ReferenceEstimate MultiLayer(const MultiLayerComputed& c);
ReferenceEstimate Turns(const TurnsComputed& c);
ReferenceEstimate Optimal(const OptimalComputed& c);

// (value - reference) / reference in percent; nothing for a zero reference or a result that is
// not finite.
std::optional<double> Deviation(double value, double reference);
// The deviation of the estimate, and the warning beyond kReferenceWarningPercent.
void SetDeviation(ReferenceEstimate& e, std::optional<double> deviation);
// v times factor, where there is a v.
std::optional<double> Times(std::optional<double> v, double factor);

// The copper of a wire of the given length and diameter (cm): its length in m, DC resistance
// and mass.
void SetCopper(ReferenceEstimate& e, std::optional<double> length, std::optional<double> d);
// N turns of the window's wire (d in mm) wound in layers over the length l, inner diameter Dbn
// and thickness Dr (cm): the layers, the turns per layer, the mean turn, the outer diameter and
// the copper; nothing without turns or wire.
void SetWoundWire(ReferenceEstimate& e, double N, double d, double Dbn, double l, double Dr);

// The reference L against the required inductance Lreq: L and the deviation, or nothing (and no
// L) where L is nothing or Lreq is not positive. Returns whether there is a reference.
bool SetAgainstRequirement(ReferenceEstimate& e, std::optional<double> L, double Lreq);

}  // namespace estimate
