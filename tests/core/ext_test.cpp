// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The coilcalc developers
// Checked extended arithmetic: each fault raised by the operation that causes it, with its kind
// and message; exact x87 rounding where it matters. The expected bit patterns are the x87 unit's:
// both backends must give them.
#include "numtext/ext.h"

#include <cmath>
#include <cstdio>
#include <functional>
#include <gtest/gtest.h>

#include "numtext/apptitle.h"
#include "numtext/fpu.h"
#include "numtext/numbertext.h"

namespace {

std::string Hex(Ext x) {
  char text[32];
  std::snprintf(text, sizeof text, "%04X:%016llX", BitsOf(x).signExponent, BitsOf(x).significand);
  return text;
}

// A value of the extended range beyond the double one, as number entry reads it.
Ext Decimal(const char* text) { return NumberFromText(text, FormatSettings{U'.'}); }

struct Fault {
  const char* name;
  std::function<void()> operation;
  const char* kind;
  const char* message;
};

std::string KindOf(const std::function<void()>& op) {
  try {
    op();
  } catch (const EInvalidOp&) {
    return "EInvalidOp";
  } catch (const EZeroDivide&) {
    return "EZeroDivide";
  } catch (const EOverflow&) {
    return "EOverflow";
  }
  return "none";
}

const Ext kMaxExt = FromBits({0x7FFE, 0xFFFFFFFFFFFFFFFFULL});

TEST(Ext, FaultKinds) {
  const Fault faults[] = {
      {"0/0", [] { Ext(0.0) / Ext(0.0); }, "EInvalidOp", "Invalid floating point operation"},
      {"1/0", [] { Ext(1.0) / Ext(0.0); }, "EZeroDivide", "Floating point division by zero"},
      {"-1/-0", [] { Ext(-1.0) / Ext(-0.0); }, "EZeroDivide", nullptr},
      {"sqrt(-1)", [] { sqrt(Ext(-1.0)); }, "EInvalidOp", nullptr},
      {"log10(-1)", [] { log10(Ext(-1.0)); }, "EInvalidOp", nullptr},
      {"log10(0)", [] { log10(Ext(0.0)); }, "EZeroDivide", nullptr},
      {"log10(-0)", [] { log10(Ext(-0.0)); }, "EZeroDivide", nullptr},
      {"max*2", [] { Ext(kMaxExt) * 2; }, "EOverflow", "Floating point overflow"},
      {"max+max", [] { Ext(kMaxExt) + kMaxExt; }, "EOverflow", nullptr},
      {"max/0.5", [] { Ext(kMaxExt) / 0.5; }, "EOverflow", nullptr},
      {"store 1e309", [] { toNumber(Decimal("1e309")); }, "EOverflow", nullptr},
      {"store -1e309", [] { toNumber(Decimal("-1e309")); }, "EOverflow", nullptr},
      {"tiny*tiny", [] { toNumber(Decimal("1e-4000") * Decimal("1e-4000")); }, "none", nullptr},
      {"store 1e-400", [] { toNumber(Decimal("1e-400")); }, "none", nullptr},
      {"sqrt(-0)", [] { sqrt(Ext(-0.0)); }, "none", nullptr},
      {"store just below the rounding edge",  // 0x1.fffffffffffff7fep1023
       [] {
         toNumber(FromBits({0x43FE, 0xFFFFFFFFFFFFFBFFULL}));
       },
       "none", nullptr},
  };
  for (const Fault& f : faults) {
    EXPECT_EQ(KindOf(f.operation), f.kind) << f.name;
    if (f.message == nullptr) continue;
    try {
      f.operation();
    } catch (const Exception& e) {
      EXPECT_EQ(e.message(), f.message) << f.name;
    }
  }
}

TEST(Ext, KindsShareTheirBases) {
  EXPECT_THROW(Ext(1.0) / 0.0, EMathError);
  EXPECT_THROW(Ext(1.0) / 0.0, EExternal);
  EXPECT_THROW(Ext(1.0) / 0.0, Exception);
  EXPECT_STREQ(EUnderflow().what(), "Floating point underflow");
  EXPECT_STREQ(EZeroDivide().className(), "EZeroDivide");
}

TEST(Ext, SquareRootOfNegativeZeroKeepsItsSign) {
  EXPECT_EQ(Hex(sqrt(Ext(-0.0))), "8000:0000000000000000");
}

TEST(Ext, ExtendedIntermediatesDifferFromDouble) {
  // 0.1 + 0.2 stays extended until it is stored; in double it would be 0.30000000000000004.
  EXPECT_EQ(toNumber(0.1_ext + 0.2_ext), 0.3);
  EXPECT_NE(0.1 + 0.2, 0.3);
  // The extended value nearest 0.394 is not the double nearest 0.394.
  EXPECT_NE(Ext(0.394), 0.394_ext);
}

TEST(Ext, Log10IsTheUnitsInstruction) {
  // log2(2) is exactly 1, so log10(2) is the unit's extended constant lg2 itself.
  const Ext lg2 = FromBits({0x3FFD, 0x9A209A84FBCFF799ULL});
  EXPECT_EQ(Hex(log10(Ext(2.0))), Hex(lg2));
  EXPECT_EQ(Hex(log10(Ext(1.0))), "0000:0000000000000000");
  EXPECT_EQ(Hex(log10(ldexp(Ext(1), -16000))), Hex(-16000 * lg2));
}

// Roundings where a backend could go wrong: ties, results that turn subnormal (one rounding, not
// one to 64 bits and another to the subnormal's shorter significand), exact helpers.
TEST(Ext, RoundsOnceToNearestEven) {
  const Ext one = 1, ulpBelowOne = ldexp(one, -64);
  const Ext minNormal = FromBits({0x0001, 0x8000000000000000ULL});
  const Ext minSubnormal = FromBits({0x0000, 0x0000000000000001ULL});
  const struct {
    const char* name;
    Ext result;
    const char* bits;
  } rows[] = {
      {"1 + half an ulp: tie to even", one + ulpBelowOne, "3FFF:8000000000000000"},
      {"1 + 3/2 ulp: tie to even", one + 3 * ulpBelowOne, "3FFF:8000000000000002"},
      {"2/3", Ext(2) / 3, "3FFE:AAAAAAAAAAAAAAAB"},
      {"min normal / 2", minNormal / 2, "0000:4000000000000000"},
      {"min subnormal / 2: tie to zero", minSubnormal / 2, "0000:0000000000000000"},
      {"3 min subnormal / 2: tie to even", 3 * minSubnormal / 2, "0000:0000000000000002"},
      {"min subnormal * 0.75", minSubnormal * 0.75, "0000:0000000000000001"},
      {"just below the subnormal tie",
       FromBits({0x0001, 0x8000000000000001ULL}) * FromBits({0x3FFE, 0xFFFFFFFFFFFFFFFDULL}),
       "0000:7FFFFFFFFFFFFFFF"},
      {"subnormal / 3", FromBits({0x0000, 0x8000000000000000ULL}) / 3, "0000:2AAAAAAAAAAAAAAB"},
      {"sqrt(2)", sqrt(Ext(2)), "3FFF:B504F333F9DE6484"},
      {"sqrt(min subnormal)", sqrt(minSubnormal), "1FE0:B504F333F9DE6484"},
      {"max * 2, masked", maskedMul(FromBits({0x7FFE, ~0ULL}), 2), "7FFF:8000000000000000"},
      {"rint(2.5)", rint(2.5), "4000:8000000000000000"},
      {"rint(3.5)", rint(3.5), "4001:8000000000000000"},
      {"rint(-0.25)", rint(-0.25), "8000:0000000000000000"},
      {"2^64 - 1", Ext::fromInteger(~0ULL), "403E:FFFFFFFFFFFFFFFF"},
  };
  for (const auto& row : rows) EXPECT_EQ(Hex(row.result), row.bits) << row.name;
  EXPECT_EQ(truncToUint64(FromBits({0x403E, ~0ULL})), ~0ULL);
  EXPECT_EQ(truncToUint64(2.75), 2u);
  EXPECT_EQ(ilogb(minSubnormal), -16445);
}

TEST(Ext, StoresRoundOnceToTheNearestDouble) {
  const Ext minDouble = 0x1p-1074, half = 0x1p-53;
  const struct {
    const char* name;
    Ext value;
    Number stored;
  } rows[] = {
      {"half the smallest subnormal: tie to zero", minDouble / 2, 0.0},
      {"just above it", minDouble / 2 * (1 + half), 0x1p-1074},
      {"1.5 subnormal units: tie to even", minDouble * 1.5, 0x1p-1073},
      {"1 + half a unit: tie to even", 1 + half, 1.0},
      {"just above it", 1 + half + ldexp(half, -10), 1 + 0x1p-52},
      {"-0", -Ext(0.0), -0.0},
  };
  for (const auto& row : rows) {
    EXPECT_EQ(toNumber(row.value), row.stored) << row.name;
    EXPECT_EQ(std::signbit(toNumber(row.value)), std::signbit(row.stored)) << row.name;
  }
}

// Each decimal constant of the formulas and the searches is the extended value nearest to it:
// on the x87 backend as the compiler rounds the literal, on the software one as rounded at
// compile time from its digits.
TEST(Ext, DecimalConstantsAreTheNearestExtendedValues) {
  const struct {
    const char* text;
    Ext value;
    const char* bits;
  } rows[] = {
      {"0.394", 0.394_ext, "3FFD:C9BA5E353F7CED91"},
      {"0.315", 0.315_ext, "3FFD:A147AE147AE147AE"},
      {"8.66", 8.66_ext, "4002:8A8F5C28F5C28F5C"},
      {"19.88", 19.88_ext, "4003:9F0A3D70A3D70A3D"},
      {"0.841", 0.841_ext, "3FFE:D74BC6A7EF9DB22D"},
      {"3.8", 3.8_ext, "4000:F333333333333333"},
      {"0.1", 0.1_ext, "3FFB:CCCCCCCCCCCCCCCD"},
      {"0.01", 0.01_ext, "3FF8:A3D70A3D70A3D70A"},
      {"0.001", 0.001_ext, "3FF5:83126E978D4FDF3B"},
      {"0.0001", 0.0001_ext, "3FF1:D1B71758E219652C"},
      {"0.00001", 0.00001_ext, "3FEE:A7C5AC471B478423"},
      // Either side of 1 + 2^-64, halfway between two extended values; the ends of the reach.
      {"1 + 2^-64, a little less", 1.0000000000000000000542101086242752217_ext,
       "3FFF:8000000000000000"},
      {"1 + 2^-64, a little more", 1.0000000000000000000542101086242752218_ext,
       "3FFF:8000000000000001"},
      {"1e38", 1e38_ext, "407D:96769950B50D88F4"},
      {"1e-38", 1e-38_ext, "3F80:D9C7DCED53C72256"},
  };
  for (const auto& row : rows) EXPECT_EQ(Hex(row.value), row.bits) << row.text;
}

// The x87 instruction and the correctly rounded product differ in the last bit for about one
// argument in fifty; the software backend gives the latter.
TEST(Ext, Log10OfEachBackend) {
  const struct {
    Number x;
    const char* x87;
    const char* correctlyRounded;
  } rows[] = {
      {0x1.bca9691a75cd1p-1, "BFFA:FAD6FB33DE9484A3", "BFFA:FAD6FB33DE9484A4"},
      {0x1.6354d565b2709p+9, "4000:B681A7E000A81C9F", "4000:B681A7E000A81C9E"},
      {3, "3FFD:F4493CB27EAFE847", "3FFD:F4493CB27EAFE847"},
  };
  for (const auto& row : rows)
    EXPECT_EQ(Hex(log10(Ext(row.x))), COILCALC_X87 ? row.x87 : row.correctlyRounded) << row.x;
}

TEST(Fpu, InitLoadsTheStartupControlWord) {
#if !COILCALC_X87
  GTEST_SKIP() << "the software backend of Ext sets up no x87 unit";
#else
  InitFpu();
  EXPECT_EQ(CurrentFpuControlWord(), StartupFpuControlWord());
  EXPECT_EQ(StartupFpuControlWord() & 0x0300, 0x0300);  // 64-bit precision
  EXPECT_EQ(StartupFpuControlWord() & 0x0C00, 0x0000);  // round to nearest
  EXPECT_EQ(StartupFpuControlWord() & 0x003F, 0x003F);  // every exception masked
#endif
}

TEST(ErrorBoxText, AppendsAPeriodAfterALetter) {
  const std::pair<const char*, const char*> cases[] = {
      {"Floating point overflow", "Floating point overflow."},
      {"'' is not a valid floating point value", "'' is not a valid floating point value."},
      {"Диаметр провода не может быть равен нулю !", "Диаметр провода не может быть равен нулю !"},
      {"ends with a period.", "ends with a period."},
      {"ends with a paren)", "ends with a paren)"},
      {"ends with a comma,", "ends with a comma,"},
      {"ends with a dash-", "ends with a dash-"},
      {"ends with a space ", "ends with a space "},
      {"ends with a digit 7", "ends with a digit 7."},
      {"ends in Cyrillic я", "ends in Cyrillic я."},
      {"", ""},
  };
  for (const auto& [message, shown] : cases) EXPECT_EQ(ErrorBoxText(message), shown) << message;
}

TEST(ApplicationTitle, FromTheExecutableName) {
  const std::pair<const char*, const char*> cases[] = {
      {"CALC.EXE", "Calc"},
      {"coil.calc.exe", "coil"},
      {"/usr/bin/coilcalc", "coilcalc"},
      {"C:\\Program Files\\COILCALC.exe", "Coilcalc"},
      {"./CoilCalc", "Coilcalc"},
      {"", ""},
  };
  for (const auto& [path, title] : cases) EXPECT_EQ(ApplicationTitle(path), title) << path;
}

}  // namespace
