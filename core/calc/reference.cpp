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

#include "calc/texts.h"
#include "physics/inductance.h"
#include "physics/wire.h"

namespace {

namespace tx = texts::reference;
namespace units = texts::units;

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

bool Negligible(double deviation) { return std::fabs(deviation) < kNegligiblePercent; }

void SetDeviation(ReferenceEstimate& e, std::optional<double> deviation) {
  e.deviation = deviation;
  e.warning = deviation && std::fabs(*deviation) > kReferenceWarningPercent;
}

// ---- the table -------------------------------------------------------------------------------

void AddHeading(ReferenceEstimate& e, std::string text) {
  e.table.push_back({std::move(text), "", "", ReferenceRow::Kind::Heading});
}
void AddNote(ReferenceEstimate& e, std::string text) {
  e.table.push_back({std::move(text), "", "", ReferenceRow::Kind::Note});
}

// A figure's row, where there is a figure.
void AddFigure(ReferenceEstimate& e, const std::string& quantity, std::optional<double> value,
               const std::string& unit, const FormatSettings& format) {
  if (value) e.table.push_back({quantity, ApproximateText(*value, format), unit});
}

// How a deviation reads below zero, above it, and where it is too small to state.
struct DeviationWords {
  CatalogText below;
  CatalogText above;
  CatalogText negligible;
};
constexpr DeviationWords kFormulaWords{tx::kFormulaBelow, tx::kFormulaAbove, tx::kFormulaExact};
constexpr DeviationWords kRequirementWords{tx::kRequirementBelow, tx::kRequirementAbove,
                                           tx::kRequirementExact};

// "Формула занижает на" | "0,48" | "%".
void AddDeviation(ReferenceEstimate& e, std::optional<double> deviation,
                  const DeviationWords& words, const FormatSettings& format) {
  if (!deviation) return;
  if (Negligible(*deviation)) {
    e.table.push_back({format.tr(words.negligible), PercentText(0.01, format), "%"});
  } else {
    e.table.push_back({format.tr(*deviation < 0 ? words.below : words.above),
                       PercentText(std::fabs(*deviation), format), "%"});
  }
}

// The heading and the inductance row of the model named.
void AddInductance(ReferenceEstimate& e, const CatalogText& model, const FormatSettings& format) {
  AddHeading(e, FillArgs(format.tr(tx::kHeadingModel), {format.tr(model)}));
  AddFigure(e, format.tr(tx::kInductance), e.L, format.tr(units::kMicrohenry), format);
}

// No figure: the text says so, and is the table's one row.
ReferenceEstimate NoReference(const FormatSettings& format) {
  ReferenceEstimate e;
  e.text = format.tr(tx::kNone);
  AddNote(e, e.text);
  return e;
}

// The line with one more clause: "...; формула занижает на 0,48 %".
void AddClause(std::string& line, const std::string& clause, const FormatSettings& format) {
  line = FillArgs(format.tr(tx::kClauses), {line, clause});
}

// "формула занижает на 0,48 %", from the formula's deviation from the reference.
std::string FormulaClause(double deviation, const FormatSettings& format) {
  if (Negligible(deviation))
    return FillArgs(format.tr(tx::kClauseFormulaExact), {PercentText(0.01, format)});
  return FillArgs(format.tr(deviation < 0 ? tx::kClauseFormulaBelow : tx::kClauseFormulaAbove),
                  {PercentText(std::fabs(deviation), format)});
}

// The reference L of a coil by the model named, against the formula's result (nothing where no
// formula applies): "Точный расчёт (токовый слой): 0,03355 мкГн; формула занижает на 0,48 %".
ReferenceEstimate AgainstFormula(const CatalogText& model, std::optional<double> L,
                                 std::optional<double> formula, const FormatSettings& format) {
  if (!L) return NoReference(format);
  ReferenceEstimate e;
  e.L = L;
  e.text = FillArgs(format.tr(tx::kLineByModel), {format.tr(model), ApproximateText(*L, format)});
  AddInductance(e, model, format);
  if (!formula) return e;
  SetDeviation(e, Deviation(*formula, *L));
  if (e.deviation) AddClause(e.text, FormulaClause(*e.deviation, format), format);
  AddDeviation(e, e.deviation, kFormulaWords, format);
  return e;
}

// The reference L of a coil found for the required inductance Lreq:
// "Точный расчёт: 2279 мкГн, на 8,86 % меньше требуемой".
ReferenceEstimate AgainstRequirement(std::optional<double> L, double Lreq,
                                     const FormatSettings& format) {
  if (!L || !(Lreq > 0)) return NoReference(format);
  ReferenceEstimate e;
  e.L = L;
  SetDeviation(e, Deviation(*L, Lreq));
  const std::string value = ApproximateText(*L, format);
  AddInductance(e, tx::kWinding, format);
  AddDeviation(e, e.deviation, kRequirementWords, format);
  if (!e.deviation) {
    e.text = FillArgs(format.tr(tx::kLineRequirement), {value});
  } else if (Negligible(*e.deviation)) {
    e.text = FillArgs(format.tr(tx::kLineRequirementMet), {value});
  } else {
    e.text = FillArgs(
        format.tr(*e.deviation < 0 ? tx::kLineRequirementBelow : tx::kLineRequirementAbove),
        {value, PercentText(std::fabs(*e.deviation), format)});
  }
  return e;
}

// ---- the wire ----------------------------------------------------------------------------------

std::optional<double> Times(std::optional<double> v, double factor) {
  if (!v) return std::nullopt;
  return *v * factor;
}

// The copper of a wire of the given length and diameter (cm): its length in m, DC resistance and
// mass, into e and its table.
void AddCopper(ReferenceEstimate& e, std::optional<double> length, std::optional<double> d,
               const FormatSettings& format) {
  e.wire = Times(length, 0.01);
  if (length && d) {
    e.R = physics::CopperResistance(*length, *d);
    e.mass = physics::CopperMass(*length, *d);
  }
  AddFigure(e, format.tr(tx::kWireLength), e.wire, format.tr(units::kMetre), format);
  AddFigure(e, format.tr(tx::kCopperMass), e.mass, format.tr(units::kGram), format);
  AddFigure(e, format.tr(tx::kDcResistance), e.R, format.tr(units::kOhm), format);
}

// The largest wire that fits a coil with no wire given (d in cm), of the given length: the
// heading, its diameter, and its copper.
void AddLargestWire(ReferenceEstimate& e, const CatalogText& fit, std::optional<double> d,
                    std::optional<double> length, const FormatSettings& format) {
  if (!length) return;
  AddHeading(e, format.tr(tx::kHeadingLargestWire));
  e.d = Times(d, 10);
  AddFigure(e, format.tr(fit), e.d, format.tr(units::kMillimetre), format);
  AddCopper(e, length, d, format);
}

// N turns of the given wire (d in mm) wound in layers over the length l, inner diameter Dbn and
// thickness Dr (cm): the heading, the layers, the turns and the copper; nothing without turns or
// wire.
void AddWoundWire(ReferenceEstimate& e, double N, double d, double Dbn, double l, double Dr,
                  const FormatSettings& format) {
  const std::optional<double> length = physics::TurnsWireLength(N, Dbn + Dr);
  if (!length || !(d > 0)) return;
  AddHeading(e, FillArgs(format.tr(tx::kHeadingWire), {ApproximateText(d, format)}));
  const std::optional<double> perLayer = physics::TurnsPerLayer(l, 0.1 * d);
  if (perLayer) e.layers = N / *perLayer;
  AddFigure(e, format.tr(tx::kTurnsPerLayer), perLayer, "", format);
  AddFigure(e, format.tr(tx::kLayers), e.layers, "", format);
  AddFigure(e, format.tr(tx::kMeanTurn), physics::TurnsWireLength(1, Dbn + Dr),
            format.tr(units::kCentimetre), format);
  AddFigure(e, format.tr(tx::kOuterDiameter), Dbn + 2 * Dr, format.tr(units::kCentimetre), format);
  AddCopper(e, length, 0.1 * d, format);
}

// What the copper figures assume, where there are any.
void AddCopperNote(ReferenceEstimate& e, const FormatSettings& format) {
  if (!e.wire) return;
  AddNote(e, FillArgs(format.tr(tx::kCopperNote),
                      {ApproximateText(1 / physics::kCopperResistivity, format),
                       ApproximateText(physics::kCopperDensity, format)}));
  AddNote(e, format.tr(tx::kBareWireNote));
}

// ---- the count of turns for a required inductance -------------------------------------------

namespace bp = boost::math::policies;
using Policy =
    bp::policy<bp::domain_error<bp::ignore_error>, bp::evaluation_error<bp::ignore_error>>;

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
  ReferenceEstimate e = AgainstFormula(
      tx::kCurrentSheet, physics::CurrentSheetInductance(c.d_cm, c.l, c.N), c.L, format);
  if (!e.L) return e;
  if (!c.L) {
    AddClause(e.text, format.tr(tx::kClauseNoFormula), format);
    AddNote(e, format.tr(tx::kNoFormula));
  }
  AddLargestWire(e, tx::kPitchDiameter, physics::HelixPitch(c.N, c.l),
                 physics::HelixWireLength(c.N, c.d_cm, c.l), format);
  AddCopperNote(e, format);
  return e;
}

ReferenceEstimate EstimateMultiLayer(const MultiLayerComputed& c, const FormatSettings& format) {
  ReferenceEstimate e = AgainstFormula(
      tx::kWinding, physics::RectangularWindingInductance(c.Dbn, c.l, c.Dr, c.N), c.L, format);
  if (!e.L) return e;
  AddLargestWire(e, tx::kPackingDiameter, physics::LargestWire(c.l, c.Dr, c.N),
                 physics::TurnsWireLength(c.N, c.Dbn + c.Dr), format);
  AddCopperNote(e, format);
  return e;
}

ReferenceEstimate EstimateTurns(const TurnsComputed& c, const FormatSettings& format) {
  ReferenceEstimate e = AgainstRequirement(
      physics::RectangularWindingInductance(c.Dbn, c.l, c.Dr, c.n), c.Lreq, format);
  if (!e.L) return e;
  e.N = CountForRequirement(c, c.n, *e.L);
  if (e.N) {
    e.Dr = ThicknessOf(*e.N, c.l, c.d);
    AddClause(e.text,
              FillArgs(format.tr(tx::kClauseCountAndThickness),
                       {ApproximateText(*e.N, format), ApproximateText(*e.Dr, format)}),
              format);
  }
  AddFigure(e, format.tr(tx::kTurnsNeeded), e.N, "", format);
  AddFigure(e, format.tr(tx::kThicknessNeeded), e.Dr, format.tr(units::kCentimetre), format);
  AddWoundWire(e, c.n, c.d, c.Dbn, c.l, c.Dr, format);
  AddCopperNote(e, format);
  return e;
}

ReferenceEstimate EstimateOptimal(const OptimalComputed& c, const FormatSettings& format) {
  const double cm = c.c / 10;
  const std::optional<double> perTurn2 = physics::RectangularWindingPerTurn2(2 * cm, cm, cm);
  ReferenceEstimate e = AgainstRequirement(physics::WithTurns(perTurn2, c.N), c.Lreq, format);
  if (!e.L) return e;
  // The shape is fixed, so L grows as N^2 and the count follows from L/N^2 alone.
  const double N = *perTurn2 > 0 ? std::sqrt(c.Lreq / *perTurn2) : NAN;
  if (std::isfinite(N)) {
    e.N = N;
    AddClause(e.text, FillArgs(format.tr(tx::kClauseCount), {ApproximateText(N, format)}), format);
  }
  AddFigure(e, format.tr(tx::kTurnsNeeded), e.N, "", format);
  // The window takes a negative wire diameter as its magnitude.
  AddWoundWire(e, c.N, std::fabs(c.d), 2 * cm, cm, cm, format);
  // The window's R = L/(8.66 c²), c in mm, stands for the DC resistance.
  const double windowR = c.Lreq / (8.66 * c.c * c.c);
  if (e.R && std::isfinite(windowR)) {
    AddFigure(e, FillArgs(format.tr(tx::kFormulaResistance), {ApproximateText(8.66, format)}),
              windowR, format.tr(units::kOhm), format);
    AddDeviation(e, Deviation(windowR, *e.R), kFormulaWords, format);
    e.attenuation = physics::InsertionAttenuation(*e.R, c.Rn);
    AddFigure(e, format.tr(tx::kWireAttenuation), e.attenuation, format.tr(units::kDecibel),
              format);
    AddFigure(e, format.tr(c.wireMode ? tx::kInsertionAttenuation : tx::kAllowedAttenuation), c.A,
              format.tr(units::kDecibel), format);
  }
  AddCopperNote(e, format);
  return e;
}

ReferenceEstimate Estimate(const Computed& computed, const FormatSettings& format) {
  struct Visitor {
    const FormatSettings& format;
    ReferenceEstimate operator()(std::monostate) const { return {}; }
    ReferenceEstimate operator()(const SingleLayerComputed& c) const {
      return EstimateSingleLayer(c, format);
    }
    ReferenceEstimate operator()(const MultiLayerComputed& c) const {
      return EstimateMultiLayer(c, format);
    }
    ReferenceEstimate operator()(const TurnsComputed& c) const { return EstimateTurns(c, format); }
    ReferenceEstimate operator()(const OptimalComputed& c) const {
      return EstimateOptimal(c, format);
    }
  };
  return std::visit(Visitor{format}, computed);
}
