// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The coilcalc developers
#pragma once
// What a calculator window is given at creation: the number format settings, the unit-level
// state its commands keep, and the event pump of the desktop layer. All outlive the window.
#include "calc/calcstate.h"
#include "calc/fields.h"
#include "numtext/formatsettings.h"

struct WindowServices {
  const FormatSettings& format;
  CalcState& state;
  EventPump& pump;
};
