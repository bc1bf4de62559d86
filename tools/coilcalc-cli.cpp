// coilcalc-cli: the calculators without a window, for scripted and batch calculation.
//   coilcalc-cli ITEM...      runs one case given as arguments
//   coilcalc-cli < cases      runs one case per line of standard input
// Exit status 0 when every case ran (a case's errors are output), 2 for a malformed case.
#include <clocale>
#include <iostream>
#include <string>

#include "numtext/fpu.h"
#include "tools/clirunner.h"

namespace {

// The first character of the locale's decimal point, or "." when it has none.
FormatSettings LocaleFormat() {
  std::setlocale(LC_NUMERIC, "");
  const std::string point = std::localeconv()->decimal_point;
  std::setlocale(LC_NUMERIC, "C");
  return FormatSettings{Utf8FirstCodePoint(point, U'.').value};
}

}  // namespace

int main(int argc, char** argv) {
  InitFpu();
  CliRunner runner(LocaleFormat());
  int status = 0;
  const auto run = [&](const auto& caseRunner) {
    try {
      std::cout << caseRunner() << '\n';
    } catch (const MalformedCase& e) {
      std::cerr << "coilcalc-cli: " << e.what() << '\n';
      status = 2;
    }
  };
  if (argc > 1) {
    const std::vector<std::string> items(argv + 1, argv + argc);
    run([&] { return runner.runCase(items); });
    return status;
  }
  std::string line;
  while (std::getline(std::cin, line)) {
    if (line.empty()) continue;
    run([&] { return runner.runLine(line); });
  }
  return status;
}
