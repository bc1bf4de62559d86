// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The coilcalc developers
#pragma once
// Checked extended arithmetic.
//
// Every quantity that a field holds or a computation keeps is a Number (double). Every
// intermediate result is an Ext: an x87 80-bit value with a 64-bit significand, rounded to
// nearest after each operation. An Ext becomes a Number only through toNumber(), at exactly the
// points where a computation rounds.
//
// Faults are found by checking values, not by traps, and are raised at the faulting operation:
//   NaN from non-NaN operands          -> EInvalidOp
//   x / 0 with x != 0                  -> EZeroDivide;  0 / 0 -> EInvalidOp
//   infinite result of finite operands -> EOverflow
//   toNumber() of a finite value beyond the double range -> EOverflow
//   sqrt(x < 0), log10(x < 0)          -> EInvalidOp;   log10(0) -> EZeroDivide
// Underflow stays silent.
#include <cfloat>

#include "numtext/errors.h"

static_assert(LDBL_MANT_DIG == 64, "coilcalc needs long double to be the x87 extended format");

using Number = double;

class Ext {
 public:
  constexpr Ext() = default;
  // Implicit from Numbers and long double literals, so formulas read like the mathematics:
  // 0.394L * r * r, where r is a Number, is an Ext product.
  constexpr Ext(long double v) : v_(v) {}  // NOLINT(google-explicit-constructor)
  constexpr long double value() const { return v_; }

  friend Ext operator+(Ext a, Ext b);
  friend Ext operator-(Ext a, Ext b);
  friend Ext operator*(Ext a, Ext b);
  friend Ext operator/(Ext a, Ext b);
  friend Ext operator-(Ext a) { return Ext(-a.v_); }

  friend bool operator<(Ext a, Ext b) { return a.v_ < b.v_; }
  friend bool operator>(Ext a, Ext b) { return a.v_ > b.v_; }
  friend bool operator<=(Ext a, Ext b) { return a.v_ <= b.v_; }
  friend bool operator>=(Ext a, Ext b) { return a.v_ >= b.v_; }
  friend bool operator==(Ext a, Ext b) { return a.v_ == b.v_; }
  friend bool operator!=(Ext a, Ext b) { return a.v_ != b.v_; }

 private:
  long double v_ = 0.0L;
};

// Rounds to the nearest double (ties to even); EOverflow when a finite value leaves the range.
Number toNumber(Ext x);
// The x87 fsqrt; sqrt(-0) is -0.
Ext sqrt(Ext x);
// log10(2) * log2(x) by the x87 instruction pair fldlg2; fyl2x.
Ext log10(Ext x);
// |x|, exact.
Ext abs(Ext x);
