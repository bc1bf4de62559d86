// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The coilcalc developers
#include "numtext/errors.h"

std::string ErrorBoxText(const std::string& message) {
  // Compared as a byte: any character of a non-ASCII script sorts after "." as well.
  if (!message.empty() && static_cast<unsigned char>(message.back()) > '.') return message + ".";
  return message;
}
