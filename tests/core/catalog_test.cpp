// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The coilcalc developers
// The core's text catalog: FillArgs fills templates as a translation may order them, and every
// text that the reference, the searches' refusals and the calculators' notices show passes
// through the format's translator (a text that bypasses the catalog stays Russian and is caught).
#include "numtext/catalog.h"

#include <functional>
#include <gtest/gtest.h>
#include <map>
#include <string>
#include <vector>

#include "calc/optim.h"
#include "calc/reference.h"
#include "calc/searches.h"
#include "calc/texts.h"
#include "cases/clirunner.h"

namespace {

TEST(FillArgs, ReplacesMarkersAsATranslationOrdersThem) {
  const struct {
    const char* pattern;
    std::vector<std::string> args;
    const char* filled;
  } cases[] = {
      {"%1 мкГн", {"2279"}, "2279 мкГн"},
      {"%2 after %1", {"a", "b"}, "b after a"},
      {"%2 and %2 again, %1", {"x", "y"}, "y and y again, x"},
      {"1 % of %1 %.", {"5"}, "1 % of 5 %."},
      {"%1", {"%2"}, "%2"},  // one pass: an argument is not filled again
      {"%1 %3", {"a", "b"}, "a %3"},
      {"%0 %a %", {"a"}, "%0 %a %"},
      {"%9", {"1", "2", "3", "4", "5", "6", "7", "8", "nine"}, "nine"},
      {"", {"a"}, ""},
  };
  for (const auto& c : cases) {
    std::string filled;
    switch (c.args.size()) {
      case 1:
        filled = FillArgs(c.pattern, {c.args[0]});
        break;
      case 2:
        filled = FillArgs(c.pattern, {c.args[0], c.args[1]});
        break;
      default:
        filled = FillArgs(c.pattern, {c.args[0], c.args[1], c.args[2], c.args[3], c.args[4],
                                      c.args[5], c.args[6], c.args[7], c.args[8]});
    }
    EXPECT_EQ(filled, c.filled) << c.pattern;
  }
}

// Every text in brackets, its Cyrillic letters masked: what the core shows through it holds no
// Cyrillic letter, unless a text went round the translator.
class MaskingTranslator final : public TextTranslator {
 public:
  std::string translate(const CatalogText& text) const override {
    std::string out = "[";
    const std::string source = text.source;
    for (std::size_t i = 0; i < source.size(); ++i) {
      const unsigned char byte = static_cast<unsigned char>(source[i]);
      if (byte >= 0xD0 && byte <= 0xD3) {  // the lead byte of U+0400..U+04FF
        out += '#';
        ++i;
      } else {
        out += source[i];
      }
    }
    return out + "]";
  }
};

bool HasCyrillic(const std::string& text) {
  for (char c : text) {
    const unsigned char byte = static_cast<unsigned char>(c);
    if (byte >= 0xD0 && byte <= 0xD3) return true;
  }
  return false;
}

TEST(Catalog, WithoutATranslatorTheSourceIsShown) {
  const FormatSettings plain;
  EXPECT_EQ(plain.tr(texts::units::kMicrohenry), "мкГн");
  MaskingTranslator masking;
  FormatSettings translated{U',', &masking};
  EXPECT_EQ(translated.tr(texts::units::kMicrohenry), "[####]");
}

TEST(Catalog, EveryTextOfTheReferencePassesTheTranslator) {
  const Computed cases[] = {
      SingleLayerComputed{5, 0.4, 1, 0.0333898305084746},
      SingleLayerComputed{10, 10, 0.4, std::nullopt},     // too short for the formulas
      SingleLayerComputed{5, 0.4, 1, 0.03355087},         // the formula exact
      SingleLayerComputed{10, -1, 0, -2.18888888888889},  // no reference
      MultiLayerComputed{1, 5, 2, 805, 6206.59079391892},
      TurnsComputed{1, 5, 1, 2500, 629.589999999572, 1.25917999999914},
      TurnsComputed{1, 5, 1, 2278.52349, 629.589999999572, 1.25917999999914},  // as required
      OptimalComputed{5100, 24.5631146302557, 286.457205314841, 1.22, 8, 1, false},
      OptimalComputed{5100, 24.5, 280, 1.2, 8, 0.9, true},
      SingleLayerComputed{100, 10, 10, 679.310344827586},  // self-resonance at 5.4 MHz
      MultiLayerComputed{1, 5, 2, 805, 6206.59079391892},
  };
  MaskingTranslator masking;
  const FormatSettings format{U',', &masking};
  // At a working frequency: the figures, near and beyond the self-resonance, and every note.
  const ReferenceConditions conditions[] = {
      {},        {"1000", ""}, {"1000", "0,5"}, {"1000", "9"}, {"100000", ""}, {"900000", ""},
      {"x", ""}, {"0", ""},    {"1E9", ""},     {"1", "x"},    {"1", "-1"},    {"1", "1E9"},
  };
  for (const Computed& computed : cases)
    for (const ReferenceConditions& at : conditions) {
      const ReferenceEstimate e = Estimate(computed, at, format);
      const std::string what = Estimate(computed, at, FormatSettings{U','}).text;
      ASSERT_FALSE(e.text.empty()) << what;
      EXPECT_EQ(e.text.front(), '[') << what;
      EXPECT_FALSE(HasCyrillic(e.text)) << e.text;
      for (const ReferenceRow& row : e.table) {
        EXPECT_FALSE(HasCyrillic(row.quantity + row.value + row.unit))
            << what << ": " << row.quantity << " | " << row.unit;
      }
    }
}

TEST(Catalog, ConditionProblemsPassTheTranslator) {
  MaskingTranslator masking;
  const FormatSettings format{U',', &masking};
  for (const char* text : {"x", "0", "1E99"}) {
    for (const std::string& problem : {FrequencyProblem(text, format), WireProblem(text, format)}) {
      EXPECT_EQ(problem.front(), '[') << text;
      EXPECT_FALSE(HasCyrillic(problem)) << problem;
    }
  }
}

// The refusals of the searches, the notices of the commands and the labels the optimal coil's
// mode switch sets, as the command line reports them.
TEST(Catalog, RefusalsAndNoticesPassTheTranslator) {
  MaskingTranslator masking;
  const FormatSettings format{U',', &masking};
  const char* const lines[] = {
      "FormIndOdnosl\tVvodl=0",
      "FormVitkmnogosl\tvvodd=0",
      "FormVitkmnogosl\tvvodl=0",
      "FormVitkmnogosl\tvvodLL=0",
      "FormVitkmnogosl\tvvodLL=-1",
      "FormVitkmnogosl\tvvodLL=0,0001",
      "FormVitkmnogosl\tvvoddbn=100\tvvodl=1\tvvodLL=1E-6",
      "FormVitkmnogosl\tvvodLL=1E30",
      "Formopt\tvvodNdb=230",
      "Formopt\tvvodNdb=-1000",
      "Formopt\tvvodNdb=-99,99",
      "Formopt\twire=1\tvvodLind=1E100\tvvodNdb=1E2",
  };
  for (const char* line : lines) {
    CliRunner runner(format);
    const std::string answer = runner.runLine(line);
    EXPECT_NE(answer.find('['), std::string::npos) << line << ": " << answer;
    EXPECT_FALSE(HasCyrillic(answer)) << line << ": " << answer;
  }
  // The count-by-count walk's bound.
  Number Dr = 0;
  const searches::TurnsResult walk = searches::TurnsSearch(-1, 5, 1, 1e15, Dr, format);
  EXPECT_EQ(walk.notice.front(), '[');
  EXPECT_FALSE(HasCyrillic(walk.notice)) << walk.notice;

  class Labels final : public Fields {
   public:
    std::string text(std::string_view) const override { return ""; }
    void setText(std::string_view, const std::string& text) override { texts += text; }
    bool isChecked(std::string_view) const override { return checked; }
    void showNotice(const std::string&) override {}
    std::string texts;
    bool checked = false;
  } labels;
  CalcState state;
  NoEventPump pump;
  for (bool checked : {true, false}) {
    labels.checked = checked;
    labels.texts.clear();
    CommandContext ctx{labels, format, state, pump};
    optim::CheckBox1Click(ctx);
    EXPECT_NE(labels.texts.find('['), std::string::npos);
    EXPECT_FALSE(HasCyrillic(labels.texts)) << labels.texts;
  }
}

}  // namespace
