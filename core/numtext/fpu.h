// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The coilcalc developers
#pragma once
// The x87 floating-point unit, where Ext's x87 backend runs on it: 64-bit significand, round to
// nearest, every exception masked. Faults are detected by value checks in Ext, so no trap is ever
// taken. With the software backend there is no unit to set up and InitFpu() does nothing.
#include "numtext/ext.h"

// Loads the settings above. Called at start and after every reported fault.
void InitFpu();

#if COILCALC_X87
// The control word the unit holds now (for tests).
unsigned short CurrentFpuControlWord();
// The control word InitFpu() loads.
unsigned short StartupFpuControlWord();
#endif
