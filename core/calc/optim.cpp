// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The coilcalc developers
#include "calc/optim.h"

#include "calc/searches.h"
#include "calc/texts.h"
#include "numtext/numbertext.h"

namespace optim {

Number CalcOptAttenuation(Number L, Number A, Number Rn, const CommandContext& ctx) {
  OptimState& s = ctx.state.optim;
  const Number K = searches::DbToRatio(A, ctx.format);
  const Number t = toNumber((Ext(K) - 1) * Rn);
  const Number c = toNumber(sqrt(Ext(L) / (8.66_ext * Ext(t))));
  s.DrA = c;
  const Number N = toNumber(19.88_ext * sqrt(Ext(L) / c));
  s.Res4 = N;
  const Number d = toNumber(0.841_ext * Ext(c) / sqrt(Ext(N)));
  s.Res5 = d;
  s.lA = c;
  s.DbnA = toNumber(2 * Ext(c));
  return c;
}

Number CalcOptWire(Number L, Number d, Number Rn, const CommandContext& ctx) {
  OptimState& s = ctx.state.optim;
  const Number a = toNumber(Ext(d) * d * d * d * L);
  const Number c = toNumber(3.8_ext * Ext(searches::FifthRoot(a, ctx.pump, ctx.format)));
  s.DrB = c;
  const Number m = searches::FifthRoot(L, ctx.pump, ctx.format);
  // The notice shows the bare number, with the separator the user sees everywhere else.
  ctx.fields.showNotice(NumberToText(m, ctx.format));
  const Number R = toNumber(Ext(L) / (8.66_ext * (Ext(c) * c)));
  const Number Avn = toNumber(20 * log10(Ext(R) / Rn + 1));
  s.Res4 = Avn;
  s.lB = c;
  s.DbnB = toNumber(2 * Ext(c));
  const Number N = toNumber(19.88_ext * sqrt(Ext(L) / c));
  s.Res5 = N;
  return c;
}

void startClick(CommandContext& ctx) {
  const Number L = ctx.readNumber("vvodLind");
  const Number p = ctx.readNumber("vvodNdb");
  const Number Rn = ctx.readNumber("vvodRn");
  const bool wireMode = ctx.fields.isChecked("CheckBox1");
  const OptimState& s = ctx.state.optim;
  const Number c = wireMode ? CalcOptWire(L, p, Rn, ctx) : CalcOptAttenuation(L, p, Rn, ctx);
  // The divisions by 10 stay extended: number display takes them unrounded.
  ctx.writeNumber("vivodDr", Ext(c) / 10);
  ctx.writeNumber("vivodDbn", Ext(wireMode ? s.DbnB : s.DbnA) / 10);
  ctx.writeNumber("vivodL", Ext(wireMode ? s.lB : s.lA) / 10);
  ctx.writeNumber("VivodN", s.Res4);
  ctx.writeNumber("vivodd", s.Res5);
  ctx.computed = wireMode ? OptimalComputed{L, c, s.Res5, p, Rn, s.Res4, true}
                          : OptimalComputed{L, c, s.Res4, s.Res5, Rn, p, false};
}

void CheckBox1Click(CommandContext& ctx) {
  for (const char* output : {"vivodDr", "vivodL", "vivodd", "vivodDbn", "VivodN"})
    ctx.fields.setText(output, "");
  const bool wireMode = ctx.fields.isChecked("CheckBox1");
  using namespace texts::optimLabels;
  const FormatSettings& f = ctx.format;
  ctx.fields.setText("Label6", f.tr(wireMode ? kWireDiameter : kAllowedAttenuation));
  ctx.fields.setText("Label9", f.tr(wireMode ? kInsertionAttenuation : kTurns));
  ctx.fields.setText("Label10", f.tr(wireMode ? kTurns : kWire));
}

}  // namespace optim
