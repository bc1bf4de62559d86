// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The coilcalc developers
// The program against the MPFR model (tests/model/model.h): on seeded random cases of every
// calculator window, and on random field texts and bit patterns for number entry and display,
// both must give the same texts, notices and error kinds. The cases of each window are drawn
// from a table of input classes: realistic coils, the edges of each formula's range, zeros,
// signs, huge and tiny magnitudes, texts that are no number. Walks are kept short enough for the
// model to take them step by step. COILCALC_MODEL_SCALE=10 (ctest label long) runs ten times as
// many cases and lets the walks go further. COILCALC_MODEL_CASES=FILE appends each window case to
// FILE as a coilcalc-cli case line, to run the same cases through other builds.
#include "tests/model/model.h"  // includes <cstdint>, which mpfr.h needs for its intmax_t functions

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <gtest/gtest.h>
#include <mpfr.h>
#include <random>

#include "calc/calculators.h"
#include "cases/clirunner.h"
#include "numtext/numbertext.h"

namespace {

using Rng = std::mt19937_64;
using Texts = std::vector<std::string>;

// A fraction runs the first share of the cases, for runs under an emulator (0.1: a tenth).
double Scale() {
  const char* s = std::getenv("COILCALC_MODEL_SCALE");
  const double scale = s == nullptr ? 1 : std::strtod(s, nullptr);
  return scale > 0 ? scale : 1;
}
bool Wide() { return Scale() > 1; }

double Uniform(Rng& g, double lo, double hi) { return std::uniform_real_distribution<>(lo, hi)(g); }
double LogUniform(Rng& g, double lo, double hi) {
  return std::exp(Uniform(g, std::log(lo), std::log(hi)));
}
bool Chance(Rng& g, double p) { return Uniform(g, 0, 1) < p; }
int Below(Rng& g, int n) { return static_cast<int>(g() % static_cast<unsigned>(n)); }
double Signed(Rng& g, double v) { return Chance(g, 0.5) ? -v : v; }
double Nudged(Rng& g, double v) {  // a few units in the last place either way
  for (int k = Below(g, 5) - 2; k != 0; k += k > 0 ? -1 : 1)
    v = std::nextafter(v, k > 0 ? HUGE_VAL : -HUGE_VAL);
  return v;
}

struct Separator {
  char32_t code;
  const char* utf8;
};
const Separator kSeparators[] = {{U',', ","}, {U'.', "."}, {U'\u066B', "\u066B"}};

// A field text for v as a user might type it: 1 to 17 significant digits (17 keeps a double
// exactly), plain or with an exponent, sometimes padded with spaces.
std::string Text(Rng& g, double v, const std::string& sep, int digits = 0) {
  if (digits == 0) digits = Chance(g, 0.3) ? 17 : 1 + Below(g, 17);
  char buffer[64];
  if (Chance(g, 0.7))
    std::snprintf(buffer, sizeof buffer, "%.*g", digits, v);
  else
    std::snprintf(buffer, sizeof buffer, "%.*e", digits - 1, v);
  std::string text;
  for (const char* c = buffer; *c != '\0'; ++c) {
    if (*c == '.')
      text += sep;
    else
      text += (*c == 'e' && Chance(g, 0.3)) ? 'E' : *c;
  }
  if (Chance(g, 0.05)) text = " " + text + " ";
  return text;
}

// Texts that are no number, or whose value a Number cannot hold.
std::string OddText(Rng& g, const std::string& sep) {
  const std::string texts[] = {"",       " ",     "x",       "1e400",   "-1e400",
                               "1e-400", "-0",    "1e5000",  "1 000",   "--1",
                               "1e",     sep,     "-" + sep, sep + sep, "1" + sep + "2" + sep + "3",
                               "12\t",   "1,5.5", "e5",      "1e4999",  "+",
                               "0x10"};
  return texts[Below(g, sizeof texts / sizeof texts[0])];
}

// One field replaced by an odd text.
Texts WithOddField(Rng& g, Texts texts, const std::string& sep) {
  texts[Below(g, static_cast<int>(texts.size()))] = OddText(g, sep);
  return texts;
}

// A value of any magnitude a Number holds, subnormals included, either sign.
double AnyMagnitude(Rng& g) { return Signed(g, LogUniform(g, 1e-322, 1.7e308)); }

// Each field zero, negative zero, negated or kept.
Texts ZerosAndSigns(Rng& g, Texts texts) {
  for (std::string& text : texts) {
    const int k = Below(g, 4);
    text = k == 0 ? "0" : k == 1 ? "-0" : k == 2 ? "-" + text : text;
  }
  return texts;
}
// Most fields replaced by values of any magnitude.
Texts Extremes(Rng& g, Texts texts, const std::string& sep) {
  for (std::string& text : texts)
    if (Chance(g, 0.6)) text = Text(g, AnyMagnitude(g), sep);
  return texts;
}

// ---- Aiming at the edges of a rounding or of a search's test ----------------------------------
//
// A fault that moves an extended result by a unit or two of its last place changes the digits
// shown only where the result lies next to the midpoint between two doubles whose texts differ,
// or where a search's test lies next to its tolerance: about one case in ten thousand. The aimed
// classes below look for such inputs with the program's extended arithmetic (only the aim depends
// on it, never the texts expected), so that such faults show in a few hundred cases.

Ext UlpOf(Ext x) { return ldexp(Ext(1), ilogb(x) - 63); }

// A normal extended value to 15 significant digits, correctly rounded.
std::string Shown15(Ext v) {
  const ExtBits b = BitsOf(v);
  mpfr_t m;
  mpfr_init2(m, 64);
  mpfr_set_uj_2exp(m, b.significand, (b.signExponent & 0x7FFF) - 16383 - 63, MPFR_RNDN);
  char buffer[48];
  mpfr_snprintf(buffer, sizeof buffer, "%s%.14Re", b.signExponent >= 0x8000 ? "-" : "", m);
  mpfr_clear(m);
  return buffer;
}

// The doubles on either side of x, the nearer one first.
std::pair<double, double> Around(Ext x) {
  const double near = toNumber(x);
  return {near, std::nextafter(near, Ext(near) < x ? HUGE_VAL : -HUGE_VAL)};
}
// x lies within two units of its last place of the midpoint between the doubles around it.
bool NextToMidpoint(Ext x) {
  const auto [near, other] = Around(x);
  return abs(x - (Ext(near) + other) / 2) <= 2 * UlpOf(x);
}
// ... and those doubles, as shown(d) presents them, have different 15-digit texts.
template <class F>
bool NextToAnEdge(Ext x, F shown) {
  const auto [near, other] = Around(x);
  return NextToMidpoint(x) && Shown15(shown(near)) != Shown15(shown(other));
}
bool NextToAnEdge(Ext x) {
  return NextToAnEdge(x, [](double v) { return Ext(v); });
}

// The first of `tries` doubles from `from` upward that fits; NaN when none does.
template <class F>
double FirstFitting(double from, int tries, F fits) {
  for (double v = from; tries-- > 0; v = std::nextafter(v, HUGE_VAL))
    if (fits(v)) return v;
  return std::nan("");
}
double Down(double v, int units) {
  while (units-- > 0) v = std::nextafter(v, -HUGE_VAL);
  return v;
}

// ---- Input classes of each window, texts in screen order ---------------------------------------

using Draw = Texts (*)(Rng&, const std::string& sep);
struct InputClass {
  const char* name;
  int weight;
  Draw draw;
  bool wireMode = false;
};

// Single layer: VvodN, Vvodd (mm), Vvodl (mm).
Texts SingleRealistic(Rng& g, const std::string& s) {
  const double N = Chance(g, 0.5) ? std::round(LogUniform(g, 1, 2000)) : LogUniform(g, 0.5, 2000);
  return {Text(g, N, s), Text(g, LogUniform(g, 0.5, 200), s), Text(g, LogUniform(g, 0.1, 1000), s)};
}
// l near 2r/3 = D/3 mm or near r/10 = D/20 mm, a few units in the last place either way.
Texts SingleFormulaEdge(Rng& g, const std::string& s) {
  const double D = Chance(g, 0.3) ? 3.0 * (1 + Below(g, 60)) : LogUniform(g, 0.5, 200);
  const double l = Nudged(g, D / (Chance(g, 0.5) ? 3 : 20));
  return {Text(g, LogUniform(g, 1, 2000), s), Text(g, D, s, 17), Text(g, l, s, 17)};
}
Texts SingleZerosAndSigns(Rng& g, const std::string& s) {
  return ZerosAndSigns(g, SingleRealistic(g, s));
}
// 9 r + 10 l = 0 for D = -20 m and l = 9 m (mm): zero or nearly zero divisors.
Texts SingleZeroDivisor(Rng& g, const std::string& s) {
  const double m = Chance(g, 0.5) ? 1 + Below(g, 100) : LogUniform(g, 0.01, 100);
  const double N[] = {0, 1, LogUniform(g, 1, 1000)};
  return {Text(g, N[Below(g, 3)], s), Text(g, -20 * m, s, 17), Text(g, 9 * m, s, 17)};
}
Texts SingleExtremes(Rng& g, const std::string& s) { return Extremes(g, SingleRealistic(g, s), s); }
Texts SingleOdd(Rng& g, const std::string& s) { return WithOddField(g, SingleRealistic(g, s), s); }
// The inductance next to a rounding edge, by either formula.
Texts SingleRoundingEdge(Rng& g, const std::string& s) {
  for (;;) {
    const double D = Chance(g, 0.3) ? LogUniform(g, 1e-6, 1e6) : LogUniform(g, 0.5, 200);
    const double lmm = D * (Chance(g, 0.5) ? Uniform(g, 0.051, 0.333) : LogUniform(g, 0.334, 1e3));
    const Ext dcm = toNumber(Ext(D) / 10), l = toNumber(Ext(lmm) / 10);
    const Ext r = toNumber(dcm / 2), t = 2 * r / 3;
    Ext divisor;
    if (l > t)
      divisor = 9 * r + 10 * l;
    else if (t > l && l > r / 10)
      divisor = (9 - r / (5 * l)) * r + 10 * l;
    else
      continue;
    const double N = FirstFitting(LogUniform(g, 1, 2000), 40000, [&](double N) {
      return NextToAnEdge(0.394_ext * r * r * N * N / divisor);
    });
    if (!std::isnan(N)) return {Text(g, N, s, 17), Text(g, D, s, 17), Text(g, lmm, s, 17)};
  }
}
// Diameters for which r = D/20 cm is subnormal, with counts that keep the inductance in range.
Texts SingleTinyDiameter(Rng& g, const std::string& s) {
  return {Text(g, LogUniform(g, 1e140, 1e300), s, 17),
          Text(g, Signed(g, LogUniform(g, 1e-322, 4e-306)), s, 17),
          Text(g, LogUniform(g, 1e-300, 1e3), s)};
}

// Multi-layer: vvodDbn, VvodL, vvodDr, vvodN (cm).
Texts MultiRealistic(Rng& g, const std::string& s) {
  const double N = Chance(g, 0.5) ? std::round(LogUniform(g, 1, 1e4)) : LogUniform(g, 1, 1e4);
  return {Text(g, LogUniform(g, 0.1, 20), s), Text(g, LogUniform(g, 0.1, 30), s),
          Text(g, LogUniform(g, 0.01, 10), s), Text(g, N, s)};
}
Texts MultiZerosAndSigns(Rng& g, const std::string& s) {
  return ZerosAndSigns(g, MultiRealistic(g, s));
}
// 3 Dbn + 13 Dr + 9 l = 0, exactly or nearly.
Texts MultiZeroDivisor(Rng& g, const std::string& s) {
  const double N[] = {0, 1, LogUniform(g, 1, 1000)};
  const std::string n = Text(g, N[Below(g, 3)], s);
  if (Chance(g, 0.4)) {
    const double m = Chance(g, 0.5) ? 1 + Below(g, 50) : LogUniform(g, 0.01, 50);
    return {Text(g, 3 * m, s, 17), Text(g, -m, s, 17), "0", n};
  }
  const double Dbn = LogUniform(g, 0.1, 20), Dr = LogUniform(g, 0.01, 10);
  return {Text(g, Dbn, s, 17), Text(g, Nudged(g, -(3 * Dbn + 13 * Dr) / 9), s, 17),
          Text(g, Dr, s, 17), n};
}
Texts MultiExtremes(Rng& g, const std::string& s) { return Extremes(g, MultiRealistic(g, s), s); }
Texts MultiOdd(Rng& g, const std::string& s) { return WithOddField(g, MultiRealistic(g, s), s); }
// The inductance next to a rounding edge; dimensions of one size or far apart.
Texts MultiRoundingEdge(Rng& g, const std::string& s) {
  const double spread = Chance(g, 0.3) ? 1e8 : 1;
  const auto dimension = [&](double lo, double hi) {
    return LogUniform(g, lo, hi) * LogUniform(g, 1 / spread, spread);
  };
  const double Dbn = dimension(0.1, 20), l = dimension(0.1, 30), Dr = dimension(0.01, 10);
  const Ext r = toNumber((Ext(Dr) + Dbn) / 2);
  const Ext divisor = 6 * r + 9 * Ext(l) + 10 * Ext(Dr);
  for (;;) {
    const double N = FirstFitting(LogUniform(g, 1, 1e4), 40000, [&](double N) {
      return NextToAnEdge(0.315_ext * r * r * N * N / divisor);
    });
    if (!std::isnan(N))
      return {Text(g, Dbn, s, 17), Text(g, l, s, 17), Text(g, Dr, s, 17), Text(g, N, s, 17)};
  }
}

// Turns: vvoddbn, vvodl (cm), vvodd (mm), vvodLL (µH). The required inductance is aimed at a
// count n with plain double arithmetic, so that the walks stay short.
double AimedInductance(double Dbn, double l, double d, double n) {
  const double Dr = n / (l / (0.1 * d)) * d * 0.1, r = (Dr + Dbn) / 2;
  return 0.315 * r * r * n * n / (6 * r + 9 * l + 10 * Dr);
}
struct Coil {
  double Dbn, l, d;
};
Coil RealisticCoil(Rng& g) {
  return {Chance(g, 0.2) ? 0 : LogUniform(g, 0.05, 5), LogUniform(g, 0.3, 10),
          LogUniform(g, 0.05, 2)};
}
double AimedCount(Rng& g) { return LogUniform(g, 0.3, Wide() ? 700 : 15); }
Texts TurnsTexts(Rng& g, const std::string& s, const Coil& c, double Lreq, int digits = 0) {
  return {Text(g, c.Dbn, s, digits), Text(g, c.l, s, digits), Text(g, c.d, s, digits),
          Text(g, Lreq, s, digits)};
}
Texts TurnsRealistic(Rng& g, const std::string& s) {
  const Coil c = RealisticCoil(g);
  const double Lreq = AimedInductance(c.Dbn, c.l, c.d, AimedCount(g)) * Uniform(g, 0.97, 1.03);
  return TurnsTexts(g, s, c, Lreq);
}
// The inductance of count n as the search forms it.
Number CountInductance(const Coil& c, double n) {
  const Ext w = toNumber(c.l / (0.1_ext * c.d));
  const Ext k = toNumber(n / w);
  const Ext Dr = toNumber(k * c.d * 0.1_ext);
  const Ext r = toNumber((Dr + c.Dbn) / 2);
  return toNumber(0.315_ext * r * r * n * n / (6 * r + 9 * Ext(c.l) + 10 * Dr));
}
// The counts 0, 0.01, 0.02, ... accumulated as the search does.
double CountAfter(int steps) {
  static const std::vector<double> counts = [] {
    std::vector<double> n{0};
    while (n.size() <= 70000) n.push_back(toNumber(Ext(n.back()) + 0.01_ext));
    return n;
  }();
  return counts[static_cast<std::size_t>(steps)];
}
int CountSteps(Rng& g) { return static_cast<int>(LogUniform(g, 200, Wide() ? 70000 : 1500)); }
// A requirement that count n is the first to meet: its inductance lies 0.99 % below it.
double FirstMetAt(const Coil& c, double n) {
  return toNumber(Ext(CountInductance(c, n)) / 0.9901_ext);
}

// A count whose deviation |Lc - Lreq| equals Lreq/100 rounded to a double: the count lies on the
// edge of the band of 1 % to the last bit. From 2 turns up, where the step of 0.01 turn cannot
// step over the band.
Texts TurnsBandEdge(Rng& g, const std::string& s) {
  for (;;) {
    const Coil c = RealisticCoil(g);
    const double Lc = CountInductance(c, CountAfter(CountSteps(g)));
    const double Lreq = FirstFitting(Down(Lc / 0.99, 64), 128, [&](double Lreq) {
      return Lreq - Lc == toNumber(Ext(Lreq) / 100);
    });
    if (!std::isnan(Lreq)) return TurnsTexts(g, s, c, Lreq, 17);
  }
}
// The thickness of the count found next to a rounding edge: for a count from 2 turns up, a wire
// diameter that puts (k d) 0.1 there, and a requirement that this count is the first to meet.
Texts TurnsThicknessEdge(Rng& g, const std::string& s) {
  for (;;) {
    Coil c = RealisticCoil(g);
    const double n = CountAfter(CountSteps(g));
    c.d = FirstFitting(c.d, 40000, [&](double d) {
      const Ext k = toNumber(n / (c.l / (0.1_ext * d)));
      return NextToAnEdge(k * d * 0.1_ext);
    });
    if (!std::isnan(c.d)) return TurnsTexts(g, s, c, FirstMetAt(c, n), 17);
  }
}
// The turns per layer w next to a rounding edge, and a count whose thickness shows differently
// with the doubles on either side of w.
Texts TurnsPerLayerEdge(Rng& g, const std::string& s) {
  for (;;) {
    Coil c = RealisticCoil(g);
    c.d = FirstFitting(c.d, 4000, [&](double d) { return NextToMidpoint(c.l / (0.1_ext * d)); });
    if (std::isnan(c.d)) continue;
    const auto [w, otherW] = Around(c.l / (0.1_ext * c.d));
    const auto thickness = [&](double n, double w) {
      const Ext k = toNumber(Ext(n) / w);
      return toNumber(k * c.d * 0.1_ext);
    };
    for (int tries = 0; tries < 200; ++tries) {
      const double n = CountAfter(CountSteps(g));
      if (Shown15(thickness(n, w)) != Shown15(thickness(n, otherW)))
        return TurnsTexts(g, s, c, FirstMetAt(c, n), 17);
    }
  }
}
Texts TurnsZeros(Rng& g, const std::string& s) {
  Texts t = TurnsRealistic(g, s);
  for (int k = 1; k < 4; ++k)
    if (Chance(g, 0.5)) t[k] = Chance(g, 0.5) ? "0" : "-0";
  return t;
}
// A negative requirement, one too small for the first count, or a band between two counts.
Texts TurnsRefused(Rng& g, const std::string& s) {
  const Coil c = RealisticCoil(g);
  const int k = Below(g, 3);
  const double Lreq =
      k == 0   ? -LogUniform(g, 1e-3, 1e4)
      : k == 1 ? LogUniform(g, 1e-300, 1e-6)
               : AimedInductance(c.Dbn, c.l, c.d, LogUniform(g, 0.01, 0.5)) * Uniform(g, 0.9, 1.1);
  return TurnsTexts(g, s, c, Lreq);
}
// Dimensions for which the inductance need not grow with the count: the program walks count by
// count. A negative inner diameter above -3 l, or a negative wire diameter; Dbn = -3 l fails at
// count 0.
Texts TurnsNotGrowing(Rng& g, const std::string& s) {
  Coil c = RealisticCoil(g);
  const int k = Below(g, 3);
  if (k == 0) c.Dbn = -Uniform(g, 0.01, 2) * c.l;
  if (k == 1) c.d = -c.d;
  if (k == 2) c.Dbn = -3 * (c.l = 1 + Below(g, 10));
  const double n = LogUniform(g, 2, Wide() ? 200 : 15);
  return TurnsTexts(g, s, c,
                    AimedInductance(c.Dbn, c.l, std::fabs(c.d), n) * Uniform(g, 0.98, 1.02),
                    k == 2 ? 17 : 0);
}
// Dimensions scaled far from a real coil, or a requirement of any size below the first count's.
Texts TurnsExtremes(Rng& g, const std::string& s) {
  Coil c = RealisticCoil(g);
  c.Dbn *= LogUniform(g, 1e-10, 1e10);
  c.l *= LogUniform(g, 1e-10, 1e10);
  c.d *= LogUniform(g, 1e-10, 1e10);
  const double Lreq =
      Chance(g, 0.3) ? LogUniform(g, 1e-320, 1e-100)
                     : AimedInductance(c.Dbn, c.l, c.d, AimedCount(g)) * Uniform(g, 0.97, 1.03);
  return TurnsTexts(g, s, c, Lreq);
}
Texts TurnsOdd(Rng& g, const std::string& s) { return WithOddField(g, TurnsRealistic(g, s), s); }

// Optimal coil: vvodLind (µH), vvodNdb (dB or mm), vvodRn (Ω).
// Attenuation mode: every allowed attenuation from 0.0001 dB up walks 10^5 steps and more, so
// the classes that check the arithmetic behind the search use attenuations below -7.24 dB with a
// negative load (K < 1, (K - 1) Rн > 0), whose walks are short.
// Levels from -100 dB to -7.3 dB; most of them within 0.0001 dB of a grid point's level, since
// below -7.24 dB a level drawn at random mostly falls between the points and is refused.
double ShortWalkLevel(Rng& g) {
  if (Chance(g, 0.3)) return Uniform(g, -100, -7.3);
  return 20 * std::log10((1 + Below(g, 43000)) * 1e-5) + Uniform(g, -0.00009, 0.00009);
}
Texts AttenuationRealistic(Rng& g, const std::string& s) {
  return {Text(g, LogUniform(g, 1, 1e5), s), Text(g, Uniform(g, 0.0001, Wide() ? 20 : 3), s),
          Text(g, LogUniform(g, 0.5, 1000), s)};
}
Texts AttenuationLowLevel(Rng& g, const std::string& s) {
  const double Rn = LogUniform(g, 0.5, 1000);
  return {Text(g, LogUniform(g, 1, 1e5), s), Text(g, ShortWalkLevel(g), s),
          Text(g, Chance(g, 0.8) ? -Rn : Rn, s)};
}
// K below 1 (from -7.24 dB to 0.0001 dB): the square root of a negative number.
Texts AttenuationBelowOne(Rng& g, const std::string& s) {
  return {Text(g, LogUniform(g, 1, 1e5), s), Text(g, Uniform(g, -7.24, 0.0001), s),
          Text(g, Signed(g, LogUniform(g, 0.5, 1000)), s)};
}
Texts AttenuationSpecialLevels(Rng& g, const std::string& s) {
  const char* levels[] = {"-100",   "-20", "-40",    "-10",       "-100.0001",
                          "-1e300", "0",   "0.0001", "0.00005",   "-99.99",
                          "1",      "0.5", "-7.24",  "-100.00005"};
  std::string A;
  for (const char* c = levels[Below(g, sizeof levels / sizeof levels[0])]; *c != '\0'; ++c)
    A += *c == '.' ? s : std::string(1, *c);
  return {Text(g, LogUniform(g, 1, 1e5), s), A, Text(g, Signed(g, LogUniform(g, 0.5, 1000)), s)};
}
Texts AttenuationZerosAndSigns(Rng& g, const std::string& s) {
  const double L = LogUniform(g, 1, 1e5), Rn = LogUniform(g, 0.5, 1000);
  const double Ls[] = {0, -L, L}, Rns[] = {0, -Rn, Rn};
  const char* levels[] = {"-20", "-40", "-10", "-60"};
  return {Text(g, Ls[Below(g, 3)], s), levels[Below(g, 4)], Text(g, Rns[Below(g, 3)], s)};
}
Texts AttenuationExtremes(Rng& g, const std::string& s) {
  const double L = Chance(g, 0.8) ? LogUniform(g, 1e-322, 1.7e308) : AnyMagnitude(g);
  const double Rn = Chance(g, 0.8) ? -LogUniform(g, 1e-322, 1.7e308) : AnyMagnitude(g);
  return {Text(g, L, s), Text(g, ShortWalkLevel(g), s), Text(g, Rn, s)};
}
Texts AttenuationOdd(Rng& g, const std::string& s) {
  return WithOddField(g, AttenuationLowLevel(g, s), s);
}

// The grid of DbToRatio accumulated as the search does, and the level of a point by the
// program's own logarithm (which the model shares).
const std::vector<double>& RatioPoints() {
  static const std::vector<double> points = [] {
    std::vector<double> x{0};
    while (x.size() <= 100005) x.push_back(toNumber(Ext(x.back()) + 0.00001_ext));
    return x;
  }();
  return points;
}
Ext LevelOf(double x) { return 20 * log10(Ext(x)); }
double ShortWalkPoint(Rng& g) {
  return RatioPoints()[static_cast<std::size_t>(LogUniform(g, 1, 43000))];
}

// A ratio K below 0.43 reached with a level well inside its window, a negative load, and c, N
// or d next to a rounding edge.
Texts AttenuationRoundingEdge(Rng& g, const std::string& s) {
  for (;;) {
    const double K = ShortWalkPoint(g);
    const double A = toNumber(LevelOf(K) + 0.000099_ext);
    const double Rn = -LogUniform(g, 0.5, 1000);
    const Ext t = toNumber((Ext(K) - 1) * Rn);
    const int aim = Below(g, 3);
    const double L = FirstFitting(LogUniform(g, 1, 1e5), 40000, [&](double L) {
      const Ext c = sqrt(L / (8.66_ext * t));
      if (aim == 0) return NextToAnEdge(c, [](double v) { return Ext(v) / 10; });
      const Ext N = 19.88_ext * sqrt(L / Ext(toNumber(c)));
      if (aim == 1) return NextToAnEdge(N);
      return NextToAnEdge(0.841_ext * toNumber(c) / sqrt(Ext(toNumber(N))));
    });
    if (!std::isnan(L)) return {Text(g, L, s, 17), Text(g, A, s, 17), Text(g, Rn, s, 17)};
  }
}
// Levels that put a grid point's offset 20 log10 x - A within two units of its last place of
// -0.0001 (the search stops there or goes on) or +0.0001 (it stops there or gives up).
Texts AttenuationWindowEdge(Rng& g, const std::string& s) {
  for (;;) {
    const Ext level = LevelOf(ShortWalkPoint(g));
    const Ext edge = Chance(g, 0.5) ? 0.0001_ext : -0.0001_ext;
    const double A = FirstFitting(Down(toNumber(level + edge), 8), 16, [&](double A) {
      return abs(abs(level - A) - 0.0001_ext) <= 2 * UlpOf(level);
    });
    if (!std::isnan(A))
      return {Text(g, LogUniform(g, 1, 1e5), s), Text(g, A, s, 17),
              Text(g, -LogUniform(g, 0.5, 1000), s)};
  }
}
// Around 0 dB, where the units of A are finest, levels that put the offset of a point within a
// unit or two of A of -0.0001.
Texts AttenuationToleranceEdge(Rng& g, const std::string& s) {
  const Ext level = LevelOf(RatioPoints()[99998 + Below(g, 4)]);
  double A = toNumber(level + 0.0001_ext);
  for (int k = Below(g, 7) - 3; k != 0; k += k > 0 ? -1 : 1)
    A = std::nextafter(A, k > 0 ? HUGE_VAL : -HUGE_VAL);
  return {Text(g, LogUniform(g, 1, 1e5), s), Text(g, A, s, 17),
          Text(g, Signed(g, LogUniform(g, 0.5, 1000)), s)};
}

// Wire-diameter mode.
double WireInductance(Rng& g) { return LogUniform(g, 0.01, Wide() ? 1e8 : 2e4); }
// FifthRoot as the walk takes it, and the series resistance R = L / (8.66 c²) the mode forms.
double EighthRoot(double a) {
  double r = toNumber(sqrt(Ext(a)));
  r = toNumber(sqrt(Ext(r)));
  return toNumber(sqrt(Ext(r)));
}
Ext FifthPower(double r) { return Ext(r) * r * r * r * r; }
bool FirstTestPasses(double a, double r) { return abs(a - FifthPower(r)) <= 0.1_ext; }
double FifthRoot(double a) {
  for (double r = EighthRoot(a);;) {
    if (FirstTestPasses(a, r)) return r;
    r = toNumber(Ext(r) + 0.001_ext);
    if (FifthPower(r) > a) return r;
  }
}
double WireThickness(double L, double d) {
  return toNumber(3.8_ext * FifthRoot(toNumber(Ext(d) * d * d * d * L)));
}
double SeriesResistance(double L, double d) {
  const Ext c = WireThickness(L, d);
  return toNumber(L / (8.66_ext * (c * c)));
}
Texts WireRealistic(Rng& g, const std::string& s) {
  return {Text(g, WireInductance(g), s), Text(g, LogUniform(g, 0.02, 3), s),
          Text(g, LogUniform(g, 0.1, 1e4), s)};
}
// A load near -R (the logarithm of a sum near zero) or far above R (of a sum near 1).
Texts WireLoadEdges(Rng& g, const std::string& s) {
  const double L = WireInductance(g), d = LogUniform(g, 0.02, 3);
  const double R = SeriesResistance(L, d);
  const double Rn = Chance(g, 0.5) ? -R * (1 + Signed(g, LogUniform(g, 1e-17, 1e-10)))
                                   : R * LogUniform(g, 1e2, 1e17);
  return {Text(g, L, s, 17), Text(g, d, s, 17), Text(g, Rn, s, 17)};
}
Texts WireZerosAndSigns(Rng& g, const std::string& s) {
  return ZerosAndSigns(g, WireRealistic(g, s));
}
// Wire diameters so large that d^4 L overflows; tiny inductances with wire diameters of any
// size that keeps d^4 L below 10^7, so that the first walk stays short; loads of any size.
Texts WireExtremes(Rng& g, const std::string& s) {
  const bool overflow = Chance(g, 0.2);
  const double L = !overflow && Chance(g, 0.4) ? LogUniform(g, 1e-300, 1) : WireInductance(g);
  const double d =
      overflow ? LogUniform(g, 1e78, 1e300) : LogUniform(g, 1e-100, std::pow(1e7 / L, 0.25));
  return {Text(g, L, s), Text(g, Signed(g, d), s), Text(g, AnyMagnitude(g), s)};
}
Texts WireOdd(Rng& g, const std::string& s) { return WithOddField(g, WireRealistic(g, s), s); }
Ext InsertionLoss(Ext R, double Rn) { return 20 * log10(R / Rn + 1); }
// N, Aвн, or R next to a rounding edge (R with a load so much larger that the doubles on either
// side of it show as different insertion losses). The thickness c follows the last bits of d^4 L
// through FifthRoot's start, so it is formed again for every L tried; d^4 L stays below 1 to keep
// that walk at one step at most.
Texts WireRoundingEdge(Rng& g, const std::string& s) {
  for (;;) {
    const double L0 = LogUniform(g, 0.5, 500), d = LogUniform(g, 0.02, std::pow(0.9 / L0, 0.25));
    const auto resistance = [&](double L) {
      const Ext c = WireThickness(L, d);
      return L / (8.66_ext * (c * c));
    };
    const int aim = Below(g, 3);
    double L = L0;
    if (aim == 0)
      L = FirstFitting(L0, 40000, [&](double L) {
        return NextToAnEdge(19.88_ext * sqrt(L / Ext(WireThickness(L, d))));
      });
    if (aim == 1)
      L = FirstFitting(L0, 4000, [&](double L) { return NextToMidpoint(resistance(L)); });
    if (std::isnan(L)) continue;
    const auto [R, otherR] = Around(resistance(L));
    const double Rn = FirstFitting(R * LogUniform(g, aim == 1 ? 10 : 0.01, aim == 1 ? 1e8 : 100),
                                   40000, [&](double Rn) {
                                     if (aim == 1)
                                       return Shown15(toNumber(InsertionLoss(R, Rn))) !=
                                              Shown15(toNumber(InsertionLoss(otherR, Rn)));
                                     return aim == 0 || NextToAnEdge(InsertionLoss(R, Rn));
                                   });
    if (!std::isnan(Rn)) return {Text(g, L, s, 17), Text(g, d, s, 17), Text(g, Rn, s, 17)};
  }
}
// Neighbouring doubles below 1 for which the first test of FifthRoot answers differently (s^5 - a
// crosses 0.1 near a = 0.0460 and a = 0.7006): the walk returns the start for one and a step
// above it for the other. Bisection finds one such pair; the answer may change several times
// within a few hundred doubles of it, and one of those pairs is taken at random.
std::pair<double, double> FirstTestEdge(Rng& g) {
  const auto passes = [](double a) { return FirstTestPasses(a, EighthRoot(a)); };
  const bool low = Chance(g, 0.5);
  double a = low ? 0.03 : 0.6, b = low ? 0.06 : 0.85;
  const bool aPasses = passes(a);
  for (double m = a + (b - a) / 2; m != a && m != b; m = a + (b - a) / 2)
    (passes(m) == aPasses ? a : b) = m;
  std::vector<double> changes;
  for (double x = Down(a, 300), k = 0; k < 600; ++k, x = std::nextafter(x, 1.0))
    if (passes(x) != passes(std::nextafter(x, 1.0))) changes.push_back(x);
  const double first = changes[Below(g, static_cast<int>(changes.size()))];
  return {first, std::nextafter(first, 1.0)};
}
// FifthRoot's window test |a - r^5| <= 0.1 at its edge. For every count k of steps up to 250,
// bisection finds the a from 1 to 100 at which the k-th point lies at the tolerance, and the
// doubles around it are searched; the 32 whose test comes closest to the tolerance, in units of
// a's last place, are kept.
const std::vector<double>& WindowTestEdges() {
  static const std::vector<double> edges = [] {
    std::vector<std::pair<Ext, double>> closest;  // |margin| / unit of a, a
    for (int k = 1; k <= 250; ++k) {
      const auto margin = [k](double a) {
        double r = EighthRoot(a);
        for (int i = 0; i < k; ++i) r = toNumber(Ext(r) + 0.001_ext);
        return (a - FifthPower(r)) - 0.1_ext;
      };
      double lo = 1, hi = 100;
      for (double m = lo + (hi - lo) / 2; m != lo && m != hi; m = lo + (hi - lo) / 2)
        (margin(m) <= 0 ? lo : hi) = m;
      FirstFitting(Down(lo, 100), 200, [&](double a) {
        closest.emplace_back(abs(margin(a)) / std::ldexp(1.0, std::ilogb(a) - 52), a);
        return false;
      });
    }
    std::sort(closest.begin(), closest.end());
    std::vector<double> a;
    for (std::size_t k = 0; k < 32; ++k) a.push_back(closest[k].second);
    return a;
  }();
  return edges;
}
Texts WireWindowTestEdge(Rng& g, const std::string& s) {
  const double a = WindowTestEdges()[Below(g, 32)];
  return {Text(g, a, s, 17), "1", Text(g, LogUniform(g, 0.1, 1e4), s)};
}
Texts WireFirstTestEdge(Rng& g, const std::string& s) {
  const auto [a, b] = FirstTestEdge(g);
  return {Text(g, Chance(g, 0.5) ? a : b, s, 17),
          Text(g, Chance(g, 0.5) ? 1 : LogUniform(g, 0.05, 3), s, 17),
          Text(g, LogUniform(g, 0.1, 1e4), s)};
}
// d^4 L within two units of its last place of the midpoint of such a pair: the product's
// rounding decides which of the two the first walk takes.
Texts WireProductEdge(Rng& g, const std::string& s) {
  const auto [a, b] = FirstTestEdge(g);
  const Ext middle = (Ext(a) + b) / 2;
  for (;;) {
    const double d = LogUniform(g, 0.5, 2);
    const Ext d4 = Ext(d) * d * d * d;
    const double L = FirstFitting(Down(toNumber(middle / d4), 4), 8, [&](double L) {
      return abs(d4 * L - middle) <= 2 * UlpOf(middle);
    });
    if (!std::isnan(L))
      return {Text(g, L, s, 17), Text(g, d, s, 17), Text(g, LogUniform(g, 0.1, 1e4), s)};
  }
}

struct Window {
  const char* name;
  std::vector<InputClass> classes;
};
void PrintTo(const Window& window, std::ostream* os) { *os << window.name; }

const Window kWindows[] = {
    {"FormIndOdnosl",
     {{"realistic", 30, SingleRealistic},
      {"formula edges", 20, SingleFormulaEdge},
      {"rounding edges", 20, SingleRoundingEdge},
      {"zeros and signs", 8, SingleZerosAndSigns},
      {"zero divisor", 4, SingleZeroDivisor},
      {"extremes", 10, SingleExtremes},
      {"tiny diameters", 4, SingleTinyDiameter},
      {"odd texts", 4, SingleOdd}}},
    {"FormIndMnogosl",
     {{"realistic", 30, MultiRealistic},
      {"rounding edges", 25, MultiRoundingEdge},
      {"zeros and signs", 12, MultiZerosAndSigns},
      {"zero divisor", 10, MultiZeroDivisor},
      {"extremes", 18, MultiExtremes},
      {"odd texts", 5, MultiOdd}}},
    {"FormVitkmnogosl",
     {{"realistic", 25, TurnsRealistic},
      {"band edge", 10, TurnsBandEdge},
      {"thickness rounding edges", 8, TurnsThicknessEdge},
      {"per-layer rounding edges", 6, TurnsPerLayerEdge},
      {"zeros", 8, TurnsZeros},
      {"refused", 12, TurnsRefused},
      {"not growing", 10, TurnsNotGrowing},
      {"extremes", 15, TurnsExtremes},
      {"odd texts", 5, TurnsOdd}}},
    {"Formopt",
     {{"attenuation realistic", 4, AttenuationRealistic},
      {"attenuation low level", 8, AttenuationLowLevel},
      {"attenuation rounding edges", 10, AttenuationRoundingEdge},
      {"attenuation window edges", 6, AttenuationWindowEdge},
      {"attenuation tolerance edges", 1, AttenuationToleranceEdge},
      {"attenuation below one", 2, AttenuationBelowOne},
      {"attenuation special levels", 3, AttenuationSpecialLevels},
      {"attenuation zeros and signs", 4, AttenuationZerosAndSigns},
      {"attenuation extremes", 8, AttenuationExtremes},
      {"attenuation odd texts", 2, AttenuationOdd},
      {"wire realistic", 14, WireRealistic, true},
      {"wire rounding edges", 12, WireRoundingEdge, true},
      {"wire first-test edges", 2, WireFirstTestEdge, true},
      {"wire window-test edges", 2, WireWindowTestEdge, true},
      {"wire product edges", 4, WireProductEdge, true},
      {"wire load edges", 6, WireLoadEdges, true},
      {"wire zeros and signs", 4, WireZerosAndSigns, true},
      {"wire extremes", 5, WireExtremes, true},
      {"wire odd texts", 2, WireOdd, true}}},
};

const InputClass& PickClass(Rng& g, const std::vector<InputClass>& classes) {
  int total = 0;
  for (const InputClass& c : classes) total += c.weight;
  int k = Below(g, total);
  for (const InputClass& c : classes)
    if ((k -= c.weight) < 0) return c;
  return classes.back();
}

// Differences between program and model, with the first few shown.
class Differences {
 public:
  explicit Differences(const char* what) : what_(what) {}
  void check(const std::string& input, const std::string& program, const std::string& model) {
    ++cases_;
    if (program == model) return;
    if (++count_ <= 5)
      ADD_FAILURE() << input << "\n  program: " << program << "\n  model:   " << model;
  }
  ~Differences() {
    std::printf("%s: %d of %d cases differ\n", what_, count_, cases_);
    EXPECT_EQ(count_, 0);
  }

 private:
  const char* what_;
  int cases_ = 0, count_ = 0;
};

class WindowModel : public ::testing::TestWithParam<Window> {};

TEST_P(WindowModel, AgreesOnRandomCases) {
  const Window& window = GetParam();
  const Calculator* calculator = FindCalculator(window.name);
  ASSERT_NE(calculator, nullptr);
  Rng g(std::hash<std::string>{}(window.name) ^ 0x14);
  CliRunner program(FormatSettings{U'.'});
  model::Calculators model;  // both keep their state from one case to the next
  Differences differences(window.name);
  const char* dumpPath = std::getenv("COILCALC_MODEL_CASES");
  std::FILE* dump = dumpPath == nullptr ? nullptr : std::fopen(dumpPath, "a");
  for (int k = 0; k < 10000 * Scale(); ++k) {
    const InputClass& c = PickClass(g, window.classes);
    const Separator& sep = kSeparators[Below(g, 3)];
    const Texts texts = c.draw(g, sep.utf8);
    model::Case mc{window.name, {}, sep.utf8, c.wireMode};
    std::vector<std::string> items{window.name, std::string("sep=") + sep.utf8};
    std::string input = std::string(c.name) + ":";
    for (std::size_t f = 0; f < texts.size(); ++f) {
      const std::string control = calculator->inputs[f].control;
      mc.texts.emplace_back(control, texts[f]);
      items.push_back(control + "=" + model::Escaped(texts[f]));
      input += "\t" + items.back();
    }
    if (c.wireMode) items.push_back("CheckBox1=1");
    for (std::size_t i = 0; dump != nullptr && i < items.size(); ++i)
      std::fprintf(dump, "%s%c", items[i].c_str(), i + 1 < items.size() ? '\t' : '\n');
    std::string expected;
    try {
      expected = model.run(mc);
    } catch (const model::Unmodelled& e) {
      expected = std::string("(unmodelled: ") + e.what() + ")";
    }
    differences.check(input + "\t" + items[1], program.runCase(items), expected);
  }
  if (dump != nullptr) std::fclose(dump);
}

INSTANTIATE_TEST_SUITE_P(Windows, WindowModel, ::testing::ValuesIn(kWindows),
                         [](const auto& info) { return std::string(info.param.name); });

// ---- Number text -----------------------------------------------------------------------------

std::string Digits(Rng& g, int count) {
  std::string d;
  const bool leadingZeros = Chance(g, 0.2);
  for (int k = 0; k < count; ++k)
    d += static_cast<char>('0' + (leadingZeros && k < count / 2 ? 0 : Below(g, 10)));
  return d;
}

int DigitCount(Rng& g) {
  const int k = Below(g, 1000);
  if (k < 150) return 0;
  if (k < 550) return 1 + Below(g, 5);
  if (k < 900) return 6 + Below(g, 20);
  if (k < 995) return 26 + Below(g, 40);
  return 4900 + Below(g, 200);  // about where the accumulator leaves the extended range
}

// A field text built from the parts of number entry, sometimes with one character out of place.
std::string NumberText(Rng& g, const std::string& sep, const std::string& other) {
  std::string t(Chance(g, 0.1) ? 1 + Below(g, 2) : 0, ' ');
  if (Chance(g, 0.4)) t += Chance(g, 0.75) ? "-" : "+";
  t += Digits(g, DigitCount(g));
  if (Chance(g, 0.6)) t += sep + Digits(g, DigitCount(g));
  if (Chance(g, 0.002)) t += sep + std::string(5100 + Below(g, 100), '0') + "1";
  if (Chance(g, 0.5)) {
    t += Chance(g, 0.7) ? "e" : "E";
    if (Chance(g, 0.5)) t += Chance(g, 0.7) ? "-" : "+";
    const int k = Below(g, 10);
    if (k < 2)
      t += std::to_string(4900 + Below(g, 100));  // the edges of the range
    else if (k < 3)
      t += std::string(Below(g, 4), '0') + std::to_string(Below(g, 6000));
    else if (k < 4)
      t += std::to_string(Below(g, 100000));  // past the reading bound
    else
      t += Digits(g, Below(g, 4));
  }
  if (Chance(g, 0.1)) t += std::string(1 + Below(g, 2), ' ');
  if (Chance(g, 0.1)) {
    const std::string junk[] = {"\t", "\n", "x", sep, other, " ", std::string(1, '\0'),
                                "e",  "-",  "\\"};
    t.insert(Below(g, static_cast<int>(t.size()) + 1), junk[Below(g, 10)]);
  }
  return t;
}

TEST(NumberTextModel, EntryAgreesOnRandomTexts) {
  Rng g(0x14e);
  CliRunner program(FormatSettings{U'.'});
  Differences differences("number entry");
  // COILCALC_MODEL_CASES=FILE: these cases too, appended as coilcalc-cli lines.
  const char* casesPath = std::getenv("COILCALC_MODEL_CASES");
  std::FILE* cases = casesPath == nullptr ? nullptr : std::fopen(casesPath, "a");
  if (casesPath != nullptr) {
    ASSERT_NE(cases, nullptr) << casesPath;
  }
  for (int k = 0; k < 100000 * Scale(); ++k) {
    const Separator& sep = kSeparators[Below(g, 3)];
    const std::string text = NumberText(g, sep.utf8, kSeparators[Below(g, 3)].utf8);
    const std::string items = "number\ttext=" + model::Escaped(text) + "\tsep=" + sep.utf8;
    const std::string line = items + "\n";  // the text may hold a NUL: no fputs
    if (cases != nullptr) std::fwrite(line.data(), 1, line.size(), cases);
    differences.check(items, program.runCase(SplitItems(items)), model::NumberLine(text, sep.utf8));
  }
  if (cases != nullptr) {
    EXPECT_EQ(std::fclose(cases), 0) << casesPath;
  }
}

TEST(NumberTextModel, DisplayAgreesOnRandomBitPatterns) {
  Rng g(0x14d);
  Differences differences("number display");
  for (int k = 0; k < 100000 * Scale(); ++k) {
    const Separator& sep = kSeparators[Below(g, 3)];
    const FormatSettings format{sep.code};
    char input[64];
    if (k % 2 == 0) {
      // Doubles: any pattern, subnormals, and 15-digit halfway cases over the range.
      std::uint64_t bits = g();
      if (k % 6 == 2) bits &= 0x800FFFFFFFFFFFFFULL;
      if (k % 6 == 4) {
        const double halfway = (1e14 + Below(g, 900000000) * 1e6 + Below(g, 1000000) + 0.5) *
                               std::pow(10.0, Below(g, 600) - 314);
        std::memcpy(&bits, &halfway, sizeof bits);
      }
      double v;
      std::memcpy(&v, &bits, sizeof v);
      std::snprintf(input, sizeof input, "double %016llX", static_cast<unsigned long long>(bits));
      differences.check(input, NumberToText(v, format), model::ShowDoubleBits(bits, sep.utf8));
    } else {
      // Extended: every exponent, the integer bit set (or clear for the subnormals).
      const std::uint16_t signExponent = static_cast<std::uint16_t>(g());
      std::uint64_t significand = g();
      if ((signExponent & 0x7FFF) == 0)
        significand &= ~(1ULL << 63);
      else
        significand |= 1ULL << 63;
      std::snprintf(input, sizeof input, "extended %04X%016llX", signExponent,
                    static_cast<unsigned long long>(significand));
      differences.check(input, NumberToText(FromBits({signExponent, significand}), format),
                        model::ShowExtendedBits(signExponent, significand, sep.utf8));
    }
  }
}

}  // namespace
