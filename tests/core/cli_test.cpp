// The command-line front end: case syntax, escapes, the number pseudo-window, malformed lines.
#include <gtest/gtest.h>

#include "tools/clirunner.h"

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
  for (const char* line : {"NoSuchWindow", "\tVvodd=1", "FormIndOdnosl\tVvodd", "FormIndOdnosl\tVivodind=1",
                           "FormIndOdnosl\tCheckBox1=1", "Formopt\tCheckBox1=yes", "FormIndOdnosl\tsep=",
                           "FormIndOdnosl\tsep=,,", "number", "number\tVvodd=1", "FormIndOdnosl\tsep=\xD0"}) {
    EXPECT_THROW(runner.runLine(line), MalformedCase) << line;
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
