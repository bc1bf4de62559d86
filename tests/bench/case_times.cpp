// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The coilcalc developers
// Times every case line of standard input as coilcalc-cli answers it (separator "." unless a case
// names its own) and prints the whole run's time and the slowest cases: how long the searches
// take on the backend of extended arithmetic that this build uses.
//   build/tests/case_times [COUNT] < cases.txt
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <iostream>
#include <string>
#include <vector>

#include "cases/clirunner.h"
#include "numtext/fpu.h"

int main(int argc, char** argv) {
  const std::size_t count = argc > 1 ? std::stoul(argv[1]) : 5;
  InitFpu();
  CliRunner runner(FormatSettings{U'.'});
  std::vector<std::pair<double, std::string>> times;  // milliseconds, case line
  double total = 0;
  for (std::string line; std::getline(std::cin, line);) {
    const auto start = std::chrono::steady_clock::now();
    runner.answerLine(line);
    const std::chrono::duration<double, std::milli> took = std::chrono::steady_clock::now() - start;
    total += took.count();
    times.emplace_back(took.count(), line);
  }
  const std::size_t shown = std::min(count, times.size());
  std::partial_sort(times.begin(), times.begin() + static_cast<std::ptrdiff_t>(shown), times.end(),
                    [](const auto& a, const auto& b) { return a.first > b.first; });
  std::printf("%zu cases, %.0f ms in all; the slowest:\n", times.size(), total);
  for (std::size_t k = 0; k < shown; ++k)
    std::printf("%9.3f ms  %s\n", times[k].first, times[k].second.c_str());
}
