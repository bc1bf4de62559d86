// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The coilcalc developers
// coilcalc-cli: the calculators without a window, for scripted and batch calculation.
//   coilcalc-cli ITEM...      runs one case given as arguments
//   coilcalc-cli < cases      runs one case per line of standard input, one answer line each
//   coilcalc-cli --help | --version
// Exit status 0 when every case ran (a case's errors are answers), 2 when a line was malformed,
// 1 when the answers could not be written.
#include <iostream>
#include <string>

#include "cases/clihelp.h"
#include "cases/clirunner.h"
#include "numtext/fpu.h"
#include "qtglue/qtformat.h"

int main(int argc, char** argv) {
  const std::string first = argc > 1 ? argv[1] : "";
  if (argc == 2 && (first == "--help" || first == "-h")) {
    std::cout << CliHelp();
    return std::cout.flush() ? 0 : 1;
  }
  if (argc == 2 && first == "--version") {
    std::cout << "coilcalc-cli " COILCALC_VERSION "\n";
    return std::cout.flush() ? 0 : 1;
  }

  InitFpu();
  CliRunner runner(FormatFromEnvironment());
  bool malformed = false;
  const auto print = [&](const CliRunner::Answer& answer, const std::string& where) {
    std::cout << answer.line << '\n';
    if (!answer.malformed.empty()) {
      std::cerr << "coilcalc-cli: " << where << answer.malformed << '\n';
      malformed = true;
    }
  };
  if (argc > 1) {
    print(runner.answerCase(std::vector<std::string>(argv + 1, argv + argc)), "");
  } else {
    std::string line;
    for (unsigned long number = 1; std::getline(std::cin, line); ++number)
      print(runner.answerLine(line), "line " + std::to_string(number) + ": ");
  }
  if (!std::cout.flush()) {
    std::cerr << "coilcalc-cli: the answers could not be written\n";
    return 1;
  }
  return malformed ? 2 : 0;
}
