// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The coilcalc developers
#pragma once
// Inductance of a multi-layer coil: inner diameter, length, thickness (cm) and turns ->
// CalcIndMnogosl -> inductance in microhenries. The turns search evaluates the same formula.
#include "calc/command.h"

namespace IndMnogosl {

Number CalcIndMnogosl(Number Dbn, Number l, Number N, Number Dr);

// The compute command of the window: vvodDbn, vvodN, vvodDr, VvodL -> Vivod.
void BitBtn1Click(CommandContext& ctx);

}  // namespace IndMnogosl
