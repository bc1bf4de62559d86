// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The coilcalc developers
#include "numtext/shorttext.h"

#include <charconv>
#include <cmath>
#include <cstdlib>

namespace {

// A number as std::to_chars writes it, without trailing zeros after the point, and with format's
// separator for the point.
std::string Localized(std::string s, const FormatSettings& format) {
  const std::size_t point = s.find('.');
  if (point == std::string::npos) return s;
  s.erase(s.find_last_not_of('0') + 1);
  if (s.size() == point + 1) return s.erase(point);
  return s.replace(point, 1, format.separatorUtf8());
}

// A value that is no number, as number display writes it.
std::string NonFiniteText(double v) { return std::isnan(v) ? "NAN" : v < 0 ? "-INF" : "INF"; }

// v rounded to the given digits after the point. std::to_chars, unlike printf, ignores the C
// library's locale, which QApplication sets from the environment.
std::string Fixed(double v, int decimals, const FormatSettings& format) {
  if (!std::isfinite(v)) return NonFiniteText(v);
  char buffer[400];  // any double with up to 80 decimals
  const std::to_chars_result r =
      std::to_chars(buffer, buffer + sizeof buffer, v, std::chars_format::fixed, decimals);
  if (r.ec != std::errc{}) return ApproximateText(v, format);  // not reached: |v| < 1e7 here
  return Localized(std::string(buffer, r.ptr), format);
}

}  // namespace

std::string ApproximateText(double v, const FormatSettings& format) {
  if (v == 0) return "0";
  if (!std::isfinite(v)) return NonFiniteText(v);
  char buffer[64];  // d.ddde±XXX, rounded to four digits
  const std::to_chars_result r =
      std::to_chars(buffer, buffer + sizeof buffer, v, std::chars_format::scientific, 3);
  const std::string text(buffer, r.ptr);
  const std::size_t e = text.find('e');
  const int exponent = std::atoi(text.c_str() + e + 1);
  if (exponent >= -5 && exponent < 7) return Fixed(v, exponent < 3 ? 3 - exponent : 0, format);
  return Localized(text.substr(0, e), format) + "E" + std::to_string(exponent);
}

std::string PercentText(double p, const FormatSettings& format) {
  if (p >= 1000) return ApproximateText(p, format);
  return Fixed(p, p < 10 ? 2 : p < 100 ? 1 : 0, format);
}
