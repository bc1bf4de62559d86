// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The coilcalc developers
#include "cases/clirunner.h"

#include <cstdio>
#include <map>
#include <optional>

#include "calc/calculators.h"
#include "calc/conditions.h"
#include "calc/referencetext.h"
#include "numtext/fpu.h"
#include "numtext/numbertext.h"

namespace {

// The fields of one case, recording every write and notice as an event.
class CaseFields final : public Fields {
 public:
  std::map<std::string, std::string, std::less<>> texts;
  std::map<std::string, bool, std::less<>> checks;
  std::vector<std::string> events;

  std::string text(std::string_view control) const override {
    const auto it = texts.find(control);
    if (it == texts.end()) throw std::logic_error("no field " + std::string(control));
    return it->second;
  }
  void setText(std::string_view control, const std::string& text) override {
    events.push_back(std::string(control) + "=" + EscapeText(text));
  }
  bool isChecked(std::string_view control) const override {
    const auto it = checks.find(control);
    return it != checks.end() && it->second;
  }
  void showNotice(const std::string& text) override {
    events.push_back("notice=" + EscapeText(text));
  }
};

std::string ErrorEvent(const Exception& e) {
  InitFpu();  // a caught fault leaves the unit as at start
  return std::string("error=") + e.className() + ": " + EscapeText(ErrorBoxText(e.message()));
}

std::string Join(const std::vector<std::string>& events) {
  std::string line;
  for (const std::string& e : events) line += (line.empty() ? "" : "\t") + e;
  return line;
}

std::string Hex(unsigned long long value, int digits) {
  char buffer[24];
  std::snprintf(buffer, sizeof buffer, "%0*llX", digits, value);
  return buffer;
}

// Decodes a text that must hold exactly one UTF-8 code point.
char32_t SingleCodePoint(const std::string& text) {
  const CodePoint c = Utf8FirstCodePoint(text, U'.');
  if (c.length == 0 || c.length != text.size()) throw MalformedCase("sep= needs one character");
  return c.value;
}

std::string RunNumber(const std::string& text, const FormatSettings& format) {
  std::vector<std::string> events;
  try {
    const Ext value = NumberFromText(text, format);
    const ExtBits bits = BitsOf(value);
    events.push_back("extended=" + Hex(bits.signExponent, 4) + Hex(bits.significand, 16));
    const Number number = toNumber(value);
    unsigned long long raw;
    static_assert(sizeof raw == sizeof number);
    __builtin_memcpy(&raw, &number, sizeof raw);
    events.push_back("number=" + Hex(raw, 16));
    events.push_back("shown=" + EscapeText(NumberToText(number, format)));
  } catch (const Exception& e) {
    events.push_back(ErrorEvent(e));
  }
  return Join(events);
}

// A case as its items give it, before it runs.
struct ParsedCase {
  const Calculator* calculator = nullptr;  // nullptr: the number pseudo-window
  FormatSettings format;
  std::map<std::string, std::string, std::less<>> texts;  // input control -> text
  bool switched = false;                                  // the mode switch set
  bool reference = false;                                 // reference=1: the reference events
  ReferenceConditions conditions;                         // f=, dwire=: its working frequency
  std::optional<std::string> numberText;                  // the number pseudo-window's text=
};

// An input as an item names it: by control name, in either mode, or by the symbol of its label,
// which for a field that changes its meaning with the mode holds in that mode only.
struct NamedInput {
  const InputField* field;
  std::optional<bool> switched;  // the mode the name belongs to; nullopt for both
};

std::optional<NamedInput> FindInput(const Calculator& calculator, std::string_view name) {
  for (const InputField& in : calculator.inputs) {
    const bool twoMeanings = in.switched.symbol != nullptr;
    if (name == in.control) return NamedInput{&in, std::nullopt};
    if (name == in.quantity.symbol)
      return NamedInput{&in, twoMeanings ? std::optional<bool>(false) : std::nullopt};
    if (twoMeanings && name == in.switched.symbol) return NamedInput{&in, true};
  }
  return std::nullopt;
}

// "N, D, l (or VvodN, Vvodd, Vvodl)", for the message about an unknown input.
std::string InputNames(const Calculator& calculator) {
  std::string symbols, controls;
  const auto add = [](std::string& list, const std::string& name) {
    list += (list.empty() ? "" : ", ") + name;
  };
  for (const InputField& in : calculator.inputs) {
    add(symbols, in.switched.symbol ? std::string(in.quantity.symbol) + " or " + in.switched.symbol
                                    : in.quantity.symbol);
    add(controls, in.control);
  }
  if (calculator.modeSwitch) {
    add(symbols, calculator.modeSwitch->name);
    add(controls, calculator.modeSwitch->control);
  }
  return symbols + " (or " + controls + ")";
}

// f= and dwire= must read as numbers, with the case's separator; what they are is the
// reference's to judge (reference.note).
void CheckCondition(const std::string& name, const std::string& text, const char* what,
                    const FormatSettings& format) {
  if (ReadConditionNumber(text, format).kind == ConditionNumber::Kind::NotANumber) {
    throw MalformedCase(name + "= takes " + what + " written with the separator '" +
                        format.separatorUtf8() + "', not '" + text + "'");
  }
}

bool ZeroOrOne(const std::string& name, const std::string& value) {
  if (value != "0" && value != "1")
    throw MalformedCase(name + "= takes 0 or 1, not '" + value + "'");
  return value == "1";
}

// Reads the items of a case, in order; a later item for the same input wins. Every kind of item
// a case may carry is read here.
ParsedCase ReadCase(const std::vector<std::string>& items, FormatSettings localeFormat) {
  if (items.empty() || items[0].empty()) throw MalformedCase("a case begins with a window name");
  const std::string& window = items[0];
  ParsedCase parsed;
  parsed.format = localeFormat;
  parsed.calculator = FindCalculator(window);
  if (parsed.calculator == nullptr && window != "number")
    throw MalformedCase("unknown window '" + window + "' (coilcalc-cli --help lists the windows)");
  if (parsed.calculator != nullptr) {
    for (const InputField& input : parsed.calculator->inputs)
      parsed.texts[input.control] = input.initialText;
  }
  std::vector<std::pair<std::string, NamedInput>> modeNames;  // checked once the mode is known

  for (std::size_t i = 1; i < items.size(); ++i) {
    const std::size_t eq = items[i].find('=');
    if (eq == std::string::npos) throw MalformedCase("item '" + items[i] + "' is not NAME=TEXT");
    const std::string name = items[i].substr(0, eq);
    const std::string value = UnescapeText(items[i].substr(eq + 1));
    const Calculator* calc = parsed.calculator;
    const ModeSwitch* modeSwitch = calc && calc->modeSwitch ? &*calc->modeSwitch : nullptr;
    if (name == "sep") {
      parsed.format.decimalSeparator = SingleCodePoint(value);
    } else if (calc == nullptr) {
      if (name != "text") throw MalformedCase("number has no input '" + name + "'; it takes text=");
      parsed.numberText = value;
    } else if (name == "reference") {
      parsed.reference = ZeroOrOne(name, value);
    } else if (name == "f") {
      parsed.conditions.frequency = value;
    } else if (name == "dwire") {
      if (!calc->referenceWire) {
        throw MalformedCase("window " + window +
                            " has no dwire=: its reference winds the window's own wire; dwire= "
                            "goes with single-layer and multi-layer");
      }
      parsed.conditions.wire = value;
    } else if (const std::optional<NamedInput> input = FindInput(*calc, name)) {
      parsed.texts[input->field->control] = value;
      if (input->switched) modeNames.emplace_back(name, *input);
    } else if (modeSwitch && (name == modeSwitch->control || name == modeSwitch->name)) {
      parsed.switched = ZeroOrOne(name, value);
    } else {
      throw MalformedCase("window " + window + " has no input '" + name + "'; its inputs are " +
                          InputNames(*calc));
    }
  }

  for (const auto& [name, input] : modeNames) {
    if (*input.switched == parsed.switched) continue;
    const Quantity& q = *input.switched ? input.field->switched : input.field->quantity;
    const std::string setting = std::string(parsed.calculator->modeSwitch->name) + "=1";
    throw MalformedCase(name + "= (" + q.meaning + ") " +
                        (*input.switched ? "needs " + setting : "does not go with " + setting));
  }
  if (parsed.calculator == nullptr && !parsed.numberText) throw MalformedCase("number needs text=");
  CheckCondition("f", parsed.conditions.frequency, "a frequency in kHz", parsed.format);
  CheckCondition("dwire", parsed.conditions.wire, "a wire diameter in mm", parsed.format);
  return parsed;
}

template <class Run>
CliRunner::Answer Answered(const Run& run) {
  try {
    return {run(), ""};
  } catch (const MalformedCase& e) {
    const std::string message = EscapeText(e.what());
    return {"error=Usage: " + message, message};
  }
}

}  // namespace

std::string EscapeText(const std::string& text) {
  std::string out;
  for (char c : text) {
    if (c == '\\')
      out += "\\\\";
    else if (c == '\t')
      out += "\\t";
    else if (c == '\n')
      out += "\\n";
    else
      out += c;
  }
  return out;
}

std::string UnescapeText(const std::string& text) {
  std::string out;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] != '\\' || i + 1 == text.size()) {
      out += text[i];
      continue;
    }
    const char next = text[++i];
    if (next == 't')
      out += '\t';
    else if (next == 'n')
      out += '\n';
    else if (next == '\\')
      out += '\\';
    else
      out += '\\', out += next;  // not an escape: kept as typed
  }
  return out;
}

std::vector<std::string> SplitItems(const std::string& line) {
  std::vector<std::string> items;
  std::size_t start = 0;
  for (;;) {
    const std::size_t tab = line.find('\t', start);
    items.push_back(line.substr(start, tab - start));
    if (tab == std::string::npos) return items;
    start = tab + 1;
  }
}

std::string CliRunner::runCase(const std::vector<std::string>& items) {
  const ParsedCase parsed = ReadCase(items, localeFormat_);
  if (parsed.calculator == nullptr) return RunNumber(*parsed.numberText, parsed.format);

  CaseFields fields;
  fields.texts = parsed.texts;
  if (parsed.calculator->modeSwitch)
    fields.checks[parsed.calculator->modeSwitch->control] = parsed.switched;
  NoEventPump pump;
  CommandContext ctx{fields, parsed.format, state_, pump};
  try {
    parsed.calculator->compute(ctx);
  } catch (const Exception& e) {
    fields.events.push_back(ErrorEvent(e));
    return Join(fields.events);
  }
  if (parsed.reference) {
    const ReferenceEstimate estimate = Estimate(ctx.computed, parsed.conditions, parsed.format);
    for (const std::string& event : ReferenceEvents(estimate, parsed.format))
      fields.events.push_back(EscapeText(event));
  }
  return Join(fields.events);
}

std::string CliRunner::runLine(const std::string& line) {
  if (line == "reset") {
    state_ = CalcState{};
    return "reset";
  }
  return runCase(SplitItems(line));
}

CliRunner::Answer CliRunner::answerCase(const std::vector<std::string>& items) {
  return Answered([&] { return runCase(items); });
}

CliRunner::Answer CliRunner::answerLine(const std::string& line) {
  // A line ended by CR LF (a file saved on another system) reads as if it ended in LF.
  const bool crlf = !line.empty() && line.back() == '\r';
  const std::string content = crlf ? line.substr(0, line.size() - 1) : line;
  if (content.empty()) return {};
  return Answered([&] { return runLine(content); });
}
