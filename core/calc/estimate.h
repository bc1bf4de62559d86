// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The coilcalc developers
#pragma once
// The figures of each calculator's reference (calc/reference.h), before any text: one estimate
// per calculator (calc/estimate_*.cpp) fills a ReferenceEstimate's figures, and the renderer
// (calc/referencetext.h) writes them. The pieces that several estimates share are here.
#include <optional>

#include "calc/conditions.h"
#include "calc/reference.h"

namespace estimate {

// Each with the conditions read (no frequency: the figures without one).
ReferenceEstimate SingleLayer(const SingleLayerComputed& c, const CheckedConditions& at);
ReferenceEstimate MultiLayer(const MultiLayerComputed& c, const CheckedConditions& at);
ReferenceEstimate Turns(const TurnsComputed& c, const CheckedConditions& at);
ReferenceEstimate Optimal(const OptimalComputed& c, const CheckedConditions& at);

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

// Drops every figure that is not finite, and every figure of a quantity that is positive by its
// nature (a length, a resistance, a mass, a count, ...) that is not a normal positive double: it
// overflowed or lost its digits to underflow on the way. Figures derived from a dropped one are
// computed after this, or from the same inputs, and go with it.
void DropMeaningless(ReferenceEstimate& e);

// ---- at the working frequency ------------------------------------------------------------------

// Takes the conditions into e: f in kHz where it is fine, and the notes on the texts (on the wire
// only where the calculator takes one, takesWire). Returns whether the AC figures follow: a
// frequency that is fine, and where the calculator takes a wire, no wire typed or a fine one.
bool AdoptConditions(ReferenceEstimate& e, const CheckedConditions& at, bool takesWire);
// A note on the wire: its kind, the wire given and the limit, both in mm.
void NoteWire(ReferenceEstimate& e, ReferenceNote kind, double wire = 0, double limit = 0);
// The wire of a coil that winds none of its own (single- and multi-layer), whose wire of the given
// length (cm) is the largest that fits, or the conditions' wire where it fits (fits; else the note
// misfit, with that largest wire as its limit): its diameter and copper into e, then the
// meaningless figures dropped (DropMeaningless). Returns the wire (cm) that the figures at the
// frequency take, or nothing where they do not follow (atFrequency false, or a note says why).
std::optional<double> SetOwnWire(ReferenceEstimate& e, const CheckedConditions& at,
                                 bool atFrequency, std::optional<double> length,
                                 std::optional<double> largest, bool fits, ReferenceNote misfit);

// The figures at f of the wire d (cm) that need nothing of the coil's shape: δ, Rskin from e.R,
// X from e.L.
void SetWireAtFrequency(ReferenceEstimate& e, double f, double d);
// Q (below the self-resonance), f/fres and the warnings near and beyond the self-resonance, from
// X, Rac and fres; the notes for a missing Rac, and where the coil's model has one
// (capacitanceModelled), for a missing Cs or fres.
void FinishAtFrequency(ReferenceEstimate& e, bool capacitanceModelled);
// The winding of rectangular section at f (multi-layer, turns, optimal coil): Rac = R times the
// winding's AC factor (physics/winding_ac.h), and the self-capacitance and self-resonance where
// that gives them.
void SetWindingAtFrequency(ReferenceEstimate& e, double f, double Dbn, double l, double Dr,
                           double N, double d);

}  // namespace estimate
