// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The coilcalc developers
#pragma once
// The command-line front end: cases of tab-separated items, one per line, run through the same
// commands as the windows. A case is a window, by its name ("FormIndOdnosl", ...) or its readable
// name ("single-layer", ...), or the pseudo-window "number", followed by NAME=TEXT items that set
// its input fields by control name ("Vvodd") or by the symbol of their label ("D"), "sep=C" (the
// decimal separator for this case), "reference=1" (the physical reference after the events:
// calc/reference.h) and, for the optimal coil, "wire=1" or "CheckBox1=1". The calculator table
// (calc/calculators.h) gives the names. It answers with one line of events:
//   FormIndOdnosl\tVvodN=10        ->  Vivodind=0,133559322033898
//   multi-layer\treference=1       ->  Vivod=6206,59079391892\treference.L=5755,44111423994\t...
//   single-layer\tN=10             ->  Vivodind=0,133559322033898
//   FormVitkmnogosl\tvvodd=0       ->  notice=Диаметр провода ...\tvivodN=0\tvivodDr=0
//   FormIndOdnosl\tVvodd=x         ->  error=EConvertError: 'x' is not a valid floating point
//   value. number\ttext=1,5               ->
//   extended=3FFFC000000000000000\tnumber=3FF8000000000000\tshown=1,5 Bogus ->  error=Usage:
//   unknown window 'Bogus' ...
// "\t", "\n" and "\\" in a TEXT stand for a tab, a newline and a backslash, in both directions.
#include <stdexcept>
#include <string>
#include <vector>

#include "calc/calcstate.h"
#include "numtext/formatsettings.h"

// A case line that cannot be run: unknown window or input, an item without "=", a bad separator.
class MalformedCase : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

class CliRunner {
 public:
  explicit CliRunner(FormatSettings localeFormat) : localeFormat_(localeFormat) {}

  // Runs one case given as its items; returns the event line (without a newline). Throws
  // MalformedCase for a case that cannot be run.
  std::string runCase(const std::vector<std::string>& items);
  // Runs one input line: a case, or "reset", which clears the unit-level state.
  std::string runLine(const std::string& line);

  // What coilcalc-cli prints for a case or an input line: the answer line, which for a malformed
  // one is "error=Usage: MESSAGE", and MESSAGE alone for standard error (empty when it ran). An
  // empty input line is answered by an empty line. One "\r" that ends a line is dropped, so that
  // a file with CR LF line ends reads as with LF.
  struct Answer {
    std::string line;
    std::string malformed;
  };
  Answer answerCase(const std::vector<std::string>& items);
  Answer answerLine(const std::string& line);

  const CalcState& state() const { return state_; }

 private:
  FormatSettings localeFormat_;
  CalcState state_;
};

std::string EscapeText(const std::string& text);
std::string UnescapeText(const std::string& text);
std::vector<std::string> SplitItems(const std::string& line);
