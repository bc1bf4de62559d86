// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The coilcalc developers
#include "tests/model/model.h"  // includes <cstdint>, which mpfr.h needs for its intmax_t functions

#include <cstdio>
#include <cstring>
#include <map>
#include <mpfr.h>

#include "numtext/ext.h"  // only for the program's logarithm, see Log10 below

namespace model {

namespace {

// MPFR writes x = m * 2^e with 1/2 <= m < 1. The x87 extended format reaches 2^16384 and has
// subnormals down to 2^-16445; a double reaches 2^1024 and has subnormals down to 2^-1074.
constexpr mpfr_exp_t kExtEmin = -16444, kExtEmax = 16384;
constexpr mpfr_exp_t kNumEmin = -1073, kNumEmax = 1024;

// An MPFR value of P bits kept inline, so that temporaries cost no allocation.
template <mpfr_prec_t P>
class Float {
 public:
  Float() {
    mpfr_custom_init(limb_, P);
    mpfr_custom_init_set(x_, MPFR_ZERO_KIND, 0, P, limb_);
  }
  Float(const Float& o) : Float() { mpfr_set(x_, o.x_, MPFR_RNDN); }
  Float& operator=(const Float& o) {
    mpfr_set(x_, o.x_, MPFR_RNDN);
    return *this;
  }
  mpfr_ptr p() { return x_; }
  mpfr_srcptr p() const { return x_; }

 private:
  mp_limb_t limb_[(P + GMP_NUMB_BITS - 1) / GMP_NUMB_BITS];
  mpfr_t x_;
};

// A Number: 53 bits, double range.
struct Num : Float<53> {};

// An intermediate: 64 bits, extended range. Numbers and integers convert exactly.
struct Ext : Float<64> {
  Ext() = default;
  Ext(const Num& n) { mpfr_set(p(), n.p(), MPFR_RNDN); }  // NOLINT
  Ext(long i) { mpfr_set_si(p(), i, MPFR_RNDN); }         // NOLINT
};

// The extended value nearest to a decimal.
Ext Decimal(const char* text) {
  Ext x;
  mpfr_set_str(x.p(), text, 10, MPFR_RNDN);
  return x;
}

const Ext k0394 = Decimal("0.394"), k0315 = Decimal("0.315"), k01 = Decimal("0.1"),
          k001 = Decimal("0.01"), k866 = Decimal("8.66"), k1988 = Decimal("19.88"),
          k0841 = Decimal("0.841"), k38 = Decimal("3.8"), kRatioStep = Decimal("0.00001"),
          kLevelTolerance = Decimal("0.0001"), kRootStep = Decimal("0.001"),
          kRootTolerance = Decimal("0.1");

// Sets the extended range for the model's work and restores MPFR's own afterwards.
class ExtendedRange {
 public:
  ExtendedRange() : emin_(mpfr_get_emin()), emax_(mpfr_get_emax()) {
    mpfr_set_emin(kExtEmin);
    mpfr_set_emax(kExtEmax);
  }
  ~ExtendedRange() {
    mpfr_set_emin(emin_);
    mpfr_set_emax(emax_);
  }

 private:
  mpfr_exp_t emin_, emax_;
};

// ---- Faults and the errors that end a command -----------------------------------------------

enum class Kind { InvalidOp, ZeroDivide, Overflow };
struct Fault {
  Kind kind;
};
struct ConvertError {
  std::string text;
};
struct SearchError {
  std::string message;
};

// ---- Checked extended arithmetic -------------------------------------------------------------

template <class Op>
Ext Rounded(Op op) {
  Ext r;
  const int t = op(r.p());
  mpfr_subnormalize(r.p(), t, MPFR_RNDN);
  if (mpfr_inf_p(r.p())) throw Fault{Kind::Overflow};
  return r;
}

Ext operator+(const Ext& a, const Ext& b) {
  return Rounded([&](mpfr_ptr r) { return mpfr_add(r, a.p(), b.p(), MPFR_RNDN); });
}
Ext operator-(const Ext& a, const Ext& b) {
  return Rounded([&](mpfr_ptr r) { return mpfr_sub(r, a.p(), b.p(), MPFR_RNDN); });
}
Ext operator*(const Ext& a, const Ext& b) {
  return Rounded([&](mpfr_ptr r) { return mpfr_mul(r, a.p(), b.p(), MPFR_RNDN); });
}
Ext operator/(const Ext& a, const Ext& b) {
  if (mpfr_zero_p(b.p())) throw Fault{mpfr_zero_p(a.p()) ? Kind::InvalidOp : Kind::ZeroDivide};
  return Rounded([&](mpfr_ptr r) { return mpfr_div(r, a.p(), b.p(), MPFR_RNDN); });
}
Ext Sqrt(const Ext& a) {
  if (mpfr_sgn(a.p()) < 0) throw Fault{Kind::InvalidOp};  // the root of -0 is -0
  return Rounded([&](mpfr_ptr r) { return mpfr_sqrt(r, a.p(), MPFR_RNDN); });
}
Ext Abs(const Ext& a) {
  Ext r;
  mpfr_abs(r.p(), a.p(), MPFR_RNDN);
  return r;
}

ExtBits PatternOf(const Ext& v);
Ext FromPattern(ExtBits bits);

// The common logarithm is the one operation taken from the program, from the backend it runs on:
// the x87 fyl2x is not correctly rounded, and the software backend rounds the product of log10(2)
// rounded to 64 bits and log2(x), which is not log10(x); MPFR's log10 would differ from either
// in the last bit now and then. The value passes as its bit pattern.
Ext Log10(const Ext& a) {
  if (mpfr_zero_p(a.p())) throw Fault{Kind::ZeroDivide};
  if (mpfr_sgn(a.p()) < 0) throw Fault{Kind::InvalidOp};
  return FromPattern(::BitsOf(::log10(::FromBits(PatternOf(a)))));
}

bool operator<(const Ext& a, const Ext& b) { return mpfr_less_p(a.p(), b.p()) != 0; }
bool operator>(const Ext& a, const Ext& b) { return mpfr_greater_p(a.p(), b.p()) != 0; }
bool operator<=(const Ext& a, const Ext& b) { return mpfr_lessequal_p(a.p(), b.p()) != 0; }
bool operator>=(const Ext& a, const Ext& b) { return mpfr_greaterequal_p(a.p(), b.p()) != 0; }
bool operator==(const Ext& a, const Ext& b) { return mpfr_equal_p(a.p(), b.p()) != 0; }

// Rounds to a Number: 53 bits, then the double range with its subnormals.
Num Store(const Ext& x) {
  Num n;
  int t = mpfr_set(n.p(), x.p(), MPFR_RNDN);
  mpfr_set_emin(kNumEmin);
  mpfr_set_emax(kNumEmax);
  t = mpfr_check_range(n.p(), t, MPFR_RNDN);
  mpfr_subnormalize(n.p(), t, MPFR_RNDN);
  mpfr_set_emin(kExtEmin);
  mpfr_set_emax(kExtEmax);
  if (mpfr_inf_p(n.p())) throw Fault{Kind::Overflow};
  return n;
}

double ToDouble(const Num& n) { return mpfr_get_d(n.p(), MPFR_RNDN); }  // exact
Num FromDouble(double d) {
  Num n;
  mpfr_set_d(n.p(), d, MPFR_RNDN);
  return n;
}

// ---- Powers of ten ---------------------------------------------------------------------------

// The extended value nearest to 10^n.
const Ext& Pow10(unsigned n) {
  static std::map<unsigned, Ext> cache;
  const auto it = cache.find(n);
  if (it != cache.end()) return it->second;
  Ext f;
  mpfr_ui_pow_ui(f.p(), 10, n, MPFR_RNDN);
  return cache[n] = f;
}

// v scaled by 10^p with faults masked: multiplied (p > 0) or divided (p < 0) by the factors
// 10^(|p| mod 32), 10^(32 ((|p| div 32) mod 16)) and 10^(512 (|p| div 512)), the last two
// skipped when they are 10^0, each operation rounded. The result may be infinite.
Ext ScaleMasked(Ext v, long p) {
  const unsigned long ap = p < 0 ? -p : p;
  const auto by = [&](unsigned long n) {
    const int t = p >= 0 ? mpfr_mul(v.p(), v.p(), Pow10(n).p(), MPFR_RNDN)
                         : mpfr_div(v.p(), v.p(), Pow10(n).p(), MPFR_RNDN);
    mpfr_subnormalize(v.p(), t, MPFR_RNDN);
  };
  by(ap % 32);
  if ((ap / 32) % 16 != 0) by(32 * ((ap / 32) % 16));
  if (ap / 512 != 0) by(512 * (ap / 512));
  return v;
}

// ---- Number entry ----------------------------------------------------------------------------

constexpr long kExponentReadBound = 500;
constexpr long kPowerToZero = -5120;

struct Entry {
  bool valid = false;
  Ext value;
};

Entry Enter(const std::string& t, const std::string& sep) {
  const std::size_t n = t.size();
  std::size_t i = 0;
  const auto digitAt = [&](std::size_t k) { return k < n && t[k] >= '0' && t[k] <= '9'; };
  Ext accumulator;
  const auto take = [&](char digit) {  // faults masked: an overflow stays infinite
    int r = mpfr_mul_ui(accumulator.p(), accumulator.p(), 10, MPFR_RNDN);
    mpfr_subnormalize(accumulator.p(), r, MPFR_RNDN);
    r = mpfr_add_ui(accumulator.p(), accumulator.p(), static_cast<unsigned>(digit - '0'),
                    MPFR_RNDN);
    mpfr_subnormalize(accumulator.p(), r, MPFR_RNDN);
  };

  while (i < n && t[i] == ' ') ++i;
  bool negative = false;
  if (i < n && (t[i] == '+' || t[i] == '-')) negative = t[i++] == '-';
  bool mantissa = false;
  for (; digitAt(i); ++i, mantissa = true) take(t[i]);
  long fractionDigits = 0;
  if (t.compare(i, sep.size(), sep) == 0) {
    i += sep.size();
    mantissa = true;
    for (; digitAt(i); ++i, ++fractionDigits) take(t[i]);
  }
  if (!mantissa) return {};
  long exponent = 0;
  if (i < n && (t[i] == 'e' || t[i] == 'E')) {
    ++i;
    bool negativeExponent = false;
    if (i < n && (t[i] == '+' || t[i] == '-')) negativeExponent = t[i++] == '-';
    while (digitAt(i) && exponent < kExponentReadBound) exponent = exponent * 10 + (t[i++] - '0');
    if (negativeExponent) exponent = -exponent;
  }
  while (i < n && t[i] == ' ') ++i;
  if (i != n || mpfr_inf_p(accumulator.p())) return {};

  const long power = exponent - fractionDigits;
  Entry out;
  out.value = power <= kPowerToZero ? Ext() : ScaleMasked(accumulator, power);
  if (mpfr_inf_p(out.value.p())) return {};
  if (negative) mpfr_neg(out.value.p(), out.value.p(), MPFR_RNDN);
  out.valid = true;
  return out;
}

// ---- Number display --------------------------------------------------------------------------

long FloorDiv(long a, long b) { return a / b - ((a % b != 0 && a < 0) ? 1 : 0); }

std::string Show(const Ext& v, const std::string& sep) {
  if (mpfr_nan_p(v.p())) return "NAN";
  if (mpfr_inf_p(v.p())) return mpfr_sgn(v.p()) < 0 ? "-INF" : "INF";
  if (mpfr_zero_p(v.p())) return "0";
  const long e = mpfr_get_exp(v.p()) - 1;  // 2^e <= |v| < 2^(e+1)
  if (e < -16382) return "0";              // subnormal in the extended format

  // The 18-digit rendition s, |v| being about s * 10^(E - 18).
  long E = FloorDiv(e * 19728, 65536) + 1;
  Ext s = ScaleMasked(Abs(v), 18 - E);
  mpfr_rint(s.p(), s.p(), MPFR_RNDN);
  if (s >= Pow10(18)) {
    mpfr_div_ui(s.p(), s.p(), 10, MPFR_RNDN);
    ++E;
  }
  mpfr_rint(s.p(), s.p(), MPFR_RNDN);
  char raw[24];
  std::snprintf(raw, sizeof raw, "%018ju", mpfr_get_uj(s.p(), MPFR_RNDN));
  std::string rendition = raw;
  // The program's repair where the estimate of E is one too high: the digits move up one place.
  if (rendition[0] == '0') {
    rendition = rendition.substr(1) + "0";
    --E;
  }

  // 15 digits, rounded on the 16th alone; then no trailing zeros.
  std::string digits = rendition.substr(0, 15);
  if (rendition[15] >= '5') {
    int k = 14;
    for (; k >= 0 && digits[k] == '9'; --k) digits[k] = '0';
    if (k < 0) {
      digits = "1";
      ++E;
    } else {
      ++digits[k];
    }
  }
  digits.erase(digits.find_last_not_of('0') + 1);

  const long X = E, count = static_cast<long>(digits.size());
  std::string out = mpfr_sgn(v.p()) < 0 ? "-" : "";
  if (X > 15 || X < -3) {
    out += digits.substr(0, 1);
    if (count > 1) out += sep + digits.substr(1);
    out += "E" + std::to_string(X - 1);
  } else if (X > 0) {
    out += count <= X ? digits + std::string(X - count, '0')
                      : digits.substr(0, X) + sep + digits.substr(X);
  } else {
    out += "0" + sep + std::string(-X, '0') + digits;
  }
  return out;
}

std::string Hex(unsigned long long value, int digits) {
  char buffer[24];
  std::snprintf(buffer, sizeof buffer, "%0*llX", digits, value);
  return buffer;
}

// The x87 encoding of a finite value: sign and biased exponent, then the 64-bit significand with
// its integer bit.
ExtBits PatternOf(const Ext& v) {
  unsigned signExponent = mpfr_signbit(v.p()) ? 0x8000 : 0;
  unsigned long long significand = 0;
  if (!mpfr_zero_p(v.p())) {
    const long e = mpfr_get_exp(v.p()) - 1;
    long shift = 16382 + 63;  // subnormal: the significand counts units of 2^-16445
    if (e >= -16382) {
      signExponent |= static_cast<unsigned>(e + 16383);
      shift = 63 - e;
    }
    Ext m = Abs(v);
    mpfr_mul_2si(m.p(), m.p(), shift, MPFR_RNDN);
    significand = mpfr_get_uj(m.p(), MPFR_RNDN);
  }
  return {static_cast<unsigned short>(signExponent), significand};
}

// The value of an x87 encoding (a valid one: its integer bit set unless the exponent field is 0).
Ext FromPattern(ExtBits bits) {
  const int biased = bits.signExponent & 0x7FFF;
  Ext v;
  if (biased == 0x7FFF) {
    if (bits.significand << 1 == 0)
      mpfr_set_inf(v.p(), 1);
    else
      mpfr_set_nan(v.p());
  } else {
    mpfr_set_uj_2exp(v.p(), bits.significand, (biased == 0 ? 1 : biased) - 16383 - 63, MPFR_RNDN);
  }
  if (bits.signExponent & 0x8000) mpfr_neg(v.p(), v.p(), MPFR_RNDN);
  return v;
}

std::string ExtendedHex(const Ext& v) {
  const ExtBits bits = PatternOf(v);
  return Hex(bits.signExponent, 4) + Hex(bits.significand, 16);
}

std::string NumberHex(const Num& n) {
  const double d = ToDouble(n);
  unsigned long long bits;
  std::memcpy(&bits, &d, sizeof bits);
  return Hex(bits, 16);
}

// ---- Messages --------------------------------------------------------------------------------

// The error box appends a period to a message whose last character sorts after ".".
std::string BoxText(std::string message) {
  if (!message.empty() && static_cast<unsigned char>(message.back()) > '.') message += '.';
  return message;
}

std::string ConvertEvent(const std::string& text) {
  return "error=EConvertError: " +
         Escaped(BoxText("'" + text + "' is not a valid floating point value"));
}

std::string FaultEvent(Kind kind) {
  switch (kind) {
    case Kind::InvalidOp:
      return "error=EInvalidOp: Invalid floating point operation.";
    case Kind::ZeroDivide:
      return "error=EZeroDivide: Floating point division by zero.";
    case Kind::Overflow:
      break;
  }
  return "error=EOverflow: Floating point overflow.";
}

// The program's own texts where the searches are bounded and where the single-layer formulas do
// not apply.
const char kTooShort[] =
    "Катушка слишком короткая для расчёта: длина намотки l должна быть больше D/20 "
    "(обе величины в мм), а диаметр D — больше нуля.";
const char kLreqNegative[] =
    "Требуемая индуктивность должна быть положительной: с отрицательным значением подбор числа "
    "витков не закончится.";
const char kChangeSizes[] =
    " Задайте большую индуктивность, меньший внутренний диаметр или большую длину намотки.";
constexpr std::uint64_t kCountByCountBound = 1000000;

// ---- The stepped searches, walked point by point ---------------------------------------------

// The grid of DbToRatio, 0.00001, 0.00002, ... accumulated and rounded, with the level of each
// point: both independent of the target, so they are kept from one call to the next.
struct RatioGrid {
  std::vector<Num> x{Num()};
  std::vector<Ext> level{Ext()};

  void extendTo(std::size_t k) {
    while (x.size() <= k) {
      x.push_back(Store(Ext(x.back()) + kRatioStep));
      level.push_back(20 * Log10(x.back()));
      // The searches stop once the level has passed the target: that needs rising levels.
      if (x.size() > 2 && !(level.back() > level[level.size() - 2]))
        throw Unmodelled("the levels of the ratio grid do not rise");
    }
  }
};

class Walks {
 public:
  Walks(std::uint64_t maxSteps, const std::string& sep) : maxSteps_(maxSteps), sep_(sep) {}

  // The first grid point whose level lies strictly within 0.0001 dB of A. Once a level lies
  // above that window every later one does too, and the search is refused as the program does.
  Num dbToRatio(const Num& A) {
    static RatioGrid grid;
    const Ext target = A;
    for (std::size_t k = 1;; ++k) {
      if (k > maxSteps_) throw Unmodelled("DbToRatio walks too far");
      grid.extendTo(k);
      const Ext offset = grid.level[k] - target;
      if (mpfr_cmpabs(offset.p(), kLevelTolerance.p()) < 0) return grid.x[k];
      if (mpfr_sgn(offset.p()) > 0) {
        const std::string shownA = Show(A, sep_), level = Show(grid.level[k], sep_);
        const std::string advice =
            " Задайте ослабление от " + Show(kLevelTolerance, sep_) + " дБ и больше.";
        const std::string refused = "Ослабление " + shownA + " дБ не достигается: ";
        if (k == 1)
          throw SearchError{refused + "расчёт начинается с уровня " + level +
                            " дБ, а дальше уровень только растёт." + advice};
        throw SearchError{refused + "соседние точки расчёта дают уровни " +
                          Show(grid.level[k - 1], sep_) + " дБ и " + level +
                          " дБ, оба дальше чем на " + Show(kLevelTolerance, sep_) +
                          " дБ от заданного." + advice};
      }
    }
  }

  // From the eighth root of a upward in steps of 0.001.
  Num fifthRoot(const Num& a) {
    Num r = Store(Sqrt(a));
    r = Store(Sqrt(r));
    r = Store(Sqrt(r));
    for (std::uint64_t steps = 0;; ++steps) {
      if (Abs(Ext(a) - Fifth(r)) <= kRootTolerance) return r;
      if (steps == maxSteps_) throw Unmodelled("FifthRoot walks too far");
      r = Store(Ext(r) + kRootStep);
      if (Fifth(r) > a) return r;
    }
  }

 private:
  static Ext Fifth(const Num& r) { return Ext(r) * r * r * r * r; }

  std::uint64_t maxSteps_;
  const std::string& sep_;
};

// ---- The calculators -------------------------------------------------------------------------

// The inductance of a multi-layer coil.
Num MultiLayer(const Num& Dbn, const Num& l, const Num& N, const Num& Dr) {
  const Num r = Store((Ext(Dr) + Dbn) / 2);
  const Ext numerator = k0315 * r * r * N * N;
  const Ext divisor = 6 * Ext(r) + 9 * Ext(l) + 10 * Ext(Dr);
  return Store(numerator / divisor);
}

class Command {
 public:
  Command(const Case& c, std::uint64_t maxSteps) : c_(c), walks_(maxSteps, c.separator) {}

  std::vector<std::string> events;

  Num read(const char* control) const {
    for (const auto& [name, text] : c_.texts) {
      if (name != control) continue;
      const Entry e = Enter(text, c_.separator);
      if (!e.valid) throw ConvertError{text};
      return Store(e.value);
    }
    throw std::logic_error(std::string("the case has no field ") + control);
  }
  void show(const char* control, const Ext& v) { events.push_back(control + ("=" + text(v))); }
  void clear(const char* control) { events.push_back(control + std::string("=")); }
  void notice(const std::string& message) { events.push_back("notice=" + Escaped(message)); }
  std::string text(const Ext& v) const { return Escaped(Show(v, c_.separator)); }

  void singleLayer();
  void multiLayer();
  void turns(double& DrState, std::uint64_t maxSteps);
  void optimal();

 private:
  const Case& c_;
  Walks walks_;
};

void Command::singleLayer() {
  const Num D = read("Vvodd"), N = read("VvodN"), lmm = read("Vvodl");
  const Num dcm = Store(D / 10), l = Store(lmm / 10);
  const Num r = Store(dcm / 2);
  const Ext t = 2 * Ext(r) / 3;
  // The program gives l = 2r/3 with r > 0 to the long coils, and refuses the rest.
  int formula = 0;
  if (Ext(l) > t || (Ext(l) == t && Ext(r) > 0))
    formula = 1;
  else if (t > l && Ext(l) > Ext(r) / 10)
    formula = 2;
  if (formula == 0) {
    clear("Vivodind");
    notice(kTooShort);
    return;
  }
  const Ext numerator = k0394 * r * r * N * N;
  const Ext divisor =
      formula == 1 ? 9 * Ext(r) + 10 * Ext(l) : (9 - Ext(r) / (5 * Ext(l))) * r + 10 * Ext(l);
  show("Vivodind", Store(numerator / divisor));
}

void Command::multiLayer() {
  const Num Dbn = read("vvodDbn"), N = read("vvodN"), Dr = read("vvodDr"), l = read("VvodL");
  show("Vivod", MultiLayer(Dbn, l, N, Dr));
}

void Command::turns(double& DrState, std::uint64_t maxSteps) {
  const Num Dbn = read("vvoddbn"), l = read("vvodl"), d = read("vvodd"), Lreq = read("vvodLL");
  const char* zeroNotice = Ext(d) == 0 ? "Диаметр провода не может быть равен нулю !"
                           : Ext(l) == 0 ? "Длина намотки не может быть равной нулю !"
                           : Ext(Lreq) == 0 ? "А какую индуктивность посчитать?"
                                            : nullptr;
  if (zeroNotice != nullptr) {
    notice(zeroNotice);
    show("vivodN", 0);
    show("vivodDr", FromDouble(DrState));
    return;
  }

  struct Tested {
    Num n, k, Dr, Lc;
    bool inside, above;
  };
  // The turns per layer and the hundredth of the requirement are the same at every count, so
  // they are formed once (w where the first count forms it).
  const Num w = Store(l / (k01 * d));
  const Ext hundredth = Ext(Lreq) / 100, zero = 0;
  const auto test = [&](const Num& n) {
    Tested t;
    t.n = n;
    t.k = Store(n / Ext(w));
    t.Dr = Store(t.k * d * k01);
    DrState = ToDouble(t.Dr);
    t.Lc = MultiLayer(Dbn, l, n, t.Dr);
    const Ext deviation = Ext(t.Lc) - Lreq;
    t.inside = Abs(deviation) < hundredth;
    t.above = deviation > zero;
    return t;
  };
  const auto refuse = [&](const std::string& message) {
    notice(message);
    clear("vivodN");
    clear("vivodDr");
  };

  Tested at = test(Num());
  if (!at.inside && Ext(Lreq) < 0) return refuse(kLreqNegative);
  // The inductance grows with the count for these dimensions; the program relies on it only
  // when the first count's quantities are normal, and otherwise walks count by count to its
  // bound.
  bool grows = Ext(Dbn) >= 0 && Ext(l) > 0 && Ext(d) > 0;
  for (std::uint64_t steps = 0; !at.inside; ++steps) {
    if (!grows && steps == kCountByCountBound) {
      return refuse("Подбор числа витков прерван после " + text(Ext(long{kCountByCountBound})) +
                    " шагов (" + text(at.n) + " витков): индуктивность так и не вошла в " +
                    "пределы 1 % от требуемой. Проверьте размеры катушки: при отрицательных или " +
                    "ничтожно малых размерах подбор может не закончиться.");
    }
    if (grows && steps == maxSteps) throw Unmodelled("the turns search walks too far");
    const Tested before = at;
    at = test(Store(Ext(at.n) + k001));
    if (steps == 0) {
      Ext smallest;
      mpfr_set_ui_2exp(smallest.p(), 1, -1022, MPFR_RNDN);
      grows = grows && Ext(at.k) >= smallest && Ext(at.Dr) >= smallest &&
              Store((Ext(at.Dr) + Dbn) / 2) >= smallest && Ext(at.Lc) >= smallest;
    }
    if (grows && !at.inside && at.above) {
      if (steps == 0)
        return refuse("Требуемая индуктивность слишком мала для этих размеров катушки: уже " +
                      text(at.n) + " витка дают " + text(at.Lc) +
                      " мкГн, больше требуемой более чем на 1 %." + kChangeSizes);
      return refuse("Ни одно число витков не даёт индуктивность в пределах 1 % от требуемой: при " +
                    text(before.n) + " витка получается " + text(before.Lc) + " мкГн, а при " +
                    text(at.n) + " витка уже " + text(at.Lc) + " мкГн." + kChangeSizes);
    }
  }
  show("vivodN", at.n);
  show("vivodDr", FromDouble(DrState));
}

void Command::optimal() {
  const Num L = read("vvodLind"), p = read("vvodNdb"), Rn = read("vvodRn");
  Num c, Dbn, res4, res5;
  if (!c_.wireMode) {
    const Num K = walks_.dbToRatio(p);
    const Num t = Store((Ext(K) - 1) * Rn);
    c = Store(Sqrt(L / (k866 * t)));
    const Num N = Store(k1988 * Sqrt(L / Ext(c)));
    const Num d = Store(k0841 * c / Sqrt(N));
    Dbn = Store(2 * Ext(c));
    res4 = N;
    res5 = d;
  } else {
    const Num a = Store(Ext(p) * p * p * p * L);
    c = Store(k38 * walks_.fifthRoot(a));
    notice(Show(walks_.fifthRoot(L), c_.separator));
    const Num R = Store(L / (k866 * (Ext(c) * c)));
    const Num Avn = Store(20 * Log10(R / Ext(Rn) + 1));
    Dbn = Store(2 * Ext(c));
    const Num N = Store(k1988 * Sqrt(L / Ext(c)));
    res4 = Avn;
    res5 = N;
  }
  show("vivodDr", c / Ext(10));
  show("vivodDbn", Dbn / Ext(10));
  show("vivodL", c / Ext(10));
  show("VivodN", res4);
  show("vivodd", res5);
}

std::string Join(const std::vector<std::string>& events) {
  std::string line;
  for (const std::string& e : events) line += (line.empty() ? "" : "\t") + e;
  return line;
}

}  // namespace

std::string Calculators::run(const Case& c) {
  const ExtendedRange range;
  Command command(c, maxSteps);
  try {
    if (c.window == "FormIndOdnosl")
      command.singleLayer();
    else if (c.window == "FormIndMnogosl")
      command.multiLayer();
    else if (c.window == "FormVitkmnogosl")
      command.turns(Dr_, maxSteps);
    else if (c.window == "Formopt")
      command.optimal();
    else
      throw std::logic_error("no window " + c.window);
  } catch (const ConvertError& e) {
    command.events.push_back(ConvertEvent(e.text));
  } catch (const Fault& f) {
    command.events.push_back(FaultEvent(f.kind));
  } catch (const SearchError& e) {
    command.events.push_back("error=ESearchError: " + Escaped(BoxText(e.message)));
  }
  return Join(command.events);
}

std::string Escaped(const std::string& text) {
  std::string out;
  for (char c : text) {
    if (c == '\t')
      out += "\\t";
    else if (c == '\n')
      out += "\\n";
    else if (c == '\\')
      out += "\\\\";
    else
      out += c;
  }
  return out;
}

std::string NumberLine(const std::string& text, const std::string& separator) {
  const ExtendedRange range;
  const Entry e = Enter(text, separator);
  if (!e.valid) return ConvertEvent(text);
  std::string line = "extended=" + ExtendedHex(e.value);
  try {
    const Num n = Store(e.value);
    line += "\tnumber=" + NumberHex(n) + "\tshown=" + Escaped(Show(n, separator));
  } catch (const Fault& f) {
    line += "\t" + FaultEvent(f.kind);
  }
  return line;
}

std::string ShowExtendedBits(std::uint16_t signExponent, std::uint64_t significand,
                             const std::string& separator) {
  const ExtendedRange range;
  return Show(FromPattern({signExponent, significand}), separator);
}

std::string ShowDoubleBits(std::uint64_t bits, const std::string& separator) {
  const ExtendedRange range;
  const int biased = static_cast<int>((bits >> 52) & 0x7FF);
  const std::uint64_t fraction = bits & ((std::uint64_t{1} << 52) - 1);
  Ext v;
  if (biased == 0x7FF) {
    if (fraction == 0)
      mpfr_set_inf(v.p(), 1);
    else
      mpfr_set_nan(v.p());
  } else {
    const std::uint64_t significand = biased == 0 ? fraction : fraction | (std::uint64_t{1} << 52);
    mpfr_set_uj_2exp(v.p(), significand, (biased == 0 ? 1 : biased) - 1023 - 52, MPFR_RNDN);
  }
  if (bits >> 63) mpfr_neg(v.p(), v.p(), MPFR_RNDN);
  return Show(v, separator);
}

}  // namespace model
