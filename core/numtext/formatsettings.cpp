// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The coilcalc developers
#include "numtext/formatsettings.h"

std::string Utf8Encode(char32_t c) {
  if (c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF)) c = 0xFFFD;
  std::string out;
  if (c < 0x80) {
    out += static_cast<char>(c);
  } else if (c < 0x800) {
    out += static_cast<char>(0xC0 | (c >> 6));
    out += static_cast<char>(0x80 | (c & 0x3F));
  } else if (c < 0x10000) {
    out += static_cast<char>(0xE0 | (c >> 12));
    out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (c & 0x3F));
  } else {
    out += static_cast<char>(0xF0 | (c >> 18));
    out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
    out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (c & 0x3F));
  }
  return out;
}

std::string FormatSettings::separatorUtf8() const { return Utf8Encode(decimalSeparator); }

std::string FormatSettings::tr(const CatalogText& t) const {
  return translator != nullptr ? translator->translate(t) : std::string(t.source);
}

CodePoint Utf8FirstCodePoint(const std::string& text, char32_t fallback) {
  if (text.empty()) return {fallback, 0};
  const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(text[i]); };
  std::size_t length = 0;
  char32_t c = 0;
  if (byte(0) < 0x80) {
    return {byte(0), 1};
  } else if ((byte(0) & 0xE0) == 0xC0) {
    length = 2, c = byte(0) & 0x1F;
  } else if ((byte(0) & 0xF0) == 0xE0) {
    length = 3, c = byte(0) & 0x0F;
  } else if ((byte(0) & 0xF8) == 0xF0) {
    length = 4, c = byte(0) & 0x07;
  } else {
    return {fallback, 0};
  }
  if (text.size() < length) return {fallback, 0};
  for (std::size_t i = 1; i < length; ++i) {
    if ((byte(i) & 0xC0) != 0x80) return {fallback, 0};
    c = (c << 6) | (byte(i) & 0x3F);
  }
  return {c, length};
}
