// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The coilcalc developers
// Number entry: field text -> extended value, or the conversion error with the text intact.
#include <gtest/gtest.h>

#include "numtext/fpu.h"
#include "numtext/numbertext.h"

namespace {

const FormatSettings kComma{U','};
const FormatSettings kPoint{U'.'};

struct Valid {
  const char* text;
  Ext value;
};

class NumberEntryValid : public testing::TestWithParam<Valid> {};

TEST_P(NumberEntryValid, ReadsTheValue) {
  const Valid& c = GetParam();
  const Ext v = NumberFromText(c.text, kComma);
  EXPECT_TRUE(v == c.value) << c.text;
}

INSTANTIATE_TEST_SUITE_P(
    Basic, NumberEntryValid,
    testing::Values(Valid{"12,5", 12.5}, Valid{" -0,25 ", -0.25}, Valid{",5", 0.5},
                    Valid{"5,", 5.0}, Valid{"+7", 7.0}, Valid{"0005,500", 5.5},
                    Valid{"1e3", 1000.0}, Valid{"1,5e2", 150.0}, Valid{",", 0.0}, Valid{"1e", 1.0},
                    Valid{"1e+", 1.0}, Valid{"1e-", 1.0}, Valid{",e5", 0.0},
                    Valid{"   42   ", 42.0}, Valid{"1E+2", 100.0},
                    // 19 digits are exact in the accumulator.
                    Valid{"9223372036854775807", Ext::fromInteger(9223372036854775807ULL)}));

// Values that must come from the accumulator and the power factors, given as bit patterns.
struct Bits {
  const char* text;
  unsigned short signExponent;
  unsigned long long significand;
};

class NumberEntryBits : public testing::TestWithParam<Bits> {};

TEST_P(NumberEntryBits, ExactExtendedBits) {
  const Bits& c = GetParam();
  const ExtBits b = BitsOf(NumberFromText(c.text, kComma));
  EXPECT_EQ(b.signExponent, c.signExponent) << c.text;
  EXPECT_EQ(b.significand, c.significand) << c.text;
}

INSTANTIATE_TEST_SUITE_P(
    PowerFactors, NumberEntryBits,
    testing::Values(
        // 15 / 10^4: one division by the nearest extended 1e4.
        Bits{"1,5E-3", 0x3FF5, 0xC49BA5E353F7CED9ULL},
        // Halfway between two doubles once rounded to extended (see the store test below).
        Bits{"27271,634591", 0x400D, 0xD50F44E91C8EAC00ULL},
        Bits{"1e500", 0x467B, 0xF9B2FF649B8695D7ULL}, Bits{"-,", 0x8000, 0},
        Bits{"-0", 0x8000, 0}));

TEST(NumberEntry, HalfwayCaseStoresToTheEvenDouble) {
  // The decimal 27271.634591 lies nearer to 27271.6345909999981..., but its extended value is
  // exactly halfway between that double and the next, and the store takes the even one.
  EXPECT_EQ(toNumber(NumberFromText("27271,634591", kComma)), 27271.634591000001819);
  EXPECT_NE(toNumber(NumberFromText("27271,634591", kComma)), 27271.634591);
}

TEST(NumberEntry, TinyValuesUnderflowQuietlyAndHugeOnesOverflowOnTheStore) {
  EXPECT_TRUE(NumberFromText("1e-400", kComma) > 0);
  EXPECT_EQ(toNumber(NumberFromText("1e-400", kComma)), 0.0);
  EXPECT_TRUE(NumberFromText("1e-4999", kComma) == 0);
  // p <= -5120 gives zero without scaling.
  EXPECT_TRUE(NumberFromText("0," + std::string(5200, '0') + "1", kComma) == 0);
  EXPECT_THROW(toNumber(NumberFromText("1e500", kComma)), EOverflow);
  EXPECT_THROW(toNumber(NumberFromText("1e400", kComma)), EOverflow);
  EXPECT_EQ(toNumber(NumberFromText("1,7976931348623157e308", kComma)), 1.7976931348623157e308);
}

TEST(NumberEntry, LeavesTheUnitAsItFoundIt) {
#if !COILCALC_X87
  GTEST_SKIP() << "the software backend of Ext sets up no x87 unit";
#else
  InitFpu();
  for (const char* text : {"1e4999", "1e-4999", "1e500", "x"}) {
    try {
      NumberFromText(text, kComma);
    } catch (const EConvertError&) {
    }
    EXPECT_EQ(CurrentFpuControlWord(), StartupFpuControlWord()) << text;
  }
#endif
}

class NumberEntryInvalid : public testing::TestWithParam<std::string> {};

TEST_P(NumberEntryInvalid, ReportsTheTextExactly) {
  const std::string& text = GetParam();
  try {
    NumberFromText(text, kComma);
    FAIL() << "accepted '" << text << "'";
  } catch (const EConvertError& e) {
    EXPECT_EQ(e.message(), "'" + text + "' is not a valid floating point value");
  }
}

INSTANTIATE_TEST_SUITE_P(Rejected, NumberEntryInvalid,
                         testing::Values("", "  ", "12.5", "1 000", "1,2,3", "-", "+", "- 5",
                                         "5 e3", "e5", "12,5\t", "\t5", "1e4999", "1e5000",
                                         "1e9999", "--5", "5-", "0x10", "1,5e2,", "пять",
                                         "5\xC2\xA0", "1e5 0",
                                         // More digits than the extended range holds.
                                         std::string(5000, '9')));

TEST(NumberEntry, UsesOnlyTheCurrentSeparator) {
  EXPECT_TRUE(NumberFromText("12.5", kPoint) == 12.5);
  EXPECT_THROW(NumberFromText("12,5", kPoint), EConvertError);
  // A separator of several UTF-8 bytes (the Arabic decimal separator).
  const FormatSettings arabic{U'\u066B'};
  EXPECT_TRUE(NumberFromText("2\u066B5", arabic) == 2.5);
  EXPECT_THROW(NumberFromText("2\xD9", arabic), EConvertError);
}

}  // namespace
