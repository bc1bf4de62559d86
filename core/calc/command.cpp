// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The coilcalc developers
#include "calc/command.h"

#include "numtext/numbertext.h"

Number CommandContext::readNumber(std::string_view control) const {
  return toNumber(NumberFromText(fields.text(control), format));
}

void CommandContext::writeNumber(std::string_view control, Ext value) const {
  fields.setText(control, NumberToText(value, format));
}
