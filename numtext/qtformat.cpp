#include "numtext/qtformat.h"

FormatSettings FormatFromLocale(const QLocale& locale) {
  FormatSettings format;
  const QList<uint> points = locale.decimalPoint().toUcs4();
  format.decimalSeparator = points.isEmpty() ? U'.' : static_cast<char32_t>(points.front());
  return format;
}

std::string ToField(const QString& text) { return text.toStdString(); }

QString FromField(const std::string& text) { return QString::fromStdString(text); }
