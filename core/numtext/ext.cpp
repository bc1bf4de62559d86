// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The coilcalc developers
// The faults of checked extended arithmetic, the same over both backends.
#include "numtext/ext.h"

namespace {

// Turns the value of one operation into the fault its operands and result show.
Ext checked(const Ext& result, const Ext& a, const Ext& b) {
  if (isNan(result) && !isNan(a) && !isNan(b)) throw EInvalidOp();
  if (!isFinite(result) && !isNan(result) && isFinite(a) && isFinite(b)) throw EOverflow();
  return result;
}

}  // namespace

Ext operator+(Ext a, Ext b) { return checked(maskedAdd(a, b), a, b); }
Ext operator-(Ext a, Ext b) { return checked(maskedSub(a, b), a, b); }
Ext operator*(Ext a, Ext b) { return checked(maskedMul(a, b), a, b); }

Ext operator/(Ext a, Ext b) {
  const Ext zero;
  if (b == zero && !isNan(a)) {
    if (a == zero) throw EInvalidOp();
    if (isFinite(a)) throw EZeroDivide();
  }
  return checked(maskedDiv(a, b), a, b);
}

Number toNumber(Ext x) {
  const Number d = maskedToNumber(x);
  if (!__builtin_isfinite(d) && isFinite(x)) throw EOverflow();
  return d;
}

Ext sqrt(Ext x) {
  const Ext zero;
  if (x < zero) throw EInvalidOp();
  if (x == zero) return x;  // keeps the sign of -0
  return maskedSqrt(x);
}

Ext log10(Ext x) {
  const Ext zero;
  if (x == zero) throw EZeroDivide();
  if (x < zero) throw EInvalidOp();
  return maskedLog10(x);
}
