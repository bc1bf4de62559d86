// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The coilcalc developers
#pragma once
// The application title, which the error box and the notice window bear: the executable's file
// name without its folder, cut before its first ".", every character after the first in lower
// case. "C:\\bin\\CALC.EXE" -> "Calc"; "/usr/bin/coil.calc.exe" -> "coil"; "coilcalc" ->
// "coilcalc".
#include <string>

std::string ApplicationTitle(const std::string& executablePath);
