// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The coilcalc developers
// Number entry of arbitrary bytes under each separator: a value, or EConvertError whose message
// holds the text intact; the outcome the grammar allows; the FPU control word unchanged.

#include "tests/fuzz/properties.h"

extern "C" int LLVMFuzzerInitialize(int*, char***) {
  InitFpu();
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  return fuzzprops::Verdict(fuzzprops::CheckNumberEntry(data, size));
}
