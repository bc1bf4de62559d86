// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The coilcalc developers
#pragma once
// Number format settings: the one decimal separator that number entry and display use, and the
// translator of the core's user texts. The application owns the one instance and sets it from the
// user's locale; tests state their own.
#include <string>

#include "numtext/catalog.h"

struct FormatSettings {
  char32_t decimalSeparator = U'.';
  // Where set, turns the core's texts into the interface's language; not owned.
  const TextTranslator* translator = nullptr;

  // The separator as UTF-8 bytes, the form in which field texts hold it.
  std::string separatorUtf8() const;
  // The text in the interface's language: the translation, or its source without a translator.
  std::string tr(const CatalogText& t) const;
};

// UTF-8 encoding of one code point (invalid code points give U+FFFD).
std::string Utf8Encode(char32_t c);

// The first code point of a UTF-8 text and the number of bytes it takes; {fallback, 0} for an
// empty text or a malformed sequence.
struct CodePoint {
  char32_t value;
  std::size_t length;
};
CodePoint Utf8FirstCodePoint(const std::string& text, char32_t fallback);
