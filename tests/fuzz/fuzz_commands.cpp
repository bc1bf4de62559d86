// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The coilcalc developers
// Arbitrary texts in every field of every calculator (both modes of the optimal coil) through the
// case runner: outputs a display can produce, a notice or an error of a known kind, nothing else
// thrown, the same events when run again, and with reference=1 (and the reference's working
// frequency f= and wire dwire= from the texts after the fields) the same events and reference
// events after them.
#include <cstdlib>

#include "tests/fuzz/properties.h"

extern "C" int LLVMFuzzerInitialize(int*, char***) {
  InitFpu();
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  static const bool slowWalks = std::getenv("COILCALC_FUZZ_SLOW_WALKS") != nullptr;
  return fuzzprops::Verdict(fuzzprops::CheckCommands(data, size, slowWalks));
}
