// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The coilcalc developers
#pragma once
// The only state that outlives a command besides the field texts: the winding thickness that the
// turns search leaves behind, and the result variables of the optimal-coil calculator. All are
// zero at start and never cleared by a command. The application owns one CalcState.
#include "numtext/ext.h"

struct VitkmnogoslState {
  Number Dr = 0;
};

struct OptimState {
  Number DrA = 0, DbnA = 0, lA = 0;  // attenuation mode
  Number DrB = 0, DbnB = 0, lB = 0;  // wire-diameter mode
  Number Res4 = 0, Res5 = 0;         // shared by both modes
};

struct CalcState {
  VitkmnogoslState vitkmnogosl;
  OptimState optim;
};
