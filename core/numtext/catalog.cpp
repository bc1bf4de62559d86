// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The coilcalc developers
#include "numtext/catalog.h"

#include <vector>

std::string FillArgs(std::string pattern, std::initializer_list<std::string> args) {
  const std::vector<std::string> values(args);
  std::string out;
  out.reserve(pattern.size());
  for (std::size_t i = 0; i < pattern.size(); ++i) {
    const char next = i + 1 < pattern.size() ? pattern[i + 1] : '\0';
    if (pattern[i] == '%' && next >= '1' && next <= '9' &&
        static_cast<std::size_t>(next - '1') < values.size()) {
      out += values[next - '1'];
      ++i;
    } else {
      out += pattern[i];
    }
  }
  return out;
}
