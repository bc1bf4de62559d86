// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The coilcalc developers
// Number display against reading back, over a few hundred thousand seeded random doubles: the
// text has at most 15 significant digits and reads back to within half a unit of the original's
// 15th digit, plus a few units of the 18th digit that the 18-digit rendition may be off by.
#include <cmath>
#include <cstring>
#include <gtest/gtest.h>
#include <random>

#include "numtext/numbertext.h"
#include "tests/fuzz/properties.h"

namespace {

// The rendition is an 18-digit integer formed by a few rounded scalings: a few units of its last
// digit, relative to the 15th digit a few thousandths.
constexpr Ext kSlackIn15thDigitUnits = 0.005_ext;

// 10^k, |k| < 500, as the extended value number entry reads (exact to 10^27, then within a few
// units of the last place: far finer than the slack above).
Ext PowerOfTen(long long k) {
  return NumberFromText("1e" + std::to_string(k), FormatSettings{U'.'});
}

double FromPattern(std::uint64_t pattern) {
  double d;
  std::memcpy(&d, &pattern, sizeof d);
  return d;
}

// The decimal exponent X of a display text, read as 0.D x 10^X.
long long DecimalExponentOf(const std::string& text, const std::string& sep) {
  const std::size_t e = text.find('E');
  if (e != std::string::npos) return std::stoll(text.substr(e + 1)) + 1;
  const std::size_t start = text[0] == '-' ? 1 : 0;
  const std::size_t point = text.find(sep);
  if (text.compare(start, 1, "0") == 0 && point != std::string::npos) {
    const std::size_t firstSignificant = text.find_first_not_of('0', point + sep.size());
    return -static_cast<long long>(firstSignificant - point - sep.size());
  }
  return static_cast<long long>((point == std::string::npos ? text.size() : point) - start);
}

// Empty when text is a fit display of v, otherwise why not.
std::string CheckShownAs(double v, const std::string& text, const FormatSettings& format) {
  const std::string sep = format.separatorUtf8();
  if (fuzzprops::SignificantDigits(text, sep) > 15) return "more than 15 digits: " + text;
  if ((text[0] == '-') != (v < 0)) return "sign lost: " + text;
  Ext back;
  try {
    back = NumberFromText(text, format);
  } catch (const Exception& e) {
    return "does not read back: " + text;
  }
  // The original's own decimal exponent: a text rounded up to the next power of ten counts in
  // the original's digits.
  const Ext magnitude = abs(Ext(v));
  long long X = DecimalExponentOf(text, sep);
  if (magnitude < PowerOfTen(X - 1)) --X;
  const Ext off = abs(back - v) * PowerOfTen(15 - X);
  if (off > 0.5_ext + kSlackIn15thDigitUnits)
    return text + " is " + std::to_string(toNumber(off)) + " units of the 15th digit off";
  return {};
}

std::string CheckDouble(double v, const FormatSettings& format) {
  return CheckShownAs(v, NumberToText(v, format), format);
}

struct Batch {
  const char* name;
  double (*draw)(std::mt19937_64&);
};

const Batch kBatches[] = {
    // Every bit pattern of a finite double, so every exponent and both signs.
    {"AnyFinite",
     [](std::mt19937_64& g) {
       for (;;) {
         const double d = FromPattern(g());
         if (std::isfinite(d)) return d;
       }
     }},
    // Subnormal doubles, both signs.
    {"Subnormal",
     [](std::mt19937_64& g) {
       const std::uint64_t p = g();
       return FromPattern((p & 0x800FFFFFFFFFFFFFULL) | 1);
     }},
    // Halfway cases of the 15-digit rounding: d.dddddddddddddd5 x 10^k over the whole range.
    {"FifteenDigitHalfway",
     [](std::mt19937_64& g) {
       const Ext digits = Ext::fromInteger(100000000000000ULL + g() % 900000000000000ULL);
       const int k = static_cast<int>(g() % 600) - 300;
       const double d = toNumber((digits + 0.5) * PowerOfTen(k - 14));
       return (g() & 1) ? -d : d;
     }},
    // Numbers of a plain size, as typed into the fields.
    {"FieldSized",
     [](std::mt19937_64& g) {
       const double d =
           std::ldexp(static_cast<double>(g() >> 11), static_cast<int>(g() % 120) - 110);
       return (g() & 1) ? -d : d;
     }},
};

class DisplayProperty : public ::testing::TestWithParam<Batch> {};

TEST_P(DisplayProperty, ShortTextReadsBackWithinHalfAUnit) {
  const FormatSettings formats[] = {FormatSettings{U','}, FormatSettings{U'\u066B'}};
  std::mt19937_64 g(20240611);
  int failures = 0;
  for (int k = 0; k < 80000 && failures < 10; ++k) {
    const double v = GetParam().draw(g);
    const std::string why = CheckDouble(v, formats[k & 1]);
    if (!why.empty()) {
      ++failures;
      ADD_FAILURE() << std::hexfloat << v << ": " << why;
    }
  }
}

INSTANTIATE_TEST_SUITE_P(Doubles, DisplayProperty, ::testing::ValuesIn(kBatches),
                         [](const auto& info) { return std::string(info.param.name); });

// The check itself must see a text that is a digit off, too long or without its sign.
TEST(DisplayPropertyCheck, SeesUnfitTexts) {
  const FormatSettings comma{U','};
  EXPECT_EQ(CheckShownAs(1.0 / 3, "0,333333333333333", comma), "");
  EXPECT_NE(CheckShownAs(1.0 / 3, "0,333333333333334", comma), "");
  EXPECT_NE(CheckShownAs(1.0 / 3, "0,3333333333333333", comma), "");
  EXPECT_NE(CheckShownAs(-0.5, "0,5", comma), "");
  EXPECT_EQ(CheckShownAs(999999999999999.9, "1E15", comma), "");
  EXPECT_NE(CheckShownAs(999999999999998.4, "1E15", comma), "");
  EXPECT_EQ(DecimalExponentOf("1,5E-5", ","), -4);
  EXPECT_EQ(DecimalExponentOf("-0,0001", ","), -3);
  EXPECT_EQ(DecimalExponentOf("0,5", ","), 0);
  EXPECT_EQ(DecimalExponentOf("2500", ","), 4);
  EXPECT_EQ(DecimalExponentOf("-12,5", ","), 2);
  EXPECT_EQ(DecimalExponentOf("1E15", ","), 16);
}

}  // namespace
