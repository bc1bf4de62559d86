// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The coilcalc developers
#pragma once
// Turns of a multi-layer coil for a required inductance: inner diameter, length (cm), wire
// diameter (mm), required inductance (µH) -> the stepped turns search -> turns and the winding
// thickness Dr that the search leaves in the unit-level state.
#include <optional>

#include "calc/command.h"

namespace Vitkmnogosl {

// The count of turns; 0 after one of the three zero-input notices; nothing when the search
// cannot end (its notice shown, numbers in it with the separator of format). Leaves the
// thickness of the last tested count in state.Dr and, where the search found the count, the coil
// found in computed.
std::optional<Number> CalcVitkMnogosl(Number Dbn, Number l, Number d, Number Lreq,
                                      VitkmnogoslState& state, Fields& window,
                                      const FormatSettings& format, Computed& computed);

// The compute command: vvoddbn, vvodl, vvodd, vvodLL -> vivodN, vivodDr.
void startClick(CommandContext& ctx);

}  // namespace Vitkmnogosl
