// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The coilcalc developers
#pragma once
// The core's catalog texts (numtext/catalog.h) through Qt's translation: the translators that the
// application has installed, looked up by the text's context and Russian source. Without one, or
// for a text the installed translation lacks, the source comes back unchanged.
#include "numtext/catalog.h"

class QtTextTranslator final : public TextTranslator {
 public:
  std::string translate(const CatalogText& text) const override;
};
