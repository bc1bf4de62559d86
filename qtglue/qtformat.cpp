// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The coilcalc developers
#include "qtglue/qtformat.h"

FormatSettings FormatFromLocale(const QLocale& locale) {
  FormatSettings format;
  const QList<uint> points = locale.decimalPoint().toUcs4();
  format.decimalSeparator = points.isEmpty() ? U'.' : static_cast<char32_t>(points.front());
  return format;
}

QLocale EnvironmentLocale() {
#if defined(Q_OS_UNIX) && !defined(Q_OS_DARWIN)
  // The numeric category, in the precedence the C library gives it.
  for (const char* name : {"LC_ALL", "LC_NUMERIC", "LANG"}) {
    const QString value = qEnvironmentVariable(name);
    if (!value.isEmpty()) return QLocale(value);
  }
  return QLocale::c();
#else
  return QLocale::system();
#endif
}

FormatSettings FormatFromEnvironment() { return FormatFromLocale(EnvironmentLocale()); }

std::string ToField(const QString& text) { return text.toStdString(); }

QString FromField(const std::string& text) { return QString::fromStdString(text); }
