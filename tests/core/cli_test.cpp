// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The coilcalc developers
// The command-line front end: case syntax, readable names, escapes, the number pseudo-window,
// malformed lines and their answers, and the manual page against the calculator table.
#include <algorithm>
#include <fstream>
#include <gtest/gtest.h>
#include <iterator>
#include <set>

#include "calc/calculators.h"
#include "cases/clirunner.h"

namespace {

TEST(Cli, NumberShowsEachStage) {
  CliRunner runner(FormatSettings{U'.'});
  const std::pair<const char*, const char*> cases[] = {
      {"number\ttext=27271,634591\tsep=,",
       "extended=400DD50F44E91C8EAC00\tnumber=40DAA1E89D2391D6\tshown=27271,634591"},
      {"number\ttext=1.5", "extended=3FFFC000000000000000\tnumber=3FF8000000000000\tshown=1.5"},
      {"number\ttext=-,\tsep=,", "extended=80000000000000000000\tnumber=8000000000000000\tshown=0"},
      {"number\ttext=1e500",
       "extended=467BF9B2FF649B8695D7\terror=EOverflow: Floating point overflow."},
      {"number\ttext=1,5", "error=EConvertError: '1,5' is not a valid floating point value."},
      {"number\ttext=", "error=EConvertError: '' is not a valid floating point value."},
  };
  for (const auto& [line, events] : cases) EXPECT_EQ(runner.runLine(line), events) << line;
}

TEST(Cli, EscapesTravelBothWays) {
  CliRunner runner(FormatSettings{U','});
  EXPECT_EQ(runner.runLine("FormIndOdnosl\tVvodd=4\\t"),
            "error=EConvertError: '4\\t' is not a valid floating point value.");
  EXPECT_EQ(runner.runLine("FormIndOdnosl\tVvodd=a\\\\b\\nc"),
            "error=EConvertError: 'a\\\\b\\nc' is not a valid floating point value.");
  EXPECT_EQ(UnescapeText("x\\ty\\\\z\\n\\q"), "x\ty\\z\n\\q");
  EXPECT_EQ(EscapeText(UnescapeText("a\\tb\\\\c\\nd")), "a\\tb\\\\c\\nd");
}

TEST(Cli, SeparatorPerCase) {
  CliRunner runner(FormatSettings{U'.'});
  EXPECT_EQ(runner.runLine("FormIndOdnosl"), "Vivodind=0.0333898305084746");
  EXPECT_EQ(runner.runLine("FormIndOdnosl\tsep=,"), "Vivodind=0,0333898305084746");
  EXPECT_EQ(runner.runLine("FormIndOdnosl\tsep=\u066B"), "Vivodind=0\u066B0333898305084746");
  // Fields keep the texts typed with the other separator: they become invalid.
  EXPECT_EQ(runner.runLine("FormIndOdnosl\tVvodd=4,5"),
            "error=EConvertError: '4,5' is not a valid floating point value.");
}

TEST(Cli, MalformedCasesAreRefused) {
  CliRunner runner(FormatSettings{U','});
  for (const char* line :
       {"NoSuchWindow", "\tVvodd=1", "FormIndOdnosl\tVvodd", "FormIndOdnosl\tVivodind=1",
        "FormIndOdnosl\tCheckBox1=1", "Formopt\tCheckBox1=yes", "FormIndOdnosl\tsep=",
        "FormIndOdnosl\tsep=,,", "number", "number\tVvodd=1", "FormIndOdnosl\tsep=\xD0",
        "Single-layer", "single-layer\td=1", "turns\tDr=1", "optimal\td=0.5",
        "optimal\twire=1\tA=1", "optimal\tA=1\tCheckBox1=1", "optimal\twire=yes"}) {
    EXPECT_THROW(runner.runLine(line), MalformedCase) << line;
  }
}

TEST(Cli, ReadableNamesAreTheControls) {
  const std::pair<const char*, const char*> cases[] = {
      {"single-layer\tN=10\tD=3\tl=7", "FormIndOdnosl\tVvodN=10\tVvodd=3\tVvodl=7"},
      {"multi-layer\tDbn=2\tl=4\tDr=1\tN=300",
       "FormIndMnogosl\tvvodDbn=2\tVvodL=4\tvvodDr=1\tvvodN=300"},
      {"turns\tDbn=2\tl=4\td=0,5\tL=300",
       "FormVitkmnogosl\tvvoddbn=2\tvvodl=4\tvvodd=0,5\tvvodLL=300"},
      {"optimal\tL=1000\tA=3\tRn=50\twire=0", "Formopt\tvvodLind=1000\tvvodNdb=3\tvvodRn=50"},
      {"optimal\td=0,3\twire=1\tRn=50", "Formopt\tCheckBox1=1\tvvodNdb=0,3\tvvodRn=50"},
      {"optimal\tCheckBox1=1\td=0,3", "Formopt\tvvodNdb=0,3\twire=1"},
      {"Formopt\tA=1\tvvodNdb=2", "optimal\tvvodNdb=1\tA=2"},  // a later item wins
  };
  for (const auto& [readable, controls] : cases) {
    const std::string answer = CliRunner(FormatSettings{U','}).runLine(readable);
    EXPECT_EQ(answer, CliRunner(FormatSettings{U','}).runLine(controls)) << readable;
    EXPECT_EQ(answer.find("error="), std::string::npos) << answer;
  }
}

TEST(Cli, NamesAreUnambiguousPerWindow) {
  std::set<std::string> windows{"number"};
  for (const Calculator& c : Calculators()) {
    EXPECT_TRUE(windows.insert(c.window).second && windows.insert(c.name).second) << c.name;
    std::multiset<std::string> names{"sep"};
    for (const InputField& in : c.inputs) {
      names.insert(in.control);
      names.insert(in.quantity.symbol);
      if (in.switched.symbol) names.insert(in.switched.symbol);
    }
    if (c.modeSwitch) names.insert({c.modeSwitch->control, c.modeSwitch->name});
    for (const std::string& name : names)
      EXPECT_EQ(names.count(name), 1u) << c.name << ": " << name;
  }
}

TEST(Cli, EveryLineIsAnsweredByOneLine) {
  const struct {
    const char* line;
    const char* answer;
    bool malformed;
  } cases[] = {
      {"", "", false},
      {"reset", "reset", false},
      {"number\ttext=2", "extended=40008000000000000000\tnumber=4000000000000000\tshown=2", false},
      {"number", "error=Usage: number needs text=", true},
      {"Bogus", "error=Usage: unknown window 'Bogus' (coilcalc-cli --help lists the windows)",
       true},
      {"optimal\td=1", "error=Usage: d= (wire diameter) needs wire=1", true},
      // A message quoting what was typed stays on its line.
      {"Formopt\twire=a\\nb", "error=Usage: wire= takes 0 or 1, not 'a\\nb'", true},
      {"Bo\\gus\tsep=,",
       "error=Usage: unknown window 'Bo\\\\gus' (coilcalc-cli --help lists the windows)", true},
      // CR LF line ends: the one CR goes, a second stays in the text.
      {"\r", "", false},
      {"turns\tL=100\r", "vivodN=187.509999999974\tvivodDr=0.375019999999949", false},
      {"number\ttext=2\r\r", "error=EConvertError: '2\r' is not a valid floating point value.",
       false},
  };
  CliRunner runner(FormatSettings{U'.'});
  for (const auto& c : cases) {
    const CliRunner::Answer answer = runner.answerLine(c.line);
    EXPECT_EQ(answer.line, c.answer) << c.line;
    EXPECT_EQ(answer.malformed.empty(), !c.malformed) << c.line;
    if (c.malformed) {
      EXPECT_EQ("error=Usage: " + answer.malformed, answer.line);
    }
  }
  EXPECT_EQ(runner.answerCase({"turns", "L=100"}).line,
            "vivodN=187.509999999974\tvivodDr=0.375019999999949");
  EXPECT_EQ(runner.answerCase({"turns", "L"}).malformed, "item 'L' is not NAME=TEXT");
}

TEST(Cli, ManualPageListsTheCalculatorTable) {
  std::ifstream file(COILCALC_MANPAGE_DIR "/coilcalc-cli.1.scd");
  const std::string page{std::istreambuf_iterator<char>(file), {}};
  ASSERT_FALSE(page.empty());
  for (const Calculator& c : Calculators()) {
    EXPECT_NE(page.find("\n## " + std::string(c.name) + ", " + c.window + "\n"), std::string::npos)
        << c.name;
    for (const InputField& in : c.inputs) {
      for (const char* symbol : {in.quantity.symbol, in.switched.symbol}) {
        if (symbol == nullptr) continue;
        // "- *D*, *Vvodd*: diameter, mm; *4*"
        const std::size_t at =
            page.find("\n- *" + std::string(symbol) + "*, *" + in.control + "*: ");
        ASSERT_NE(at, std::string::npos) << c.name << ": " << symbol;
        const std::string line = page.substr(at + 1, page.find('\n', at + 1) - at - 1);
        const std::string initial = std::string("; *") + in.initialText + "*";
        EXPECT_EQ(line.substr(line.size() - std::min(line.size(), initial.size())), initial)
            << line;
      }
    }
    for (const OutputField& out : c.outputs)
      EXPECT_NE(page.find("*" + std::string(out.control) + "*: "), std::string::npos)
          << out.control;
  }
}

TEST(Cli, ResetClearsTheUnitLevelState) {
  CliRunner runner(FormatSettings{U','});
  runner.runLine("FormVitkmnogosl");
  runner.runLine("Formopt");
  EXPECT_NE(runner.state().vitkmnogosl.Dr, 0.0);
  EXPECT_NE(runner.state().optim.Res5, 0.0);
  EXPECT_EQ(runner.runLine("reset"), "reset");
  EXPECT_EQ(runner.state().vitkmnogosl.Dr, 0.0);
  EXPECT_EQ(runner.state().optim.Res5, 0.0);
  EXPECT_EQ(runner.runLine("FormVitkmnogosl\tvvodd=0"),
            "notice=Диаметр провода не может быть равен нулю !\tvivodN=0\tvivodDr=0");
}

}  // namespace
