// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The coilcalc developers
#pragma once
// The one place where Qt text meets the core: the decimal separator read from the environment's
// locale, and field texts converted between QString (windows) and UTF-8 std::string (core). Qt
// Core only, so that the command-line front end shares it with the windows.
#include <QLocale>
#include <QString>
#include <string>

#include "numtext/formatsettings.h"

// The first character (code point) of the locale's decimal point, or "." when it is empty.
FormatSettings FormatFromLocale(const QLocale& locale);

// The locale of the numeric category as the environment names it now: the first non-empty of
// LC_ALL, LC_NUMERIC and LANG, looked up in Qt's own locale table, so that it holds whether or not
// the C library has that locale generated. "C", "POSIX", an unknown name and none give the C
// locale. Read afresh at each call: Qt reads the environment's locale once per process.
QLocale EnvironmentLocale();
// The separator of that locale: the windows (at start and on a locale change) and coilcalc-cli
// both take it from here.
FormatSettings FormatFromEnvironment();

// Field text of a window -> field text of the core (UTF-8), and back.
std::string ToField(const QString& text);
QString FromField(const std::string& text);
