// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The coilcalc developers
#include "numtext/fpu.h"

#if COILCALC_X87

#include <fpu_control.h>

namespace {
// Precision 64 bits, round to nearest, all six exceptions masked (0x037F; bit 6 is reserved and
// always reads as set).
constexpr fpu_control_t kStartupControlWord = 0x0040 | _FPU_EXTENDED | _FPU_RC_NEAREST |
                                              _FPU_MASK_IM | _FPU_MASK_DM | _FPU_MASK_ZM |
                                              _FPU_MASK_OM | _FPU_MASK_UM | _FPU_MASK_PM;
}  // namespace

void InitFpu() {
  asm volatile("fnclex");
  fpu_control_t cw = kStartupControlWord;
  _FPU_SETCW(cw);
}

unsigned short CurrentFpuControlWord() {
  fpu_control_t cw;
  _FPU_GETCW(cw);
  return static_cast<unsigned short>(cw);
}

unsigned short StartupFpuControlWord() { return static_cast<unsigned short>(kStartupControlWord); }

#else

void InitFpu() {}

#endif
