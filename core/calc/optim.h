// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The coilcalc developers
#pragma once
// Optimal dimensions of a multi-layer coil whose thickness and length equal c and whose inner
// diameter is 2c: required inductance, attenuation or wire diameter, load resistance ->
// CalcOptAttenuation or CalcOptWire (over the stepped searches) -> c, 2c, c, and two results.
#include "calc/command.h"

namespace optim {

// Both take the state, the notice window, the event pump and the separator from the command.
// Attenuation mode: L (µH), allowed attenuation A (dB), load Rн (Ω). Returns c in mm and writes
// DrA, DbnA, lA, Res4 (turns) and Res5 (wire diameter, mm).
Number CalcOptAttenuation(Number L, Number A, Number Rn, const CommandContext& ctx);
// Wire-diameter mode: L (µH), wire diameter d (mm), load Rн (Ω). Returns c in mm and writes DrB,
// DbnB, lB, Res4 (insertion attenuation, dB) and Res5 (turns); shows the fifth root of L as a
// notice on the way.
Number CalcOptWire(Number L, Number d, Number Rn, const CommandContext& ctx);

// The compute command: vvodLind, vvodNdb, vvodRn, CheckBox1 -> vivodDr, vivodDbn, vivodL,
// VivodN, vivodd.
void startClick(CommandContext& ctx);
// The mode switch: empties the five outputs and relabels Label6, Label9 and Label10.
void CheckBox1Click(CommandContext& ctx);

}  // namespace optim
