// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The coilcalc developers
#pragma once
// The stepped searches of the calculators. Each walks a fixed grid upward from a fixed start (the
// running value a Number, rounded after every extended addition of the step) and returns the first
// grid point that passes its test; the digits shown are those of the grid point, not of the exact
// mathematical value. The searches return exactly the point the step-by-step walk returns, but
// find it with a few hundred tests (calc/steppedwalk.h), and refuse at once an input for which
// the step-by-step walk would never end.
#include <cstdint>
#include <string>

#include "calc/fields.h"
#include "numtext/ext.h"
#include "numtext/formatsettings.h"

namespace searches {

struct WalkResult {
  Number value;
  std::uint64_t steps;  // additions of the step the literal walk makes to reach value
};

// A search that provably cannot end is refused at once; the message says why and what to change.
class ESearchError : public Exception {
 public:
  using Exception::Exception;
  const char* className() const override { return "ESearchError"; }
};

// The refusal messages are in format's language (format.tr), their numbers shown with its
// separator.

// The first grid point x = 0.00001, 0.00002, ... whose level 20*log10(x) lies strictly within
// 0.0001 dB of A. DbToRatio(1) = 1.12200999999888 after 112201 steps. ESearchError when no grid
// point lies in that window (A at or below -100.0001, some A below about -7.24) or when A lies
// beyond the levels the grid reaches (about 222.76 dB).
WalkResult DbToRatioWalk(Number A, const FormatSettings& format = FormatSettings());
inline Number DbToRatio(Number A, const FormatSettings& format = FormatSettings()) {
  return DbToRatioWalk(A, format).value;
}

// The stepped fifth root: from the eighth root of a (three square roots) upward in steps of
// 0.001 until r^5 comes within 0.1 of a or passes it. FifthRoot(5100) = 5.51500830171328 after
// 2608 steps. EInvalidOp for a < 0 (before any step); ESearchError when r would have to pass
// 2^44, where the step no longer changes r (a above about 1.7e66). Hands pending events to the
// pump while it walks (at least once per binade of r, and at least once if it steps at all).
WalkResult FifthRootWalk(Number a, EventPump& pump,
                         const FormatSettings& format = FormatSettings());
inline Number FifthRoot(Number a, EventPump& pump,
                        const FormatSettings& format = FormatSettings()) {
  return FifthRootWalk(a, pump, format).value;
}

// The turns search of the multi-layer turns calculator: the count n = 0, 0.01, 0.02, ...
// (accumulated, each sum rounded to a Number) until the inductance of n turns wound with wire of
// diameter d lies strictly within 1 % of Lreq. Dr is the thickness of the last count tested.
struct TurnsResult {
  bool found;
  Number n;             // the count found (or the last one tested)
  std::uint64_t steps;  // additions of 0.01 the literal walk makes to reach n
  std::string notice;   // why the search cannot end, when !found (format.tr)
};
// Dbn, l in cm; d in mm; Lreq in µH. d, l and Lreq are non-zero (the caller tests them). Dr is
// left as the literal walk leaves it: the thickness of the count returned, or of the count whose
// evaluation raised a fault (the one before it when the thickness itself overflowed). When the
// search cannot end (negative Lreq, a band of 1 % that falls between two counts, more turns
// than the search goes to) found is false, notice says why, and Dr is the thickness of n, the
// count at which the search gave up.
// With Dbn >= 0, l > 0 and d > 0 the inductance grows with the count and the search takes a few
// hundred tests; otherwise it walks count by count, up to kLiteralTurnsBound counts.
TurnsResult TurnsSearch(Number Dbn, Number l, Number d, Number Lreq, Number& Dr,
                        const FormatSettings& format = FormatSettings());

// The largest count the fast turns search goes to (2^36); see searches.cpp.
constexpr Number kTurnsLimit = 68719476736.0;
// Counts the step-by-step turns search tests at most when the inductance need not grow: 10^4
// turns: about 0.5 s with x87 arithmetic and 0.9 s with the software one, the window waiting.
constexpr std::uint64_t kLiteralTurnsBound = 1000000;

}  // namespace searches
