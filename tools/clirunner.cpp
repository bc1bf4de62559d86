#include "tools/clirunner.h"

#include <cstdio>
#include <map>

#include "calc/calculators.h"
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
  void showNotice(const std::string& text) override { events.push_back("notice=" + EscapeText(text)); }
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
    const ExtBits bits = BitsOf(value.value());
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

}  // namespace

std::string EscapeText(const std::string& text) {
  std::string out;
  for (char c : text) {
    if (c == '\\') out += "\\\\";
    else if (c == '\t') out += "\\t";
    else if (c == '\n') out += "\\n";
    else out += c;
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
    if (next == 't') out += '\t';
    else if (next == 'n') out += '\n';
    else if (next == '\\') out += '\\';
    else out += '\\', out += next;  // not an escape: kept as typed
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
  if (items.empty() || items[0].empty()) throw MalformedCase("a case begins with a window name");
  const std::string& window = items[0];
  const Calculator* calculator = FindCalculator(window);
  if (calculator == nullptr && window != "number")
    throw MalformedCase("unknown window '" + window + "'");

  CaseFields fields;
  if (calculator != nullptr) {
    for (const InputField& input : calculator->inputs) fields.texts[input.control] = input.initialText;
    for (const char* box : calculator->checkBoxes) fields.checks[box] = false;
  }
  FormatSettings format = localeFormat_;
  std::string numberText;
  bool haveNumberText = false;
  for (std::size_t i = 1; i < items.size(); ++i) {
    const std::size_t eq = items[i].find('=');
    if (eq == std::string::npos) throw MalformedCase("item '" + items[i] + "' has no '='");
    const std::string name = items[i].substr(0, eq);
    const std::string value = UnescapeText(items[i].substr(eq + 1));
    if (name == "sep") {
      format.decimalSeparator = SingleCodePoint(value);
    } else if (calculator == nullptr && name == "text") {
      numberText = value;
      haveNumberText = true;
    } else if (fields.texts.count(name) != 0) {
      fields.texts[name] = value;
    } else if (fields.checks.count(name) != 0 && (value == "0" || value == "1")) {
      fields.checks[name] = value == "1";
    } else {
      throw MalformedCase("window " + window + " has no input '" + name + "=" + value + "'");
    }
  }

  if (calculator == nullptr) {
    if (!haveNumberText) throw MalformedCase("number needs text=");
    return RunNumber(numberText, format);
  }
  NoEventPump pump;
  CommandContext ctx{fields, format, state_, pump};
  try {
    calculator->compute(ctx);
  } catch (const Exception& e) {
    fields.events.push_back(ErrorEvent(e));
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
