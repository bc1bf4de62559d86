// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The coilcalc developers
#include "numtext/ext.h"

namespace {

bool isNan(long double v) { return __builtin_isnan(v); }
bool isFinite(long double v) { return __builtin_isfinite(v); }

// Turns the value of one operation into the fault its operands and result show.
Ext checked(long double result, long double a, long double b) {
  if (isNan(result) && !isNan(a) && !isNan(b)) throw EInvalidOp();
  if (!isFinite(result) && !isNan(result) && isFinite(a) && isFinite(b)) throw EOverflow();
  return Ext(result);
}

}  // namespace

Ext operator+(Ext a, Ext b) { return checked(a.v_ + b.v_, a.v_, b.v_); }
Ext operator-(Ext a, Ext b) { return checked(a.v_ - b.v_, a.v_, b.v_); }
Ext operator*(Ext a, Ext b) { return checked(a.v_ * b.v_, a.v_, b.v_); }

Ext operator/(Ext a, Ext b) {
  if (b.v_ == 0.0L && !isNan(a.v_)) {
    if (a.v_ == 0.0L) throw EInvalidOp();
    if (isFinite(a.v_)) throw EZeroDivide();
  }
  return checked(a.v_ / b.v_, a.v_, b.v_);
}

Number toNumber(Ext x) {
  const long double v = x.value();
  const double d = static_cast<double>(v);
  if (!__builtin_isfinite(d) && isFinite(v)) throw EOverflow();
  return d;
}

Ext sqrt(Ext x) {
  const long double v = x.value();
  if (v < 0.0L) throw EInvalidOp();
  if (v == 0.0L) return x;  // keeps the sign of -0
  return Ext(__builtin_sqrtl(v));
}

Ext log10(Ext x) {
  const long double v = x.value();
  if (v == 0.0L) throw EZeroDivide();
  if (v < 0.0L) throw EInvalidOp();
  long double r;
  // ST(1) * log2(ST(0)) with ST(1) = log10(2): one extended operation of the unit.
  asm("fldlg2\n\tfxch\n\tfyl2x" : "=t"(r) : "0"(v) : "st(1)");
  return Ext(r);
}

Ext abs(Ext x) { return Ext(__builtin_fabsl(x.value())); }
