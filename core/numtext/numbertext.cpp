// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The coilcalc developers
#include "numtext/numbertext.h"

#include <cstdint>
#include <cstring>

namespace {

#include "numtext/pow10_table.inc"

// Powers of ten below this give zero in number entry.
constexpr long long kUnderflowPower = -5120;

bool isDigit(char c) { return c >= '0' && c <= '9'; }

// v scaled by 10^p: multiplied by the power factors for |p| when p > 0, divided by them when
// p < 0, each operation rounded to extended with faults masked. |p| must be below 5120.
Ext ScaleByPow10(Ext v, long long p) {
  const long long ap = p < 0 ? -p : p;
  const Ext small = FromBits(kPow10Small[ap % 32]);
  const std::size_t medium = static_cast<std::size_t>((ap / 32) % 16);
  const std::size_t large = static_cast<std::size_t>(ap / 512);
  if (p >= 0) {
    v = maskedMul(v, small);
    if (medium != 0) v = maskedMul(v, FromBits(kPow10Medium[medium]));
    if (large != 0) v = maskedMul(v, FromBits(kPow10Large[large]));
  } else {
    v = maskedDiv(v, small);
    if (medium != 0) v = maskedDiv(v, FromBits(kPow10Medium[medium]));
    if (large != 0) v = maskedDiv(v, FromBits(kPow10Large[large]));
  }
  return v;
}

[[noreturn]] void InvalidText(const std::string& text) {
  throw EConvertError("'" + text + "' is not a valid floating point value");
}

}  // namespace

Ext NumberFromText(const std::string& text, const FormatSettings& format) {
  const std::string separator = format.separatorUtf8();
  const std::size_t n = text.size();
  std::size_t i = 0;

  while (i < n && text[i] == ' ') ++i;
  bool negative = false;
  if (i < n && (text[i] == '+' || text[i] == '-')) negative = text[i++] == '-';

  // Faults masked: an accumulator past the range becomes infinite and is refused below.
  Ext accumulator = 0;
  const auto take = [&](char digit) {
    accumulator = maskedAdd(maskedMul(accumulator, 10), digit - '0');
  };
  bool mantissa = false;  // a digit or the separator was taken
  long long fractionDigits = 0;
  while (i < n && isDigit(text[i])) {
    take(text[i++]);
    mantissa = true;
  }
  if (text.compare(i, separator.size(), separator) == 0) {
    i += separator.size();
    mantissa = true;
    while (i < n && isDigit(text[i])) {
      take(text[i++]);
      ++fractionDigits;
    }
  }
  if (!mantissa) InvalidText(text);

  long long exponent = 0;
  if (i < n && (text[i] == 'E' || text[i] == 'e')) {
    ++i;
    bool exponentNegative = false;
    if (i < n && (text[i] == '+' || text[i] == '-')) exponentNegative = text[i++] == '-';
    // Digits are taken while the exponent is below 500; a digit after that is left over.
    while (i < n && isDigit(text[i]) && exponent < 500)
      exponent = exponent * 10 + (text[i++] - '0');
    if (exponentNegative) exponent = -exponent;
  }
  while (i < n && text[i] == ' ') ++i;
  if (i != n) InvalidText(text);

  if (!isFinite(accumulator)) InvalidText(text);  // more digits than the range holds
  const long long power = exponent - fractionDigits;
  Ext value = power <= kUnderflowPower ? Ext() : ScaleByPow10(accumulator, power);
  if (!isFinite(value)) InvalidText(text);
  if (negative) value = -value;
  return value;
}

std::string NumberToText(Ext x, const FormatSettings& format) {
  const ExtBits bits = BitsOf(x);
  const bool negative = (bits.signExponent & 0x8000) != 0;
  const int biased = bits.signExponent & 0x7FFF;
  constexpr unsigned long long kIntegerBit = 1ULL << 63;

  // Zero, and every value subnormal in the extended format (pseudo-denormals included).
  if (biased == 0) return "0";
  if (biased == 0x7FFF) {
    if (bits.significand == kIntegerBit) return negative ? "-INF" : "INF";
    return "NAN";  // every NaN, and the pseudo-infinities and pseudo-NaNs the unit rejects
  }
  if ((bits.significand & kIntegerBit) == 0) return "NAN";  // unnormal: an invalid operand

  // Decimal exponent estimate: 19728 / 65536 is a little below log10(2).
  const long long e = biased - 16383;
  const long long scaled = e * 19728;
  long long E = (scaled >= 0 ? scaled / 65536 : -((-scaled + 65535) / 65536)) + 1;

  const Ext magnitude = abs(x);
  Ext s = rint(ScaleByPow10(magnitude, 18 - E));
  if (s >= Ext(1e18)) {
    s = s / 10;
    ++E;
  }
  unsigned long long integer = truncToUint64(rint(s));

  char raw[19];
  for (int k = 17; k >= 0; --k) {
    raw[k] = static_cast<char>('0' + integer % 10);
    integer /= 10;
  }
  raw[18] = '\0';
  // Where the estimate came out one too high the rendition has a leading zero: drop it, so that
  // the text keeps 15 significant digits.
  if (raw[0] == '0') {
    std::memmove(raw, raw + 1, 17);
    raw[17] = '0';
    --E;
  }

  // 15 significant digits, rounded on the 16th digit alone.
  std::string digits(raw, 15);
  if (raw[15] >= '5') {
    int k = 14;
    while (k >= 0 && digits[k] == '9') digits[k--] = '0';
    if (k < 0) {
      digits = "1";
      ++E;
    } else {
      ++digits[k];
    }
  }
  while (digits.size() > 1 && digits.back() == '0') digits.pop_back();

  const std::string sep = format.separatorUtf8();
  const long long X = E;
  const long long count = static_cast<long long>(digits.size());
  std::string out = negative ? "-" : "";
  if (X > 15 || X < -3) {
    out += digits[0];
    if (count > 1) out += sep + digits.substr(1);
    out += "E" + std::to_string(X - 1);
  } else if (X > 0) {
    if (count <= X) {
      out += digits + std::string(static_cast<std::size_t>(X - count), '0');
    } else {
      out += digits.substr(0, static_cast<std::size_t>(X)) + sep +
             digits.substr(static_cast<std::size_t>(X));
    }
  } else {
    out += "0" + sep + std::string(static_cast<std::size_t>(-X), '0') + digits;
  }
  return out;
}
