// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The coilcalc developers
#include "calc/indodnosl.h"

#include "calc/texts.h"

namespace IndOdnogosl {

// Formula 1 for l >= 2r/3 (the boundary belongs to the long coils), formula 2 for
// r/10 < l < 2r/3. The bounds are compared at extended precision.
Formula FormulaFor(Number l, Number r) {
  const Ext t = Ext(2) * r / 3;
  if (Ext(l) > t) return Formula::Long;
  if (Ext(l) == t && r > 0) return Formula::Long;
  if (t > Ext(l) && Ext(l) > Ext(r) / 10) return Formula::Short;
  return Formula::None;
}

std::optional<Number> CalcIndOdnosl(Number l, Number N, Number d_cm) {
  const Number r = toNumber(Ext(d_cm) / 2);
  const Ext numerator = 0.394_ext * Ext(r) * r * N * N;
  switch (FormulaFor(l, r)) {
    case Formula::Long:
      return toNumber(numerator / (9 * Ext(r) + 10 * Ext(l)));
    case Formula::Short:
      return toNumber(numerator / ((9 - Ext(r) / (5 * Ext(l))) * r + 10 * Ext(l)));
    case Formula::None:
      break;
  }
  return std::nullopt;
}

void BitBtn1Click(CommandContext& ctx) {
  const Number D = ctx.readNumber("Vvodd");
  const Number N = ctx.readNumber("VvodN");
  const Number l_mm = ctx.readNumber("Vvodl");
  const Number d_cm = toNumber(Ext(D) / 10);
  const Number l = toNumber(Ext(l_mm) / 10);
  const std::optional<Number> L = CalcIndOdnosl(l, N, d_cm);
  if (!L) {
    // No earlier result may stand beside inputs that have none.
    ctx.fields.setText("Vivodind", "");
    ctx.fields.showNotice(ctx.format.tr(texts::notices::kTooShort));
  } else {
    ctx.writeNumber("Vivodind", *L);
  }
  ctx.computed = SingleLayerComputed{N, d_cm, l, L};
}

}  // namespace IndOdnogosl
