// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The coilcalc developers
#pragma once
// An independent model of the calculators' arithmetic on GNU MPFR, for the property tests that
// compare it with the program case by case. It is written from the algorithms, not from the
// program's code: number entry (accumulator, power factors, exponent reading), number display
// (18-digit rendition rounded on its 16th digit, layout), the four computations and the three
// stepped searches, walked point by point, and the faults by kind.
//
// Every intermediate is an MPFR value of 64-bit precision in the x87 extended exponent range,
// rounded to nearest even and subnormalized; every store to a Number rounds to 53 bits in the
// double range. The only piece taken from the program is the logarithm of the backend it runs on
// (the x87 fyl2x is not correctly rounded, and the software backend rounds the product of a
// 64-bit log10(2) and log2(x), which is not log10(x): MPFR's log10 can stand in for neither).
//
// The answers have the form of the command-line runner's event lines (cases/clirunner.h), so that
// model and program compare as text:
//   "FIELD=TEXT", "notice=TEXT" and a final "error=KIND: MESSAGE." joined by tabs.
#include <cstdint>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

namespace model {

// A walk that would need more steps than the model is given: the case lies outside the inputs
// the model is meant for, which is a fault of the generator that chose it.
class Unmodelled : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// One case of a calculator window: its input texts in any order, the separator (UTF-8) and, for
// Formopt, the wire-diameter mode.
struct Case {
  std::string window;
  std::vector<std::pair<std::string, std::string>> texts;
  std::string separator = ",";
  bool wireMode = false;
};

// The calculators with the state that outlives a command (the turns search's thickness).
class Calculators {
 public:
  // The event line of one case. The walks take at most maxSteps steps beyond the program's own
  // bounds before the model gives up with Unmodelled.
  std::string run(const Case& c);
  std::uint64_t maxSteps = 2000000;

 private:
  double Dr_ = 0;  // the thickness the last turns search left, held as the Number it is
};

// A text as event lines and case items carry it: a tab, a newline and a backslash written as the
// two characters \t, \n and \\, every other byte as it is.
std::string Escaped(const std::string& text);

// The "number" pseudo-window: "extended=HEX\tnumber=HEX\tshown=TEXT", or the error.
std::string NumberLine(const std::string& text, const std::string& separator);

// Number display of an x87 extended value given by its bits (valid encodings: a set integer bit
// unless the exponent field is 0), and of a double given by its bits.
std::string ShowExtendedBits(std::uint16_t signExponent, std::uint64_t significand,
                             const std::string& separator);
std::string ShowDoubleBits(std::uint64_t bits, const std::string& separator);

}  // namespace model
