// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The coilcalc developers
#include "calc/calculators.h"

#include "calc/indmnogosl.h"
#include "calc/indodnosl.h"
#include "calc/optim.h"
#include "calc/vitkmnogosl.h"

const std::vector<Calculator>& Calculators() {
  static const std::vector<Calculator> calculators = {
      {"FormIndOdnosl",
       "single-layer",
       "inductance of a single-layer coil",
       {{"VvodN", "5", {"N", "turns"}},
        {"Vvodd", "4", {"D", "diameter", "mm"}},
        {"Vvodl", "10", {"l", "length", "mm"}}},
       {{"Vivodind", {"", "inductance", "µH"}}},
       std::nullopt,
       IndOdnogosl::BitBtn1Click,
       true},
      {"FormIndMnogosl",
       "multi-layer",
       "inductance of a multi-layer coil",
       {{"vvodDbn", "1", {"Dbn", "inner diameter", "cm"}},
        {"VvodL", "5", {"l", "winding length", "cm"}},
        {"vvodDr", "2", {"Dr", "winding thickness", "cm"}},
        {"vvodN", "805", {"N", "turns"}}},
       {{"Vivod", {"", "inductance", "µH"}}},
       std::nullopt,
       IndMnogosl::BitBtn1Click,
       true},
      {"FormVitkmnogosl",
       "turns",
       "turns of a multi-layer coil for a required inductance",
       {{"vvoddbn", "1", {"Dbn", "inner diameter", "cm"}},
        {"vvodl", "5", {"l", "winding length", "cm"}},
        {"vvodd", "1", {"d", "wire diameter", "mm"}},
        {"vvodLL", "2500", {"L", "required inductance", "µH"}}},
       {{"vivodN", {"N", "turns"}}, {"vivodDr", {"Dr", "winding thickness", "cm"}}},
       std::nullopt,
       Vitkmnogosl::startClick},
      {"Formopt",
       "optimal",
       "optimal dimensions of a multi-layer coil",
       {{"vvodLind", "5100", {"L", "required inductance", "µH"}},
        {"vvodNdb", "1", {"A", "allowed attenuation", "dB"}, {"d", "wire diameter", "mm"}},
        {"vvodRn", "8", {"Rn", "load resistance", "Ω"}}},
       {{"vivodDr", {"Dr", "winding thickness", "cm"}},
        {"vivodDbn", {"Dbn", "inner diameter", "cm"}},
        {"vivodL", {"l", "winding length", "cm"}},
        {"VivodN", {"N", "turns"}, {"", "insertion attenuation", "dB"}},
        {"vivodd", {"d", "wire diameter", "mm"}, {"N", "turns"}}},
       ModeSwitch{"CheckBox1", "wire", "for a given wire diameter d, not an attenuation A"},
       optim::startClick},
  };
  return calculators;
}

const Calculator* FindCalculator(std::string_view name) {
  for (const Calculator& c : Calculators())
    if (name == c.window || name == c.name) return &c;
  return nullptr;
}
