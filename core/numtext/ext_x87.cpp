// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The coilcalc developers
// The x87 backend of Ext: a long double, every operation one instruction of the unit.
#include <cstring>

#include "numtext/ext.h"

static_assert(sizeof(long double) >= 10, "the x87 80-bit format");

// The pattern lies in the first ten bytes, in the machine's (little-endian) order.
ExtBits Ext::bits() const {
  unsigned char raw[sizeof(long double)];
  std::memcpy(raw, &v_, sizeof raw);
  ExtBits bits{};
  std::memcpy(&bits.significand, raw, 8);
  std::memcpy(&bits.signExponent, raw + 8, 2);
  return bits;
}

Ext Ext::fromBits(ExtBits bits) {
  unsigned char raw[sizeof(long double)] = {};
  std::memcpy(raw, &bits.significand, 8);
  std::memcpy(raw + 8, &bits.signExponent, 2);
  long double v;
  std::memcpy(&v, raw, sizeof v);
  return X87::of(v);
}

Ext maskedLog10(Ext x) {
  long double r;
  // ST(1) * log2(ST(0)) with ST(1) = log10(2): one extended operation of the unit.
  asm("fldlg2\n\tfxch\n\tfyl2x" : "=t"(r) : "0"(X87::v(x)) : "st(1)");
  return X87::of(r);
}
