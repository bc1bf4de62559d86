// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The coilcalc developers
#pragma once
// Number entry and display: field text -> number entry -> computation -> number display -> field
// text. Both follow their algorithms to the letter (an accumulator of digits scaled by power
// factors; an 18-digit rendition rounded on its 16th digit), which fixes every digit shown.
#include <string>

#include "numtext/ext.h"
#include "numtext/formatsettings.h"

// Field text (UTF-8) to an extended value, or EConvertError with the message
// "'<text>' is not a valid floating point value", the text exactly as given. Examples with the
// separator ",": "12,5" -> 12.5; " -0,25 " -> -0.25; "," -> 0; "1e" -> 1; "1e500" -> 1e500
// (storing it into a Number then overflows); "1e4999", "1e5000", "1 000", "12.5" -> error.
// Never raises a floating-point fault.
Ext NumberFromText(const std::string& text, const FormatSettings& format);

// An extended value to its field text: general format, 15 significant digits, no thousands
// separators. Examples with ",": 0.5 -> "0,5"; 1e15 -> "1E15"; 0.00001 -> "1E-5";
// sqrt(2) -> "1,4142135623731"; -0 -> "0"; infinity -> "INF"; NaN -> "NAN". Never fails.
std::string NumberToText(Ext value, const FormatSettings& format);
