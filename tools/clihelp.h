#pragma once
// The text of coilcalc-cli --help: the case syntax, every window with its inputs and outputs as
// the calculator table gives them, the other items, the escapes and the exit statuses.
#include <string>

std::string CliHelp();
