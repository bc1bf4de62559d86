// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The coilcalc developers
#pragma once
// Checked extended arithmetic.
//
// Every quantity that a field holds or a computation keeps is a Number (double). Every
// intermediate result is an Ext: a binary float with a 64-bit significand and the exponent range
// of the x87 80-bit format with its subnormals, rounded to nearest (ties to even) after each
// operation. An Ext becomes a Number only through toNumber(), at exactly the points where a
// computation rounds.
//
// Faults are found by checking values, not by traps, and are raised at the faulting operation:
//   NaN from non-NaN operands          -> EInvalidOp
//   x / 0 with x != 0                  -> EZeroDivide;  0 / 0 -> EInvalidOp
//   infinite result of finite operands -> EOverflow
//   toNumber() of a finite value beyond the double range -> EOverflow
//   sqrt(x < 0), log10(x < 0)          -> EInvalidOp;   log10(0) -> EZeroDivide
// Underflow stays silent.
//
// Two backends give the same bits. Where long double is the x87 format (GCC or Clang on x86-64
// and i386) an Ext is a long double and every operation one x87 instruction, the unit set to
// 64-bit precision (numtext/fpu.h). Everywhere else, and on x86 when configured with
// COILCALC_SOFT_EXTENDED=ON, an Ext holds the 80-bit pattern itself and each operation is done by
// GNU MPFR at 64 bits in the x87 exponent range (numtext/ext_soft.cpp). Nothing outside the
// backends sees a long double: decimal constants are written 0.394_ext, and the few exact helpers
// below (the bit pattern, power-of-two scaling, rounding to an integer) serve number text and the
// walks.
#include <cstdint>

#include "numtext/errors.h"

#if defined(COILCALC_SOFT_EXTENDED) && COILCALC_SOFT_EXTENDED
#define COILCALC_X87 0
#else
#include <cfloat>
#if !(defined(__x86_64__) || defined(__i386__)) || LDBL_MANT_DIG != 64 || !defined(__GNUC__)
#error "long double is not the x87 format here: configure with -DCOILCALC_SOFT_EXTENDED=ON"
#endif
#define COILCALC_X87 1
#endif

using Number = double;

// The x87 80-bit pattern of an extended value: the sign and the biased exponent (bias 16383) in
// 16 bits, then the 64-bit significand with its explicit integer bit.
struct ExtBits {
  unsigned short signExponent;
  unsigned long long significand;
};

class Ext;
namespace extliteral {
template <char... C>
struct Decimal;
}  // namespace extliteral

class Ext {
 public:
  constexpr Ext() = default;
  // Exact. Implicit, so that formulas read like the mathematics: 0.394_ext * r * r, where r is a
  // Number, is an Ext product.
#if COILCALC_X87
  constexpr Ext(Number v) : v_(v) {}  // NOLINT(google-explicit-constructor)
#else
  Ext(Number v);  // NOLINT(google-explicit-constructor)
#endif
  Ext(int v) : Ext(static_cast<Number>(v)) {}  // NOLINT(google-explicit-constructor)
  // A long double would be rounded a second time where it is wider than 64 bits: write a decimal
  // constant as 0.394_ext.
  Ext(long double) = delete;
  // Exact for every 64-bit count.
  static Ext fromInteger(std::uint64_t n);
  static Ext fromBits(ExtBits bits);
  ExtBits bits() const;

  friend Ext operator+(Ext a, Ext b);
  friend Ext operator-(Ext a, Ext b);
  friend Ext operator*(Ext a, Ext b);
  friend Ext operator/(Ext a, Ext b);

#if COILCALC_X87
  friend constexpr Ext operator-(Ext a) { return Ext(Raw{}, -a.v_); }
  friend bool operator<(Ext a, Ext b) { return a.v_ < b.v_; }
  friend bool operator>(Ext a, Ext b) { return a.v_ > b.v_; }
  friend bool operator<=(Ext a, Ext b) { return a.v_ <= b.v_; }
  friend bool operator>=(Ext a, Ext b) { return a.v_ >= b.v_; }
  friend bool operator==(Ext a, Ext b) { return a.v_ == b.v_; }
  friend bool operator!=(Ext a, Ext b) { return a.v_ != b.v_; }
#else
  friend constexpr Ext operator-(Ext a) {
    return Ext(
        ExtBits{static_cast<unsigned short>(a.bits_.signExponent ^ 0x8000u), a.bits_.significand});
  }
  friend bool operator<(Ext a, Ext b);
  friend bool operator>(Ext a, Ext b);
  friend bool operator<=(Ext a, Ext b);
  friend bool operator>=(Ext a, Ext b);
  friend bool operator==(Ext a, Ext b);
  friend bool operator!=(Ext a, Ext b);
#endif

 private:
#if COILCALC_X87
  struct Raw {};
  constexpr Ext(Raw, long double v) : v_(v) {}
  friend constexpr Ext operator""_ext(long double v);
  friend struct X87;
  long double v_ = 0.0L;
#else
  constexpr explicit Ext(ExtBits bits) : bits_(bits) {}
  template <char... C>
  friend struct extliteral::Decimal;
  friend struct Soft;
  ExtBits bits_{0, 0};
#endif
};

// The operations with every fault masked, as the checked ones use them and number entry needs
// them: an overflow gives an infinity, an invalid operation a NaN. maskedLog10 wants x > 0;
// maskedToNumber gives an infinity where a finite value leaves the double range. abs(x) is |x|,
// exact.
#if COILCALC_X87
// One instruction each; the unit rounds to 64 bits and masks every fault (numtext/fpu.h).
struct X87 {
  static long double v(Ext x) { return x.v_; }
  static Ext of(long double v) { return Ext(Ext::Raw{}, v); }
};
inline Ext maskedAdd(Ext a, Ext b) { return X87::of(X87::v(a) + X87::v(b)); }
inline Ext maskedSub(Ext a, Ext b) { return X87::of(X87::v(a) - X87::v(b)); }
inline Ext maskedMul(Ext a, Ext b) { return X87::of(X87::v(a) * X87::v(b)); }
inline Ext maskedDiv(Ext a, Ext b) { return X87::of(X87::v(a) / X87::v(b)); }
inline Ext maskedSqrt(Ext x) { return X87::of(__builtin_sqrtl(X87::v(x))); }
Ext maskedLog10(Ext x);
inline Number maskedToNumber(Ext x) { return static_cast<Number>(X87::v(x)); }
inline bool isNan(Ext x) { return __builtin_isnan(X87::v(x)); }
inline bool isFinite(Ext x) { return __builtin_isfinite(X87::v(x)); }
inline Ext abs(Ext x) { return X87::of(__builtin_fabsl(X87::v(x))); }
#else
Ext maskedAdd(Ext a, Ext b);
Ext maskedSub(Ext a, Ext b);
Ext maskedMul(Ext a, Ext b);
Ext maskedDiv(Ext a, Ext b);
Ext maskedSqrt(Ext x);
Ext maskedLog10(Ext x);
Number maskedToNumber(Ext x);
bool isNan(Ext x);
bool isFinite(Ext x);
Ext abs(Ext x);
#endif

// Rounds to the nearest double (ties to even, double subnormals included); EOverflow when a
// finite value leaves the range.
Number toNumber(Ext x);
// The square root, rounded once; sqrt(-0) is -0.
Ext sqrt(Ext x);
// log10(2) * log2(x), log10(2) rounded to 64 bits. The x87 backend takes the unit's instruction
// pair fldlg2; fyl2x, which is within about one unit of the last place; the software backend
// rounds the exact product once.
Ext log10(Ext x);
// Exact helpers:
//   ldexp(x, n)       x * 2^n; rounded (quietly) only where the result leaves the range.
//   rint(x)           the integer nearest to x, ties to even.
//   truncToUint64(x)  x without its fraction, for 0 <= x < 2^64.
//   ilogb(x)          the exponent e with 2^e <= |x| < 2^(e+1), for finite x other than zero.
#if COILCALC_X87
inline Ext Ext::fromInteger(std::uint64_t n) { return X87::of(static_cast<long double>(n)); }
inline Ext ldexp(Ext x, int n) { return X87::of(__builtin_ldexpl(X87::v(x), n)); }
inline Ext rint(Ext x) { return X87::of(__builtin_rintl(X87::v(x))); }  // the unit's mode
inline std::uint64_t truncToUint64(Ext x) { return static_cast<std::uint64_t>(X87::v(x)); }
inline int ilogb(Ext x) { return __builtin_ilogbl(X87::v(x)); }
#else
Ext ldexp(Ext x, int n);
Ext rint(Ext x);
std::uint64_t truncToUint64(Ext x);
int ilogb(Ext x);
#endif

// The bit pattern, as Ext::bits() and Ext::fromBits() give and take it.
inline ExtBits BitsOf(Ext x) { return x.bits(); }
inline Ext FromBits(ExtBits bits) { return Ext::fromBits(bits); }

#if COILCALC_X87

// The compiler rounds a long double literal once, to the nearest x87 value.
constexpr Ext operator""_ext(long double v) { return Ext(Ext::Raw{}, v); }

#else

namespace extliteral {

// Rounding a decimal literal to the nearest 64-bit value at compile time, with integers of 256
// bits in 32-bit words (least significant first): enough for up to 38 significant digits and a
// decimal exponent of at most 38 either way, far more than the formulas' constants need.
struct Wide {
  std::uint32_t w[8] = {};
};
constexpr int kWideBits = 256;

constexpr bool Bit(const Wide& a, int i) { return (a.w[i / 32] >> (i % 32)) & 1u; }
constexpr int BitLength(const Wide& a) {
  for (int k = 7; k >= 0; --k)
    for (int i = 31; i >= 0; --i)
      if ((a.w[k] >> i) & 1u) return 32 * k + i + 1;
  return 0;
}
constexpr Wide MulAdd(Wide a, std::uint32_t m, std::uint32_t add) {
  std::uint64_t carry = add;
  for (std::uint32_t& word : a.w) {
    const std::uint64_t t = std::uint64_t{word} * m + carry;
    word = static_cast<std::uint32_t>(t);
    carry = t >> 32;
  }
  if (carry != 0) throw "decimal constant too large";
  return a;
}
constexpr Wide ShiftLeft(Wide a, int n) {
  if (BitLength(a) + n > kWideBits) throw "decimal constant too large";
  Wide r;
  const int words = n / 32, bits = n % 32;
  for (int k = 7; k >= words; --k) {
    r.w[k] = a.w[k - words] << bits;
    if (bits != 0 && k > words) r.w[k] |= a.w[k - words - 1] >> (32 - bits);
  }
  return r;
}
constexpr bool Less(const Wide& a, const Wide& b) {
  for (int k = 7; k >= 0; --k)
    if (a.w[k] != b.w[k]) return a.w[k] < b.w[k];
  return false;
}
constexpr Wide Sub(Wide a, const Wide& b) {
  std::int64_t borrow = 0;
  for (int k = 0; k < 8; ++k) {
    const std::int64_t t = std::int64_t{a.w[k]} - b.w[k] - borrow;
    borrow = t < 0;
    a.w[k] = static_cast<std::uint32_t>(t);
  }
  return a;
}

// num / den rounded to 64 bits, ties to even, as a normal extended value times 2^-scale.
constexpr ExtBits Quotient(const Wide& num, const Wide& den) {
  // First s with num * 2^s / den at or above 2^63; the quotient then lies below 2^64.
  int s = 63 - BitLength(num) + BitLength(den) - 1;
  for (;;) {
    Wide n = s >= 0 ? ShiftLeft(num, s) : num, d = s >= 0 ? den : ShiftLeft(den, -s);
    Wide q, r;
    for (int i = BitLength(n) - 1; i >= 0; --i) {
      r = ShiftLeft(r, 1);
      if (Bit(n, i)) r.w[0] |= 1u;
      q = ShiftLeft(q, 1);
      if (!Less(r, d)) {
        r = Sub(r, d);
        q.w[0] |= 1u;
      }
    }
    if (BitLength(q) < 64) {
      ++s;
      continue;
    }
    std::uint64_t m = (std::uint64_t{q.w[1]} << 32) | q.w[0];
    const Wide twice = ShiftLeft(r, 1);
    if (Less(d, twice) || (!Less(twice, d) && (m & 1u) != 0)) {
      if (++m == 0) {
        m = std::uint64_t{1} << 63;
        --s;
      }
    }
    const int biased = 16383 + 63 - s;
    if (biased < 1 || biased > 0x7FFE) throw "decimal constant outside the normal range";
    return {static_cast<unsigned short>(biased), m};
  }
}

template <char... C>
constexpr ExtBits Parse() {
  const char text[] = {C..., '\0'};
  Wide digits;
  int fraction = 0, significant = 0, exponent = 0, exponentSign = 1, k = 0;
  bool point = false;
  for (; text[k] != '\0' && text[k] != 'e' && text[k] != 'E'; ++k) {
    if (text[k] == '.') {
      point = true;
    } else if (text[k] >= '0' && text[k] <= '9') {
      if (significant > 0 || text[k] != '0') ++significant;
      digits = MulAdd(digits, 10, static_cast<std::uint32_t>(text[k] - '0'));
      if (point) ++fraction;
    } else if (text[k] != '\'') {
      throw "not a decimal constant";
    }
  }
  if (text[k] != '\0') {
    ++k;
    if (text[k] == '-' || text[k] == '+') exponentSign = text[k++] == '-' ? -1 : 1;
    for (; text[k] != '\0'; ++k) exponent = exponent * 10 + (text[k] - '0');
  }
  const int power = exponentSign * exponent - fraction;
  if (significant > 38 || power > 38 || power < -38) throw "decimal constant out of reach";
  if (significant == 0) return {0, 0};
  Wide one;
  one.w[0] = 1;
  Wide num = digits, den = one;
  for (int p = 0; p < (power < 0 ? -power : power); ++p)
    (power < 0 ? den : num) = MulAdd(power < 0 ? den : num, 10, 0);
  return Quotient(num, den);
}

template <char... C>
struct Decimal {
  static constexpr Ext value = Ext(Parse<C...>());
};

}  // namespace extliteral

// The extended value nearest to the decimal written, rounded once at compile time.
template <char... C>
constexpr Ext operator""_ext() {
  return extliteral::Decimal<C...>::value;
}

#endif
