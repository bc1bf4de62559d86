// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The coilcalc developers
#include "calc/indmnogosl.h"

namespace IndMnogosl {

Number CalcIndMnogosl(Number Dbn, Number l, Number N, Number Dr) {
  const Number r = toNumber((Ext(Dr) + Dbn) / 2);
  const Ext numerator = 0.315_ext * Ext(r) * r * N * N;
  const Ext divisor = 6 * Ext(r) + 9 * Ext(l) + 10 * Ext(Dr);
  return toNumber(numerator / divisor);
}

void BitBtn1Click(CommandContext& ctx) {
  const Number Dbn = ctx.readNumber("vvodDbn");
  const Number N = ctx.readNumber("vvodN");
  const Number Dr = ctx.readNumber("vvodDr");
  const Number l = ctx.readNumber("VvodL");
  const Number L = CalcIndMnogosl(Dbn, l, N, Dr);
  ctx.writeNumber("Vivod", L);
  ctx.computed = MultiLayerComputed{Dbn, l, Dr, N, L};
}

}  // namespace IndMnogosl
