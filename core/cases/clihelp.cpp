// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The coilcalc developers
#include "cases/clihelp.h"

#include <vector>

#include "calc/calculators.h"

namespace {

// "diameter, mm", "turns"; with the symbol "winding thickness Dr, cm".
std::string Describe(const Quantity& q, bool withSymbol = false) {
  std::string text = q.meaning;
  if (withSymbol && *q.symbol) text += std::string(" ") + q.symbol;
  return text + (*q.unit ? std::string(", ") + q.unit : "");
}

// Columns of a window's table, padded to their widths (counted in code points, for "µ" and "Ω").
class Table {
 public:
  void row(std::vector<std::string> cells) { rows_.push_back(std::move(cells)); }
  std::string text() const {
    std::vector<std::size_t> widths;
    for (const auto& cells : rows_) {
      for (std::size_t i = 0; i < cells.size(); ++i) {
        if (widths.size() <= i) widths.push_back(0);
        if (Width(cells[i]) > widths[i]) widths[i] = Width(cells[i]);
      }
    }
    std::string out;
    for (const auto& cells : rows_) {
      std::string line = " ";
      for (std::size_t i = 0; i < cells.size(); ++i)
        line += " " + cells[i] +
                std::string(i + 1 < cells.size() ? widths[i] - Width(cells[i]) : 0, ' ');
      while (!line.empty() && line.back() == ' ') line.pop_back();
      out += line + "\n";
    }
    return out;
  }

 private:
  static std::size_t Width(const std::string& text) {
    std::size_t n = 0;
    for (const char c : text) n += (static_cast<unsigned char>(c) & 0xC0) != 0x80;
    return n;
  }
  std::vector<std::vector<std::string>> rows_;
};

std::string WindowHelp(const Calculator& c) {
  const std::string setting = c.modeSwitch ? std::string(c.modeSwitch->name) + "=1" : "";
  Table table;
  table.row({"input", "control", "quantity", "initial text"});
  for (const InputField& in : c.inputs) {
    table.row({in.quantity.symbol, in.control, Describe(in.quantity), in.initialText});
    if (in.switched.symbol != nullptr)
      table.row({in.switched.symbol, in.control, Describe(in.switched) + " (with " + setting + ")",
                 in.initialText});
  }
  if (c.modeSwitch)
    table.row({c.modeSwitch->name, c.modeSwitch->control,
               std::string("1: ") + c.modeSwitch->meaning, "0"});
  table.row({"output"});
  for (const OutputField& out : c.outputs) {
    std::string what = Describe(out.quantity, true);
    if (out.switched.symbol != nullptr)
      what += "; with " + setting + ": " + Describe(out.switched, true);
    table.row({"", out.control, what});
  }
  return std::string(c.name) + " (" + c.window + "): " + c.title + "\n" + table.text();
}

}  // namespace

std::string CliHelp() {
  std::string help = R"(Usage: coilcalc-cli WINDOW [NAME=TEXT]...   run one case given as arguments
       coilcalc-cli < CASES                 run one case per line of standard input
       coilcalc-cli --help | --version
The calculators of coilcalc without a window. A case is a window name and NAME=TEXT items,
separated by tabs on a line. Inputs not named keep their initial texts. Every input line is
answered by one output line of tab-separated events, in the order they happen:
  CONTROL=TEXT        an output field written, by its control name
  notice=TEXT         a message the calculator showed
  error=KIND: TEXT    the error that ended the calculation (EConvertError, EZeroDivide, ...)
  error=Usage: TEXT   a malformed line, saying what is wrong (also on standard error)
and, after them, with reference=1, the exact physics of the same coil (see below).

Windows, their inputs by name or control name, and their outputs:

)";
  for (const Calculator& c : Calculators()) help += WindowHelp(c) + "\n";
  help +=
      R"(number: number entry and display of one text
  text=TEXT  answered by extended=HEX (the 80-bit value), number=HEX (the double)
             and shown=TEXT (its display), or by the error of the conversion

Items of every case and other lines:
  sep=C    the decimal separator for this case. Otherwise the first of LC_ALL, LC_NUMERIC
           and LANG that is not empty names the locale ("," for ru_RU.UTF-8, whether or not
           it is installed); C, POSIX or none give ".".
  reference=1
           after the case's events, the physical reference (all 15 digits) of the coil,
           where it has one; none after an error, or a notice that refused the inputs
           (a single-layer coil too short for the formulas still gets reference.L):
             reference.L=TEXT          exact inductance, µH, of the coil shown or found
                                       (current sheet; rectangular-section winding)
             reference.deviation=TEXT  percent: the formula's result against it, or (turns,
                                       optimal) it against the required inductance
             reference.N=TEXT          turns, optimal: the turns it needs for the
                                       required inductance
             reference.Dr=TEXT         turns: the winding thickness, cm, of those turns
           then the copper wire (annealed, 20 °C: 1/58 Ω·mm²/m, 8.89 g/cm³; the wire
           diameter taken as bare copper) of the coil shown: for the turns and the
           optimal coil its N turns of wire d; for single- and multi-layer the largest
           wire that fits (pitch l/N; square packing sqrt(l·Dr/N)):
             reference.wire=TEXT       wire length, m (single-layer: the helix)
             reference.R=TEXT          its DC resistance, Ω
             reference.mass=TEXT       its copper, g
             reference.layers=TEXT     turns, optimal: the layers of l/(0.1 d) turns
             reference.d=TEXT          single-, multi-layer: the largest wire, mm
             reference.attenuation=TEXT
                                       optimal: 20 log10((R + Rн)/Rн), dB, of that R
  f=TEXT   with reference=1: the working frequency, kHz (0.001 to 1000000), for the
           reference's figures at it, after the events above (none with f= empty):
             reference.delta=TEXT      skin depth in copper, mm
             reference.Rskin=TEXT      the wire's resistance, straight, with the skin
                                       effect alone, Ω
             reference.Rac=TEXT        the coil's, with skin and proximity effect, Ω
                                       (single-layer: Medhurst's factor; the others:
                                       the winding's own field over its section)
             reference.X=TEXT          reactance 2πfL of reference.L, Ω
             reference.Q=TEXT          X/Rac, below the self-resonance only
             reference.Cs=TEXT         single-layer: self-capacitance, pF
             reference.fres=TEXT       single-layer: self-resonant frequency, kHz
             reference.Aac=TEXT        optimal: 20 log10((Rac + Rн)/Rн), dB
             reference.note=TEXT       why figures are missing (a frequency or wire
                                       outside the models' range, a wire that does
                                       not fit, a coil outside a model's domain), or
                                       that f/fres is 0.15 or more, where the lumped
                                       L, X and Q no longer hold
           A TEXT that is not a number (with the case's separator) is malformed.
  dwire=TEXT
           single-layer, multi-layer, with f=: the wire, mm (0.001 to 100), instead of
           the largest that fits, at the window's own pitch or packing; its copper
           figures replace the largest wire's (no reference.d). The turns and the
           optimal coil wind their own wire d and take no dwire=.
  reset    a line of its own: clears what the calculators keep between cases; answered
           by "reset"
  An empty line is answered by an empty line; a line that ends in CR LF (a file saved
  on another system) reads as one that ends in LF.
Escapes in TEXT, both ways: \t tab, \n newline, \\ backslash.

Exit status: 0 when every line ran (a calculation's error is an answer, not a failure);
2 when a line was malformed (the others still ran); 1 when the answers could not be written.

Examples:
  $ coilcalc-cli single-layer N=10 D=4 l=10 sep=,
  Vivodind=0,133559322033898
  $ coilcalc-cli multi-layer reference=1 sep=,
)"
      "  "
      "Vivod=6206,59079391892\treference.L=5755,44111423994\treference.deviation=7,83866380915202\t"
      "reference.wire=75,8694625841935\treference.R=1,34074137931034\t"
      "reference.mass=658,055873442633\treference.d=1,11455642515071\n"
      R"(  $ printf 'turns\tL=100\n\nBogus\n' | coilcalc-cli 2>/dev/null; echo $?
)"
      "  vivodN=187.509999999974\tvivodDr=0.375019999999949\n"
      R"(
  error=Usage: unknown window 'Bogus' (coilcalc-cli --help lists the windows)
  2
)";
  return help;
}
