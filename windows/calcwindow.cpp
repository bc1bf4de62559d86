// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The coilcalc developers
#include "windows/calcwindow.h"

#include <QAbstractButton>
#include <QFont>
#include <QLineEdit>
#include <QPalette>
#include <QWidget>

#include "calc/calculators.h"
#include "windows/qtfields.h"
#include "calc/reference.h"

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

ReferenceLine::ReferenceLine(QWidget& window) : QObject(&window) {
  setObjectName(QStringLiteral("ReferenceLine"));
  const Calculator* calculator = FindCalculator(window.objectName().toStdString());
  if (calculator == nullptr) return;
  for (const InputField& input : calculator->inputs) {
    if (auto* edit = window.findChild<QLineEdit*>(QString::fromLatin1(input.control)))
      connect(edit, &QLineEdit::textChanged, this, &ReferenceLine::clear);
  }
  for (const OutputField& output : calculator->outputs) {
    if (auto* edit = window.findChild<QLineEdit*>(QString::fromLatin1(output.control))) outputs_.push_back(edit);
  }
}

ReferenceLine* ReferenceLine::of(const QWidget& window) {
  return window.findChild<ReferenceLine*>(QString(), Qt::FindDirectChildrenOnly);
}

void ReferenceLine::set(const QString& text, bool warning) {
  if (text == text_ && warning == warning_) return;
  text_ = text;
  warning_ = warning;
  for (QLineEdit* edit : outputs_) edit->setToolTip(text);
  emit changed();
}

void RunCommand(QWidget& window, const WindowServices& services, void (*command)(CommandContext&)) {
  ReferenceLine* line = ReferenceLine::of(window);
  if (line) line->clear();
  QtFields fields(window);
  CommandContext ctx{fields, services.format, services.state, services.pump};
  command(ctx);
  if (line) {
    const ReferenceEstimate estimate = Estimate(ctx.computed, services.format);
    line->set(QString::fromStdString(estimate.text), estimate.warning);
  }
}
