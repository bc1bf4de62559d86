// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The coilcalc developers
// Checked extended arithmetic: each fault raised by the operation that causes it, with its kind
// and message; exact x87 rounding where it matters.
#include <gtest/gtest.h>

#include <functional>

#include "numtext/apptitle.h"
#include "numtext/ext.h"
#include "numtext/fpu.h"

namespace {

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

const long double kMaxExt = __LDBL_MAX__;

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
      {"max/0.5", [] { Ext(kMaxExt) / 0.5L; }, "EOverflow", nullptr},
      {"store 1e309", [] { toNumber(Ext(1e309L)); }, "EOverflow", nullptr},
      {"store -1e309", [] { toNumber(Ext(-1e309L)); }, "EOverflow", nullptr},
      {"tiny*tiny", [] { toNumber(Ext(1e-4000L) * 1e-4000L); }, "none", nullptr},
      {"store 1e-400", [] { toNumber(Ext(1e-400L)); }, "none", nullptr},
      {"sqrt(-0)", [] { sqrt(Ext(-0.0)); }, "none", nullptr},
      {"store just below the rounding edge", [] { toNumber(Ext(0x1.fffffffffffff7fep1023L)); },
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
  EXPECT_THROW(Ext(1.0) / 0.0L, EMathError);
  EXPECT_THROW(Ext(1.0) / 0.0L, EExternal);
  EXPECT_THROW(Ext(1.0) / 0.0L, Exception);
  EXPECT_STREQ(EUnderflow().what(), "Floating point underflow");
  EXPECT_STREQ(EZeroDivide().className(), "EZeroDivide");
}

TEST(Ext, SquareRootOfNegativeZeroKeepsItsSign) {
  EXPECT_TRUE(__builtin_signbit(sqrt(Ext(-0.0)).value()));
}

TEST(Ext, ExtendedIntermediatesDifferFromDouble) {
  // 0.1 + 0.2 stays extended until it is stored; in double it would be 0.30000000000000004.
  EXPECT_EQ(toNumber(Ext(0.1L) + 0.2L), 0.3);
  EXPECT_NE(0.1 + 0.2, 0.3);
  // The extended value nearest 0.394 is not the double nearest 0.394.
  EXPECT_NE(static_cast<long double>(0.394), 0.394L);
}

TEST(Ext, Log10IsTheUnitsInstruction) {
  // log2(2) is exactly 1, so log10(2) is the unit's extended constant lg2 itself.
  EXPECT_EQ(log10(Ext(2.0L)).value(), 0x9A209A84FBCFF799p-65L);
  EXPECT_EQ(log10(Ext(1.0L)).value(), 0.0L);
  EXPECT_EQ(log10(Ext(0x1p-16000L)).value(), -16000 * 0x9A209A84FBCFF799p-65L);
}

TEST(Fpu, InitLoadsTheStartupControlWord) {
  InitFpu();
  EXPECT_EQ(CurrentFpuControlWord(), StartupFpuControlWord());
  EXPECT_EQ(StartupFpuControlWord() & 0x0300, 0x0300);  // 64-bit precision
  EXPECT_EQ(StartupFpuControlWord() & 0x0C00, 0x0000);  // round to nearest
  EXPECT_EQ(StartupFpuControlWord() & 0x003F, 0x003F);  // every exception masked
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
