#pragma once
// The four calculators by window name: their input fields with the initial texts the windows are
// created with, and their compute command. The command-line front end runs cases through this
// table; the window tests check the layouts against it.
#include <string_view>
#include <vector>

#include "calc/command.h"

struct InputField {
  const char* control;
  const char* initialText;
};

struct Calculator {
  const char* window;                   // "FormIndOdnosl"
  std::vector<InputField> inputs;       // in screen order
  std::vector<const char*> checkBoxes;  // mode switches, clear at start
  void (*compute)(CommandContext&);     // the command of the compute button
};

const std::vector<Calculator>& Calculators();
// Nothing for an unknown name.
const Calculator* FindCalculator(std::string_view window);
