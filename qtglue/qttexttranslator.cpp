// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The coilcalc developers
#include "qtglue/qttexttranslator.h"

#include <QCoreApplication>

std::string QtTextTranslator::translate(const CatalogText& text) const {
  return QCoreApplication::translate(text.context, text.source).toStdString();
}
