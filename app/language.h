// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The coilcalc developers
#pragma once
// The language of the interface. Russian is the source language of every text; the other
// languages are the translations compiled in (i18n/coilcalc_LANG.ts, a resource
// :/i18n/coilcalc_LANG.qm each). The decimal separator is not part of it: it follows the
// locale's numbers (qtglue/qtformat.h).
#include <QString>
#include <QStringList>

// The code of the source language, which needs no translation.
inline const QString kSourceLanguage = QStringLiteral("ru");
// The language of a desktop that asks for none the program has.
inline const QString kFallbackLanguage = QStringLiteral("en");

// The codes of the translations compiled in ("en", ...), sorted.
QStringList TranslatedLanguages();

// The interface language for the desktop's languages in order of preference, as
// QLocale::uiLanguages() gives them ("ru-RU", "en-Latn-US", "de", ...): the first whose language
// is the source language or one of translated. A list that names no language (empty, or only
// "C" and "POSIX") gives the source language; any other list the fallback.
//   {"ru", "en"} -> "ru"   {"de-DE", "ru-RU"} -> "ru"   {"de-DE"} -> "en"   {"C"} -> "ru"
QString ChooseLanguage(const QStringList& uiLanguages, const QStringList& translated);

// The language for the desktop as the environment sets it now (LANGUAGE, LC_ALL, LC_MESSAGES,
// LANG, through QLocale::system()) and the translations compiled in.
QString DesktopLanguage();
