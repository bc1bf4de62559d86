#pragma once
// The one place where Qt text meets the core: the decimal separator read from a QLocale, and
// field texts converted between QString (windows) and UTF-8 std::string (core).
#include <QLocale>
#include <QString>
#include <string>

#include "numtext/formatsettings.h"

// The first character (code point) of the locale's decimal point, or "." when it is empty.
FormatSettings FormatFromLocale(const QLocale& locale);

// Field text of a window -> field text of the core (UTF-8), and back.
std::string ToField(const QString& text);
QString FromField(const std::string& text);
