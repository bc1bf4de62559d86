// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The coilcalc developers
#include "calc/referencetext.h"

#include <algorithm>
#include <cmath>
#include <utility>

#include "calc/texts.h"
#include "numtext/numbertext.h"
#include "physics/roundwire.h"
#include "physics/wire.h"

namespace {

namespace tx = texts::reference;
namespace ac = texts::ac;
namespace units = texts::units;

// Below this many percent the deviation is not worth a number.
constexpr double kNegligiblePercent = 0.005;

bool Negligible(double deviation) { return std::fabs(deviation) < kNegligiblePercent; }

bool Has(const ReferenceEstimate& e, ReferenceNote note) {
  return std::any_of(e.notes.begin(), e.notes.end(),
                     [note](const ReferenceNoteEntry& n) { return n.kind == note; });
}

// The notes on the working frequency, which the command line reports too.
bool AtFrequency(const ReferenceNoteEntry& note) { return note.kind != ReferenceNote::NoFormula; }

// How a deviation reads below zero, above it, and where it is too small to state.
struct DeviationWords {
  CatalogText below;
  CatalogText above;
  CatalogText negligible;
};
constexpr DeviationWords kFormulaWords{tx::kFormulaBelow, tx::kFormulaAbove, tx::kFormulaExact};
constexpr DeviationWords kRequirementWords{tx::kRequirementBelow, tx::kRequirementAbove,
                                           tx::kRequirementExact};

// Writes the table of one estimate.
class Table {
 public:
  Table(std::vector<ReferenceRow>& rows, const FormatSettings& format)
      : rows_(rows), format_(format) {}

  void heading(std::string text) {
    rows_.push_back({std::move(text), "", "", ReferenceRow::Kind::Heading});
  }
  void note(std::string text) {
    rows_.push_back({std::move(text), "", "", ReferenceRow::Kind::Note});
  }
  // A figure's row, where there is a figure.
  void figure(const CatalogText& quantity, std::optional<double> value, const std::string& unit) {
    figure(format_.tr(quantity), value, unit);
  }
  void figure(const std::string& quantity, std::optional<double> value, const std::string& unit) {
    if (value) rows_.push_back({quantity, ApproximateText(*value, format_), unit});
  }
  // "Формула занижает на" | "0,48" | "%".
  void deviation(std::optional<double> deviation, const DeviationWords& words) {
    if (!deviation) return;
    if (Negligible(*deviation)) {
      rows_.push_back({format_.tr(words.negligible), PercentText(0.01, format_), "%"});
    } else {
      rows_.push_back({format_.tr(*deviation < 0 ? words.below : words.above),
                       PercentText(std::fabs(*deviation), format_), "%"});
    }
  }
  std::string unit(const CatalogText& unit) const { return format_.tr(unit); }

 private:
  std::vector<ReferenceRow>& rows_;
  const FormatSettings& format_;
};

// The line with one more clause: "...; формула занижает на 0,48 %".
void AddClause(std::string& line, const std::string& clause, const FormatSettings& format) {
  line = FillArgs(format.tr(tx::kClauses), {line, clause});
}

// "Точный расчёт (токовый слой): 0,03355 мкГн; формула занижает на 0,48 %".
std::string FormulaLine(const ReferenceEstimate& e, const CatalogText& model,
                        const FormatSettings& format) {
  std::string line =
      FillArgs(format.tr(tx::kLineByModel), {format.tr(model), ApproximateText(*e.L, format)});
  if (e.deviation) {
    const double p = *e.deviation;
    const std::string clause =
        Negligible(p)
            ? FillArgs(format.tr(tx::kClauseFormulaExact), {PercentText(0.01, format)})
            : FillArgs(format.tr(p < 0 ? tx::kClauseFormulaBelow : tx::kClauseFormulaAbove),
                       {PercentText(std::fabs(p), format)});
    AddClause(line, clause, format);
  }
  if (Has(e, ReferenceNote::NoFormula)) AddClause(line, format.tr(tx::kClauseNoFormula), format);
  return line;
}

// "; Q = 123", and how near the self-resonance the frequency lies.
void AddFrequencyClauses(const ReferenceEstimate& e, std::string& line,
                         const FormatSettings& format) {
  if (e.Q) {
    AddClause(line, FillArgs(format.tr(ac::kClauseQuality), {ApproximateText(*e.Q, format)}),
              format);
  }
  for (const ReferenceNoteEntry& note : e.notes) {
    if (note.kind != ReferenceNote::NearResonance && note.kind != ReferenceNote::AboveResonance)
      continue;
    const CatalogText& clause = note.kind == ReferenceNote::NearResonance
                                    ? ac::kClauseNearResonance
                                    : ac::kClauseAboveResonance;
    AddClause(line, FillArgs(format.tr(clause), {ApproximateText(note.value, format)}), format);
  }
}

// "Точный расчёт: 2279 мкГн, на 8,86 % меньше требуемой; нужно N = 650,3, Dr = 1,301 см".
std::string RequirementLine(const ReferenceEstimate& e, const FormatSettings& format) {
  const std::string value = ApproximateText(*e.L, format);
  std::string line;
  if (!e.deviation) {
    line = FillArgs(format.tr(tx::kLineRequirement), {value});
  } else if (Negligible(*e.deviation)) {
    line = FillArgs(format.tr(tx::kLineRequirementMet), {value});
  } else {
    line = FillArgs(
        format.tr(*e.deviation < 0 ? tx::kLineRequirementBelow : tx::kLineRequirementAbove),
        {value, PercentText(std::fabs(*e.deviation), format)});
  }
  if (e.N && e.Dr) {
    AddClause(line,
              FillArgs(format.tr(tx::kClauseCountAndThickness),
                       {ApproximateText(*e.N, format), ApproximateText(*e.Dr, format)}),
              format);
  } else if (e.N) {
    AddClause(line, FillArgs(format.tr(tx::kClauseCount), {ApproximateText(*e.N, format)}), format);
  }
  return line;
}

// The wire: the window's own (turns, optimal coil) or the largest that fits, then its copper.
void WireRows(const ReferenceEstimate& e, Table& table, const FormatSettings& format) {
  if (!e.wire) return;
  if (e.givenWire) {
    table.heading(FillArgs(format.tr(tx::kHeadingWire), {ApproximateText(*e.givenWire, format)}));
  } else if (e.coil == ReferenceCoil::Turns || e.coil == ReferenceCoil::Optimal) {
    if (!e.woundWire) return;
    table.heading(FillArgs(format.tr(tx::kHeadingWire), {ApproximateText(*e.woundWire, format)}));
    table.figure(tx::kTurnsPerLayer, e.turnsPerLayer, "");
    table.figure(tx::kLayers, e.layers, "");
    table.figure(tx::kMeanTurn, e.meanTurn, table.unit(units::kCentimetre));
    table.figure(tx::kOuterDiameter, e.outerDiameter, table.unit(units::kCentimetre));
  } else {
    table.heading(format.tr(tx::kHeadingLargestWire));
    table.figure(e.coil == ReferenceCoil::SingleLayer ? tx::kPitchDiameter : tx::kPackingDiameter,
                 e.d, table.unit(units::kMillimetre));
  }
  table.figure(tx::kWireLength, e.wire, table.unit(units::kMetre));
  table.figure(tx::kCopperMass, e.mass, table.unit(units::kGram));
  table.figure(tx::kDcResistance, e.R, table.unit(units::kOhm));
}

// The optimal coil's resistance and attenuation beside the window's.
void FormulaResistanceRows(const ReferenceEstimate& e, Table& table, const FormatSettings& format) {
  if (!e.formulaR && !e.windowAttenuation) return;
  table.figure(FillArgs(format.tr(tx::kFormulaResistance), {ApproximateText(8.66, format)}),
               e.formulaR, table.unit(units::kOhm));
  table.deviation(e.formulaRDeviation, kFormulaWords);
  table.figure(tx::kWireAttenuation, e.attenuation, table.unit(units::kDecibel));
  table.figure(e.insertionAttenuation ? tx::kInsertionAttenuation : tx::kAllowedAttenuation,
               e.windowAttenuation, table.unit(units::kDecibel));
}

// What the copper figures assume, where there are any.
void CopperNotes(const ReferenceEstimate& e, Table& table, const FormatSettings& format) {
  if (!e.wire) return;
  table.note(FillArgs(format.tr(tx::kCopperNote),
                      {ApproximateText(1 / physics::kCopperResistivity, format),
                       ApproximateText(physics::kCopperDensity, format)}));
  table.note(format.tr(tx::kBareWireNote));
}

// The figures at the working frequency, what their models are, and the notes on them.
void FrequencyRows(const ReferenceEstimate& e, Table& table, const FormatSettings& format) {
  if (e.f) table.heading(FillArgs(format.tr(ac::kHeading), {ApproximateText(*e.f, format)}));
  table.figure(ac::kSkinDepth, e.delta, table.unit(units::kMillimetre));
  table.figure(ac::kSkinResistance, e.Rskin, table.unit(units::kOhm));
  table.figure(ac::kCoilResistance, e.Rac, table.unit(units::kOhm));
  table.figure(ac::kReactance, e.X, table.unit(units::kOhm));
  table.figure(ac::kQuality, e.Q, "");
  table.figure(ac::kSelfCapacitance, e.Cs, table.unit(units::kPicofarad));
  table.figure(ac::kSelfResonance, e.fres, table.unit(units::kKilohertz));
  table.figure(ac::kAcAttenuation, e.Aac, table.unit(units::kDecibel));
  const bool solenoid = e.coil == ReferenceCoil::SingleLayer;
  if (e.Rskin) table.note(format.tr(ac::kSkinModel));
  if (e.Rac) table.note(format.tr(solenoid ? ac::kSingleLayerLossModel : ac::kWindingLossModel));
  if (e.Cs && solenoid) table.note(format.tr(ac::kSingleLayerCapacitanceModel));
  if (e.delta && !solenoid) table.note(format.tr(ac::kWindingCapacitanceLeftOut));
  if (e.fres && solenoid) table.note(format.tr(ac::kSingleLayerResonanceModel));
  for (const ReferenceNoteEntry& note : e.notes) {
    if (AtFrequency(note)) table.note(NoteText(note, format));
  }
}

}  // namespace

std::string NoteText(const ReferenceNoteEntry& note, const FormatSettings& format) {
  namespace cx = texts::conditions;
  const auto approx = [&format](double v) { return ApproximateText(v, format); };
  switch (note.kind) {
    case ReferenceNote::NoFormula:
      return format.tr(tx::kNoFormula);
    case ReferenceNote::FrequencyNotANumber:
      return FillArgs(format.tr(cx::kFrequencyNotANumber), {note.text});
    case ReferenceNote::FrequencyNotPositive:
      return format.tr(cx::kFrequencyNotPositive);
    case ReferenceNote::FrequencyOutOfRange:
      return FillArgs(format.tr(cx::kFrequencyOutOfRange),
                      {approx(physics::kMinFrequency / 1e3), approx(physics::kMaxFrequency / 1e3)});
    case ReferenceNote::WireNotANumber:
      return FillArgs(format.tr(cx::kWireNotANumber), {note.text});
    case ReferenceNote::WireNotPositive:
      return format.tr(cx::kWireNotPositive);
    case ReferenceNote::WireOutOfRange:
      return FillArgs(format.tr(cx::kWireOutOfRange), {approx(physics::kMinWireDiameter * 10),
                                                       approx(physics::kMaxWireDiameter * 10)});
    case ReferenceNote::WireThickerThanPitch:
      return FillArgs(format.tr(cx::kWireThickerThanPitch),
                      {approx(note.value), approx(note.limit)});
    case ReferenceNote::WireDoesNotFit:
      return FillArgs(format.tr(cx::kWireDoesNotFit), {approx(note.value), approx(note.limit)});
    case ReferenceNote::NoWire:
      return format.tr(cx::kNoWire);
    case ReferenceNote::LossOutsideModel:
      return format.tr(ac::kLossOutsideModel);
    case ReferenceNote::CapacitanceOutsideModel:
      return format.tr(ac::kCapacitanceOutsideModel);
    case ReferenceNote::NearResonance:
      return FillArgs(format.tr(ac::kNearResonance), {approx(note.value), approx(note.limit)});
    case ReferenceNote::AboveResonance:
      return FillArgs(format.tr(ac::kAboveResonance), {approx(note.value)});
  }
  return {};
}

void RenderReference(ReferenceEstimate& e, const FormatSettings& format) {
  e.text.clear();
  e.table.clear();
  if (e.coil == ReferenceCoil::None) return;
  Table table(e.table, format);
  if (!e.L) {
    e.text = format.tr(tx::kNone);
    table.note(e.text);
    return;
  }
  const bool byFormula =
      e.coil == ReferenceCoil::SingleLayer || e.coil == ReferenceCoil::MultiLayer;
  const CatalogText& model =
      e.coil == ReferenceCoil::SingleLayer ? tx::kCurrentSheet : tx::kWinding;
  e.text = byFormula ? FormulaLine(e, model, format) : RequirementLine(e, format);
  AddFrequencyClauses(e, e.text, format);

  table.heading(FillArgs(format.tr(tx::kHeadingModel), {format.tr(model)}));
  table.figure(tx::kInductance, e.L, table.unit(units::kMicrohenry));
  table.deviation(e.deviation, byFormula ? kFormulaWords : kRequirementWords);
  if (Has(e, ReferenceNote::NoFormula)) table.note(format.tr(tx::kNoFormula));
  table.figure(tx::kTurnsNeeded, e.N, "");
  table.figure(tx::kThicknessNeeded, e.Dr, table.unit(units::kCentimetre));
  WireRows(e, table, format);
  FormulaResistanceRows(e, table, format);
  CopperNotes(e, table, format);
  FrequencyRows(e, table, format);
}

std::vector<std::string> ReferenceEvents(const ReferenceEstimate& e, const FormatSettings& format) {
  std::vector<std::string> events;
  if (!e.L) return events;
  const auto add = [&](const char* name, const std::optional<double>& value) {
    if (value) events.push_back(std::string(name) + "=" + NumberToText(*value, format));
  };
  add("reference.L", e.L);
  add("reference.deviation", e.deviation);
  add("reference.N", e.N);
  add("reference.Dr", e.Dr);
  add("reference.wire", e.wire);
  add("reference.R", e.R);
  add("reference.mass", e.mass);
  add("reference.layers", e.layers);
  add("reference.d", e.d);
  add("reference.attenuation", e.attenuation);
  add("reference.delta", e.delta);
  add("reference.Rskin", e.Rskin);
  add("reference.Rac", e.Rac);
  add("reference.X", e.X);
  add("reference.Q", e.Q);
  add("reference.Cs", e.Cs);
  add("reference.fres", e.fres);
  add("reference.Aac", e.Aac);
  for (const ReferenceNoteEntry& note : e.notes) {
    if (AtFrequency(note)) events.push_back("reference.note=" + NoteText(note, format));
  }
  return events;
}
