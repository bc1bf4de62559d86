// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The coilcalc developers
#include "calc/calcwindow.h"

#include <QAbstractButton>
#include <QFont>
#include <QLineEdit>
#include <QPalette>
#include <QWidget>

#include "calc/qtfields.h"

// Q_INIT_RESOURCE may not be used inside a namespace.
static void RegisterCoilcalcResources() { Q_INIT_RESOURCE(coilcalc); }

void LoadCalculatorResources() {
  static const bool registered = (RegisterCoilcalcResources(), true);
  (void)registered;
  // The layouts are measured in "MS Sans Serif". Where it is missing, fonts with Arial's or
  // Helvetica's widths come within a pixel or two of it at 8 pt; the generic sans-serif fallback
  // (typically DejaVu Sans) is some 15 % wider and would clip the captions. Qt does not follow
  // fontconfig's metric aliases, so the substitutes are named here, for every window at once.
  static const bool substituted = (QFont::insertSubstitutions(
      QStringLiteral("MS Sans Serif"),
      {QStringLiteral("Arial"), QStringLiteral("Liberation Sans"), QStringLiteral("Arimo"),
       QStringLiteral("Nimbus Sans"), QStringLiteral("Helvetica")}), true);
  (void)substituted;
}

void SetUpCalculatorLook(QWidget& window) {
  QFont font = window.font();
  font.setFamily(QStringLiteral("MS Sans Serif"));
  font.setStyleHint(QFont::SansSerif);
  window.setFont(font);
  window.setBackgroundRole(QPalette::Button);
  window.setAutoFillBackground(true);
}

void PressOnEnter(QWidget& window, QAbstractButton& button) {
  for (QLineEdit* edit : window.findChildren<QLineEdit*>()) {
    QObject::connect(edit, &QLineEdit::returnPressed, &button, &QAbstractButton::click);
  }
}

void RunCommand(QWidget& window, const WindowServices& services, void (*command)(CommandContext&)) {
  QtFields fields(window);
  CommandContext ctx{fields, services.format, services.state, services.pump};
  command(ctx);
}
