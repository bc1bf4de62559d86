// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The coilcalc developers
#pragma once
// Properties that every input must satisfy, shared by the fuzz targets (tests/fuzz/fuzz_*.cpp)
// and by the corpus regression test (tests/core/fuzzcorpus_test.cpp), which runs every checked-in
// corpus file through the same functions. Each Check* function decodes raw fuzzer bytes exactly
// as its fuzz target does and returns an empty string when the property holds, or a description
// of what went wrong.
//
//   CheckNumberEntry    byte 0 picks the decimal separator, the rest is the field text.
//   CheckNumberDisplay  10 bytes: the 64-bit significand (little-endian), then sign and exponent.
//   CheckCommands       byte 0 picks the calculator, its mode and the separator; the rest holds
//                       the input field texts in screen order, separated by 0xFF bytes (a byte no
//                       UTF-8 text holds); fields not given keep the texts the window starts with.
//                       Two more texts after the fields are the reference's f= (kHz) and dwire=
//                       (mm). The slow count-by-count turns walks are skipped, in the fuzz target
//                       unless COILCALC_FUZZ_SLOW_WALKS is set. Each case runs once more with
//                       reference=1 and those two items, which may only append reference events
//                       (figures that are numbers, positive where the quantity is, and notes), or
//                       refuse an f= or dwire= that is no plain number, or dwire= where the window
//                       winds its own wire.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <exception>
#include <string>
#include <string_view>
#include <vector>

#include "calc/calculators.h"
#include "calc/indmnogosl.h"
#include "calc/steppedwalk.h"
#include "cases/clirunner.h"
#include "numtext/errors.h"
#include "numtext/fpu.h"
#include "numtext/numbertext.h"

namespace fuzzprops {

// The x87 control word where Ext runs on the unit; the software backend has no unit to disturb.
inline unsigned ControlWord() {
#if COILCALC_X87
  return CurrentFpuControlWord();
#else
  return 0;
#endif
}

// The separators the targets try: ASCII, two two-byte code points and a four-byte one.
inline char32_t SeparatorFor(std::uint8_t selector) {
  static const char32_t kSeparators[] = {U'.', U',', U'\u066B', U'\u00B7', U'\U0001F4A0'};
  return kSeparators[selector % 5];
}

inline std::string Hex(std::string_view bytes) {
  static const char kDigits[] = "0123456789ABCDEF";
  std::string out;
  for (unsigned char c : bytes) out += {kDigits[c >> 4], kDigits[c & 15]};
  return out;
}

inline std::string ConvertMessage(const std::string& text) {
  return "'" + text + "' is not a valid floating point value";
}

// ---- Number entry --------------------------------------------------------------------------

// What the grammar of number entry says about a text, worked out independently of the parser.
struct EntryShape {
  bool wellFormed = false;
  bool negative = false;
  std::string digits;  // integer and fraction digits, in order
  long long integerDigits = 0;
  long long exponent = 0;  // with its sign
};

inline EntryShape ShapeOf(std::string_view t, std::string_view sep) {
  EntryShape shape;
  const auto digitAt = [&](std::size_t k) { return k < t.size() && t[k] >= '0' && t[k] <= '9'; };
  std::size_t k = t.find_first_not_of(' ');
  if (k == std::string_view::npos) return shape;
  if (t[k] == '+' || t[k] == '-') shape.negative = t[k++] == '-';
  bool mantissa = false;
  for (; digitAt(k); ++k, mantissa = true) shape.digits += t[k];
  shape.integerDigits = static_cast<long long>(shape.digits.size());
  if (t.substr(k, sep.size()) == sep) {
    k += sep.size();
    mantissa = true;
    for (; digitAt(k); ++k) shape.digits += t[k];
  }
  if (!mantissa) return shape;
  if (k < t.size() && (t[k] == 'e' || t[k] == 'E')) {
    ++k;
    bool negativeExponent = false;
    if (k < t.size() && (t[k] == '+' || t[k] == '-')) negativeExponent = t[k++] == '-';
    // The digit that brings the exponent to 500 or more is the last one read.
    while (digitAt(k) && shape.exponent < 500)
      shape.exponent = shape.exponent * 10 + (t[k++] - '0');
    if (negativeExponent) shape.exponent = -shape.exponent;
  }
  while (k < t.size() && t[k] == ' ') ++k;
  shape.wellFormed = k == t.size();
  return shape;
}

enum class Expect { Value, Error, Either };

// The outcome the shape allows. The extended range ends a little above 10^4932; a text within a
// power of ten of that edge may go either way.
inline Expect ExpectedOutcome(const EntryShape& s) {
  if (!s.wellFormed) return Expect::Error;
  const std::size_t first = s.digits.find_first_not_of('0');
  if (first == std::string::npos) return Expect::Value;  // zero
  const long long significant = static_cast<long long>(s.digits.size() - first);
  const long long fraction = static_cast<long long>(s.digits.size()) - s.integerDigits;
  // The accumulator takes every digit: it overflows with more digits than the range holds.
  if (significant >= 4934) return Expect::Error;
  if (significant == 4933) return Expect::Either;
  if (s.exponent - fraction <= -5120) return Expect::Value;  // scaled to zero
  // The value lies in [10^(M-1), 10^M).
  const long long M = s.integerDigits - static_cast<long long>(first) + s.exponent;
  if (M >= 4934) return Expect::Error;
  if (M == 4933) return Expect::Either;
  return Expect::Value;
}

// For up to 19 digits and a power of ten within +-27 the value is one rounding away from exact:
// the accumulator and the one power factor are exact.
inline bool ExactlyPredictable(const EntryShape& s, Ext& expected) {
  const std::size_t first = s.digits.find_first_not_of('0');
  const std::string significant = first == std::string::npos ? "0" : s.digits.substr(first);
  const long long power = s.exponent - (static_cast<long long>(s.digits.size()) - s.integerDigits);
  if (significant.size() > 19 || power < -27 || power > 27) return false;
  unsigned long long accumulator = 0;
  for (char c : significant) accumulator = accumulator * 10 + static_cast<unsigned>(c - '0');
  Ext factor = 1;
  for (long long k = 0; k < (power < 0 ? -power : power); ++k) factor = factor * 10;
  const Ext a = Ext::fromInteger(accumulator);
  expected = power < 0 ? a / factor : a * factor;
  if (s.negative) expected = -expected;
  return true;
}

inline bool SameBits(Ext a, Ext b) {
  const ExtBits x = BitsOf(a), y = BitsOf(b);
  return x.signExponent == y.signExponent && x.significand == y.significand;
}

// Number entry of one text under one separator: a value or EConvertError with the exact message,
// nothing else; the outcome the grammar allows; the control word left as it was.
inline std::string CheckEntryText(const std::string& text, const FormatSettings& format) {
  const unsigned controlWord = ControlWord();
  const EntryShape shape = ShapeOf(text, format.separatorUtf8());
  const Expect expect = ExpectedOutcome(shape);
  std::string why;
  try {
    const Ext value = NumberFromText(text, format);
    if (expect == Expect::Error)
      why = "accepted a text the grammar refuses";
    else if (!isFinite(value))
      why = "returned a non-finite value";
    else if ((BitsOf(value).signExponent >= 0x8000) != shape.negative)
      why = "wrong sign";
    Ext expected;
    if (why.empty() && ExactlyPredictable(shape, expected) && !SameBits(value, expected))
      why = "value differs from the singly rounded one";
  } catch (const EConvertError& e) {
    if (expect == Expect::Value)
      why = "refused a text the grammar accepts";
    else if (e.message() != ConvertMessage(text))
      why = "message is '" + e.message() + "', not the text intact";
  } catch (const std::exception& e) {
    why = std::string("threw something other than EConvertError: ") + e.what();
  } catch (...) {
    why = "threw a non-standard exception";
  }
  if (why.empty() && ControlWord() != controlWord) why = "changed the FPU control word";
  InitFpu();
  return why.empty() ? why : why + " (text hex " + Hex(text) + ")";
}

inline std::string CheckNumberEntry(const std::uint8_t* data, std::size_t size) {
  if (size == 0) return {};
  const FormatSettings format{SeparatorFor(data[0])};
  return CheckEntryText(std::string(reinterpret_cast<const char*>(data) + 1, size - 1), format);
}

// ---- Number display ------------------------------------------------------------------------

// Significant digits of a display text: the digits of its mantissa without leading zeros, and in
// a whole number without a separator also without trailing zeros.
inline int SignificantDigits(const std::string& text, const std::string& sep) {
  std::string mantissa = text.substr(0, text.find('E'));
  const bool hasSeparator = mantissa.find(sep) != std::string::npos;
  std::string digits;
  for (char c : mantissa)
    if (c >= '0' && c <= '9') digits += c;
  digits.erase(0, digits.find_first_not_of('0'));
  if (!hasSeparator) digits.erase(digits.find_last_not_of('0') + 1);
  return static_cast<int>(digits.size());
}

// A text number display may show: read back, it shows the same; at most 15 significant digits.
// An extended value just above the smallest normal one may show 15 digits that read back below
// it, as a value subnormal in the extended format, which shows as "0": that is how display
// treats such values, and only doubles reach the fields.
inline std::string CheckDisplayText(const std::string& text, const FormatSettings& format) {
  if (text.empty()) return "empty display text";
  if (SignificantDigits(text, format.separatorUtf8()) > 15) return "more than 15 digits: " + text;
  try {
    const Ext back = NumberFromText(text, format);
    const std::string again = NumberToText(back, format);
    if (again != text && !((BitsOf(back).signExponent & 0x7FFF) == 0 && again == "0"))
      return "'" + text + "' reads back as a value shown as '" + again + "'";
  } catch (const std::exception& e) {
    return "'" + text + "' does not read back: " + e.what();
  }
  return {};
}

inline std::string CheckNumberDisplay(const std::uint8_t* data, std::size_t size) {
  std::uint8_t raw[10] = {};
  std::memcpy(raw, data, size < 10 ? size : 10);
  ExtBits bits{};
  std::memcpy(&bits.significand, raw, 8);
  std::memcpy(&bits.signExponent, raw + 8, 2);
  const FormatSettings format{SeparatorFor(size > 10 ? data[10] : 1)};
  const Ext v = FromBits(bits);
  const unsigned controlWord = ControlWord();
  std::string text;
  try {
    text = NumberToText(v, format);
  } catch (const std::exception& e) {
    return std::string("display threw: ") + e.what() + " (bits " +
           Hex({reinterpret_cast<char*>(raw), 10}) + ")";
  }
  std::string why;
  if (ControlWord() != controlWord) why = "display changed the FPU control word";
  const bool negative = (bits.signExponent & 0x8000) != 0;
  const int biased = bits.signExponent & 0x7FFF;
  const bool integerBit = (bits.significand >> 63) != 0;
  const bool infinity = biased == 0x7FFF && bits.significand == (1ULL << 63);
  const bool notANumber = (biased == 0x7FFF && !infinity) || (biased != 0 && !integerBit);
  if (!why.empty()) {
  } else if (infinity) {
    if (text != (negative ? "-INF" : "INF")) why = "infinity shown as '" + text + "'";
  } else if (notANumber) {
    if (text != "NAN") why = "NaN or invalid operand shown as '" + text + "'";
  } else if (text == "INF" || text == "-INF" || text == "NAN") {
    why = "finite value shown as '" + text + "'";
  } else if (biased == 0 || v == 0) {
    if (text != "0") why = "zero or extended subnormal shown as '" + text + "'";
  } else if ((text[0] == '-') != negative) {
    why = "sign of '" + text + "' does not match";
  } else {
    why = CheckDisplayText(text, format);
  }
  InitFpu();
  return why.empty() ? why : why + " (bits " + Hex({reinterpret_cast<char*>(raw), 10}) + ")";
}

// ---- Commands ------------------------------------------------------------------------------

struct CommandCase {
  const Calculator* calculator;
  bool wireMode;
  FormatSettings format;
  std::vector<std::string> texts;  // one per input field, in screen order
  std::vector<std::string> items;  // the case as the runner takes it
  // The texts after the fields: the reference's working frequency (f=) and wire (dwire=).
  std::vector<std::string> conditions;
};

inline CommandCase DecodeCommandCase(const std::uint8_t* data, std::size_t size) {
  const std::vector<Calculator>& all = Calculators();
  const std::uint8_t selector = size > 0 ? data[0] : 0;
  // Calculators in order, the last one (the optimal coil) in both of its modes.
  const std::size_t slot = selector % (all.size() + 1);
  CommandCase c{&all[slot < all.size() ? slot : all.size() - 1],
                slot == all.size(),
                FormatSettings{SeparatorFor(selector / (all.size() + 1))},
                {},
                {},
                {}};
  for (const InputField& input : c.calculator->inputs) c.texts.push_back(input.initialText);
  std::size_t field = 0, start = 1;
  for (std::size_t k = 1; k <= size && field < c.texts.size() + 2; ++k) {
    if (k == size || data[k] == 0xFF) {
      std::string text(reinterpret_cast<const char*>(data) + start, k - start);
      if (field < c.texts.size()) {
        c.texts[field] = std::move(text);
      } else {
        c.conditions.push_back(std::move(text));
      }
      ++field;
      start = k + 1;
    }
  }
  c.items = {c.calculator->window, "sep=" + c.format.separatorUtf8()};
  for (std::size_t k = 0; k < c.texts.size(); ++k)
    c.items.push_back(std::string(c.calculator->inputs[k].control) + "=" + EscapeText(c.texts[k]));
  if (c.wireMode) c.items.push_back("CheckBox1=1");
  return c;
}

inline std::string ErrorKindMessage(const std::string& kind) {
  if (kind == "EInvalidOp") return EInvalidOp().message();
  if (kind == "EZeroDivide") return EZeroDivide().message();
  if (kind == "EOverflow") return EOverflow().message();
  return {};
}

// The order in which each command reads its fields; the first that does not read as a Number
// ends the command before anything else happens.
inline std::vector<std::string> ReadingOrder(std::string_view window) {
  if (window == "FormIndOdnosl") return {"Vvodd", "VvodN", "Vvodl"};
  if (window == "FormIndMnogosl") return {"vvodDbn", "vvodN", "vvodDr", "VvodL"};
  if (window == "FormVitkmnogosl") return {"vvoddbn", "vvodl", "vvodd", "vvodLL"};
  return {"vvodLind", "vvodNdb", "vvodRn"};
}

// The event line of a case whose fields do not all read as Numbers; empty when they do.
inline std::string FirstFieldError(const CommandCase& c) {
  for (const std::string& control : ReadingOrder(c.calculator->window)) {
    std::size_t k = 0;
    while (c.calculator->inputs[k].control != control) ++k;
    try {
      toNumber(NumberFromText(c.texts[k], c.format));
    } catch (const Exception& e) {
      return "error=" + std::string(e.className()) + ": " + EscapeText(ErrorBoxText(e.message()));
    }
  }
  return {};
}

// Checks one event line of a case: outputs, notices, and at most one error, last.
inline std::string CheckEventLine(const CommandCase& c, const std::string& line) {
  if (line.empty()) return "the case produced no event";
  const std::string fieldError = FirstFieldError(c);
  if (!fieldError.empty() && line != fieldError)
    return "a field that does not read should end the command with " + fieldError;
  const std::vector<std::string> events = SplitItems(line);
  for (std::size_t k = 0; k < events.size(); ++k) {
    const std::size_t eq = events[k].find('=');
    if (eq == std::string::npos) return "event without '=': " + events[k];
    const std::string name = events[k].substr(0, eq);
    const std::string value = UnescapeText(events[k].substr(eq + 1));
    if (name == "notice") {
      // The optimal coil's wire-diameter mode shows the fifth root of L as a bare number.
      const std::string why = c.wireMode ? CheckDisplayText(value, c.format) : "";
      if (!why.empty()) return "notice: " + why;
      continue;
    }
    if (name == "error") {
      if (k + 1 != events.size()) return "events after an error: " + line;
      const std::size_t colon = value.find(": ");
      const std::string kind = value.substr(0, colon);
      const std::string message = colon == std::string::npos ? "" : value.substr(colon + 2);
      if (kind == "EConvertError") {
        bool fromAField = false;
        for (const std::string& text : c.texts) {
          if (message != ErrorBoxText(ConvertMessage(text))) continue;
          try {
            NumberFromText(text, c.format);
          } catch (const EConvertError&) {
            fromAField = true;
          }
        }
        if (!fromAField) return "conversion error for no bad field: " + message;
      } else if (kind == "ESearchError") {
        if (message.empty()) return "search error without a message";
      } else if (ErrorKindMessage(kind).empty()) {
        return "error of an unexpected kind: " + value;
      } else if (message != ErrorBoxText(ErrorKindMessage(kind))) {
        return "wrong message for " + kind + ": " + message;
      }
      continue;
    }
    for (const InputField& input : c.calculator->inputs)
      if (name == input.control) return "the command wrote its input " + name;
    if (value.empty()) continue;
    const std::string why = CheckDisplayText(value, c.format);
    if (!why.empty()) return "output " + name + ": " + why;
  }
  return {};
}

// Whether the case is one for which the turns search tests count after count (up to its bound of
// searches::kLiteralTurnsBound counts, about a second per case under the sanitizers) rather than
// jumping: the turns calculator with all four fields numbers, a positive inductance, and
// dimensions with which the inductance need not grow with the count (a negative or zero one, or
// values so small that the first count's quantities are not normal). The same test as the search
// makes; erring towards true only skips a fast case.
inline bool TakesTheCountByCountWalk(const CommandCase& c) {
  if (std::string_view(c.calculator->window) != "FormVitkmnogosl") return false;
  Number v[4];
  try {
    for (int k = 0; k < 4; ++k) v[k] = toNumber(NumberFromText(c.texts[k], c.format));
  } catch (const Exception&) {
    return false;
  }
  const Number Dbn = v[0], l = v[1], d = v[2], Lreq = v[3];
  if (d == 0 || l == 0 || !(Lreq > 0)) return false;
  if (!(Dbn >= 0 && l > 0 && d > 0)) return true;
  const Number smallest = 2.2250738585072014e-308;
  try {
    const Number n = steppedwalk::NextPoint(0, 0.01_ext);
    const Number k = toNumber(Ext(n) / toNumber(Ext(l) / (0.1_ext * Ext(d))));
    const Number Dr = toNumber((Ext(k) * d) * 0.1_ext);
    const Number r = toNumber((Ext(Dr) + Dbn) / 2);
    const Number Lc = IndMnogosl::CalcIndMnogosl(Dbn, l, n, Dr);
    return !(k >= smallest && Dr >= smallest && r >= smallest && Lc >= smallest);
  } catch (const Exception&) {
    return false;
  }
}

// One case line from runner; why it did not run, if it did not.
inline std::string RunCaseLine(CliRunner& runner, const std::vector<std::string>& items,
                               std::string& line) {
  try {
    line = runner.runCase(items);
  } catch (const MalformedCase& e) {
    return std::string("case refused as malformed: ") + e.what();
  } catch (const std::exception& e) {
    return std::string("the case threw: ") + e.what();
  } catch (...) {
    return "the case threw a non-standard exception";
  }
  return {};
}

// Whether a condition's text must read as a number: digits with at most one separator and an
// optional sign, spaces around. A text that number entry's grammar refuses must not.
inline bool PlainNumber(const std::string& text, const FormatSettings& format) {
  const std::string sep = format.separatorUtf8();
  std::size_t k = text.find_first_not_of(' '), end = text.find_last_not_of(' ');
  if (k == std::string::npos) return false;
  if (text[k] == '-' || text[k] == '+') ++k;
  bool digit = false, point = false;
  while (k <= end) {
    if (text[k] >= '0' && text[k] <= '9') {
      digit = true;
      ++k;
    } else if (!point && text.compare(k, sep.size(), sep) == 0) {
      point = true;
      k += sep.size();
    } else {
      return false;
    }
  }
  return digit;
}

// Whether the runner may refuse the case's conditions as malformed, with the message it gave:
// dwire= for a window that winds its own wire, or a text that is not a plain number.
inline std::string CheckConditionRefusal(const CommandCase& c, const std::string& message) {
  const std::string_view window = c.calculator->window;
  const bool takesWire = window == "FormIndOdnosl" || window == "FormIndMnogosl";
  const char* names[] = {"f", "dwire"};
  for (std::size_t k = 0; k < c.conditions.size(); ++k) {
    const std::string name = names[k];
    if (message.rfind(name + "= takes ", 0) != 0) continue;
    if (PlainNumber(c.conditions[k], c.format)) return "a plain number refused: " + message;
    return {};
  }
  if (c.conditions.size() > 1 && !takesWire && message.find("has no dwire=") != std::string::npos)
    return {};
  return "case refused as malformed: " + message;
}

// The same case with reference=1 (and the conditions) gives the same events, then only reference
// events: figures with texts a display can produce and that are numbers, and notes; none after
// an error.
inline std::string CheckReferenceEvents(const CommandCase& c, const std::string& line) {
  std::vector<std::string> items = c.items;
  items.push_back("reference=1");
  if (c.conditions.size() > 0) items.push_back("f=" + EscapeText(c.conditions[0]));
  if (c.conditions.size() > 1) items.push_back("dwire=" + EscapeText(c.conditions[1]));
  CliRunner runner(FormatSettings{U'.'});
  std::string withReference;
  try {
    withReference = runner.runCase(items);
  } catch (const MalformedCase& e) {
    return CheckConditionRefusal(c, e.what());
  } catch (const std::exception& e) {
    return std::string("with reference=1, the case threw: ") + e.what();
  }
  std::string why;
  if (withReference.compare(0, line.size(), line) != 0)
    return "reference=1 changed the events: " + withReference;
  if (withReference.size() == line.size()) return {};
  if (line.find("error=") != std::string::npos)
    return "reference events after an error: " + withReference;
  for (const std::string& event : SplitItems(withReference.substr(line.size() + 1))) {
    const std::size_t eq = event.find('=');
    if (event.rfind("reference.", 0) != 0 || eq == std::string::npos)
      return "not a reference event: " + event;
    const std::string value = event.substr(eq + 1);
    if (event.rfind("reference.note=", 0) == 0) {
      if (value.empty()) return "an empty note";
      continue;
    }
    if (value == "INF" || value == "-INF" || value == "NAN") return "no figure: " + event;
    // Lengths, resistances, masses, counts, frequencies are positive: a zero or a sign is a
    // figure lost to underflow or overflow on the way.
    const std::string name = event.substr(0, eq);
    const bool signedFigure = name == "reference.L" || name == "reference.deviation" ||
                              name == "reference.attenuation" || name == "reference.Aac";
    if (!signedFigure && (value == "0" || value[0] == '-')) return "no figure: " + event;
    why = CheckDisplayText(value, c.format);
    if (!why.empty()) return event + ": " + why;
  }
  return {};
}

// One case through the runner, twice: each run must end properly, and the second, with the
// state the first left, must give the same events. The first once more with reference=1.
inline std::string CheckCommandCase(const CommandCase& c) {
  CliRunner runner(FormatSettings{U'.'});
  std::string lines[2];
  for (std::string& line : lines) {
    std::string why = RunCaseLine(runner, c.items, line);
    if (why.empty()) why = CheckEventLine(c, line);
    if (!why.empty()) return why;
  }
  if (lines[0] != lines[1]) return "same inputs, other events: " + lines[0] + " / " + lines[1];
  return CheckReferenceEvents(c, lines[0]);
}

// With slowWalks false, a case that takes the count-by-count turns walk is not run.
inline std::string CheckCommands(const std::uint8_t* data, std::size_t size, bool slowWalks) {
  const CommandCase c = DecodeCommandCase(data, size);
  if (!slowWalks && TakesTheCountByCountWalk(c)) return {};
  std::string why = CheckCommandCase(c);
  InitFpu();
  if (why.empty()) return why;
  std::string items;
  for (const std::string& item : c.items) items += (items.empty() ? "" : "\t") + item;
  return why + " (case " + items + ")";
}

// A fuzz target's verdict on one input: 0 where every property held; otherwise it prints what was
// violated and aborts, so that libFuzzer keeps the input.
inline int Verdict(const std::string& why) {
  if (why.empty()) return 0;
  std::fprintf(stderr, "property violated: %s\n", why.c_str());
  std::abort();
}

}  // namespace fuzzprops
