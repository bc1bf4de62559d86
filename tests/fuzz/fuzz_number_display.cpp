// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The coilcalc developers
// Number display of arbitrary 80-bit patterns (pseudo-denormals, unnormals, every kind of NaN): a
// non-empty text of at most 15 digits that reads back to a value shown the same.

#include "tests/fuzz/properties.h"

extern "C" int LLVMFuzzerInitialize(int*, char***) {
  InitFpu();
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  return fuzzprops::Verdict(fuzzprops::CheckNumberDisplay(data, size));
}
