// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The coilcalc developers
#pragma once
// Short number texts, beside the full number display (numbertext.h): about four significant
// digits, for figures that the specified outputs do not show (the physical reference). Plain
// double, with the separator of the format handed in, independent of the C library's locale.
#include <string>

#include "numtext/formatsettings.h"

// v to about four significant digits, trailing zeros dropped, with the separator of format;
// exponent form ("1,235E8") outside 1e-5 <= |v| < 1e7. 0.033553 -> "0,03355", 2500 -> "2500",
// infinity -> "INF" as in number display.
std::string ApproximateText(double v, const FormatSettings& format);

// A percentage: two decimals below 10, one below 100, none below 1000, ApproximateText above.
// 0.4799 -> "0,48", 7.838 -> "7,84", 12.34 -> "12,3", 123.4 -> "123".
std::string PercentText(double p, const FormatSettings& format);
