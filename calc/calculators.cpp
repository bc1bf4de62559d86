#include "calc/calculators.h"

#include "calc/indmnogosl.h"
#include "calc/indodnosl.h"
#include "calc/optim.h"
#include "calc/vitkmnogosl.h"

const std::vector<Calculator>& Calculators() {
  static const std::vector<Calculator> calculators = {
      {"FormIndOdnosl", {{"VvodN", "5"}, {"Vvodd", "4"}, {"Vvodl", "10"}}, {},
       IndOdnogosl::BitBtn1Click},
      {"FormIndMnogosl",
       {{"vvodDbn", "1"}, {"VvodL", "5"}, {"vvodDr", "2"}, {"vvodN", "805"}},
       {},
       IndMnogosl::BitBtn1Click},
      {"FormVitkmnogosl",
       {{"vvoddbn", "1"}, {"vvodl", "5"}, {"vvodd", "1"}, {"vvodLL", "2500"}},
       {},
       Vitkmnogosl::startClick},
      {"Formopt",
       {{"vvodLind", "5100"}, {"vvodNdb", "1"}, {"vvodRn", "8"}},
       {"CheckBox1"},
       optim::startClick},
  };
  return calculators;
}

const Calculator* FindCalculator(std::string_view window) {
  for (const Calculator& c : Calculators())
    if (window == c.window) return &c;
  return nullptr;
}
