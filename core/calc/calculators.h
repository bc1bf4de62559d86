// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The coilcalc developers
#pragma once
// The four calculators: their window and readable names, their input fields with the initial texts
// the windows are created with, their outputs, their mode switch and their compute command, with
// what each field means as its window labels it. The command-line front end reads cases, and
// writes its help, from this table; the window tests check the layouts against it.
#include <optional>
#include <string_view>
#include <vector>

#include "calc/command.h"

// What a field holds, as its label says: the symbol (Latin letters for the label's Cyrillic, so
// "Dbn" for "Dвн"; empty where the label shows none), what it is, and its unit ("" for a count).
struct Quantity {
  const char* symbol = nullptr;  // nullptr: no quantity of its own (see InputField::switched)
  const char* meaning = "";
  const char* unit = "";
};

struct InputField {
  const char* control;      // "Vvodd"
  const char* initialText;  // "4"
  Quantity quantity;        // {"D", "diameter", "mm"}; the symbol is its name on the command line
  Quantity switched{};      // what it holds with the mode switch set, where that differs
};

struct OutputField {
  const char* control;  // "Vivodind"
  Quantity quantity;
  Quantity switched{};
};

// A check box that switches a calculator between two modes; clear at start.
struct ModeSwitch {
  const char* control;  // "CheckBox1"
  const char* name;     // "wire": its name on the command line
  const char* meaning;  // what setting it does
};

struct Calculator {
  const char* window;                    // "FormIndOdnosl"
  const char* name;                      // "single-layer"
  const char* title;                     // "inductance of a single-layer coil"
  std::vector<InputField> inputs;        // in screen order
  std::vector<OutputField> outputs;      // in the order the command writes them
  std::optional<ModeSwitch> modeSwitch;  // Formopt's CheckBox1
  void (*compute)(CommandContext&);      // the command of the compute button
  // The physical reference takes its wire from outside (the frame's wire field, dwire=): the
  // calculator winds no wire of its own.
  bool referenceWire = false;
};

const std::vector<Calculator>& Calculators();
// By window name or readable name; nothing for an unknown name.
const Calculator* FindCalculator(std::string_view name);
