// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The coilcalc developers
// The software backend of Ext: the x87 80-bit pattern, each operation done by GNU MPFR at 64 bits
// in the x87 exponent range with its subnormals, rounded once to nearest (ties to even). The
// operands live on the stack (MPFR's custom interface), so no operation allocates.
#include <cstdint>  // before mpfr.h, which then declares its uintmax_t functions
#define MPFR_USE_INTMAX_T 1
#include <cstring>
#include <mpfr.h>

#include "numtext/ext.h"

static_assert(GMP_NAIL_BITS == 0 && 64 % GMP_NUMB_BITS == 0, "64-bit significands in whole limbs");

// The pattern an Ext holds.
struct Soft {
  static ExtBits bits(Ext x) { return x.bits_; }
  static Ext of(ExtBits bits) { return Ext(bits); }
};

namespace {

constexpr mpfr_prec_t kPrecision = 64;
constexpr int kLimbs = 64 / GMP_NUMB_BITS;
// MPFR writes x = m * 2^e with 1/2 <= m < 1. The x87 normal values have e from -16381 to 16384;
// its subnormals reach down to 2^-16445, which is e = -16444.
constexpr mpfr_exp_t kEmin = -16444, kEmax = 16384, kNormalEmin = -16381;
constexpr int kBias = 16383;
constexpr unsigned kSign = 0x8000, kExponentMask = 0x7FFF;
constexpr unsigned long long kIntegerBit = 1ULL << 63;
// The unit's default NaN (the "real indefinite"), which an invalid operation gives.
constexpr ExtBits kDefaultNan{0xFFFF, 0xC000000000000000ULL};
// log10(2) rounded to 64 bits, as the x87 instruction fldlg2 loads it.
constexpr ExtBits kLog10Of2{0x3FFD, 0x9A209A84FBCFF799ULL};

// MPFR's exponent range set to the x87 one for a while, the thread's own restored afterwards.
class ExtendedRange {
 public:
  ExtendedRange() : emin_(mpfr_get_emin()), emax_(mpfr_get_emax()) {
    mpfr_set_emin(kEmin);
    mpfr_set_emax(kEmax);
  }
  ~ExtendedRange() {
    mpfr_set_emin(emin_);
    mpfr_set_emax(emax_);
  }
  ExtendedRange(const ExtendedRange&) = delete;
  ExtendedRange& operator=(const ExtendedRange&) = delete;

 private:
  mpfr_exp_t emin_, emax_;
};

// A 64-bit MPFR number in limbs of its own.
class Value {
 public:
  Value() { mpfr_custom_init_set(x_, MPFR_ZERO_KIND, 0, kPrecision, limbs_); }
  explicit Value(ExtBits b) {
    unsigned long long m = b.significand;
    const unsigned biased = b.signExponent & kExponentMask;
    int kind = MPFR_REGULAR_KIND;
    mpfr_exp_t e = 0;
    if (biased == kExponentMask) {
      kind = m == kIntegerBit ? MPFR_INF_KIND : MPFR_NAN_KIND;
    } else if (biased == 0) {
      // Subnormal (and pseudo-denormal): m * 2^-16445, normalized here.
      if (m == 0) {
        kind = MPFR_ZERO_KIND;
      } else {
        const int shift = __builtin_clzll(m);
        m <<= shift;
        e = kNormalEmin - shift;
      }
    } else if ((m & kIntegerBit) == 0) {
      kind = MPFR_NAN_KIND;  // an unnormal, which the unit rejects as an invalid operand
    } else {
      e = static_cast<mpfr_exp_t>(biased) - kBias + 1;
    }
    for (int k = 0; k < kLimbs; ++k) limbs_[k] = static_cast<mp_limb_t>(m >> (k * GMP_NUMB_BITS));
    mpfr_custom_init_set(x_, (b.signExponent & kSign) != 0 ? -kind : kind, e, kPrecision, limbs_);
  }
  Value(const Value&) = delete;
  Value& operator=(const Value&) = delete;

  mpfr_ptr get() { return x_; }
  mpfr_srcptr get() const { return x_; }

  ExtBits bits() const {
    if (mpfr_nan_p(x_)) return kDefaultNan;
    const unsigned sign = mpfr_signbit(x_) ? kSign : 0;
    if (mpfr_inf_p(x_)) return {static_cast<unsigned short>(sign | kExponentMask), kIntegerBit};
    if (mpfr_zero_p(x_)) return {static_cast<unsigned short>(sign), 0};
    const auto* limbs = static_cast<const mp_limb_t*>(mpfr_custom_get_significand(x_));
    unsigned long long m = 0;
    for (int k = 0; k < kLimbs; ++k)
      m |= static_cast<unsigned long long>(limbs[k]) << (k * GMP_NUMB_BITS);
    const mpfr_exp_t e = mpfr_get_exp(x_);
    if (e >= kNormalEmin) return {static_cast<unsigned short>(sign | (e + kBias - 1)), m};
    return {static_cast<unsigned short>(sign), m >> (kNormalEmin - e)};
  }

 private:
  mp_limb_t limbs_[kLimbs];
  mpfr_t x_;
};

// The result of one MPFR operation op(result), rounded to 64 bits in the x87 range with its
// subnormals. First in the thread's own exponent range, which must hold the x87 one (MPFR's
// default range does, and nothing here narrows it): a result that comes out a normal x87 value
// is then the x87 result, and no exponent range is read or set, which costs as much as the
// operation. Any other result is formed again in the x87 range: op rounds once to 64 bits, and
// mpfr_subnormalize, knowing which way it went, rounds a subnormal result to its shorter
// significand as if from the exact value; an overflow gives an infinity.
template <class Op>
Ext Rounded(Op op) {
  {
    Value r;
    op(r.get());
    if (mpfr_regular_p(r.get()) && mpfr_get_exp(r.get()) >= kNormalEmin &&
        mpfr_get_exp(r.get()) <= kEmax)
      return Soft::of(r.bits());
  }
  const ExtendedRange range;
  Value r;
  const int t = op(r.get());
  mpfr_subnormalize(r.get(), t, MPFR_RNDN);
  return Soft::of(r.bits());
}

template <class Op>
Ext Binary(Ext a, Ext b, Op op) {
  const Value x(Soft::bits(a)), y(Soft::bits(b));
  return Rounded([&](mpfr_ptr r) { return op(r, x.get(), y.get(), MPFR_RNDN); });
}

// The working numbers of the logarithm, kept for the thread, and the factor log10(2) / ln(2)
// with log10(2) rounded to 64 bits as the x87 holds it, to far more bits than any working
// precision below (its error, a relative 2^-kFactorPrecision, is well inside the bound used).
constexpr mpfr_prec_t kFactorPrecision = 512;
class LogScratch {
 public:
  LogScratch() {
    mpfr_inits2(kPrecision, log_, product_, static_cast<mpfr_ptr>(nullptr));
    mpfr_init2(factor_, kFactorPrecision);
    mpfr_t ln2;
    mpfr_init2(ln2, kFactorPrecision + 16);
    mpfr_const_log2(ln2, MPFR_RNDN);
    const Value lg2(kLog10Of2);
    mpfr_div(factor_, lg2.get(), ln2, MPFR_RNDN);
    mpfr_clear(ln2);
  }
  ~LogScratch() { mpfr_clears(log_, product_, factor_, static_cast<mpfr_ptr>(nullptr)); }
  LogScratch(const LogScratch&) = delete;
  LogScratch& operator=(const LogScratch&) = delete;
  mpfr_ptr log(mpfr_prec_t p) { return withPrecision(log_, p); }
  mpfr_ptr product(mpfr_prec_t p) { return withPrecision(product_, p); }
  mpfr_srcptr factor() const { return factor_; }

 private:
  static mpfr_ptr withPrecision(mpfr_ptr x, mpfr_prec_t p) {
    if (mpfr_get_prec(x) != p) mpfr_set_prec(x, p);
    return x;
  }
  mpfr_t log_, product_, factor_;
};

// A comparison by MPFR: false where either is a NaN.
template <class Predicate>
bool Compared(Ext a, Ext b, Predicate predicate) {
  return predicate(Value(Soft::bits(a)).get(), Value(Soft::bits(b)).get()) != 0;
}

}  // namespace

// A double's fields moved into the 80-bit pattern: exact, no rounding, so no MPFR call.
Ext::Ext(Number v) {
  std::uint64_t d;
  std::memcpy(&d, &v, sizeof d);
  const unsigned sign = (d >> 63) != 0 ? kSign : 0;
  const unsigned field = static_cast<unsigned>(d >> 52) & 0x7FF;
  const std::uint64_t fraction = d & ((std::uint64_t{1} << 52) - 1);
  if (field == 0x7FF) {  // an infinity, or a NaN with its payload
    bits_ = {static_cast<unsigned short>(sign | kExponentMask), kIntegerBit | (fraction << 11)};
  } else if (field != 0) {
    bits_ = {static_cast<unsigned short>(sign | (field - 1023 + kBias)),
             kIntegerBit | (fraction << 11)};
  } else if (fraction == 0) {
    bits_ = {static_cast<unsigned short>(sign), 0};
  } else {  // a subnormal double: a normal extended value
    const int shift = __builtin_clzll(fraction);
    bits_ = {static_cast<unsigned short>(sign | (kBias - 1011 - shift)), fraction << shift};
  }
}

Ext Ext::fromInteger(std::uint64_t n) {
  Value x;
  mpfr_set_uj(x.get(), n, MPFR_RNDN);  // exact
  return Soft::of(x.bits());
}

ExtBits Ext::bits() const { return bits_; }
Ext Ext::fromBits(ExtBits bits) { return Ext(bits); }

Ext maskedAdd(Ext a, Ext b) { return Binary(a, b, mpfr_add); }
Ext maskedSub(Ext a, Ext b) { return Binary(a, b, mpfr_sub); }
Ext maskedMul(Ext a, Ext b) { return Binary(a, b, mpfr_mul); }
Ext maskedDiv(Ext a, Ext b) { return Binary(a, b, mpfr_div); }

Ext maskedSqrt(Ext x) {
  const Value v(Soft::bits(x));
  return Rounded([&](mpfr_ptr r) { return mpfr_sqrt(r, v.get(), MPFR_RNDN); });
}

// log10(2) as the unit holds it, times the exact log2(x), rounded once. For x = 2^k the product
// is exact at 64 + 32 bits and rounded from there (it may be a tie, which no approximation could
// decide). Otherwise log2(x) is irrational, and the product is ln(x) times the factor above: at a
// working precision p the logarithm and the product are each rounded to nearest, which puts the
// product within 2^(E - p + 1) of the exact one (E its exponent; 1/4 < factor < 1/2). Where that
// cannot decide the rounding to 64 bits, p grows (Ziv's strategy); 16 spare bits decide all but
// about one argument in 2^13 at the first try.
Ext maskedLog10(Ext x) {
  thread_local LogScratch scratch;
  const Value v(Soft::bits(x));
  // Outside x > 0 as the unit answers (masked): -infinity for 0, a NaN below, infinity for
  // infinity.
  if (!mpfr_regular_p(v.get()) || mpfr_sgn(v.get()) < 0)
    return Rounded([&](mpfr_ptr r) { return mpfr_log(r, v.get(), MPFR_RNDN); });
  const mpfr_exp_t e = mpfr_get_exp(v.get());  // x = m * 2^e, 1/2 <= m < 1
  if (mpfr_cmp_ui_2exp(v.get(), 1, e - 1) == 0) {
    mpfr_ptr product = scratch.product(kPrecision + 32);
    mpfr_mul_si(product, Value(kLog10Of2).get(), static_cast<long>(e - 1), MPFR_RNDN);
    return Rounded([&](mpfr_ptr r) { return mpfr_set(r, product, MPFR_RNDN); });
  }
  for (mpfr_prec_t p = kPrecision + 16;; p += p / 2) {
    mpfr_ptr log = scratch.log(p), product = scratch.product(p);
    mpfr_log(log, v.get(), MPFR_RNDN);
    mpfr_mul(product, log, scratch.factor(), MPFR_RNDN);
    if (mpfr_can_round(product, p - 2, MPFR_RNDN, MPFR_RNDZ, kPrecision + 1))
      return Rounded([&](mpfr_ptr r) { return mpfr_set(r, product, MPFR_RNDN); });
  }
}

Number maskedToNumber(Ext x) { return mpfr_get_d(Value(Soft::bits(x)).get(), MPFR_RNDN); }

// From the exponent field: all ones for the infinities and the NaNs; an unnormal, which the unit
// rejects as an invalid operand, counts as a NaN.
bool isNan(Ext x) {
  const ExtBits b = Soft::bits(x);
  if ((b.signExponent & kExponentMask) == kExponentMask) return b.significand != kIntegerBit;
  return (b.signExponent & kExponentMask) != 0 && (b.significand & kIntegerBit) == 0;
}
bool isFinite(Ext x) {
  return (Soft::bits(x).signExponent & kExponentMask) != kExponentMask && !isNan(x);
}

Ext abs(Ext x) {
  ExtBits b = Soft::bits(x);
  b.signExponent &= kExponentMask;
  return Soft::of(b);
}

bool operator<(Ext a, Ext b) { return Compared(a, b, mpfr_less_p); }
bool operator>(Ext a, Ext b) { return Compared(a, b, mpfr_greater_p); }
bool operator<=(Ext a, Ext b) { return Compared(a, b, mpfr_lessequal_p); }
bool operator>=(Ext a, Ext b) { return Compared(a, b, mpfr_greaterequal_p); }
bool operator==(Ext a, Ext b) { return Compared(a, b, mpfr_equal_p); }
bool operator!=(Ext a, Ext b) { return !(a == b); }

Ext ldexp(Ext x, int n) {
  const Value v(Soft::bits(x));
  return Rounded([&](mpfr_ptr r) { return mpfr_mul_2si(r, v.get(), n, MPFR_RNDN); });
}

// An integer of 64 bits at most: exact, and never outside the range.
Ext rint(Ext x) {
  Value r;
  mpfr_rint(r.get(), Value(Soft::bits(x)).get(), MPFR_RNDN);
  return Soft::of(r.bits());
}

std::uint64_t truncToUint64(Ext x) { return mpfr_get_uj(Value(Soft::bits(x)).get(), MPFR_RNDZ); }

int ilogb(Ext x) { return static_cast<int>(mpfr_get_exp(Value(Soft::bits(x)).get()) - 1); }
