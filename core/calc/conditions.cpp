// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The coilcalc developers
#include "calc/conditions.h"

#include <charconv>
#include <cmath>
#include <limits>

#include "calc/referencetext.h"
#include "physics/roundwire.h"

namespace {

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// The text with its separator as "." and without the spaces around it, if it has the shape of a
// number; empty if not. Also the decimal exponent of its first significant digit, roughly, for a
// number that std::from_chars finds out of range.
struct Shape {
  std::string plain;
  long magnitude = 0;
  bool zero = true;
};

std::optional<Shape> ShapeOf(const std::string& text, const std::string& separator) {
  std::size_t i = 0, end = text.size();
  while (i < end && text[i] == ' ') ++i;
  while (end > i && text[end - 1] == ' ') --end;
  Shape shape;
  if (i < end && (text[i] == '+' || text[i] == '-')) {
    if (text[i] == '-') shape.plain += '-';
    ++i;
  }
  long integerDigits = 0, leadingZeros = 0, digits = 0;
  bool point = false;
  while (i < end) {
    if (IsDigit(text[i])) {
      if (shape.zero && text[i] == '0') {
        ++leadingZeros;
      } else {
        shape.zero = false;
      }
      if (!point) ++integerDigits;
      ++digits;
      shape.plain += text[i++];
    } else if (!point && text.compare(i, separator.size(), separator) == 0) {
      point = true;
      shape.plain += '.';
      i += separator.size();
    } else {
      break;
    }
  }
  if (digits == 0) return std::nullopt;
  long exponent = 0;
  if (i < end && (text[i] == 'e' || text[i] == 'E')) {
    shape.plain += 'e';
    ++i;
    bool negative = false;
    if (i < end && (text[i] == '+' || text[i] == '-')) {
      negative = text[i] == '-';
      shape.plain += text[i++];
    }
    const std::size_t first = i;
    while (i < end && IsDigit(text[i])) {
      if (exponent < 100000) exponent = exponent * 10 + (text[i] - '0');
      shape.plain += text[i++];
    }
    if (i == first) return std::nullopt;
    if (negative) exponent = -exponent;
  }
  if (i != end) return std::nullopt;
  shape.magnitude = exponent + integerDigits - leadingZeros - 1;
  return shape;
}

void Note(CheckedConditions& c, ReferenceNote kind, std::string text = {}) {
  c.notes.push_back({kind, 0, 0, std::move(text)});
}

// The value in the unit of the models (scale times the typed unit) within [low, high], or
// nothing and a note.
std::optional<double> Checked(CheckedConditions& c, const std::string& text, double scale,
                              double low, double high, const FormatSettings& format,
                              ReferenceNote notANumber, ReferenceNote notPositive,
                              ReferenceNote outOfRange) {
  const ConditionNumber n = ReadConditionNumber(text, format);
  if (n.kind == ConditionNumber::Kind::NotANumber) {
    Note(c, notANumber, text);
    return std::nullopt;
  }
  if (!(n.value > 0)) {
    Note(c, notPositive);
    return std::nullopt;
  }
  const double v = n.value * scale;
  if (!(v >= low && v <= high)) {
    Note(c, outOfRange);
    return std::nullopt;
  }
  return v;
}

}  // namespace

ConditionNumber ReadConditionNumber(const std::string& text, const FormatSettings& format) {
  ConditionNumber n;
  if (text.find_first_not_of(' ') == std::string::npos) return n;
  const std::optional<Shape> shape = ShapeOf(text, format.separatorUtf8());
  n.kind = shape ? ConditionNumber::Kind::Number : ConditionNumber::Kind::NotANumber;
  if (!shape) return n;
  const bool negative = shape->plain[0] == '-';
  const char* first = shape->plain.data();
  const std::from_chars_result r =
      std::from_chars(first, first + shape->plain.size(), n.value, std::chars_format::general);
  if (r.ec == std::errc::result_out_of_range) {
    const double beyond = shape->magnitude > 0 ? std::numeric_limits<double>::infinity()
                                               : std::numeric_limits<double>::denorm_min();
    n.value = negative ? -beyond : beyond;
  } else if (r.ec != std::errc{} || r.ptr != first + shape->plain.size()) {
    n.kind = ConditionNumber::Kind::NotANumber;  // not reached: the shape is from_chars'
  } else if (n.value == 0 && !shape->zero) {
    n.value = negative ? -std::numeric_limits<double>::denorm_min()
                       : std::numeric_limits<double>::denorm_min();
  }
  return n;
}

CheckedConditions CheckConditions(const ReferenceConditions& conditions,
                                  const FormatSettings& format) {
  CheckedConditions c;
  if (ReadConditionNumber(conditions.frequency, format).kind == ConditionNumber::Kind::Empty)
    return c;
  c.atFrequency = true;
  c.f = Checked(c, conditions.frequency, 1e3, physics::kMinFrequency, physics::kMaxFrequency,
                format, ReferenceNote::FrequencyNotANumber, ReferenceNote::FrequencyNotPositive,
                ReferenceNote::FrequencyOutOfRange);
  c.wireTyped = ReadConditionNumber(conditions.wire, format).kind != ConditionNumber::Kind::Empty;
  if (c.wireTyped) {
    c.wire = Checked(c, conditions.wire, 0.1, physics::kMinWireDiameter, physics::kMaxWireDiameter,
                     format, ReferenceNote::WireNotANumber, ReferenceNote::WireNotPositive,
                     ReferenceNote::WireOutOfRange);
  }
  return c;
}

std::string FrequencyProblem(const std::string& text, const FormatSettings& format) {
  const CheckedConditions c = CheckConditions({text, ""}, format);
  return c.notes.empty() ? std::string() : NoteText(c.notes.front(), format);
}

std::string WireProblem(const std::string& text, const FormatSettings& format) {
  // Read as beside a frequency that is fine.
  const CheckedConditions c = CheckConditions({"1", text}, format);
  return c.notes.empty() ? std::string() : NoteText(c.notes.front(), format);
}
