// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The coilcalc developers
#include "calc/vitkmnogosl.h"

#include "calc/searches.h"
#include "calc/texts.h"

namespace Vitkmnogosl {

std::optional<Number> CalcVitkMnogosl(Number Dbn, Number l, Number d, Number Lreq,
                                      VitkmnogoslState& state, Fields& window,
                                      const FormatSettings& format, Computed& computed) {
  if (d == 0) {
    window.showNotice(format.tr(texts::notices::kZeroWire));
    return 0.0;
  }
  if (l == 0) {
    window.showNotice(format.tr(texts::notices::kZeroLength));
    return 0.0;
  }
  if (Lreq == 0) {
    window.showNotice(format.tr(texts::notices::kNoInductance));
    return 0.0;
  }
  const searches::TurnsResult result = searches::TurnsSearch(Dbn, l, d, Lreq, state.Dr, format);
  if (!result.found) {
    window.showNotice(result.notice);
    return std::nullopt;
  }
  computed = TurnsComputed{Dbn, l, d, Lreq, result.n, state.Dr};
  return result.n;
}

void startClick(CommandContext& ctx) {
  const Number Dbn = ctx.readNumber("vvoddbn");
  const Number l = ctx.readNumber("vvodl");
  const Number d = ctx.readNumber("vvodd");
  const Number Lreq = ctx.readNumber("vvodLL");
  const std::optional<Number> n =
      CalcVitkMnogosl(Dbn, l, d, Lreq, ctx.state.vitkmnogosl, ctx.fields, ctx.format, ctx.computed);
  if (!n) {
    // The search found no count: show none rather than an earlier one.
    ctx.fields.setText("vivodN", "");
    ctx.fields.setText("vivodDr", "");
    return;
  }
  ctx.writeNumber("vivodN", *n);
  ctx.writeNumber("vivodDr", ctx.state.vitkmnogosl.Dr);
}

}  // namespace Vitkmnogosl
