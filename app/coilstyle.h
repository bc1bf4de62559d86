// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The coilcalc developers
#pragma once
// The style of every window: the Qt style chosen (Fusion unless -style or the platform says
// otherwise) with two adjustments.
// - A group box without a check box is measured and drawn as Qt's common style does it: its
//   title sits on the frame line and interrupts it, and the frame's top runs through the middle
//   of the title. The layouts put controls just below the title, inside the frame; a style that
//   draws the frame below the whole title (Fusion) would draw its top line across them.
// - A checkable menu entry shows a check mark when checked and nothing when not, where a style
//   would draw an empty box; the entry's text stays where the style puts it.
#include <QCommonStyle>
#include <QProxyStyle>

class CoilStyle : public QProxyStyle {
  Q_OBJECT

 public:
  // key names the style to adjust, as QStyleFactory knows it ("fusion", "windows").
  explicit CoilStyle(const QString& key);

  void drawComplexControl(ComplexControl control, const QStyleOptionComplex* option,
                          QPainter* painter, const QWidget* widget = nullptr) const override;
  QRect subControlRect(ComplexControl control, const QStyleOptionComplex* option,
                       SubControl subControl, const QWidget* widget = nullptr) const override;
  void drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                     const QWidget* widget = nullptr) const override;

 private:
  // Group boxes that the common style measures and draws.
  static bool isPlainGroupBox(ComplexControl control, const QStyleOptionComplex* option);

  QCommonStyle common_;
};
