// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The coilcalc developers
// The checked-in fuzz inputs as regression cases: every seed (the worked examples and the
// reproducers of faults found) and every corpus file of every target goes through the property
// its fuzz target checks (tests/fuzz/properties.h).
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <iterator>

#include "tests/fuzz/properties.h"

namespace {

namespace fs = std::filesystem;

using Property = std::string (*)(const std::uint8_t*, std::size_t);

struct Target {
  const char* name;
  Property property;
  std::size_t minimumFiles;  // a missing or emptied directory must not pass silently
};

void PrintTo(const Target& target, std::ostream* os) { *os << target.name; }

// Runs every file of one directory; returns how many there were.
std::size_t RunDirectory(const fs::path& dir, const Target& target) {
  std::size_t files = 0;
  for (const fs::directory_entry& entry : fs::directory_iterator(dir)) {
    if (!entry.is_regular_file()) continue;
    std::ifstream in(entry.path(), std::ios::binary);
    const std::string bytes{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    const std::string why =
        target.property(reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size());
    EXPECT_EQ(why, "") << entry.path().filename();
    ++files;
  }
  return files;
}

// As the fuzz target runs them: without the count-by-count turns walks, which go to 10^6 counts
// each and which the search tests cover.
std::string CheckCommandsQuickly(const std::uint8_t* data, std::size_t size) {
  return fuzzprops::CheckCommands(data, size, false);
}

class FuzzCorpus : public ::testing::TestWithParam<Target> {};

TEST_P(FuzzCorpus, EverySeedKeepsTheProperty) {
  const fs::path dir = fs::path(COILCALC_FUZZ_SEED_DIR) / GetParam().name;
  ASSERT_TRUE(fs::is_directory(dir)) << dir;
  EXPECT_GE(RunDirectory(dir, GetParam()), GetParam().minimumFiles);
}

TEST_P(FuzzCorpus, EveryCorpusFileKeepsTheProperty) {
  const fs::path dir = fs::path(COILCALC_FUZZ_CORPUS_DIR) / GetParam().name;
  ASSERT_TRUE(fs::is_directory(dir)) << dir;
  EXPECT_GE(RunDirectory(dir, GetParam()), GetParam().minimumFiles);
}

INSTANTIATE_TEST_SUITE_P(
    Targets, FuzzCorpus,
    ::testing::Values(Target{"fuzz_number_entry", fuzzprops::CheckNumberEntry, 20},
                      Target{"fuzz_number_display", fuzzprops::CheckNumberDisplay, 20},
                      Target{"fuzz_commands", CheckCommandsQuickly, 20}),
    [](const auto& info) { return std::string(info.param.name); });

// The property functions themselves must see faults: a refused valid text, a wrong message, an
// output that no display produces.
TEST(FuzzProperties, ReportFaultsTheyAreMeantToCatch) {
  const FormatSettings comma{U','};
  EXPECT_EQ(fuzzprops::CheckEntryText("12,5", comma), "");
  EXPECT_EQ(fuzzprops::CheckEntryText("1e5000", comma), "");
  EXPECT_EQ(fuzzprops::ShapeOf("1e5000", ",").wellFormed, false);
  EXPECT_EQ(fuzzprops::ShapeOf(" -,e+ ", ",").wellFormed, true);
  EXPECT_EQ(fuzzprops::ExpectedOutcome(fuzzprops::ShapeOf("1e4999", ",")),
            fuzzprops::Expect::Error);
  EXPECT_EQ(fuzzprops::ExpectedOutcome(fuzzprops::ShapeOf("1e4931", ",")),
            fuzzprops::Expect::Value);
  EXPECT_NE(fuzzprops::CheckDisplayText("1,50", comma), "");
  EXPECT_NE(fuzzprops::CheckDisplayText("1,23456789012345678", comma), "");
  EXPECT_NE(fuzzprops::CheckDisplayText("1.5", comma), "");
  EXPECT_EQ(fuzzprops::CheckDisplayText("1,5E-5", comma), "");

  const fuzzprops::CommandCase c =
      fuzzprops::DecodeCommandCase(reinterpret_cast<const std::uint8_t*>("\x00"
                                                                         "x\xFF"
                                                                         "2"),
                                   4);
  EXPECT_STREQ(c.calculator->window, "FormIndOdnosl");
  ASSERT_EQ(c.texts.size(), 3u);
  EXPECT_EQ(c.texts[0], "x");
  EXPECT_EQ(c.texts[1], "2");
  EXPECT_EQ(c.texts[2], "10");  // not given: the window's initial text
  // VvodN is read after Vvodd: with both bad, the error names Vvodd's text.
  EXPECT_EQ(
      fuzzprops::CheckEventLine(c, "error=EConvertError: 'x' is not a valid floating point value."),
      "");
  const fuzzprops::CommandCase both =
      fuzzprops::DecodeCommandCase(reinterpret_cast<const std::uint8_t*>("\x00"
                                                                         "x\xFF"
                                                                         "y"),
                                   4);
  EXPECT_EQ(fuzzprops::CheckEventLine(
                both, "error=EConvertError: 'y' is not a valid floating point value."),
            "");
  EXPECT_NE(fuzzprops::CheckEventLine(
                both, "error=EConvertError: 'x' is not a valid floating point value."),
            "");
  EXPECT_NE(fuzzprops::CheckEventLine(c, "Vivodind=0.5"), "");

  const fuzzprops::CommandCase good =
      fuzzprops::DecodeCommandCase(reinterpret_cast<const std::uint8_t*>("\x00"
                                                                         "5\xFF"
                                                                         "2"),
                                   4);
  EXPECT_EQ(fuzzprops::CheckEventLine(good, "Vivodind=0.5"), "");
  EXPECT_EQ(fuzzprops::CheckEventLine(good, "error=EZeroDivide: Floating point division by zero."),
            "");
  EXPECT_NE(fuzzprops::CheckEventLine(
                good, "error=EConvertError: '2' is not a valid floating point value."),
            "");
  EXPECT_NE(fuzzprops::CheckEventLine(good, "error=EUnderflow: Floating point underflow."), "");
  EXPECT_NE(fuzzprops::CheckEventLine(good, "Vivodind=0.50"), "");
  EXPECT_NE(fuzzprops::CheckEventLine(good, "VvodN=1"), "");
  EXPECT_NE(
      fuzzprops::CheckEventLine(good, "error=EOverflow: Floating point overflow.\tVivodind=1"), "");
  EXPECT_NE(fuzzprops::CheckEventLine(good, ""), "");

  const auto turns = [](const char* bytes, std::size_t size) {
    return fuzzprops::TakesTheCountByCountWalk(
        fuzzprops::DecodeCommandCase(reinterpret_cast<const std::uint8_t*>(bytes), size));
  };
  EXPECT_FALSE(turns("\x02", 1));  // the defaults: the search jumps
  EXPECT_TRUE(
      turns("\x02"
            "1\xFF"
            "-7",
            5));  // a negative length
  EXPECT_TRUE(
      turns("\x02"
            "1\xFF"
            "5\xFF"
            "1E-300",
            11));  // a first count below the normal range
  EXPECT_FALSE(
      turns("\x02"
            "1\xFF"
            "-7\xFF"
            "0",
            7));  // the zero wire diameter ends first
  EXPECT_FALSE(
      turns("\x00"
            "1\xFF"
            "-7",
            5));  // another calculator
}

}  // namespace
