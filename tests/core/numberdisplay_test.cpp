// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The coilcalc developers
// Number display: the 18-digit rendition, rounded on its 16th digit, laid out in fixed or
// scientific notation with the current separator.
#include <gtest/gtest.h>

#include "numtext/numbertext.h"

namespace {

const FormatSettings kComma{U','};

struct Shown {
  Number value;
  const char* text;
};

class NumberDisplay : public testing::TestWithParam<Shown> {};

TEST_P(NumberDisplay, ShowsFifteenDigits) {
  EXPECT_EQ(NumberToText(GetParam().value, kComma), GetParam().text) << GetParam().value;
}

INSTANTIATE_TEST_SUITE_P(
    Basic, NumberDisplay,
    testing::Values(Shown{0.0, "0"}, Shown{-0.0, "0"}, Shown{0.5, "0,5"}, Shown{-2.5, "-2,5"},
                    Shown{12.5, "12,5"}, Shown{2500, "2500"}, Shown{1234567.5, "1234567,5"},
                    Shown{123456789012345.0, "123456789012345"},
                    Shown{1234567890123456.0, "1,23456789012346E15"},
                    Shown{999999999999999.9, "1E15"}, Shown{1e15, "1E15"},
                    Shown{123456789012345678.0, "1,23456789012346E17"}, Shown{1e21, "1E21"},
                    Shown{0.0001, "0,0001"}, Shown{0.00015, "0,00015"}, Shown{0.00001, "1E-5"},
                    Shown{1.5e-5, "1,5E-5"}, Shown{1.0 / 3, "0,333333333333333"},
                    Shown{2.0 / 3, "0,666666666666667"}, Shown{100.0 / 3, "33,3333333333333"},
                    Shown{2.0 / 3 * 1e-7, "6,66666666666667E-8"}, Shown{0.1 + 0.2, "0,3"},
                    Shown{1.4142135623730951, "1,4142135623731"}, Shown{-1e-300, "-1E-300"},
                    Shown{1e100, "1E100"}, Shown{5e-324, "4,94065645841247E-324"},
                    Shown{1.7976931348623157e308, "1,79769313486232E308"}));

// Only the 16th raw digit decides: these round up where the exact value would round down.
INSTANTIATE_TEST_SUITE_P(SixteenthDigit, NumberDisplay,
                         testing::Values(Shown{0.4348967899677465, "0,434896789967747"},
                                         Shown{11037.20006864465, "11037,2000686447"}));

TEST(NumberDisplay, SpecialValues) {
  const Number inf = __builtin_inf();
  EXPECT_EQ(NumberToText(inf, kComma), "INF");
  EXPECT_EQ(NumberToText(-inf, kComma), "-INF");
  EXPECT_EQ(NumberToText(__builtin_nan(""), kComma), "NAN");
  // Extended subnormals and pseudo-denormals show as zero; unnormals as NAN.
  EXPECT_EQ(NumberToText(FromBits({0x0000, 1}), kComma), "0");
  EXPECT_EQ(NumberToText(FromBits({0x8000, 0x8000000000000000ULL}), kComma), "0");
  EXPECT_EQ(NumberToText(FromBits({0x3FFF, 0x4000000000000000ULL}), kComma), "NAN");
  EXPECT_EQ(NumberToText(FromBits({0x7FFF, 0}), kComma), "NAN");
}

TEST(NumberDisplay, ExtendedRangeAndSeparator) {
  EXPECT_EQ(NumberToText(NumberFromText("1e4000", kComma), kComma), "1E4000");
  EXPECT_EQ(NumberToText(NumberFromText("-2,5e-4000", kComma), kComma), "-2,5E-4000");
  EXPECT_EQ(NumberToText(12.5, FormatSettings{U'.'}), "12.5");
  EXPECT_EQ(NumberToText(12.5, FormatSettings{U'\u066B'}), "12\u066B5");
}

TEST(NumberDisplay, KeepsFifteenDigitsWhereTheExponentEstimateIsHigh) {
  // Just above 2^-681 (9.96719495109756974...E-206) the decimal exponent estimate is one too
  // high, so the 18-digit rendition starts with a zero; the text must still carry 15 significant
  // digits rather than "0,99671949510976E-205".
  EXPECT_EQ(NumberToText(0x1.0000000000001p-681, kComma), "9,96719495109757E-206");
}

}  // namespace
