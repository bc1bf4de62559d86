// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The coilcalc developers
#pragma once
// The x87 floating-point unit: 64-bit significand, round to nearest, every exception masked.
// Faults are detected by value checks in Ext, so no trap is ever taken.

// Loads the settings above. Called at start and after every reported fault.
void InitFpu();
// The control word the unit holds now (for tests).
unsigned short CurrentFpuControlWord();
// The control word InitFpu() loads.
unsigned short StartupFpuControlWord();
