// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The coilcalc developers
// The four compute commands, run as the windows run them: field texts in, field texts out, with
// the separator ",". Each row is one case of the command-line front end and the events it gives.
#include <gtest/gtest.h>

#include "cases/clirunner.h"
#include "numtext/numbertext.h"

namespace {

const FormatSettings kComma{U','};

struct Row {
  const char* name;
  const char* input;
  const char* events;
};

void PrintTo(const Row& row, std::ostream* os) { *os << row.name; }

class Commands : public testing::TestWithParam<Row> {};

TEST_P(Commands, GiveTheirTextsToTheDigit) {
  CliRunner runner(kComma);
  EXPECT_EQ(runner.runLine(GetParam().input), GetParam().events);
}

INSTANTIATE_TEST_SUITE_P(
    SingleLayer, Commands,
    testing::Values(Row{"defaults", "FormIndOdnosl", "Vivodind=0,0333898305084746"},
                    Row{"long_coil", "FormIndOdnosl\tVvodN=10\tVvodd=20\tVvodl=40",
                        "Vivodind=0,804081632653061"},
                    Row{"short_coil", "FormIndOdnosl\tVvodN=10\tVvodd=60\tVvodl=10",
                        "Vivodind=10,0738636363636"},
                    Row{"short_coil_2", "FormIndOdnosl\tVvodN=10\tVvodd=100\tVvodl=6",
                        "Vivodind=23,0859375"},
                    Row{"no_turns", "FormIndOdnosl\tVvodN=0", "Vivodind=0"},
                    Row{"negative_turns", "FormIndOdnosl\tVvodN=-5", "Vivodind=0,0333898305084746"},
                    Row{"negative_diameter", "FormIndOdnosl\tVvodN=10\tVvodd=-10\tVvodl=0",
                        "Vivodind=-2,18888888888889"},
                    // l exactly 2r/3: the boundary belongs to the long-coil formula.
                    Row{"boundary_two_thirds", "FormIndOdnosl\tVvodN=1\tVvodd=30\tVvodl=10",
                        "Vivodind=0,0377234042553191"},
                    Row{"zero_divisor", "FormIndOdnosl\tVvodN=1\tVvodd=-200\tVvodl=90",
                        "error=EZeroDivide: Floating point division by zero."},
                    Row{"zero_by_zero", "FormIndOdnosl\tVvodN=0\tVvodd=-200\tVvodl=90",
                        "error=EInvalidOp: Invalid floating point operation."},
                    Row{"diameter_read_first", "FormIndOdnosl\tVvodd=x\tVvodl=y",
                        "error=EConvertError: 'x' is not a valid floating point value."},
                    Row{"turns_before_length", "FormIndOdnosl\tVvodN=n\tVvodl=y",
                        "error=EConvertError: 'n' is not a valid floating point value."},
                    Row{"typed_overflow", "FormIndOdnosl\tVvodd=1E400",
                        "error=EOverflow: Floating point overflow."},
                    Row{"result_overflow", "FormIndOdnosl\tVvodN=1E200",
                        "error=EOverflow: Floating point overflow."}));

const char kTooShort[] =
    "Vivodind=\tnotice=Катушка слишком короткая для расчёта: длина намотки l должна быть больше "
    "D/20 (обе величины в мм), а диаметр D — больше нуля.";

INSTANTIATE_TEST_SUITE_P(
    SingleLayerTooShort, Commands,
    testing::Values(Row{"length_tenth_of_radius", "FormIndOdnosl\tVvodd=100\tVvodl=5", kTooShort},
                    Row{"zero_length", "FormIndOdnosl\tVvodl=0", kTooShort},
                    Row{"zero_diameter_zero_length", "FormIndOdnosl\tVvodd=0\tVvodl=0", kTooShort},
                    Row{"negative_diameter_short", "FormIndOdnosl\tVvodd=-10\tVvodl=-10",
                        kTooShort}));

INSTANTIATE_TEST_SUITE_P(
    MultiLayer, Commands,
    testing::Values(Row{"defaults", "FormIndMnogosl", "Vivod=6206,59079391892"},
                    Row{"unit_coil", "FormIndMnogosl\tvvodDbn=1\tVvodL=1\tvvodDr=1\tvvodN=100",
                        "Vivod=126"},
                    Row{"second", "FormIndMnogosl\tvvodDbn=2\tVvodL=3\tvvodDr=1\tvvodN=200",
                        "Vivod=616,304347826087"},
                    Row{"no_turns", "FormIndMnogosl\tvvodN=0", "Vivod=0"},
                    Row{"negative_turns", "FormIndMnogosl\tvvodN=-805", "Vivod=6206,59079391892"},
                    Row{"zero_by_zero", "FormIndMnogosl\tvvodDbn=0\tVvodL=0\tvvodDr=0",
                        "error=EInvalidOp: Invalid floating point operation."},
                    Row{"zero_divisor", "FormIndMnogosl\tvvodDbn=3\tVvodL=-1\tvvodDr=0\tvvodN=1",
                        "error=EZeroDivide: Floating point division by zero."},
                    Row{"read_order", "FormIndMnogosl\tvvodDbn=a\tVvodL=b\tvvodN=c\tvvodDr=d",
                        "error=EConvertError: 'a' is not a valid floating point value."},
                    Row{"turns_before_thickness", "FormIndMnogosl\tVvodL=b\tvvodN=c\tvvodDr=d",
                        "error=EConvertError: 'c' is not a valid floating point value."},
                    Row{"thickness_before_length", "FormIndMnogosl\tVvodL=b\tvvodDr=d",
                        "error=EConvertError: 'd' is not a valid floating point value."}));

INSTANTIATE_TEST_SUITE_P(
    Turns, Commands,
    testing::Values(Row{"defaults", "FormVitkmnogosl",
                        "vivodN=629,589999999572\tvivodDr=1,25917999999914"},
                    Row{"hundred", "FormVitkmnogosl\tvvodLL=100",
                        "vivodN=187,509999999974\tvivodDr=0,375019999999949"},
                    Row{"one", "FormVitkmnogosl\tvvodLL=1",
                        "vivodN=23,6100000000009\tvivodDr=0,0472200000000018"},
                    Row{"thin_wire", "FormVitkmnogosl\tvvoddbn=2\tvvodl=3\tvvodd=0,5\tvvodLL=10",
                        "vivodN=31,9500000000022\tvivodDr=0,0266250000000018"},
                    Row{"tiny", "FormVitkmnogosl\tvvodLL=0,0002", "vivodN=0,35\tvivodDr=0,0007"},
                    Row{"zero_wire_first", "FormVitkmnogosl\tvvodd=0\tvvodl=0",
                        "notice=Диаметр провода не может быть равен нулю !\tvivodN=0\tvivodDr=0"},
                    Row{"zero_length", "FormVitkmnogosl\tvvodl=0\tvvodLL=0",
                        "notice=Длина намотки не может быть равной нулю !\tvivodN=0\tvivodDr=0"},
                    Row{"zero_inductance", "FormVitkmnogosl\tvvodLL=0",
                        "notice=А какую индуктивность посчитать?\tvivodN=0\tvivodDr=0"},
                    Row{"zero_by_zero", "FormVitkmnogosl\tvvoddbn=-15\tvvodl=5",
                        "error=EInvalidOp: Invalid floating point operation."},
                    Row{"read_order", "FormVitkmnogosl\tvvodl=x\tvvodd=y\tvvodLL=z",
                        "error=EConvertError: 'x' is not a valid floating point value."}));

INSTANTIATE_TEST_SUITE_P(
    OptimalAttenuation, Commands,
    testing::Values(
        Row{"defaults", "Formopt",
            "vivodDr=2,45631146302557\tvivodDbn=4,91262292605114\tvivodL=2,45631146302557\t"
            "VivodN=286,457205314841\tvivodd=1,22053308257263"},
        Row{"half_db", "Formopt\tvvodLind=1000\tvvodNdb=0,5\tvvodRn=4",
            "vivodDr=2,2073280438832\tvivodDbn=4,41465608776639\tvivodL=2,2073280438832\t"
            "VivodN=133,808265008368\tvivodd=1,60480181556085"},
        Row{"three_db", "Formopt\tvvodNdb=3",
            "vivodDr=1,3358367286122\tvivodDbn=2,6716734572244\tvivodL=1,3358367286122\t"
            "VivodN=388,440744678885\tvivodd=0,570015922174436"},
        // Plain double arithmetic would end these in ...853 and ...362.
        Row{"six_db", "Formopt\tvvodNdb=6\tvvodRn=4",
            "vivodDr=1,21627627424427\tvivodDbn=2,43255254848854\tvivodL=1,21627627424427\t"
            "VivodN=407,085234792533\tvivodd=0,506973846330363"},
        // K is the accumulated grid point, not 1.00001.
        Row{"smallest_db", "Formopt\tvvodNdb=0,0001",
            "vivodDr=271,319613763039\tvivodDbn=542,639227526077\tvivodL=271,319613763039\t"
            "VivodN=27,2559217062812\tvivodd=437,065724282455"},
        Row{"zero_db", "Formopt\tvvodNdb=0", "error=EInvalidOp: Invalid floating point operation."},
        Row{"zero_load", "Formopt\tvvodRn=0",
            "error=EZeroDivide: Floating point division by zero."},
        Row{"zero_load_zero_inductance", "Formopt\tvvodRn=0\tvvodLind=0",
            "error=EInvalidOp: Invalid floating point operation."},
        Row{"negative_load", "Formopt\tvvodRn=-8",
            "error=EInvalidOp: Invalid floating point operation."},
        Row{"negative_inductance", "Formopt\tvvodLind=-5100",
            "error=EInvalidOp: Invalid floating point operation."},
        Row{"zero_inductance", "Formopt\tvvodLind=0",
            "error=EInvalidOp: Invalid floating point operation."},
        Row{"read_order", "Formopt\tvvodLind=a\tvvodRn=b",
            "error=EConvertError: 'a' is not a valid floating point value."}));

INSTANTIATE_TEST_SUITE_P(
    OptimalWire, Commands,
    testing::Values(
        Row{"defaults", "Formopt\tCheckBox1=1",
            "notice=5,51500830171328\tvivodDr=2,09570315465105\tvivodDbn=4,1914063093021\t"
            "vivodL=2,09570315465105\tVivodN=1,34596426125208\tvivodd=310,124862368356"},
        Row{"half_mm", "Formopt\tCheckBox1=1\tvvodNdb=0,5",
            "notice=5,51500830171328\tvivodDr=1,20367480758053\tvivodDbn=2,40734961516106\t"
            "vivodL=1,20367480758053\tVivodN=3,56856749148088\tvivodd=409,210607212636"},
        Row{"near_display_boundary", "Formopt\tCheckBox1=1\tvvodLind=1000\tvvodNdb=0,5\tvvodRn=4",
            "notice=3,98137370566148\tvivodDr=0,86860948264029\tvivodDbn=1,73721896528058\t"
            "vivodL=0,86860948264029\tVivodN=2,81408612262479\tvivodd=213,306503539034"},
        Row{"log_near_one", "Formopt\tCheckBox1=1\tvvodLind=0,5",
            "notice=0,918004043204671\tvivodDr=0,348841536417775\tvivodDbn=0,69768307283555\t"
            "vivodL=0,348841536417775\tVivodN=0,00514981110531529\tvivodd=7,52639984755054"},
        Row{"start_itself", "Formopt\tCheckBox1=1\tvvodLind=100\tvvodNdb=0,1",
            "notice=2,51227941003884\tvivodDr=0,213689703572333\tvivodDbn=0,427379407144665\t"
            "vivodL=0,213689703572333\tVivodN=2,38577985724599\tvivodd=135,995513671251"},
        Row{"overflow_before_notice", "Formopt\tCheckBox1=1\tvvodNdb=1e80",
            "error=EOverflow: Floating point overflow."},
        Row{"negative_inductance", "Formopt\tCheckBox1=1\tvvodLind=-1",
            "error=EInvalidOp: Invalid floating point operation."},
        Row{"negative_inductance_no_wire", "Formopt\tCheckBox1=1\tvvodLind=-1\tvvodNdb=0",
            "error=EInvalidOp: Invalid floating point operation."},
        Row{"no_wire", "Formopt\tCheckBox1=1\tvvodNdb=0",
            "notice=5,51500830171328\terror=EZeroDivide: Floating point division by zero."},
        Row{"zero_inductance", "Formopt\tCheckBox1=1\tvvodLind=0",
            "notice=0\terror=EInvalidOp: Invalid floating point operation."},
        Row{"zero_load", "Formopt\tCheckBox1=1\tvvodRn=0",
            "notice=5,51500830171328\terror=EZeroDivide: Floating point division by zero."},
        Row{"read_order", "Formopt\tCheckBox1=1\tvvodLind=a\tvvodRn=b",
            "error=EConvertError: 'a' is not a valid floating point value."}));

TEST(Commands, TurnsThicknessOutlivesTheCommand) {
  CliRunner runner(kComma);
  EXPECT_EQ(runner.runLine("FormVitkmnogosl"), "vivodN=629,589999999572\tvivodDr=1,25917999999914");
  EXPECT_EQ(
      runner.runLine("FormVitkmnogosl\tvvodd=0"),
      "notice=Диаметр провода не может быть равен нулю !\tvivodN=0\tvivodDr=1,25917999999914");
  // A conversion error leaves it alone; a fault leaves the thickness of the failing count.
  EXPECT_EQ(runner.runLine("FormVitkmnogosl\tvvodLL=x"),
            "error=EConvertError: 'x' is not a valid floating point value.");
  EXPECT_EQ(NumberToText(runner.state().vitkmnogosl.Dr, kComma), "1,25917999999914");
  EXPECT_EQ(runner.runLine("FormVitkmnogosl\tvvoddbn=-15"),
            "error=EInvalidOp: Invalid floating point operation.");
  EXPECT_EQ(runner.state().vitkmnogosl.Dr, 0.0);
  EXPECT_EQ(runner.runLine("reset"), "reset");
}

TEST(Commands, OptimalResultsAreRewrittenEveryTime) {
  CliRunner runner(kComma);
  const std::string first = runner.runLine("Formopt");
  EXPECT_EQ(runner.runLine("Formopt\tCheckBox1=1\tvvodRn=0"),
            "notice=5,51500830171328\terror=EZeroDivide: Floating point division by zero.");
  EXPECT_EQ(runner.runLine("Formopt"), first);
  EXPECT_EQ(NumberToText(runner.state().optim.DrA, kComma), "24,5631146302557");
  EXPECT_EQ(NumberToText(runner.state().optim.DrB, kComma), "20,9570315465105");
}

}  // namespace
