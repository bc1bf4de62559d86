// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The coilcalc developers
#pragma once
// The user texts of the core as catalog entries: each is a Russian source with the context it is
// translated in, marked for lupdate, and turned into the interface's language by whatever
// TextTranslator the format carries (FormatSettings::tr). Composed texts are templates whose %1,
// %2, ... FillArgs replaces, so that a translation may put the parts in another order.
#include <initializer_list>
#include <string>

// A user text of the core: its lupdate context and its Russian source (UTF-8).
struct CatalogText {
  const char* context;
  const char* source;
};

// Marks a catalog text for lupdate (run with -tr-function-alias QT_TRANSLATE_NOOP+=COIL_TR_NOOP).
#define COIL_TR_NOOP(context, source) \
  CatalogText { context, source }

// Turns a catalog text into the interface's language; the core's own default is the source.
class TextTranslator {
 public:
  virtual ~TextTranslator() = default;
  virtual std::string translate(const CatalogText& text) const = 0;  // UTF-8
};

// "%1 мкГн" with {"2279"} -> "2279 мкГн": every %1..%9 of the pattern replaced by that argument,
// in one pass (an argument's own "%2" stays as it is); a marker without an argument, and a "%"
// not followed by a digit 1-9, are kept.
std::string FillArgs(std::string pattern, std::initializer_list<std::string> args);
