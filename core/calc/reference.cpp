// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The coilcalc developers
#include "calc/reference.h"

#include <boost/math/policies/policy.hpp>
#include <boost/math/tools/toms748_solve.hpp>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <utility>

#include "physics/inductance.h"

namespace {

const char kNoReference[] = "Точный расчёт для таких размеров не выполняется";

// A number as std::to_chars writes it, without trailing zeros after the point, and with format's
// separator for the point.
std::string Localized(std::string s, const FormatSettings& format) {
  const std::size_t point = s.find('.');
  if (point == std::string::npos) return s;
  s.erase(s.find_last_not_of('0') + 1);
  if (s.size() == point + 1) return s.erase(point);
  return s.replace(point, 1, format.separatorUtf8());
}

// A value that is no number, as number display writes it.
std::string NonFiniteText(double v) { return std::isnan(v) ? "NAN" : v < 0 ? "-INF" : "INF"; }

// v rounded to the given digits after the point. std::to_chars, unlike printf, ignores the C
// library's locale, which QApplication sets from the environment.
std::string Fixed(double v, int decimals, const FormatSettings& format) {
  if (!std::isfinite(v)) return NonFiniteText(v);
  char buffer[400];  // any double with up to 80 decimals
  const std::to_chars_result r =
      std::to_chars(buffer, buffer + sizeof buffer, v, std::chars_format::fixed, decimals);
  if (r.ec != std::errc{}) return ApproximateText(v, format);  // not reached: |v| < 1e7 here
  return Localized(std::string(buffer, r.ptr), format);
}

// "0,48", "7,8", "123" percent: two decimals below 10, one below 100, none above.
std::string PercentText(double p, const FormatSettings& format) {
  if (p >= 1000) return ApproximateText(p, format);
  return Fixed(p, p < 10 ? 2 : p < 100 ? 1 : 0, format);
}

// Below this many percent the deviation is not worth a number.
constexpr double kNegligiblePercent = 0.005;

// (value - reference) / reference in percent; nothing for a zero reference.
std::optional<double> Deviation(double value, double reference) {
  if (reference == 0) return std::nullopt;
  const double d = (value - reference) / reference * 100;
  if (!std::isfinite(d)) return std::nullopt;
  return d;
}

void SetDeviation(ReferenceEstimate& e, std::optional<double> deviation) {
  e.deviation = deviation;
  e.warning = deviation && std::fabs(*deviation) > kReferenceWarningPercent;
}

// "; формула занижает на 0,48 %", from the formula's deviation from the reference.
std::string FormulaClause(double deviation, const FormatSettings& format) {
  if (std::fabs(deviation) < kNegligiblePercent)
    return "; формула точна до " + PercentText(0.01, format) + " %";
  return std::string(deviation < 0 ? "; формула занижает на " : "; формула завышает на ") +
         PercentText(std::fabs(deviation), format) + " %";
}

// The reference L of a coil by the model named, against the formula's result (nothing where no
// formula applies): "Точный расчёт (токовый слой): 0,03355 мкГн; формула занижает на 0,48 %".
ReferenceEstimate AgainstFormula(const char* model, std::optional<double> L,
                                 std::optional<double> formula, const FormatSettings& format) {
  ReferenceEstimate e;
  if (!L) {
    e.text = kNoReference;
    return e;
  }
  e.L = L;
  e.text = std::string("Точный расчёт (") + model + "): " + ApproximateText(*L, format) + " мкГн";
  if (!formula) return e;
  SetDeviation(e, Deviation(*formula, *L));
  if (e.deviation) e.text += FormulaClause(*e.deviation, format);
  return e;
}

// The reference L of a coil found for the required inductance Lreq:
// "Точный расчёт: 2279 мкГн, на 8,86 % меньше требуемой".
ReferenceEstimate AgainstRequirement(std::optional<double> L, double Lreq,
                                     const FormatSettings& format) {
  ReferenceEstimate e;
  if (!L || !(Lreq > 0)) {
    e.text = kNoReference;
    return e;
  }
  e.L = L;
  SetDeviation(e, Deviation(*L, Lreq));
  e.text = "Точный расчёт: " + ApproximateText(*L, format) + " мкГн";
  if (!e.deviation) return e;
  if (std::fabs(*e.deviation) < kNegligiblePercent) {
    e.text += ", как требуется";
  } else {
    e.text += ", на " + PercentText(std::fabs(*e.deviation), format) + " % " +
              (*e.deviation < 0 ? "меньше" : "больше") + " требуемой";
  }
  return e;
}

// ---- the count of turns for a required inductance -------------------------------------------

namespace bp = boost::math::policies;
using Policy = bp::policy<bp::domain_error<bp::ignore_error>, bp::evaluation_error<bp::ignore_error>>;

// The thickness in cm that the turns search gives n turns of wire of diameter d (mm) in a
// winding of length l (cm): n/w layers of w = l/(0.1 d) turns, each 0.1 d thick.
double ThicknessOf(double n, double l, double d) { return n / (l / (0.1 * d)) * d * 0.1; }

std::optional<double> TurnsReferenceL(const TurnsComputed& c, double n) {
  return physics::RectangularWindingInductance(c.Dbn, c.l, ThicknessOf(n, c.l, c.d), n);
}

constexpr int kBracketSteps = 10;
constexpr std::uintmax_t kSolverSteps = 20;
constexpr int kSolverBits = 30;  // 2e-9: the model itself holds 1e-6

// The count n whose winding, with the thickness following the count, has the reference
// inductance Lreq, starting from n0 whose reference is L0. ln(L(n)/Lreq) rises with n (as ln n
// twice, give or take how the thickness shapes the winding): secant steps in ln n, each a little
// beyond the secant's root, bracket it; TOMS 748 then narrows the bracket. Nothing when a step
// leaves the model's domain, or the bracket or the root is not found within the bounds.
std::optional<double> CountForRequirement(const TurnsComputed& c, double n0, double L0) {
  bool failed = false;
  const auto offset = [&](double n) {
    const std::optional<double> L = TurnsReferenceL(c, n);
    if (!L || !(*L > 0)) {
      failed = true;
      return 0.0;  // ends the solver at once; the result is discarded
    }
    return std::log(*L / c.Lreq);
  };
  double x0 = std::log(n0), f0 = std::log(L0 / c.Lreq);
  if (!std::isfinite(x0) || !std::isfinite(f0)) return std::nullopt;
  if (f0 == 0) return n0;
  double slope = 2;  // d ln L / d ln n for a winding that kept its shape
  for (int step = 0; step < kBracketSteps; ++step) {
    const double x1 = x0 - 1.05 * f0 / slope;
    if (!std::isfinite(x1)) return std::nullopt;
    const double f1 = offset(std::exp(x1));
    if (failed) return std::nullopt;
    if (f1 == 0) return std::exp(x1);
    if ((f1 < 0) != (f0 < 0)) {
      double a = std::exp(x0), b = std::exp(x1), fa = f0, fb = f1;
      if (a > b) std::swap(a, b), std::swap(fa, fb);
      std::uintmax_t steps = kSolverSteps;
      boost::math::tools::eps_tolerance<double> close(kSolverBits);
      const std::pair<double, double> r =
          boost::math::tools::toms748_solve(offset, a, b, fa, fb, close, steps, Policy());
      const bool converged = r.first == r.second || close(r.first, r.second);
      if (failed || !converged) return std::nullopt;
      return (r.first + r.second) / 2;
    }
    const double secant = (f1 - f0) / (x1 - x0);
    if (secant > 0 && std::isfinite(secant)) slope = secant;
    x0 = x1;
    f0 = f1;
  }
  return std::nullopt;
}

}  // namespace

std::string ApproximateText(double v, const FormatSettings& format) {
  if (v == 0) return "0";
  if (!std::isfinite(v)) return NonFiniteText(v);
  char buffer[64];  // d.ddde±XXX, rounded to four digits
  const std::to_chars_result r =
      std::to_chars(buffer, buffer + sizeof buffer, v, std::chars_format::scientific, 3);
  const std::string text(buffer, r.ptr);
  const std::size_t e = text.find('e');
  const int exponent = std::atoi(text.c_str() + e + 1);
  if (exponent >= -5 && exponent < 7) return Fixed(v, exponent < 3 ? 3 - exponent : 0, format);
  return Localized(text.substr(0, e), format) + "E" + std::to_string(exponent);
}

ReferenceEstimate EstimateSingleLayer(const SingleLayerComputed& c, const FormatSettings& format) {
  ReferenceEstimate e = AgainstFormula("токовый слой", physics::CurrentSheetInductance(c.d_cm, c.l, c.N),
                                       c.L, format);
  if (e.L && !c.L) e.text += "; формулы для такой короткой катушки нет";
  return e;
}

ReferenceEstimate EstimateMultiLayer(const MultiLayerComputed& c, const FormatSettings& format) {
  return AgainstFormula("обмотка прямоугольного сечения",
                        physics::RectangularWindingInductance(c.Dbn, c.l, c.Dr, c.N), c.L, format);
}

ReferenceEstimate EstimateTurns(const TurnsComputed& c, const FormatSettings& format) {
  ReferenceEstimate e =
      AgainstRequirement(physics::RectangularWindingInductance(c.Dbn, c.l, c.Dr, c.n), c.Lreq, format);
  if (!e.L) return e;
  e.N = CountForRequirement(c, c.n, *e.L);
  if (e.N) {
    e.Dr = ThicknessOf(*e.N, c.l, c.d);
    e.text += "; нужно N = " + ApproximateText(*e.N, format) + ", Dr = " +
              ApproximateText(*e.Dr, format) + " см";
  }
  return e;
}

ReferenceEstimate EstimateOptimal(const OptimalComputed& c, const FormatSettings& format) {
  const double cm = c.c / 10;
  const std::optional<double> perTurn2 = physics::RectangularWindingPerTurn2(2 * cm, cm, cm);
  ReferenceEstimate e = AgainstRequirement(physics::WithTurns(perTurn2, c.N), c.Lreq, format);
  // The shape is fixed, so L grows as N^2 and the count follows from L/N^2 alone.
  const double N = e.L && *perTurn2 > 0 ? std::sqrt(c.Lreq / *perTurn2) : NAN;
  if (std::isfinite(N)) {
    e.N = N;
    e.text += "; нужно N = " + ApproximateText(N, format);
  }
  return e;
}

ReferenceEstimate Estimate(const Computed& computed, const FormatSettings& format) {
  struct Visitor {
    const FormatSettings& format;
    ReferenceEstimate operator()(std::monostate) const { return {}; }
    ReferenceEstimate operator()(const SingleLayerComputed& c) const { return EstimateSingleLayer(c, format); }
    ReferenceEstimate operator()(const MultiLayerComputed& c) const { return EstimateMultiLayer(c, format); }
    ReferenceEstimate operator()(const TurnsComputed& c) const { return EstimateTurns(c, format); }
    ReferenceEstimate operator()(const OptimalComputed& c) const { return EstimateOptimal(c, format); }
  };
  return std::visit(Visitor{format}, computed);
}
