// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The coilcalc developers
// The physical reference beside the calculators: the estimate of each command's result (texts to
// the character, figures against the physics module), the counts that meet the requirement, the
// short number text, and the reference events of the command-line front end.
#include "calc/reference.h"

#include <algorithm>
#include <cfloat>
#include <clocale>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <memory>
#include <string>
#include <vector>

#include "cases/clirunner.h"
#include "physics/inductance.h"

namespace {

const char kNone[] = "Точный расчёт для таких размеров не выполняется";

TEST(Reference, EstimatesOfEachCalculator) {
  const struct {
    const char* what;
    Computed computed;
    const char* text;
    double L;  // the reference inductance, µH; 0 for none
    bool warning;
  } cases[] = {
      {"single-layer defaults, formula 1", SingleLayerComputed{5, 0.4, 1, 0.0333898305084746},
       "Точный расчёт (токовый слой): 0,03355 мкГн; формула занижает на 0,48 %", 0.0335508688,
       false},
      {"single-layer, formula 2", SingleLayerComputed{10, 6, 1, 10.0738636363636},
       "Точный расчёт (токовый слой): 10,14 мкГн; формула занижает на 0,66 %", 10.1407849, false},
      {"single-layer too short: the reference alone",
       SingleLayerComputed{10, 10, 0.4, std::nullopt},
       "Точный расчёт (токовый слой): 25,8 мкГн; формулы для такой короткой катушки нет",
       25.7996452, false},
      {"no turns: no deviation", SingleLayerComputed{0, 0.4, 1, 0.0},
       "Точный расчёт (токовый слой): 0 мкГн", 0, false},
      {"negative diameter", SingleLayerComputed{10, -1, 0, -2.18888888888889}, kNone, 0, false},
      {"multi-layer defaults", MultiLayerComputed{1, 5, 2, 805, 6206.59079391892},
       "Точный расчёт (обмотка прямоугольного сечения): 5755 мкГн; формула завышает на 7,84 %",
       5755.44111, true},
      {"multi-layer within 1 %", MultiLayerComputed{2, 3, 1, 200, 616.304347826087},
       "Точный расчёт (обмотка прямоугольного сечения): 611,8 мкГн; формула завышает на 0,74 %",
       611.790728, false},
      {"multi-layer of zero length", MultiLayerComputed{1, 0, 2, 805, 1}, kNone, 0, false},
      {"turns defaults", TurnsComputed{1, 5, 1, 2500, 629.589999999572, 1.25917999999914},
       "Точный расчёт: 2279 мкГн, на 8,86 % меньше требуемой; нужно N = 650,3, Dr = 1,301 см",
       2278.52349, true},
      {"turns with a negative inner diameter", TurnsComputed{-15, 5, 1, 2500, 1, 1}, kNone, 0,
       false},
      {"optimal, attenuation defaults", OptimalComputed{5100, 24.5631146302557, 286.457205314841},
       "Точный расчёт: 5138 мкГн, на 0,74 % больше требуемой; нужно N = 285,4", 5137.88336, false},
      {"nothing computed", std::monostate{}, "", 0, false},
  };
  for (const auto& c : cases) {
    const ReferenceEstimate e = Estimate(c.computed, FormatSettings{U','});
    EXPECT_EQ(e.text, c.text) << c.what;
    EXPECT_EQ(e.warning, c.warning) << c.what;
    const bool none = e.text == kNone || e.text.empty();
    ASSERT_EQ(e.L.has_value(), !none) << c.what;
    if (e.L) {
      EXPECT_NEAR(*e.L, c.L, 1e-8 * c.L + 1e-12) << c.what;
    }
  }
}

// The counts the reference gives meet the requirement by the physics module itself.
TEST(Reference, CountsMeetTheRequirement) {
  const TurnsComputed turns[] = {{1, 5, 1, 2500, 629.589999999572, 1.25917999999914},
                                 {2, 3, 0.5, 10, 31.9500000000022, 0.0266250000000018},
                                 {0, 0.5, 0.3, 1e5, 3000, 5.4}};  // from the axis, flat and thick
  for (const TurnsComputed& c : turns) {
    const ReferenceEstimate e = EstimateTurns(c, FormatSettings{});
    ASSERT_TRUE(e.N && e.Dr) << c.Lreq;
    EXPECT_NEAR(*physics::RectangularWindingInductance(c.Dbn, c.l, *e.Dr, *e.N), c.Lreq,
                1e-9 * c.Lreq);
  }
  for (const double N : {286.457205314841, 0.0}) {  // the coil found; a coil of no turns
    const ReferenceEstimate e =
        EstimateOptimal(OptimalComputed{5100, 24.5631146302557, N}, FormatSettings{});
    ASSERT_TRUE(e.N) << N;
    EXPECT_NEAR(*physics::RectangularWindingInductance(4.91262292605114, 2.45631146302557,
                                                       2.45631146302557, *e.N),
                5100, 1e-9 * 5100);
  }
}

// The flattest coil each model still takes, l = 1e-5 of its outer diameter, and the next double.
TEST(Reference, FlattestCoilsAtTheEdgeOfTheModels) {
  const struct {
    const char* what;
    Computed computed;
    bool figure;
  } cases[] = {
      {"current sheet, l = 1e-5 D", SingleLayerComputed{10, 1, 1e-5, std::nullopt}, true},
      {"current sheet, flatter",
       SingleLayerComputed{10, 1, std::nextafter(1e-5, 0.0), std::nullopt}, false},
      {"winding, l = 1e-5 (Dbn + 2 Dr)", MultiLayerComputed{1, 2e-5, 0.5, 10, 1}, true},
      {"winding, flatter", MultiLayerComputed{1, std::nextafter(2e-5, 0.0), 0.5, 10, 1}, false},
      {"winding from the axis, l = 1e-5 (2 Dr)", MultiLayerComputed{0, 1e-5, 0.5, 10, 1}, true},
  };
  for (const auto& c : cases) {
    const ReferenceEstimate e = Estimate(c.computed, FormatSettings{U','});
    EXPECT_EQ(e.L.has_value(), c.figure) << c.what;
    EXPECT_EQ(e.wire.has_value(), c.figure) << c.what;
    EXPECT_EQ(e.text == kNone, !c.figure) << c.what;
  }
}

// The words of a deviation, in the line and in the table, and the warning: on both sides of 1 %
// and of the smallest deviation worth stating, for the formula and for the requirement.
TEST(Reference, DeviationWordsAndWarningAtTheirEdges) {
  const double multiL = 5755.44111423994, optimalL = 5137.883361087;  // references of the defaults
  const auto formula = [&](double ratio) {
    return Computed(MultiLayerComputed{1, 5, 2, 805, multiL * ratio});
  };
  const auto requiring = [&](double ratio) {
    return Computed(OptimalComputed{optimalL / ratio, 24.5631146302557, 286.457205314841});
  };
  const struct {
    Computed computed;
    const char* clause;
    const char* row;
    const char* percent;
    bool warning;
  } cases[] = {
      {formula(1.0101), "; формула завышает на 1,01 %", "Формула завышает на", "1,01", true},
      {formula(1.0099), "; формула завышает на 0,99 %", "Формула завышает на", "0,99", false},
      {formula(0.9899), "; формула занижает на 1,01 %", "Формула занижает на", "1,01", true},
      {formula(0.9901), "; формула занижает на 0,99 %", "Формула занижает на", "0,99", false},
      {formula(1.00006), "; формула завышает на 0,01 %", "Формула завышает на", "0,01", false},
      {formula(1.00004), "; формула точна до 0,01 %", "Формула точна до", "0,01", false},
      {requiring(1.0101), ", на 1,01 % больше требуемой", "Больше требуемой на", "1,01", true},
      {requiring(0.9901), ", на 0,99 % меньше требуемой", "Меньше требуемой на", "0,99", false},
      {requiring(0.99994), ", на 0,01 % меньше требуемой", "Меньше требуемой на", "0,01", false},
      {requiring(1.00004), ", как требуется", "Равна требуемой с точностью до", "0,01", false},
  };
  for (const auto& c : cases) {
    const ReferenceEstimate e = Estimate(c.computed, FormatSettings{U','});
    EXPECT_NE(e.text.find(c.clause), std::string::npos) << e.text;
    EXPECT_EQ(e.warning, c.warning) << e.text;
    ASSERT_GE(e.table.size(), 3u) << e.text;
    EXPECT_EQ(e.table[2].quantity + " " + e.table[2].value + " " + e.table[2].unit,
              std::string(c.row) + " " + c.percent + " %")
        << e.text;
  }
}

// The table's wire figures that reference=1 does not print, for the defaults, as worked by hand:
// turns 5/(0.1 · 0.1) = 50 per layer, 1 + 2 · 1.25918 = 3.518 cm outside; optimal (attenuation)
// 5100/(8.66 · 24.5631²) = 0.97608 Ω against the wire's 0.97723 Ω (0.12 % less) and 1 dB against
// 20 log10(8.97723/8) = 1.00105 dB; optimal (wire) 1.34089 Ω against 1.34468 Ω, 1.34596 dB.
TEST(Reference, WireOfTheDefaults) {
  const Computed turns = TurnsComputed{1, 5, 1, 2500, 629.589999999572, 1.25917999999914};
  const Computed attenuation =
      OptimalComputed{5100, 24.5631146302557, 286.457205314841, 1.22053308257263, 8, 1, false};
  const Computed wire =
      OptimalComputed{5100, 20.9570315465105, 310.124862368356, 1, 8, 1.34596426125208, true};
  const struct {
    const Computed& computed;
    const char* quantity;
    const char* shown;
  } cases[] = {
      {turns, "Витков в слое", "50 "},
      {turns, "Наружный диаметр", "3,518 см"},
      {turns, "Масса меди", "312 г"},
      {attenuation, "Сопротивление по формуле L/(8,66 c²)", "0,9761 Ом"},
      {attenuation, "Формула занижает на", "0,12 %"},
      {attenuation, "Допустимое ослабление (задано)", "1 дБ"},
      {wire, "Сопротивление по формуле L/(8,66 c²)", "1,341 Ом"},
      {wire, "Вносимое ослабление по формуле", "1,346 дБ"},
  };
  for (const auto& c : cases) {
    std::string shown = "(none)";
    for (const ReferenceRow& row : Estimate(c.computed, FormatSettings{U','}).table)
      if (row.quantity == c.quantity) shown = row.value + " " + row.unit;
    EXPECT_EQ(shown, c.shown) << c.quantity;
  }
}

TEST(Reference, ApproximateText) {
  const struct {
    double v;
    char32_t separator;
    const char* text;
  } cases[] = {
      {0.033550868, U',', "0,03355"}, {2500, U',', "2500"},
      {12345.67, U',', "12346"},      {1.5, U'.', "1.5"},
      {1.5, 0x066B, "1\u066B5"},      {9.99996, U',', "10"},
      {1.23456e8, U',', "1,235E8"},   {1e-7, U',', "1E-7"},
      {-0.5, U',', "-0,5"},           {0, U',', "0"},
      {2.5e-5, U',', "0,000025"},     {1e300, U',', "1E300"},
      {-INFINITY, U',', "-INF"},      {NAN, U',', "NAN"},
  };
  for (const auto& c : cases)
    EXPECT_EQ(ApproximateText(c.v, FormatSettings{c.separator}), c.text) << c.v;
}

// The windows run under the C library's locale of the environment (QApplication sets it), which
// may write "," for the point. A locale that does, built by localedef from a minimal definition
// (no locale data package needed), must change nothing: the separator is the one handed in.
TEST(Reference, TextsIgnoreTheCLibraryLocale) {
  std::string name = (std::filesystem::temp_directory_path() / "coilcalc-locale-XXXXXX").string();
  ASSERT_NE(mkdtemp(name.data()), nullptr);
  const std::filesystem::path dir = name;
  const std::shared_ptr<void> restore(nullptr, [&dir](void*) {
    std::setlocale(LC_NUMERIC, "C");
    unsetenv("LOCPATH");
    std::filesystem::remove_all(dir);
  });
  {
    std::ofstream charmap(dir / "ascii");
    charmap << "<code_set_name> ASCII-ONLY\n<mb_cur_min> 1\n<mb_cur_max> 1\nCHARMAP\n";
    char line[32];
    for (int c = 0; c < 128; ++c)
      charmap << (std::snprintf(line, sizeof line, "<U%04X> \\x%02x\n", c, c), line);
    charmap << "END CHARMAP\n";
    std::ofstream(dir / "comma") << "LC_NUMERIC\ndecimal_point \"<U002C>\"\nthousands_sep \"\"\n"
                                    "grouping -1\nEND LC_NUMERIC\n";
  }
  std::filesystem::create_directory(dir / "out");
  // Warnings for the categories left out make localedef's status 1; the locale is written.
  const std::string localedef = "localedef -c -f '" + (dir / "ascii").string() + "' -i '" +
                                (dir / "comma").string() + "' '" + (dir / "out/comma").string() +
                                "' >/dev/null 2>&1";
  const int status = std::system(localedef.c_str());
  setenv("LOCPATH", (dir / "out").c_str(), 1);
  ASSERT_NE(std::setlocale(LC_NUMERIC, "comma"), nullptr) << localedef << ": " << status;
  char printed[16];
  std::snprintf(printed, sizeof printed, "%.1f", 0.5);
  EXPECT_STREQ(printed, "0,5");  // the locale is in force
  const SingleLayerComputed exact{10, 10, 0.4, physics::CurrentSheetInductance(10, 0.4, 10)};
  EXPECT_EQ(ApproximateText(25.7996452, FormatSettings{U'.'}), "25.8");
  EXPECT_EQ(ApproximateText(1.23456e8, FormatSettings{U'.'}), "1.235E8");
  EXPECT_EQ(
      Estimate(MultiLayerComputed{1, 5, 2, 805, 6206.59079391892}, FormatSettings{U'.'}).text,
      "Точный расчёт (обмотка прямоугольного сечения): 5755 мкГн; формула завышает на 7.84 %");
  EXPECT_EQ(Estimate(exact, FormatSettings{U'.'}).text,
            "Точный расчёт (токовый слой): 25.8 мкГн; формула точна до 0.01 %");
}

// The reference is double arithmetic over the C library's elementary functions (log, exp, hypot,
// ...), which may differ in the last bit between processors: the tables hold this x86-64 machine's
// figures. Elsewhere each reference figure must lie within 1e-11 of the table's; every other event
// is exact.
void ExpectEvents(const std::string& got, const std::string& want) {
  if (LDBL_MANT_DIG == 64) {
    EXPECT_EQ(got, want);
    return;
  }
  const std::vector<std::string> g = SplitItems(got), w = SplitItems(want);
  ASSERT_EQ(g.size(), w.size()) << got;
  const auto figure = [](std::string text) {
    std::replace(text.begin(), text.end(), ',', '.');
    return std::strtod(text.c_str(), nullptr);
  };
  for (std::size_t k = 0; k < g.size(); ++k) {
    const std::size_t eq = w[k].find('=') + 1;
    if (w[k].rfind("reference.", 0) != 0 || g[k].compare(0, eq, w[k], 0, eq) != 0) {
      EXPECT_EQ(g[k], w[k]);
      continue;
    }
    const double a = figure(g[k].substr(eq)), b = figure(w[k].substr(eq));
    EXPECT_LE(std::fabs(a - b), 1e-11 * std::max(std::fabs(b), 1.0)) << g[k] << " for " << w[k];
  }
}

// reference=1 appends its events to what the case answers without it, and nothing where there
// is no reference: an error, a refusing notice, no coil.
TEST(Reference, CliEventsFollowTheCaseUnchanged) {
  const struct {
    const char* line;
    const char* events;  // what reference=1 appends
  } cases[] = {
      {"multi-layer\tsep=,",
       "\treference.L=5755,44111423994\treference.deviation=7,83866380915202"
       "\treference.wire=75,8694625841935\treference.R=1,34074137931034"
       "\treference.mass=658,055873442633\treference.d=1,11455642515071"},
      {"single-layer\tsep=,",
       "\treference.L=0,0335508688055966\treference.deviation=-0,479982494805482"
       "\treference.wire=0,0636226513156733\treference.R=0,000349167567224189"
       "\treference.mass=1,77690167583974\treference.d=2"},
      {"single-layer\tD=100\tl=4",
       "\treference.L=6.44991129836977"  // after the notice
       "\treference.wire=1.57080141974482\treference.R=0.0538794850362403"
       "\treference.mass=7.01928540841786\treference.d=0.8"},
      {"turns",
       "\treference.L=2278.52349308357\treference.deviation=-8.85906027665718"
       "\treference.N=650.344977627704\treference.Dr=1.30068995525541"
       "\treference.wire=44.6846672986221\treference.R=0.980935955998963"
       "\treference.mass=311.996822536154\treference.layers=12.5917999999914"},
      {"optimal\twire=1",
       "\treference.L=5137.883361087\treference.deviation=0.742811001705787"
       "\treference.N=308.979418994043\treference.wire=61.2544266400025"
       "\treference.R=1.34468203945052\treference.mass=427.690025087063"
       "\treference.layers=14.7981292904049\treference.attenuation=1.34949083489397"},
      {"optimal",
       "\treference.L=5137.883361087\treference.deviation=0.742811001705787"
       "\treference.N=285.399178217799\treference.wire=66.3153877044374"
       "\treference.R=0.977231206582256\treference.mass=689.771214255401"
       "\treference.layers=14.2339642627164\treference.attenuation=1.0010484698561"},
      {"multi-layer\tN=8O5", ""},   // an error
      {"turns\td=0", ""},           // a notice refusing the inputs
      {"turns\tL=-5", ""},          // a search that cannot end
      {"multi-layer\tDbn=-1", ""},  // no coil
      {"optimal\tRn=0", ""},        // an error after the search
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.line);
    const std::string plain = CliRunner(FormatSettings{U'.'}).runLine(c.line);
    ExpectEvents(CliRunner(FormatSettings{U'.'}).runLine(std::string(c.line) + "\treference=1"),
                 plain + c.events);
    EXPECT_EQ(CliRunner(FormatSettings{U'.'}).runLine(std::string(c.line) + "\treference=0"),
              plain);
  }
  EXPECT_THROW(CliRunner(FormatSettings{}).runLine("turns\treference=yes"), MalformedCase);
  EXPECT_THROW(CliRunner(FormatSettings{}).runLine("number\ttext=1\treference=1"), MalformedCase);
}

}  // namespace
