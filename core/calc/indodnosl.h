// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The coilcalc developers
#pragma once
// Inductance of a single-layer coil (solenoid): turns, diameter and length in the window ->
// CalcIndOdnosl -> inductance in microhenries.
#include <optional>

#include "calc/command.h"

namespace IndOdnogosl {

// Which of the two formulas covers a coil; None when the coil is too short for both.
enum class Formula { Long, Short, None };
Formula FormulaFor(Number l, Number r);

// Inductance in microhenries of a coil of length l (cm), N turns, diameter d_cm (cm); nothing
// when the coil is too short for both formulas.
std::optional<Number> CalcIndOdnosl(Number l, Number N, Number d_cm);

// The compute command of the window: Vvodd, VvodN, Vvodl -> Vivodind.
void BitBtn1Click(CommandContext& ctx);

}  // namespace IndOdnogosl
