// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The coilcalc developers
#pragma once
// The one writer of the reference (calc/reference.h): an estimate's figures -> the status line
// and the table in the format's language (the catalog, calc/texts.h), and the command line's
// events. Nothing here computes a figure.
#include <string>
#include <vector>

#include "calc/reference.h"

// Writes e.text and e.table from e's figures: nothing for no estimate, the catalog's "no
// reference" where there is no L.
void RenderReference(ReferenceEstimate& e, const FormatSettings& format);
inline ReferenceEstimate Rendered(ReferenceEstimate e, const FormatSettings& format) {
  RenderReference(e, format);
  return e;
}

// The events of reference=1, "reference.L=5755,44111423994", each figure in full as number
// display writes it, in a fixed order: L, deviation, N, Dr, wire, R, mass, layers, d,
// attenuation, then at a working frequency delta, Rskin, Rac, X, Q, Cs, fres, Aac, each where it
// exists, and a reference.note=TEXT for each note on the working frequency (why figures are
// missing, how near the self-resonance it lies); none where there is no L. Unescaped.
std::vector<std::string> ReferenceEvents(const ReferenceEstimate& e, const FormatSettings& format);

// The text of one note, in format's language.
std::string NoteText(const ReferenceNoteEntry& note, const FormatSettings& format);
