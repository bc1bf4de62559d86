// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The coilcalc developers
#include "app/coilstyle.h"

#include <QMenu>
#include <QPainter>
#include <QPainterPath>
#include <QStyleOption>

CoilStyle::CoilStyle(const QString& key) : QProxyStyle(key) {}

bool CoilStyle::isPlainGroupBox(ComplexControl control, const QStyleOptionComplex* option) {
  return control == CC_GroupBox && option != nullptr &&
         !option->subControls.testFlag(SC_GroupBoxCheckBox);
}

void CoilStyle::drawComplexControl(ComplexControl control, const QStyleOptionComplex* option,
                                   QPainter* painter, const QWidget* widget) const {
  if (isPlainGroupBox(control, option)) {
    common_.drawComplexControl(control, option, painter, widget);
  } else {
    QProxyStyle::drawComplexControl(control, option, painter, widget);
  }
}

QRect CoilStyle::subControlRect(ComplexControl control, const QStyleOptionComplex* option,
                                SubControl subControl, const QWidget* widget) const {
  if (isPlainGroupBox(control, option)) {
    return common_.subControlRect(control, option, subControl, widget);
  }
  return QProxyStyle::subControlRect(control, option, subControl, widget);
}

void CoilStyle::drawPrimitive(PrimitiveElement element, const QStyleOption* option,
                              QPainter* painter, const QWidget* widget) const {
  // Styles that draw a menu entry's check mark as a check box (Fusion does) ask for it here.
  if (element == PE_IndicatorCheckBox && qobject_cast<const QMenu*>(widget) != nullptr) {
    if (!option->state.testFlag(State_On)) return;
    // A tick in the entry's text colour, sized to the box it replaces.
    const QRectF box = QRectF(option->rect).adjusted(0.5, 0.5, -0.5, -0.5);
    QPainterPath tick;
    tick.moveTo(box.left() + box.width() * 0.2, box.top() + box.height() * 0.5);
    tick.lineTo(box.left() + box.width() * 0.42, box.top() + box.height() * 0.74);
    tick.lineTo(box.left() + box.width() * 0.8, box.top() + box.height() * 0.26);
    const bool selected = option->state.testFlag(State_Selected);
    painter->save();
    painter->setRenderHint(QPainter::Antialiasing);
    painter->setPen(QPen(selected ? option->palette.highlightedText() : option->palette.text(),
                         qMax(1.5, box.width() / 8), Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
    painter->drawPath(tick);
    painter->restore();
    return;
  }
  QProxyStyle::drawPrimitive(element, option, painter, widget);
}
