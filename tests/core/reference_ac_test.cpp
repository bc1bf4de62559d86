// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The coilcalc developers
// The reference at a working frequency: how the conditions' texts read, which figures an estimate
// gives at f and of which wire, the notes that say why figures are missing, the warning near the
// self-resonance, the command line's f= and dwire=, and figures lost to overflow or underflow.
#include <cmath>
#include <gtest/gtest.h>
#include <string>
#include <vector>

#include "calc/conditions.h"
#include "calc/reference.h"
#include "calc/referencetext.h"
#include "calc/texts.h"
#include "cases/clirunner.h"
#include "physics/roundwire.h"
#include "physics/solenoid_ac.h"
#include "physics/winding_ac.h"
#include "physics/wire.h"

namespace {

namespace cx = texts::conditions;
const FormatSettings kComma{U','};

const SingleLayerComputed kSingle{5, 0.4, 1, 0.0333898305084746};     // the defaults
const SingleLayerComputed kBigSingle{100, 10, 10, 679.310344827586};  // fres 5.4 MHz
const MultiLayerComputed kMulti{1, 5, 2, 805, 6206.59079391892};
const TurnsComputed kTurns{1, 5, 1, 2500, 629.589999999572, 1.25917999999914};
const OptimalComputed kOptimal{5100, 24.5631146302557, 286.457205314841, 1.22053308257263, 8, 1};

std::string Out(const CatalogText& t) { return t.source; }
std::string Out(const CatalogText& t, std::initializer_list<std::string> args) {
  return FillArgs(t.source, args);
}

TEST(Conditions, TextsReadWithTheFormatsSeparator) {
  const std::string kRange = Out(cx::kFrequencyOutOfRange, {"0,001", "1000000"});
  const struct {
    const char* text;
    char32_t separator;
    std::string frequency;  // FrequencyProblem
    std::string wire;       // WireProblem
  } cases[] = {
      {"", U',', "", ""},
      {"   ", U',', "", ""},
      {" 1,5 ", U',', "", ""},
      {"1.5", U'.', "", ""},
      {"+2E1", U',', "", ""},
      {",5", U',', "", ""},
      {"1.5", U',', Out(cx::kFrequencyNotANumber, {"1.5"}), Out(cx::kWireNotANumber, {"1.5"})},
      {"abc", U',', Out(cx::kFrequencyNotANumber, {"abc"}), Out(cx::kWireNotANumber, {"abc"})},
      {"inf", U',', Out(cx::kFrequencyNotANumber, {"inf"}), Out(cx::kWireNotANumber, {"inf"})},
      {"1e", U',', Out(cx::kFrequencyNotANumber, {"1e"}), Out(cx::kWireNotANumber, {"1e"})},
      {"1,2,3", U',', Out(cx::kFrequencyNotANumber, {"1,2,3"}),
       Out(cx::kWireNotANumber, {"1,2,3"})},
      {"0", U',', Out(cx::kFrequencyNotPositive), Out(cx::kWireNotPositive)},
      {"-0", U',', Out(cx::kFrequencyNotPositive), Out(cx::kWireNotPositive)},
      {"-1E400", U',', Out(cx::kFrequencyNotPositive), Out(cx::kWireNotPositive)},
      {"1E400", U',', kRange, Out(cx::kWireOutOfRange, {"0,001", "100"})},
      {"1E-400", U',', kRange, Out(cx::kWireOutOfRange, {"0,001", "100"})},
      {"1000001", U',', kRange, Out(cx::kWireOutOfRange, {"0,001", "100"})},
      {"0,0009", U',', kRange, Out(cx::kWireOutOfRange, {"0,001", "100"})},
      {"1000000", U',', "", Out(cx::kWireOutOfRange, {"0,001", "100"})},
      {"0,001", U',', "", ""},
  };
  for (const auto& c : cases) {
    const FormatSettings format{c.separator};
    EXPECT_EQ(FrequencyProblem(c.text, format), c.frequency) << c.text;
    EXPECT_EQ(WireProblem(c.text, format), c.wire) << c.text;
  }
}

// The figures at f, for every calculator, tied to the physics they come from.
TEST(ReferenceAtFrequency, FiguresOfEachCalculator) {
  const double f = 1e6;  // 1000 kHz
  const ReferenceConditions at{"1000", ""};
  {
    const ReferenceEstimate e = Estimate(kSingle, at, kComma);
    const double pitch = 0.2;  // cm: l/N
    ASSERT_TRUE(e.R && e.Rskin && e.Rac && e.X && e.Q && e.Cs && e.fres && e.delta);
    EXPECT_DOUBLE_EQ(*e.delta, *physics::SkinDepth(f) * 10);
    EXPECT_DOUBLE_EQ(*e.Rskin, *e.R * *physics::SkinFactor(pitch, f));
    EXPECT_DOUBLE_EQ(*e.Rac, *e.Rskin * *physics::SingleLayerProximityFactor(0.4, 1, 5, pitch, f));
    EXPECT_NEAR(*e.X, 2 * M_PI * f * *e.L * 1e-6, 1e-12 * *e.X);
    EXPECT_DOUBLE_EQ(*e.Q, *e.X / *e.Rac);
    EXPECT_DOUBLE_EQ(*e.fres, *physics::SingleLayerSelfResonance(0.4, 1, 5) / 1e3);
    EXPECT_FALSE(e.Aac);
    EXPECT_NE(e.text.find("; Q = 20,95"), std::string::npos) << e.text;
  }
  for (const Computed& winding : {Computed(kMulti), Computed(kTurns), Computed(kOptimal)}) {
    const ReferenceEstimate e = Estimate(winding, at, kComma);
    ASSERT_TRUE(e.R && e.Rac && e.X && e.Q) << e.text;
    EXPECT_GT(*e.Rac, *e.Rskin) << e.text;  // the turns' proximity loss adds to the skin effect
    EXPECT_FALSE(e.Cs || e.fres) << e.text;
  }
  const ReferenceEstimate multi = Estimate(kMulti, at, kComma);
  EXPECT_DOUBLE_EQ(*multi.Rac,
                   *multi.R * *physics::MultiLayerAcFactor(1, 5, 2, 805, *multi.d / 10, f));
  const ReferenceEstimate optimal = Estimate(kOptimal, at, kComma);
  EXPECT_DOUBLE_EQ(*optimal.Aac, *physics::InsertionAttenuation(*optimal.Rac, 8));
}

// Which wire: the largest that fits, or the one given where it fits; the turns and the optimal
// coil keep the window's own.
TEST(ReferenceAtFrequency, WireOfTheFigures) {
  const struct {
    const char* what;
    Computed computed;
    ReferenceConditions at;
    double wire;  // mm, the wire of R; 0: as without conditions
    std::vector<ReferenceNote> notes;
  } cases[] = {
      {"single, largest", kSingle, {"1000", ""}, 2, {}},
      {"single, given", kSingle, {"1000", "0,5"}, 0.5, {}},
      {"single, as thick as the pitch", kSingle, {"1000", "2"}, 2, {}},
      {"single, thicker than the pitch",
       kSingle,
       {"1000", "2,01"},
       0,
       {ReferenceNote::WireThickerThanPitch}},
      {"multi, given", kMulti, {"100", "1"}, 1, {}},
      {"multi, does not fit", kMulti, {"100", "1,2"}, 0, {ReferenceNote::WireDoesNotFit}},
      {"multi, wire no number", kMulti, {"100", "x"}, 0, {ReferenceNote::WireNotANumber}},
      {"turns ignore the wire", kTurns, {"100", "0,1"}, 1, {}},
      {"optimal ignores a bad wire", kOptimal, {"100", "x"}, 1.22053308257263, {}},
      {"frequency no number", kSingle, {"1k", "0,5"}, 0, {ReferenceNote::FrequencyNotANumber}},
      {"turns without a wire",
       TurnsComputed{1, 5, -1, 2500, 600, 1.2},
       {"100", ""},
       0,
       {ReferenceNote::NoWire}},
  };
  for (const auto& c : cases) {
    const ReferenceEstimate plain = Estimate(c.computed, kComma);
    const ReferenceEstimate e = Estimate(c.computed, c.at, kComma);
    std::vector<ReferenceNote> notes;
    for (const ReferenceNoteEntry& n : e.notes)
      if (n.kind != ReferenceNote::NoFormula) notes.push_back(n.kind);
    EXPECT_EQ(notes, c.notes) << c.what;
    EXPECT_EQ(e.Rac.has_value(), c.wire != 0) << c.what;
    if (c.wire == 0) {
      EXPECT_EQ(e.R, plain.R) << c.what;
      EXPECT_EQ(e.d, plain.d) << c.what;
      continue;
    }
    ASSERT_TRUE(e.wire && e.R) << c.what;
    EXPECT_DOUBLE_EQ(*e.R, *physics::CopperResistance(*e.wire * 100, c.wire / 10)) << c.what;
  }
}

// An empty frequency is the estimate without conditions, whatever the wire's text.
TEST(ReferenceAtFrequency, EmptyFrequencyChangesNothing) {
  for (const Computed& c : {Computed(kSingle), Computed(kMulti), Computed(kTurns),
                            Computed(kOptimal), Computed(std::monostate{})}) {
    const ReferenceEstimate plain = Estimate(c, kComma);
    for (const char* wire : {"", "0,5", "x"}) {
      const ReferenceEstimate e = Estimate(c, ReferenceConditions{" ", wire}, kComma);
      EXPECT_EQ(e.text, plain.text);
      ASSERT_EQ(e.table.size(), plain.table.size()) << plain.text;
      for (std::size_t k = 0; k < e.table.size(); ++k)
        EXPECT_EQ(e.table[k].quantity + e.table[k].value,
                  plain.table[k].quantity + plain.table[k].value);
      EXPECT_EQ(ReferenceEvents(e, kComma), ReferenceEvents(plain, kComma));
    }
  }
}

// Near and beyond the self-resonance: the warning, the note, the status line, and no Q at or
// above it.
TEST(ReferenceAtFrequency, SelfResonance) {
  const double fres = *physics::SingleLayerSelfResonance(10, 10, 100) / 1e3;  // kHz
  const struct {
    double ratio;  // f/fres
    bool warning, Q;
    const char* clause;
  } cases[] = {
      {0.1, false, true, ""},
      {physics::kLumpedLimit * 1.001, true, true, "близко к собственному резонансу"},
      {1.001, true, false, "выше собственного резонанса"},
  };
  for (const auto& c : cases) {
    char f[40];
    std::snprintf(f, sizeof f, "%.9g", c.ratio * fres);
    const ReferenceEstimate e = Estimate(kBigSingle, ReferenceConditions{f, ""}, FormatSettings{});
    EXPECT_EQ(e.warning, c.warning) << c.ratio;
    EXPECT_EQ(e.Q.has_value(), c.Q) << c.ratio;
    if (*c.clause) {
      EXPECT_NE(e.text.find(c.clause), std::string::npos) << e.text;
      EXPECT_EQ(e.table.back().kind, ReferenceRow::Kind::Note);
    } else {
      EXPECT_EQ(e.text.find("резонанс"), std::string::npos) << e.text;
    }
  }
}

// A figure that overflowed, or lost its digits to underflow, is no figure; nor are those that
// come of it.
TEST(ReferenceAtFrequency, NoFigureLostToOverflowOrUnderflow) {
  const Computed cases[] = {
      SingleLayerComputed{205e-310, 0.4, 1, 0.0},  // the pitch overflows on its way to mm
      SingleLayerComputed{1e-300, 0.4, 1, 0.0},
      MultiLayerComputed{1, 5, 2, 1e-300, 0.0},
      TurnsComputed{1, 5, 1e-200, 2500, 1228.24, 0},
      OptimalComputed{5100, 1e150, 1.7e-73, 1.4e188, 1e-300, 1, true},
      SingleLayerComputed{1e12, 1e6, 1e-5, 1.0},
      SingleLayerComputed{1e-8, 1e300, 1e300, 1.0},  // the pitch finite in cm, not in mm
  };
  for (const Computed& c : cases) {
    for (const char* f : {"", "1", "1000000"}) {
      const ReferenceEstimate e = Estimate(c, ReferenceConditions{f, ""}, FormatSettings{});
      for (const std::string& event : ReferenceEvents(e, FormatSettings{})) {
        if (event.rfind("reference.note=", 0) == 0) continue;
        EXPECT_EQ(event.find("INF"), std::string::npos) << event;
        EXPECT_EQ(event.find("NAN"), std::string::npos) << event;
        const bool signedFigure =
            event.rfind("reference.deviation=", 0) == 0 || event.rfind("reference.L=", 0) == 0 ||
            event.rfind("reference.A", 0) == 0 || event.rfind("reference.attenuation=", 0) == 0;
        if (!signedFigure) EXPECT_NE(event.substr(event.find('=')), "=0") << event;
      }
    }
  }
}

TEST(ReferenceAtFrequency, CommandLineItems) {
  const std::string plain = CliRunner(FormatSettings{}).runLine("single-layer\treference=1");
  const struct {
    const char* line;
    std::string answer;  // what follows the plain reference, or the whole usage error
  } cases[] = {
      {"single-layer\treference=1\tf=", ""},
      {"single-layer\treference=1\tf=3E6",
       "\treference.note=" + Out(cx::kFrequencyOutOfRange, {"0.001", "1000000"})},
      {"single-layer\treference=1\tf=1000\tdwire=3",
       "\treference.note=" + Out(cx::kWireThickerThanPitch, {"3", "2"})},
      {"single-layer\treference=1\tf=abc",
       "error=Usage: f= takes a frequency in kHz written with the separator '.', not 'abc'"},
      {"single-layer\treference=1\tsep=,\tf=1.5",
       "error=Usage: f= takes a frequency in kHz written with the separator ',', not '1.5'"},
      {"multi-layer\treference=1\tdwire=0,1\tsep=;",
       "error=Usage: dwire= takes a wire diameter "
       "in mm written with the separator ';', not '0,1'"},
      {"turns\treference=1\tdwire=1",
       "error=Usage: window turns has no dwire=: its reference winds the window's own wire; "
       "dwire= goes with single-layer and multi-layer"},
  };
  for (const auto& c : cases) {
    CliRunner runner(FormatSettings{});
    const CliRunner::Answer answer = runner.answerLine(c.line);
    const bool usage = c.answer.rfind("error=Usage", 0) == 0;
    EXPECT_EQ(answer.line, usage ? c.answer : plain + c.answer) << c.line;
  }
  // The figures at f, in their order, after today's events.
  std::vector<std::string> names;
  for (const std::string& event :
       SplitItems(CliRunner(FormatSettings{}).runLine("optimal\treference=1\tf=100")))
    names.push_back(event.substr(0, event.find('=')));
  const std::vector<std::string> tail(names.end() - 5, names.end());
  EXPECT_EQ(tail, (std::vector<std::string>{"reference.Rskin", "reference.Rac", "reference.X",
                                            "reference.Q", "reference.Aac"}));
  // Without reference=1 they change nothing.
  EXPECT_EQ(CliRunner(FormatSettings{}).runLine("turns\tf=100"),
            CliRunner(FormatSettings{}).runLine("turns"));
}

}  // namespace
