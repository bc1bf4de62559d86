// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The coilcalc developers
#pragma once
// The text of coilcalc-cli --help: the case syntax, every window with its inputs and outputs as
// the calculator table gives them, the other items, the escapes and the exit statuses.
#include <string>

std::string CliHelp();
