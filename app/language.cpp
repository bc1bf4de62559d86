// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The coilcalc developers
#include "app/language.h"

#include <QDir>
#include <QLocale>
#include <QRegularExpression>

namespace {

// "ru-Cyrl-RU", "en_US" -> "ru", "en"; "C", "POSIX" -> "".
QString LanguageOf(const QString& uiLanguage) {
  const QString code = uiLanguage.section(QRegularExpression(QStringLiteral("[-_.@]")), 0, 0);
  if (code == QLatin1String("C") || code == QLatin1String("POSIX")) return QString();
  return code.toLower();
}

}  // namespace

QStringList TranslatedLanguages() {
  QStringList codes;
  const QRegularExpression name(QStringLiteral("^coilcalc_(.+)\\.qm$"));
  for (const QString& file : QDir(QStringLiteral(":/i18n")).entryList(QDir::Files, QDir::Name)) {
    const QRegularExpressionMatch match = name.match(file);
    if (match.hasMatch()) codes << match.captured(1);
  }
  return codes;
}

QString ChooseLanguage(const QStringList& uiLanguages, const QStringList& translated) {
  bool namesOne = false;
  for (const QString& entry : uiLanguages) {
    const QString language = LanguageOf(entry);
    if (language.isEmpty()) continue;
    if (language == kSourceLanguage || translated.contains(language)) return language;
    namesOne = true;
  }
  return namesOne ? kFallbackLanguage : kSourceLanguage;
}

QString DesktopLanguage() {
  return ChooseLanguage(QLocale::system().uiLanguages(), TranslatedLanguages());
}
