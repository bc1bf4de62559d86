// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The coilcalc developers
#pragma once
// The conditions of the reference at a working frequency (calc/reference.h), read and checked:
// the texts as typed -> the frequency in Hz and the wire in cm where they are fine, or the notes
// why not. Plain double, independent of the C library's locale; this is not the calculators'
// number entry, since no specified figure comes of it.
#include <optional>
#include <string>
#include <vector>

#include "calc/reference.h"

// A condition's text as a number: optional spaces around an optional sign, digits with at most
// one decimal separator (the format's, and no other) and at least one digit, and an optional
// exponent "e" or "E" with an optional sign and digits. A number beyond the double range reads as
// an infinity; one below it, not zero, as the smallest positive double of its sign.
struct ConditionNumber {
  enum class Kind { Empty, NotANumber, Number };
  Kind kind = Kind::Empty;
  double value = 0;
};
ConditionNumber ReadConditionNumber(const std::string& text, const FormatSettings& format);

struct CheckedConditions {
  bool atFrequency = false;               // a frequency was typed: the estimate gives its AC part
  std::optional<double> f;                // Hz, within [kMinFrequency, kMaxFrequency]
  bool wireTyped = false;                 // a wire was typed
  std::optional<double> wire;             // cm, within [kMinWireDiameter, kMaxWireDiameter]
  std::vector<ReferenceNoteEntry> notes;  // what is wrong with the texts
};
// Reads both texts; the wire only where there is a frequency.
CheckedConditions CheckConditions(const ReferenceConditions& conditions,
                                  const FormatSettings& format);
