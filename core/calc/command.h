// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The coilcalc developers
#pragma once
// Every compute command has one shape: read the fields in its own order, convert each with number
// entry and store it as a Number, call one computation, write each result with number display.
// A command that runs to its end leaves what it computed in `computed`, for the physical reference.
#include "calc/calcstate.h"
#include "calc/computed.h"
#include "calc/fields.h"
#include "numtext/formatsettings.h"

struct CommandContext {
  Fields& fields;
  const FormatSettings& format;
  CalcState& state;
  EventPump& pump;
  // Empty until the command has run to its end; then its inputs and results (calc/computed.h).
  Computed computed{};

  // Field text -> Number (EConvertError, or EOverflow when the value leaves the double range).
  Number readNumber(std::string_view control) const;
  // Number display of an extended value into a field.
  void writeNumber(std::string_view control, Ext value) const;
};
